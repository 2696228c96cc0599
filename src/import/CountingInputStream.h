#pragma once

#include <librevenge-stream/librevenge-stream.h>

#include <QtGlobal>

#include <atomic>
#include <memory>

// Wraps a librevenge stream and counts the bytes libvisio reads through it
// and through every sub-stream it opens, so a loader can show how far the
// parse has got. Once cancelled, the stream and its sub-streams report their
// end and fail every read, which makes libvisio give up early.
class CountingInputStream : public librevenge::RVNGInputStream
{
public:
    // Shared by a stream, its sub-streams and whoever watches the load; safe
    // to read and cancel from any thread.
    struct State
    {
        std::atomic<qint64> bytesRead{0};
        // About what a whole parse reads; 0 while unknown.
        std::atomic<qint64> expectedBytes{0};
        std::atomic<bool> cancelled{false};

        // The fraction read so far, kept below 1 until the caller knows the
        // parse is over; estimates can fall short.
        double fraction() const;
    };

    CountingInputStream(std::unique_ptr<librevenge::RVNGInputStream> inner,
                        std::shared_ptr<State> state);

    bool isStructured() override;
    unsigned subStreamCount() override;
    const char *subStreamName(unsigned id) override;
    bool existsSubStream(const char *name) override;
    librevenge::RVNGInputStream *getSubStreamByName(const char *name) override;
    librevenge::RVNGInputStream *getSubStreamById(unsigned id) override;
    const unsigned char *read(unsigned long numBytes, unsigned long &numBytesRead) override;
    int seek(long offset, librevenge::RVNG_SEEK_TYPE seekType) override;
    long tell() override;
    bool isEnd() override;

private:
    bool cancelled() const { return m_state->cancelled.load(std::memory_order_relaxed); }
    librevenge::RVNGInputStream *wrap(librevenge::RVNGInputStream *subStream) const;

    std::unique_ptr<librevenge::RVNGInputStream> m_inner;
    std::shared_ptr<State> m_state;
};
