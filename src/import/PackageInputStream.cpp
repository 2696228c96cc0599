#include "PackageInputStream.h"

#include <utility>

namespace {

// One part's bytes, read like librevenge's string streams.
class PartInputStream : public librevenge::RVNGInputStream
{
public:
    explicit PartInputStream(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }

    bool isStructured() override { return false; }
    unsigned subStreamCount() override { return 0; }
    const char *subStreamName(unsigned) override { return nullptr; }
    bool existsSubStream(const char *) override { return false; }
    librevenge::RVNGInputStream *getSubStreamByName(const char *) override { return nullptr; }
    librevenge::RVNGInputStream *getSubStreamById(unsigned) override { return nullptr; }

    const unsigned char *read(unsigned long numBytes, unsigned long &numBytesRead) override
    {
        const unsigned long left = (unsigned long)(m_bytes.size() - m_offset);
        numBytesRead = std::min(numBytes, left);
        if (numBytesRead == 0)
            return nullptr;
        const auto *data = reinterpret_cast<const unsigned char *>(m_bytes.constData()) + m_offset;
        m_offset += qsizetype(numBytesRead);
        return data;
    }

    int seek(long offset, librevenge::RVNG_SEEK_TYPE seekType) override
    {
        qint64 target = offset;
        if (seekType == librevenge::RVNG_SEEK_CUR)
            target += m_offset;
        else if (seekType == librevenge::RVNG_SEEK_END)
            target += m_bytes.size();
        if (target < 0 || target > m_bytes.size()) {
            m_offset = target < 0 ? 0 : m_bytes.size();
            return 1;
        }
        m_offset = qsizetype(target);
        return 0;
    }

    long tell() override { return long(m_offset); }
    bool isEnd() override { return m_offset >= m_bytes.size(); }

private:
    const QByteArray m_bytes;
    qsizetype m_offset = 0;
};

} // namespace

PackageInputStream::PackageInputStream(PackageParts parts)
    : m_parts(std::move(parts))
{
}

unsigned PackageInputStream::subStreamCount()
{
    return unsigned(m_parts.size());
}

const char *PackageInputStream::subStreamName(unsigned id)
{
    return id < unsigned(m_parts.size()) ? m_parts.names().at(id).constData() : nullptr;
}

bool PackageInputStream::existsSubStream(const char *name)
{
    return name && m_parts.contains(QByteArray(name));
}

librevenge::RVNGInputStream *PackageInputStream::getSubStreamByName(const char *name)
{
    if (!name)
        return nullptr;
    const QByteArray bytes = m_parts.value(QByteArray(name));
    // librevenge gives no stream for an empty part either.
    if (bytes.isEmpty())
        return nullptr;
    return new PartInputStream(bytes);
}

librevenge::RVNGInputStream *PackageInputStream::getSubStreamById(unsigned id)
{
    return getSubStreamByName(subStreamName(id));
}

const unsigned char *PackageInputStream::read(unsigned long, unsigned long &numBytesRead)
{
    numBytesRead = 0;
    return nullptr;
}

int PackageInputStream::seek(long offset, librevenge::RVNG_SEEK_TYPE)
{
    return offset == 0 ? 0 : -1;
}
