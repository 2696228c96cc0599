#include "CountingInputStream.h"

#include <algorithm>

double CountingInputStream::State::fraction() const
{
    const qint64 expected = expectedBytes.load(std::memory_order_relaxed);
    if (expected <= 0)
        return 0.0;
    const double read = double(bytesRead.load(std::memory_order_relaxed));
    return std::clamp(read / double(expected), 0.0, 0.95);
}

CountingInputStream::CountingInputStream(std::unique_ptr<librevenge::RVNGInputStream> inner,
                                         std::shared_ptr<State> state)
    : m_inner(std::move(inner))
    , m_state(state ? std::move(state) : std::make_shared<State>())
{
}

bool CountingInputStream::isStructured()
{
    return m_inner && !cancelled() && m_inner->isStructured();
}

unsigned CountingInputStream::subStreamCount()
{
    return m_inner && !cancelled() ? m_inner->subStreamCount() : 0;
}

const char *CountingInputStream::subStreamName(unsigned id)
{
    return m_inner && !cancelled() ? m_inner->subStreamName(id) : nullptr;
}

bool CountingInputStream::existsSubStream(const char *name)
{
    return m_inner && !cancelled() && m_inner->existsSubStream(name);
}

librevenge::RVNGInputStream *CountingInputStream::wrap(librevenge::RVNGInputStream *subStream) const
{
    if (!subStream)
        return nullptr;
    // libvisio deletes what it is given; the wrapper owns the real stream.
    return new CountingInputStream(std::unique_ptr<librevenge::RVNGInputStream>(subStream), m_state);
}

librevenge::RVNGInputStream *CountingInputStream::getSubStreamByName(const char *name)
{
    if (!m_inner || cancelled())
        return nullptr;
    return wrap(m_inner->getSubStreamByName(name));
}

librevenge::RVNGInputStream *CountingInputStream::getSubStreamById(unsigned id)
{
    if (!m_inner || cancelled())
        return nullptr;
    return wrap(m_inner->getSubStreamById(id));
}

const unsigned char *CountingInputStream::read(unsigned long numBytes, unsigned long &numBytesRead)
{
    numBytesRead = 0;
    if (!m_inner || cancelled())
        return nullptr;
    const unsigned char *data = m_inner->read(numBytes, numBytesRead);
    if (!data)
        numBytesRead = 0;
    m_state->bytesRead.fetch_add(qint64(numBytesRead), std::memory_order_relaxed);
    return data;
}

int CountingInputStream::seek(long offset, librevenge::RVNG_SEEK_TYPE seekType)
{
    if (!m_inner || cancelled())
        return -1;
    return m_inner->seek(offset, seekType);
}

long CountingInputStream::tell()
{
    return m_inner ? m_inner->tell() : -1;
}

bool CountingInputStream::isEnd()
{
    return !m_inner || cancelled() || m_inner->isEnd();
}
