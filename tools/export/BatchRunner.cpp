#include "BatchRunner.h"

#include "BatchInputCollector.h"
#include "BatchOutputNames.h"
#include "BatchProgress.h"
#include "BatchReport.h"
#include "ExportCommandLine.h"
#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString errorString(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void complain(const QString &message)
{
    std::fprintf(stderr, "plandraw-export: %s\n", qPrintable(message));
}

int removeEntry(const char *path, const struct stat *, int, FTW *)
{
    ::remove(path);
    return 0;
}

// Without following links: a link in there is removed, never what it names.
void removeTree(const QByteArray &path)
{
    if (!path.isEmpty())
        ::nftw(path.constData(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}

bool roundTrips(const QByteArray &path)
{
    return QFile::encodeName(QFile::decodeName(path)) == path;
}

QByteArray currentFolder()
{
    QByteArray buffer(4096, '\0');
    while (!::getcwd(buffer.data(), size_t(buffer.size()))) {
        if (errno != ERANGE || buffer.size() > (1 << 20))
            return QByteArray();
        buffer.resize(buffer.size() * 2);
    }
    return QByteArray(buffer.constData());
}

bool makeFolders(const QByteArray &path)
{
    for (qsizetype slash = path.indexOf('/', 1); slash >= 0; slash = path.indexOf('/', slash + 1))
        ::mkdir(path.left(slash).constData(), 0777);
    ::mkdir(path.constData(), 0777);
    struct stat st {};
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

BatchRunner::BatchRunner(const ExportCommandLine &options, const QList<QByteArray> &rawArguments)
    : m_settings(options.batch)
    , m_rawArguments(rawArguments)
    , m_inputs(options.inputs)
{
    m_ticker.setInterval(250);
    connect(&m_ticker, &QTimer::timeout, this, [this] {
        for (BatchWorker *worker : std::as_const(m_running))
            worker->samplePeakMemory();
        if (m_progress)
            m_progress->refresh();
    });
}

BatchRunner::~BatchRunner()
{
    qDeleteAll(m_running);
    removeTree(m_staging);
}

QByteArray BatchRunner::outputPath(const BatchItem &item, const QByteArray &rest) const
{
    return BatchInputCollector::joined(BatchInputCollector::joined(m_outDir, item.outputDir),
                                       item.stem + rest);
}

QByteArray BatchRunner::jobFolder(int index) const
{
    return m_staging + '/' + QByteArray::number(index);
}

bool BatchRunner::prepare()
{
    m_currentFolder = currentFolder();
    m_outDir = BatchInputCollector::rawArgument(m_settings.outDir, m_rawArguments);
    if (!makeFolders(m_outDir) || ::access(m_outDir.constData(), W_OK | X_OK) != 0) {
        complain(tr("Cannot write into the output folder %1: %2")
                     .arg(QFile::decodeName(m_outDir), errorString(errno)));
        return false;
    }
    if (!m_settings.reportPath.isEmpty()) {
        const QFileInfo report(m_settings.reportPath);
        if (report.isDir() || !QFileInfo(report.absolutePath()).isWritable()) {
            complain(tr("Cannot write the report %1.").arg(m_settings.reportPath));
            return false;
        }
    }

    BatchInputCollector collector(m_settings.recursive, m_outDir);
    qsizetype from = 0;
    for (const QString &input : std::as_const(m_inputs))
        collector.add(BatchInputCollector::rawArgument(input, m_rawArguments, &from));
    m_items = collector.items();
    BatchOutputNames::assign(&m_items, m_settings.format);
    skipExistingOutputs();

    QByteArray pattern = m_outDir + "/.plandraw-export-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        complain(tr("Cannot write into the output folder %1: %2")
                     .arg(QFile::decodeName(m_outDir), errorString(errno)));
        return false;
    }
    m_staging = pattern;

    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).status == BatchItem::Pending)
            m_queue.append(i);
    }
    // The largest first, so that no long drawing is left running alone at
    // the end while the other workers wait.
    std::stable_sort(m_queue.begin(), m_queue.end(),
                     [this](int a, int b) { return m_items.at(a).size > m_items.at(b).size; });
    return true;
}

