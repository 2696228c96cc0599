#include "PackageParts.h"

void PackageParts::insert(const QByteArray &name, const QByteArray &bytes)
{
    if (!m_bytes.contains(name))
        m_names.append(name);
    m_bytes.insert(name, bytes);
}

void PackageParts::remove(const QByteArray &name)
{
    if (m_bytes.remove(name))
        m_names.removeOne(name);
}

qint64 PackageParts::totalBytes() const
{
    qint64 total = 0;
    for (const QByteArray &bytes : m_bytes)
        total += bytes.size();
    return total;
}
