#include "DocumentLoadJob.h"

#include "FreedMemory.h"
#include "Log.h"
#include "LogStream.h"

#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <exception>
#include <utility>

namespace {

// Runs on a pool thread: nothing may escape into QtConcurrent, which would
// rethrow it on the owner's thread.
VisioImporter::Result importOffThread(const QString &filePath,
                                      const std::shared_ptr<CountingInputStream::State> &state)
{
    try {
        return VisioImporter::importFile(filePath, state);
    } catch (const std::exception &e) {
        LogStream(Log::warn) << "Failed to open file:" << filePath
                             << "- Reason: " << QString::fromLocal8Bit(e.what());
    } catch (...) {
        LogStream(Log::warn) << "Failed to open file:" << filePath << "- Reason: unexpected error.";
    }
    VisioImporter::Result failed;
    failed.outcome = state->cancelled ? VisioImporter::Cancelled : VisioImporter::ParseFailed;
    return failed;
}

} // namespace

DocumentLoadJob::DocumentLoadJob(const QString &filePath, QObject *parent)
    : QObject(parent)
    , m_filePath(filePath)
    , m_state(std::make_shared<CountingInputStream::State>())
{
    m_watcher = new QFutureWatcher<VisioImporter::Result>(this);
    connect(m_watcher, &QFutureWatcherBase::finished, this, &DocumentLoadJob::onFinished);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(ProgressIntervalMs);
    connect(m_progressTimer, &QTimer::timeout, this,
            [this] { reportProgress(m_state->fraction()); });
}

DocumentLoadJob::~DocumentLoadJob()
{
    cancel();
}

void DocumentLoadJob::start(QThreadPool *pool)
{
    if (m_watcher->future().isValid() || isCancelled())
        return;
    QThreadPool *target = pool ? pool : QThreadPool::globalInstance();
    // The worker holds its own copies: the job may be gone before it ends.
    const QString path = m_filePath;
    const std::shared_ptr<CountingInputStream::State> state = m_state;
    m_watcher->setFuture(QtConcurrent::run(target, [path, state] {
        VisioImporter::Result result = importOffThread(path, state);
        // What libvisio and the conversions built up is freed by now.
        FreedMemory::returnToSystem();
        return result;
    }));
    m_progressTimer->start();
}

void DocumentLoadJob::cancel()
{
    m_state->cancelled = true;
    m_progressTimer->stop();
    // The watcher would still report the end of the abandoned parse.
    m_watcher->disconnect(this);
}

bool DocumentLoadJob::isRunning() const
{
    return m_watcher->future().isValid() && !m_watcher->isFinished();
}

bool DocumentLoadJob::isCancelled() const
{
    return m_state->cancelled;
}

VisioImporter::Result DocumentLoadJob::takeResult()
{
    return std::exchange(m_result, VisioImporter::Result());
}

void DocumentLoadJob::reportProgress(double fraction)
{
    if (isCancelled())
        return;
    // A tick without news repeats the last value, so watchers hear at every
    // tick that the load is alive.
    m_progress = std::max(m_progress, fraction);
    emit progressChanged(m_progress);
}

void DocumentLoadJob::onFinished()
{
    m_progressTimer->stop();
    if (isCancelled())
        return;
    m_result = m_watcher->future().result();
    reportProgress(1.0);
    emit finished();
}
