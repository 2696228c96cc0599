#include "Log.h"

#include "UserFolders.h"

#include <QDir>

#include <spdlog/sinks/rotating_file_sink.h>
#include <spdlog/spdlog.h>

#include <memory>
#include <mutex>

namespace {

constexpr std::size_t kMaxFileBytes = 2 * 1024 * 1024;
constexpr std::size_t kMaxFiles = 3;

struct LogState
{
    std::mutex mutex;
    std::shared_ptr<spdlog::logger> logger;
    QString filePath;
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
            path.toStdString(), kMaxFileBytes, kMaxFiles);
        auto logger = std::make_shared<spdlog::logger>("plandraw", sink);
        logger->set_pattern("%Y-%m-%d %H:%M:%S.%e [%l] %v");
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
    if (!s.logger)
        s.logger = openLogger(UserFolders::logDir(), &s.filePath);
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

QString Log::filePath()
{
    LogState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.filePath;
}
