#pragma once

#include "CountingInputStream.h"
#include "PackageParts.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct zip;

// Reads a zip package (.vsdx and its kin) into memory through libzip,
// inflating each part exactly once. Parts that cannot be trusted are left
// out with a warning that names them: names that climb out of the package
// or repeat an earlier one, sizes past the caps, data that inflates beyond
// its stated size or does not inflate at all.
class PackageReader
{
public:
    explicit PackageReader(const QString &filePath);
    // A package already in memory; the reader keeps a reference to it.
    explicit PackageReader(const QByteArray &bytes);
    ~PackageReader();
    PackageReader(const PackageReader &) = delete;
    PackageReader &operator=(const PackageReader &) = delete;

    // Zip files start with a local file header.
    static bool looksLikePackage(const QByteArray &head);

    // Reads the central directory. False when it cannot: error() says why.
    bool open();
    // What reading every accepted part inflates, from the directory.
    qint64 plannedBytes() const { return m_plannedBytes; }
    // Inflates every accepted part. With a state, each inflated byte counts
    // as read, and a cancel stops the reading between pieces.
    PackageParts readParts(CountingInputStream::State *state = nullptr);
    bool wasCancelled() const { return m_cancelled; }

    QString error() const { return m_error; }
    QStringList warnings() const { return m_warnings; }

private:
    struct Entry
    {
        quint64 index = 0;
        QByteArray name;
        qint64 size = 0;
    };

    bool readEntry(const Entry &entry, QByteArray *bytes, CountingInputStream::State *state);
    void warn(const QByteArray &name, const QString &why);

    QString m_filePath;
    QByteArray m_bytes;
    zip *m_archive = nullptr;
    QList<Entry> m_entries;
    qint64 m_plannedBytes = 0;
    bool m_cancelled = false;
    QString m_error;
    QStringList m_warnings;
};
