#include "PackageReader.h"

#include "ImportLimits.h"

#include <QFile>
#include <QSet>

#include <zip.h>

#include <algorithm>

namespace {

// Small enough that a cancel is seen within milliseconds.
constexpr qint64 ReadPieceBytes = 1024 * 1024;

// Part names are relative paths inside the package. One that is absolute or
// climbs out with ".." can never be asked for, and must not be taken for
// another part.
bool isPlainPartName(const QByteArray &name)
{
    if (name.isEmpty() || name.startsWith('/') || name.startsWith('\\'))
        return false;
    for (const QByteArray &segment : name.split('/')) {
        for (const QByteArray &piece : segment.split('\\')) {
            if (piece == "..")
                return false;
        }
    }
    return true;
}

QString zipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

} // namespace

PackageReader::PackageReader(const QString &filePath)
    : m_filePath(filePath)
{
}

PackageReader::PackageReader(const QByteArray &bytes)
    : m_bytes(bytes)
{
}

PackageReader::~PackageReader()
{
    if (m_archive)
        zip_discard(m_archive);
}

bool PackageReader::looksLikePackage(const QByteArray &head)
{
    return head.startsWith(QByteArrayLiteral("PK\x03\x04"));
}

void PackageReader::warn(const QByteArray &name, const QString &why)
{
    m_warnings.append(QStringLiteral("part %1 left out: %2").arg(QString::fromUtf8(name), why));
}

bool PackageReader::open()
{
    if (m_archive)
        return true;
    int code = ZIP_ER_OK;
    if (!m_filePath.isNull()) {
        m_archive = zip_open(QFile::encodeName(m_filePath).constData(), ZIP_RDONLY, &code);
    } else {
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t *source =
            zip_source_buffer_create(m_bytes.constData(), zip_uint64_t(m_bytes.size()), 0, &error);
        if (source) {
            m_archive = zip_open_from_source(source, ZIP_RDONLY, &error);
            if (!m_archive)
                zip_source_free(source);
        }
        code = zip_error_code_zip(&error);
        zip_error_fini(&error);
    }
    if (!m_archive) {
        m_error = QStringLiteral("the package cannot be read: %1").arg(zipErrorText(code));
        return false;
    }

    const zip_int64_t count = zip_get_num_entries(m_archive, 0);
    if (count > ImportLimits::maxPackageParts) {
        m_error = QStringLiteral("the package lists %1 parts, more than %2")
                      .arg(count)
                      .arg(ImportLimits::maxPackageParts);
        return false;
    }
    QSet<QByteArray> seen;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(m_archive, zip_uint64_t(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME)) {
            m_warnings.append(QStringLiteral("entry %1 left out: its directory record is damaged").arg(i));
            continue;
        }
        const QByteArray name(stat.name);
        if (name.endsWith('/'))
            continue; // a folder
        if (!isPlainPartName(name)) {
            warn(name, QStringLiteral("the name points outside the package"));
            continue;
        }
        if (seen.contains(name)) {
            warn(name, QStringLiteral("an earlier part has the same name"));
            continue;
        }
        seen.insert(name);
        if (!(stat.valid & ZIP_STAT_SIZE) || stat.size > quint64(ImportLimits::maxPartBytes)) {
            warn(name, QStringLiteral("it claims %1 bytes, more than %2")
                           .arg(stat.size)
                           .arg(ImportLimits::maxPartBytes));
            continue;
        }
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
            warn(name, QStringLiteral("it is encrypted"));
            continue;
        }
        if (m_plannedBytes + qint64(stat.size) > ImportLimits::maxPackageBytes) {
            warn(name, QStringLiteral("the parts before it already take %1 of at most %2 bytes")
                           .arg(m_plannedBytes)
                           .arg(ImportLimits::maxPackageBytes));
            continue;
        }
        m_entries.append({quint64(i), name, qint64(stat.size)});
        m_plannedBytes += qint64(stat.size);
    }
    return true;
}

bool PackageReader::readEntry(const Entry &entry, QByteArray *bytes,
                              CountingInputStream::State *state)
{
    zip_file_t *file = zip_fopen_index(m_archive, entry.index, 0);
    if (!file) {
        warn(entry.name, QStringLiteral("it cannot be opened: %1")
                             .arg(QString::fromUtf8(zip_strerror(m_archive))));
        return false;
    }
    // The stated size is capped, so it bounds what is allocated; the data
    // may still say otherwise.
    bytes->resize(entry.size);
    qint64 done = 0;
    bool ok = true;
    while (done < entry.size) {
        if (state && state->cancelled.load(std::memory_order_relaxed)) {
            m_cancelled = true;
            ok = false;
            break;
        }
        const qint64 want = std::min(ReadPieceBytes, entry.size - done);
        const zip_int64_t got = zip_fread(file, bytes->data() + done, zip_uint64_t(want));
        if (got <= 0) {
            warn(entry.name, got < 0 ? QStringLiteral("its data is damaged: %1")
                                           .arg(QString::fromUtf8(zip_file_strerror(file)))
                                     : QStringLiteral("its data ends after %1 of %2 bytes")
                                           .arg(done)
                                           .arg(entry.size));
            ok = false;
            break;
        }
        done += got;
        if (state)
            state->bytesRead.fetch_add(got, std::memory_order_relaxed);
    }
    if (ok) {
        // Reading on to the end lets libzip check the checksum, and shows
        // data that goes on past its stated size.
        char extra = 0;
        const zip_int64_t more = zip_fread(file, &extra, 1);
        if (more > 0) {
            warn(entry.name, QStringLiteral("it inflates to more than its stated %1 bytes").arg(entry.size));
            ok = false;
        } else if (more < 0) {
            zip_error_t *error = zip_file_get_error(file);
            if (zip_error_code_zip(error) == ZIP_ER_CRC) {
                // Kept, as before: a flipped bit in a picture is better than no picture.
                m_warnings.append(QStringLiteral("part %1 fails its checksum")
                                      .arg(QString::fromUtf8(entry.name)));
            } else {
                warn(entry.name, QStringLiteral("its data is damaged: %1")
                                     .arg(QString::fromUtf8(zip_error_strerror(error))));
                ok = false;
            }
        }
    }
    zip_fclose(file);
    if (!ok)
        bytes->clear();
    return ok;
}

PackageParts PackageReader::readParts(CountingInputStream::State *state)
{
    PackageParts parts;
    if (!open())
        return parts;
    for (const Entry &entry : std::as_const(m_entries)) {
        QByteArray bytes;
        if (readEntry(entry, &bytes, state))
            parts.insert(entry.name, bytes);
        if (m_cancelled)
            return PackageParts();
    }
    return parts;
}
