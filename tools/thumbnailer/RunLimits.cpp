#include "RunLimits.h"

#include <sys/resource.h>
#include <unistd.h>

#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define PLANDRAW_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PLANDRAW_SANITIZED 1
#endif
#endif

namespace {

// Only async-signal-safe calls: the process may be in any state.
[[noreturn]] void endRun(const QByteArray &message, int exitCode)
{
    if (!message.isEmpty()) {
        [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, message.constData(),
                                                         size_t(message.size()));
    }
    ::_exit(exitCode);
}

#ifndef PLANDRAW_SANITIZED
// Set once before the cap and only read by the handler.
QByteArray g_memoryMessage;

void outOfMemory()
{
    endRun(g_memoryMessage, RunLimits::MemoryExceeded);
}
#endif

} // namespace

RunLimits::RunLimits(std::chrono::steady_clock::time_point deadline, const QByteArray &timeMessage)
    : m_deadline(deadline)
    , m_timeMessage(timeMessage)
{
    m_thread = std::thread([this] { watch(); });
}

RunLimits::~RunLimits()
{
    finishing();
    m_thread.join();
}

void RunLimits::finishing()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_done = true;
    }
    m_wake.notify_all();
}

void RunLimits::watch()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_wake.wait_until(lock, m_deadline, [this] { return m_done; }))
        endRun(m_timeMessage, TimeExceeded); // with the lock held: finishing() never returns
}

void RunLimits::capMemory(qint64 bytes, const QByteArray &message)
{
#ifndef PLANDRAW_SANITIZED
    g_memoryMessage = message;
    std::set_new_handler(outOfMemory);
    // Never loosen a cap that whoever started us has set already.
    rlimit limit{};
    if (::getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur > rlim_t(bytes)) {
        limit.rlim_cur = rlim_t(bytes);
        ::setrlimit(RLIMIT_AS, &limit);
    }
#else
    Q_UNUSED(bytes);
    Q_UNUSED(message);
#endif
}