void BatchRunner::skipExistingOutputs()
{
    const bool perPage = m_settings.format == QLatin1String("png")
                         || m_settings.format == QLatin1String("svg");
    // For page files, the first page's file stands for them all.
    const QByteArray rest = (perPage ? '-' + QByteArray::number(m_settings.firstPage) : QByteArray())
                            + '.' + m_settings.format.toLatin1();
    for (BatchItem &item : m_items) {
        if (item.status != BatchItem::Pending || m_settings.overwrite)
            continue;
        const QByteArray target = outputPath(item, rest);
        struct stat st {};
        if (::lstat(target.constData(), &st) != 0)
            continue;
        const qint64 modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        if (m_settings.skipNewer) {
            if (modifiedNs <= item.modifiedNs)
                continue;
            item.reason = tr("Its output is newer than the drawing.");
        } else {
            item.reason = tr("Its output exists; --overwrite replaces it.");
        }
        item.status = BatchItem::Skipped;
        item.output = target;
    }
}

int BatchRunner::run()
{
    if (!prepare())
        return 1;
    m_progress = std::make_unique<BatchProgress>(int(m_items.size()), stdout, ::isatty(STDOUT_FILENO));
    for (const BatchItem &item : std::as_const(m_items)) {
        if (item.status != BatchItem::Pending)
            m_progress->itemDone(item);
    }

    TerminationSignals termination;
    connect(&termination, &TerminationSignals::received, this, &BatchRunner::onTerminationSignal);
    m_ticker.start();
    startMore();
    if (!m_running.isEmpty())
        m_loop.exec();
    return finish();
}

void BatchRunner::startMore()
{
    while (!m_signal && m_running.size() < m_settings.jobs && !m_queue.isEmpty()) {
        const int index = m_queue.takeFirst();
        if (!startWorker(index)) {
            removeTree(jobFolder(index));
            m_progress->itemDone(m_items.at(index));
        }
    }
    if (m_running.isEmpty() && m_queue.isEmpty())
        m_loop.quit();
}

bool BatchRunner::startWorker(int index)
{
    BatchItem &item = m_items[index];
    const QByteArray folder = jobFolder(index);
    if (::mkdir(folder.constData(), 0700) != 0 || ::mkdir((folder + "/out").constData(), 0700) != 0) {
        item.status = BatchItem::Failed;
        item.reason = tr("Cannot write into the output folder: %1").arg(errorString(errno));
        return false;
    }
    // The worker runs in its own folder, so relative paths are made whole.
    QByteArray input = item.path.startsWith('/') ? item.path
                                                 : BatchInputCollector::joined(m_currentFolder, item.path);
    if (!roundTrips(input)) {
        // Arguments travel as text: a name that is not valid UTF-8 is
        // handed over as a link with a name that is.
        const QByteArray name = item.path.mid(item.path.lastIndexOf('/') + 1);
        const QByteArray link = "in/" + QFile::encodeName(QFile::decodeName(name));
        if (::mkdir((folder + "/in").constData(), 0700) != 0
            || ::symlink(input.constData(), (folder + '/' + link).constData()) != 0) {
            item.status = BatchItem::Failed;
            item.reason = tr("Cannot read it: its name is not valid in this locale.");
            return false;
        }
        input = link;
    }

    QStringList arguments{QStringLiteral("--batch-worker")};
    arguments << m_settings.workerOptions << QStringLiteral("--") << QFile::decodeName(input)
              << QStringLiteral("out/") + QFile::decodeName(item.stem) + QLatin1Char('.')
                     + m_settings.format;
    m_inputArguments.insert(index, QFile::decodeName(input));
    auto *worker = new BatchWorker(index, this);
    // Queued: a worker that cannot start reports at once, inside startMore().
    connect(worker, &BatchWorker::finished, this, &BatchRunner::onWorkerFinished,
            Qt::QueuedConnection);
    m_running.append(worker);
    worker->start(QCoreApplication::applicationFilePath(), arguments, folder,
                  m_settings.maxMemoryMB * 1024 * 1024, m_settings.timeoutSeconds);
    return true;
}

void BatchRunner::onWorkerFinished(BatchWorker *worker)
{
    if (!m_running.removeOne(worker))
        return;
    worker->deleteLater();
    BatchItem &item = m_items[worker->item()];
    const BatchWorker::Outcome &outcome = worker->outcome();
    const QByteArray folder = jobFolder(worker->item());
    item.seconds = outcome.seconds;
    item.peakKiB = outcome.peakKiB;
    QString error;
    if (outcome.converted && commit(item, outcome, folder, &error)) {
        item.status = BatchItem::Converted;
        item.pages = outcome.pages;
    } else {
        item.status = BatchItem::Failed;
        item.reason = outcome.converted ? error : outcome.reason;
        // The worker names the drawing by the path it was given.
        item.reason.replace(m_inputArguments.value(worker->item()), QFile::decodeName(item.path));
    }
    removeTree(folder);
    m_progress->itemDone(item);
    startMore();
}

