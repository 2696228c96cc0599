#include "BatchWorker.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Marks the result among whatever a library prints on standard output.
const QByteArray resultMarker = QByteArrayLiteral("plandraw-batch-result ");
const QByteArray messagePrefix = QByteArrayLiteral("plandraw-export: ");
// What a worker says on standard error when an allocation failed: the
// libraries turn that into a failed parse, which would blame the drawing.
constexpr char outOfMemoryMarker[] = "plandraw-batch-out-of-memory\n";

bool g_outOfMemory = false;

void noteOutOfMemory()
{
    g_outOfMemory = true;
    // The allocation then fails as it would have.
    std::set_new_handler(nullptr);
}

void reportOutOfMemory()
{
    if (g_outOfMemory)
        std::fputs(outOfMemoryMarker, stderr);
}
// A library that floods its output must not fill our memory.
constexpr qsizetype maxKeptOutput = 64 * 1024;

qint64 peakResidentKiB(const QByteArray &statusPath)
{
    QFile file(QString::fromLatin1(statusPath));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void keepTail(QByteArray *kept, const QByteArray &more)
{
    kept->append(more);
    if (kept->size() > maxKeptOutput)
        kept->remove(0, kept->size() - maxKeptOutput);
}

} // namespace

BatchWorker::BatchWorker(int item, QObject *parent)
    : QObject(parent)
    , m_item(item)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &BatchWorker::onTimeout);
    connect(&m_process, &QProcess::readyReadStandardOutput, this,
            [this] { keepTail(&m_stdout, m_process.readAllStandardOutput()); });
    connect(&m_process, &QProcess::readyReadStandardError, this,
            [this] { keepTail(&m_stderr, m_process.readAllStandardError()); });
    connect(&m_process, &QProcess::finished, this, &BatchWorker::onFinished);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        m_timer.stop();
        m_outcome.reason = tr("The converter could not be started: %1").arg(m_process.errorString());
        emit finished(this);
    });
}

BatchWorker::~BatchWorker()
{
    stop();
}

void BatchWorker::start(const QString &program, const QStringList &arguments,
                        const QByteArray &folder, qint64 memoryLimit, double timeoutSeconds)
{
    m_timeoutSeconds = timeoutSeconds;
    m_memoryLimit = memoryLimit;
    const pid_t parent = ::getpid();
    const std::string dir = folder.toStdString();
    const rlim_t limit = rlim_t(std::max<qint64>(memoryLimit, 0));
    // Runs between fork and exec: system calls only.
    m_process.setChildProcessModifier([dir, limit, parent]() {
        // Workers must not outlive a run that was killed.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        // Ctrl+C reaches the whole process group; the run ends its workers.
        ::signal(SIGINT, SIG_IGN);
#if !defined(__SANITIZE_ADDRESS__)
        // AddressSanitizer reserves terabytes of address space up front.
        rlimit current {};
        if (limit > 0 && ::getrlimit(RLIMIT_AS, &current) == 0) {
            const rlim_t capped = std::min(limit, current.rlim_max);
            const rlimit next{capped, capped};
            ::setrlimit(RLIMIT_AS, &next);
        }
#endif
        if (::chdir(dir.c_str()) != 0)
            ::_exit(127);
    });
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_clock.start();
    m_timer.start(int(std::min(timeoutSeconds * 1000.0, 86400.0 * 1000.0)));
    m_process.start(program, arguments);
}

void BatchWorker::samplePeakMemory()
{
    const qint64 pid = m_process.processId();
    if (pid > 0) {
        m_outcome.peakKiB = std::max(m_outcome.peakKiB,
                                     peakResidentKiB("/proc/" + QByteArray::number(pid) + "/status"));
    }
}

void BatchWorker::stop()
{
    m_timer.stop();
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.disconnect(this);
    m_process.kill();
    m_process.waitForFinished(10000);
}

void BatchWorker::onTimeout()
{
    m_timedOut = true;
    samplePeakMemory();
    m_process.kill();
}

void BatchWorker::onFinished(int exitCode, QProcess::ExitStatus status)
{
    m_timer.stop();
    keepTail(&m_stdout, m_process.readAllStandardOutput());
    keepTail(&m_stderr, m_process.readAllStandardError());
    m_outcome.seconds = m_clock.nsecsElapsed() / 1e9;

    const qsizetype at = m_stdout.lastIndexOf(resultMarker);
    const QJsonObject result =
        at < 0 ? QJsonObject()
               : QJsonDocument::fromJson(m_stdout.mid(at + resultMarker.size()).split('\n').first())
                     .object();
    m_outcome.peakKiB = std::max(m_outcome.peakKiB, qint64(result.value(QLatin1String("peakKiB")).toDouble()));
    if (!m_timedOut && status == QProcess::NormalExit && exitCode == 0 && !result.isEmpty()) {
        m_outcome.converted = true;
        m_outcome.pages = result.value(QLatin1String("pages")).toInt();
        const QJsonArray files = result.value(QLatin1String("files")).toArray();
        for (const QJsonValue &file : files)
            m_outcome.files << file.toString();
    } else {
        m_outcome.reason = failureReason(exitCode, status);
    }
    emit finished(this);
}

QString BatchWorker::failureReason(int exitCode, QProcess::ExitStatus status) const
{
    if (m_timedOut)
        return tr("Given up after %1 s: the drawing takes too long.").arg(m_timeoutSeconds);
    if (m_stderr.contains("bad_alloc") || m_stderr.contains(outOfMemoryMarker)) {
        return tr("Ran out of memory (at most %1 MB for one drawing).")
            .arg(m_memoryLimit / (1024 * 1024));
    }
    if (status == QProcess::CrashExit) {
        // Qt gives the signal's number as the exit code of a crash.
        return tr("The converter stopped on signal %1 (%2).")
            .arg(exitCode)
            .arg(QString::fromLocal8Bit(::strsignal(exitCode)));
    }
    const QList<QByteArray> lines = m_stderr.split('\n');
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        if (it->startsWith(messagePrefix))
            return QString::fromUtf8(it->mid(messagePrefix.size())).trimmed();
    }
    if (exitCode == 0)
        return tr("The converter gave no result.");
    return tr("The converter failed with exit code %1.").arg(exitCode);
}

void BatchWorker::watchMemory()
{
    std::set_new_handler(&noteOutOfMemory);
    std::atexit(&reportOutOfMemory);
}

void BatchWorker::printResult(int pages, const QStringList &files)
{
    QJsonObject result;
    result.insert(QLatin1String("pages"), pages);
    result.insert(QLatin1String("files"), QJsonArray::fromStringList(files));
    result.insert(QLatin1String("peakKiB"), double(peakResidentKiB("/proc/self/status")));
    const QByteArray line =
        resultMarker + QJsonDocument(result).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}
