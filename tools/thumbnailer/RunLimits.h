#pragma once

#include <QByteArray>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// The limits a file manager expects a thumbnailer to keep, kept by the
// thumbnailer itself so that it ends cleanly: a message on stderr, a
// non-zero exit code and no file written. The clock runs in a thread of its
// own, so it fires even while the parse is stuck inside a library.
class RunLimits
{
public:
    enum ExitCode { TimeExceeded = 3, MemoryExceeded = 4 };

    // Ends the process at deadline unless finishing() came first.
    RunLimits(std::chrono::steady_clock::time_point deadline, const QByteArray &timeMessage);
    ~RunLimits();
    RunLimits(const RunLimits &) = delete;
    RunLimits &operator=(const RunLimits &) = delete;

    // The result is about to be put in place: from here on the clock no
    // longer ends the run, so the output is never left half written.
    void finishing();

    // Caps the process's address space; an allocation beyond it ends the run
    // with message. Does nothing in sanitizer builds, which reserve far more.
    static void capMemory(qint64 bytes, const QByteArray &message);

private:
    void watch();

    std::chrono::steady_clock::time_point m_deadline;
    QByteArray m_timeMessage;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_thread;
};
