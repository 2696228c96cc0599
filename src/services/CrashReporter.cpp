#include "CrashReporter.h"

#include "Log.h"
#include "UserFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cerrno>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE};
constexpr int kSignalCount = sizeof(kSignals) / sizeof(kSignals[0]);

// Everything the handler reads is prepared before any crash can happen.
volatile sig_atomic_t g_fd = -1;
volatile long g_utcOffsetSeconds = 0;
bool g_running = false;
struct sigaction g_previous[kSignalCount];
QString g_dsn;
QString g_path;

// Own stack for the handler, so that a stack overflow can still be reported.
constexpr std::size_t kAltStackSize = 64 * 1024;
alignas(16) char g_altStack[kAltStackSize];
stack_t g_previousAltStack;
bool g_altStackInstalled = false;

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV: return "SIGSEGV";
    case SIGABRT: return "SIGABRT";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    default: return "signal";
    }
}

// Small async-signal-safe writers into a fixed buffer.
struct LineBuffer
{
    char data[160];
    std::size_t size = 0;

    void append(const char *text)
    {
        while (*text && size < sizeof(data))
            data[size++] = *text++;
    }

    void appendNumber(long value, int width)
    {
        char digits[24];
        int n = 0;
        const bool negative = value < 0;
        unsigned long v = negative ? 0ul - static_cast<unsigned long>(value)
                                   : static_cast<unsigned long>(value);
        do {
            digits[n++] = char('0' + v % 10);
            v /= 10;
        } while (v && n < int(sizeof(digits)));
        if (negative && size < sizeof(data))
            data[size++] = '-';
        for (int i = n; i < width && size < sizeof(data); ++i)
            data[size++] = '0';
        while (n > 0 && size < sizeof(data))
            data[size++] = digits[--n];
    }
};

// Days since 1970-01-01 to a civil date (proleptic Gregorian), pure arithmetic.
void civilFromDays(long z, long *year, long *month, long *day)
{
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    *day = doy - (153 * mp + 2) / 5 + 1;
    *month = mp < 10 ? mp + 3 : mp - 9;
    *year = yoe + era * 400 + (*month <= 2 ? 1 : 0);
}

void appendTimestamp(LineBuffer &line)
{
    timespec now{};
    if (clock_gettime(CLOCK_REALTIME, &now) != 0)
        return;
    const long local = long(now.tv_sec) + g_utcOffsetSeconds;
    long days = local / 86400;
    long secs = local % 86400;
    if (secs < 0) {
        secs += 86400;
        --days;
    }
    long year, month, day;
    civilFromDays(days, &year, &month, &day);
    line.appendNumber(year, 4);
    line.append("-");
    line.appendNumber(month, 2);
    line.append("-");
    line.appendNumber(day, 2);
    line.append(" ");
    line.appendNumber(secs / 3600, 2);
    line.append(":");
    line.appendNumber(secs / 60 % 60, 2);
    line.append(":");
    line.appendNumber(secs % 60, 2);
    line.append(".");
    line.appendNumber(now.tv_nsec / 1000000, 3);
    line.append(" ");
}

extern "C" void crashHandler(int sig)
{
    const int fd = g_fd;
    if (fd >= 0) {
        LineBuffer line;
        appendTimestamp(line);
        line.append("[fatal] Program terminated by signal ");
        line.append(signalName(sig));
        line.append(" (");
        line.appendNumber(sig, 0);
        line.append(")\n");
        const char *p = line.data;
        std::size_t left = line.size;
        while (left > 0) {
            const ssize_t written = ::write(fd, p, left);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                break;
            p += written;
            left -= std::size_t(written);
        }
        ::fsync(fd);
    }

    // Die as we would have: default action, then the same signal again. It
    // stays blocked until the handler returns; a hardware fault would recur
    // on return in any case.
    struct sigaction fallback;
    std::memset(&fallback, 0, sizeof(fallback));
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(sig, &fallback, nullptr);
    ::raise(sig);
}

long currentUtcOffset()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local))
        return 0;
    return local.tm_gmtoff;
}

QString crashFolder()
{
    const QString logFile = Log::filePath();
    if (!logFile.isEmpty())
        return QFileInfo(logFile).absolutePath();
    return UserFolders::logDir();
}

} // namespace

bool CrashReporter::start(const QString &dsn)
{
    if (g_running)
        end();

    g_dsn = dsn;
    g_utcOffsetSeconds = currentUtcOffset();

    const QString folder = crashFolder();
    QDir().mkpath(folder);
    g_path = QDir(folder).filePath(QStringLiteral("crash.log"));
    const int fd = ::open(QFile::encodeName(g_path).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    g_fd = fd;
    if (fd < 0)
        Log::warn(QStringLiteral("Crash reporting cannot write to ") + g_path);

    stack_t altStack;
    std::memset(&altStack, 0, sizeof(altStack));
    altStack.ss_sp = g_altStack;
    altStack.ss_size = kAltStackSize;
    g_altStackInstalled = ::sigaltstack(&altStack, &g_previousAltStack) == 0;

    for (int i = 0; i < kSignalCount; ++i) {
        struct sigaction action;
        std::memset(&action, 0, sizeof(action));
        action.sa_handler = crashHandler;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_ONSTACK;
        ::sigaction(kSignals[i], &action, &g_previous[i]);
    }
    g_running = true;
    return fd >= 0;
}

void CrashReporter::end()
{
    if (!g_running)
        return;
    for (int i = 0; i < kSignalCount; ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    if (g_altStackInstalled) {
        ::sigaltstack(&g_previousAltStack, nullptr);
        g_altStackInstalled = false;
    }
    const int fd = g_fd;
    g_fd = -1;
    if (fd >= 0)
        ::close(fd);
    g_running = false;
}

bool CrashReporter::isRunning()
{
    return g_running;
}

QString CrashReporter::dsn()
{
    return g_dsn;
}

QString CrashReporter::crashLogPath()
{
    return g_path;
}