bool BatchRunner::commit(BatchItem &item, const BatchWorker::Outcome &outcome,
                         const QByteArray &jobFolder, QString *error)
{
    if (outcome.files.isEmpty()) {
        *error = tr("The converter wrote nothing.");
        return false;
    }
    if (!ensureOutputFolder(item.outputDir, error))
        return false;
    const QString stem = QFile::decodeName(item.stem);
    const QRegularExpression restPattern(QStringLiteral("^(-\\d{1,6})?\\.")
                                         + QRegularExpression::escape(m_settings.format) + QLatin1Char('$'));
    QList<QByteArray> moved;
    for (const QString &file : outcome.files) {
        const QString name = file.section(QLatin1Char('/'), -1);
        const QString rest = name.mid(stem.size());
        // Only files named as asked for, in the worker's own folder.
        if (file != QStringLiteral("out/") + name || !name.startsWith(stem)
            || !restPattern.match(rest).hasMatch()) {
            *error = tr("The converter wrote an unexpected file: %1").arg(file);
            break;
        }
        const QByteArray target = outputPath(item, rest.toLatin1());
        struct stat st {};
        if (::lstat(target.constData(), &st) == 0 && S_ISDIR(st.st_mode)) {
            *error = tr("Cannot write %1: it is a folder.").arg(QFile::decodeName(target));
            break;
        }
        const QByteArray source = jobFolder + "/out/" + QFile::encodeName(name);
        if (::rename(source.constData(), target.constData()) != 0) {
            *error = tr("Cannot write %1: %2").arg(QFile::decodeName(target), errorString(errno));
            break;
        }
        moved.append(target);
    }
    if (moved.size() != outcome.files.size()) {
        // Part of a drawing's pages would pass for all of them.
        for (const QByteArray &path : std::as_const(moved))
            ::unlink(path.constData());
        return false;
    }
    item.output = moved.constFirst();
    return true;
}

bool BatchRunner::ensureOutputFolder(const QByteArray &relative, QString *error) const
{
    QByteArray path = m_outDir;
    const QList<QByteArray> parts = relative.split('/');
    for (const QByteArray &part : parts) {
        if (part.isEmpty())
            continue;
        if (part == "." || part == "..") {
            *error = tr("The output would lie outside the output folder.");
            return false;
        }
        path = BatchInputCollector::joined(path, part);
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0) {
            if (::mkdir(path.constData(), 0777) != 0 && errno != EEXIST) {
                *error = tr("Cannot create the folder %1: %2")
                             .arg(QFile::decodeName(path), errorString(errno));
                return false;
            }
            if (::lstat(path.constData(), &st) != 0) {
                *error = tr("Cannot create the folder %1: %2")
                             .arg(QFile::decodeName(path), errorString(errno));
                return false;
            }
        }
        // A link could lead anywhere; outputs stay inside the output folder.
        if (S_ISLNK(st.st_mode)) {
            *error = tr("%1 is a symbolic link: outputs are written only inside the output folder.")
                         .arg(QFile::decodeName(path));
            return false;
        }
        if (!S_ISDIR(st.st_mode)) {
            *error = tr("%1 is not a folder.").arg(QFile::decodeName(path));
            return false;
        }
    }
    return true;
}

void BatchRunner::onTerminationSignal(int signalNumber)
{
    if (m_signal)
        return;
    m_signal = signalNumber;
    for (BatchWorker *worker : std::as_const(m_running)) {
        worker->stop();
        removeTree(jobFolder(worker->item()));
        delete worker;
    }
    m_running.clear();
    m_loop.quit();
}

int BatchRunner::finish()
{
    m_ticker.stop();
    removeTree(m_staging);
    m_staging.clear();

    bool reportWritten = true;
    if (!m_settings.reportPath.isEmpty()) {
        QString error;
        reportWritten = BatchReport::write(m_settings.reportPath, m_items, &error);
        if (!reportWritten)
            complain(error);
    }
    const BatchReport::Counts counts = BatchReport::count(m_items);
    m_progress->finish(BatchReport::summary(counts));
    if (m_signal) {
        complain(tr("Interrupted: drawings not finished are not in the report, and nothing of "
                    "them was written."));
        return 128 + m_signal;
    }
    return counts.failed > 0 || !reportWritten ? 2 : 0;
}
