#include "Log.h"

#include "UserFolders.h"

#include <QDir>

#include <QFile>

#include <spdlog/pattern_formatter.h>
#include <spdlog/sinks/rotating_file_sink.h>
#include <spdlog/spdlog.h>

#include <cstring>
#include <memory>
#include <mutex>

namespace {

constexpr std::size_t kMaxFileBytes = 2 * 1024 * 1024;
constexpr std::size_t kMaxFiles = 3;

// Our three levels by their own names; spdlog would say "warning" and "critical".
class LevelNameFlag : public spdlog::custom_flag_formatter
{
public:
    void format(const spdlog::details::log_msg &msg, const std::tm &,
                spdlog::memory_buf_t &dest) override
    {
        const char *name = msg.level >= spdlog::level::critical ? "fatal"
                           : msg.level >= spdlog::level::warn   ? "warn"
                                                                : "info";
        dest.append(name, name + std::strlen(name));
    }

    std::unique_ptr<custom_flag_formatter> clone() const override
    {
        return std::make_unique<LevelNameFlag>();
    }
};

struct LogState
{
    std::mutex mutex;
    std::shared_ptr<spdlog::logger> logger;
    QString dir; // given to initialize(); reused when a line comes after shutdown()
    QString filePath;
    bool discarding = false;
};

LogState &state()
{
    static LogState s;
    return s;
}

// spdlog reports its own failures by exception; none may leave this file.
std::shared_ptr<spdlog::logger> openLogger(const QString &logDir, QString *filePath)
{
    QDir().mkpath(logDir);
    const QString path = QDir(logDir).filePath(QStringLiteral("plandraw.log"));
    try {
        auto sink = std::make_shared<spdlog::sinks::rotating_file_sink_mt>(
            QFile::encodeName(path).toStdString(), kMaxFileBytes, kMaxFiles);
        auto logger = std::make_shared<spdlog::logger>("plandraw", sink);
        auto formatter = std::make_unique<spdlog::pattern_formatter>();
        formatter->add_flag<LevelNameFlag>('*').set_pattern("%Y-%m-%d %H:%M:%S.%e [%*] %v");
        logger->set_formatter(std::move(formatter));
        logger->set_level(spdlog::level::info);
        *filePath = path;
        return logger;
    } catch (...) {
        return nullptr;
    }
}

std::shared_ptr<spdlog::logger> logger()
{
    LogState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!s.logger && !s.discarding)
        s.logger = openLogger(s.dir.isEmpty() ? UserFolders::logDir() : s.dir, &s.filePath);
    return s.logger;
}

void write(spdlog::level::level_enum level, const QString &message, bool flush)
{
    auto log = logger();
    if (!log)
        return;
    try {
        log->log(level, "{}", message.toUtf8().toStdString());
        if (flush)
            log->flush();
    } catch (...) {
    }
}

} // namespace

void Log::initialize(const QString &logDir)
{
    LogState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.dir = logDir;
    s.filePath.clear();
    s.logger = openLogger(logDir, &s.filePath);
}

void Log::shutdown()
{
    LogState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.logger) {
        try {
            s.logger->flush();
        } catch (...) {
        }
    }
    s.logger.reset();
    s.filePath.clear();
}

void Log::discard()
{
    shutdown();
    LogState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.discarding = true;
}

void Log::info(const QString &message)
{
    write(spdlog::level::info, message, false);
}

void Log::warn(const QString &message)
{
    write(spdlog::level::warn, message, true);
}

void Log::fatal(const QString &message)
{
    write(spdlog::level::critical, message, true);
}

void Log::flush()
{
    std::shared_ptr<spdlog::logger> log;
    {
        LogState &s = state();
        std::lock_guard<std::mutex> lock(s.mutex);
        log = s.logger;
    }
    if (!log)
        return;
    try {
        log->flush();
    } catch (...) {
    }
}

QString Log::filePath()
{
    LogState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.filePath;
}
