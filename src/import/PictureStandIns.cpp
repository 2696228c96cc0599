#include "PictureStandIns.h"

#include "PackageRelationships.h"

#include <QByteArrayView>
#include <QRandomGenerator>
#include <QSet>
#include <QtEndian>

#include <array>

namespace {

// Enough for every byte libvisio looks at: the EMF signature at 40 and the
// BMP header fields up to 36.
constexpr qsizetype HeadLength = 64;
constexpr qsizetype MarkerLength = 16;
constexpr qsizetype IndexLength = 4;
constexpr qsizetype BmpFileHeaderLength = 14;

const QByteArray ImageRelation =
    QByteArrayLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/image");
const QByteArray ObjectRelation =
    QByteArrayLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/oleObject");

// The file header libvisio puts in front of a bitmap whose compression it
// does not know, computed as libvisio computes it. Empty when the bitmap is
// too short for libvisio to have read its header.
QByteArray bmpFileHeader(const QByteArray &bitmap)
{
    if (bitmap.size() < 36)
        return QByteArray();
    const auto *d = reinterpret_cast<const uchar *>(bitmap.constData());
    const quint64 size = quint64(bitmap.size());
    quint32 headerSize = qFromLittleEndian<quint32>(d);
    if (headerSize > size)
        headerSize = 40;
    quint32 offset = headerSize;
    quint32 bitsPerPixel = std::min<quint32>(qFromLittleEndian<quint16>(d + 14), 32);
    for (quint32 allowed : {1u, 4u, 8u, 16u, 24u, 32u}) {
        if (bitsPerPixel <= allowed) {
            bitsPerPixel = allowed;
            break;
        }
    }
    quint32 colours = qFromLittleEndian<quint32>(d + 32);
    if (bitsPerPixel < 16 && colours == 0)
        colours = 1u << bitsPerPixel;
    if (colours > 0 && colours < (size - offset) / 4)
        offset += 4 * colours;
    offset += quint32(BmpFileHeaderLength);

    QByteArray header(BmpFileHeaderLength, '\0');
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian(quint32(size + BmpFileHeaderLength), header.data() + 2);
    qToLittleEndian(offset, header.data() + 10);
    return header;
}

} // namespace

PictureStandIns::PictureStandIns()
{
    std::array<quint32, MarkerLength / 4> words;
    QRandomGenerator::global()->fillRange(words.data(), qsizetype(words.size()));
    m_marker = QByteArray(reinterpret_cast<const char *>(words.data()), MarkerLength);
}

PackageParts PictureStandIns::standIn(const PackageParts &parts)
{
    QSet<QByteArray> pictures;
    QSet<QByteArray> others;
    for (const QByteArray &name : parts.names()) {
        QByteArray source;
        if (!PackageRelationships::sourceOf(name, &source))
            continue;
        const PackageRelationships relationships(parts, source);
        for (const PackageRelationships::Relationship &relationship : relationships.all()) {
            if (relationship.type == ImageRelation || relationship.type == ObjectRelation)
                pictures.insert(relationship.target);
            else
                others.insert(relationship.target);
        }
    }

    // A part that libvisio may also read as a document keeps its bytes.
    PackageParts served = parts;
    for (const QByteArray &name : parts.names()) {
        if (!pictures.contains(name) || others.contains(name) || name.endsWith(".rels"))
            continue;
        const QByteArray bytes = parts.value(name);
        if (bytes.isEmpty())
            continue;
        const quint32 index = quint32(m_pictures.size());
        Picture picture{bytes, std::min(HeadLength, bytes.size())};
        QByteArray standIn = bytes.left(picture.headLength) + m_marker;
        standIn.resize(standIn.size() + IndexLength);
        qToLittleEndian(index, standIn.data() + standIn.size() - IndexLength);
        m_pictures.append(picture);
        served.insert(name, standIn);
    }
    return served;
}

QByteArray PictureStandIns::resolve(const QByteArray &delivered) const
{
    qsizetype at = m_pictures.isEmpty() ? -1 : delivered.indexOf(m_marker);
    if (at < 0)
        return delivered;

    const QByteArrayView view(delivered);
    QByteArray out;
    qsizetype copied = 0;
    for (; at >= 0; at = delivered.indexOf(m_marker, copied)) {
        const qsizetype end = at + MarkerLength + IndexLength;
        if (end > delivered.size())
            return QByteArray();
        const quint32 index = qFromLittleEndian<quint32>(delivered.constData() + at + MarkerLength);
        if (index >= quint32(m_pictures.size()))
            return QByteArray();
        const Picture &picture = m_pictures.at(index);
        const qsizetype start = at - picture.headLength;
        if (start < copied
            || view.sliced(start, picture.headLength)
                   != QByteArrayView(picture.bytes).first(picture.headLength))
            return QByteArray();
        // The usual case: the picture alone, passed on without a copy.
        if (start == 0 && end == delivered.size())
            return picture.bytes;
        if (copied == 0 && start == BmpFileHeaderLength && delivered.startsWith("BM")) {
            const QByteArray header = bmpFileHeader(picture.bytes);
            if (header.isEmpty())
                return QByteArray();
            out += header;
            copied = start;
        }
        out.append(view.sliced(copied, start - copied));
        out.append(picture.bytes);
        copied = end;
    }
    out.append(view.sliced(copied));
    return out;
}
