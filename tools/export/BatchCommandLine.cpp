#include "BatchCommandLine.h"

#include <QCommandLineParser>
#include <QThread>

#include <algorithm>
#include <cmath>

#include <unistd.h>

namespace {

QCommandLineOption hidden(QCommandLineOption option)
{
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

} // namespace

BatchCommandLine::BatchCommandLine()
    : m_outDir(QStringLiteral("out-dir"),
               tr("Convert every drawing given, and the drawings in the folders given, into DIR, "
                  "keeping the folders' structure below it."),
               tr("DIR"))
    , m_format(QStringLiteral("format"),
               tr("With --out-dir: pdf (the default), png, svg or txt (the text, page by page)."),
               tr("format"))
    , m_recursive(QStringLiteral("recursive"),
                  tr("With --out-dir: search the folders given and all folders below them."))
    , m_overwrite(QStringLiteral("overwrite"),
                  tr("With --out-dir: replace existing outputs, which are otherwise kept."))
    , m_skipNewer(QStringLiteral("skip-newer"),
                  tr("With --out-dir: convert only drawings changed since their output was "
                     "written, replacing the older outputs."))
    , m_jobs({QStringLiteral("j"), QStringLiteral("jobs")},
             tr("With --out-dir: convert N drawings at a time, each in a process of its own "
                "(default: the number of processors)."),
             tr("N"))
    , m_timeout(QStringLiteral("timeout"),
                tr("With --out-dir: give up on a drawing after this many seconds (default 120)."),
                tr("seconds"))
    , m_maxMemory(QStringLiteral("max-memory"),
                  tr("With --out-dir: the most memory, in MB, one drawing's process may use "
                     "(default: an equal share of the machine's memory for each process)."),
                  tr("MB"))
    , m_report(QStringLiteral("report"),
               tr("With --out-dir: write a JSON record of every drawing (input, output, "
                  "status, reason, pages, seconds, peak memory) to FILE."),
               tr("FILE"))
    , m_worker(hidden(QCommandLineOption(QStringLiteral("batch-worker"))))
{
}

void BatchCommandLine::addTo(QCommandLineParser *parser) const
{
    parser->addOptions({m_outDir, m_format, m_recursive, m_overwrite, m_skipNewer, m_jobs,
                        m_timeout, m_maxMemory, m_report, m_worker});
}

bool BatchCommandLine::isRequested(const QCommandLineParser &parser) const
{
    for (const QCommandLineOption *option :
         {&m_outDir, &m_format, &m_recursive, &m_overwrite, &m_skipNewer, &m_jobs, &m_timeout,
          &m_maxMemory, &m_report}) {
        if (parser.isSet(*option))
            return true;
    }
    return false;
}

bool BatchCommandLine::isWorker(const QCommandLineParser &parser) const
{
    return parser.isSet(m_worker);
}

qint64 BatchCommandLine::defaultMemoryMB(int jobs)
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    const qint64 totalMB = pages > 0 && pageSize > 0 ? qint64(pages) * pageSize / (1024 * 1024) : 0;
    // Below this a Qt process may fail to start its threads, and hang.
    constexpr qint64 floorMB = 1024;
    return std::max(floorMB, totalMB / std::max(jobs, 1));
}

bool BatchCommandLine::read(const QCommandLineParser &parser)
{
    if (!parser.isSet(m_outDir)) {
        errorText = tr("--format, --recursive, --overwrite, --skip-newer, -j, --timeout, "
                       "--max-memory and --report need --out-dir.");
        return false;
    }
    outDir = parser.value(m_outDir);
    if (outDir.isEmpty()) {
        errorText = tr("--out-dir needs a folder.");
        return false;
    }
    if (parser.isSet(m_format)) {
        format = parser.value(m_format).toLower();
        if (format != QLatin1String("pdf") && format != QLatin1String("png")
            && format != QLatin1String("svg") && format != QLatin1String("txt")) {
            errorText = tr("Invalid --format \"%1\": expected pdf, png, svg or txt.")
                            .arg(parser.value(m_format));
            return false;
        }
    }
    recursive = parser.isSet(m_recursive);
    overwrite = parser.isSet(m_overwrite);
    skipNewer = parser.isSet(m_skipNewer);

    jobs = std::clamp(QThread::idealThreadCount(), 1, maxJobs);
    if (parser.isSet(m_jobs)) {
        bool ok = false;
        jobs = parser.value(m_jobs).toInt(&ok);
        if (!ok || jobs < 1 || jobs > maxJobs) {
            errorText = tr("Invalid -j \"%1\": expected a whole number from 1 to %2.")
                            .arg(parser.value(m_jobs))
                            .arg(maxJobs);
            return false;
        }
    }
    if (parser.isSet(m_timeout)) {
        bool ok = false;
        timeoutSeconds = parser.value(m_timeout).toDouble(&ok);
        // A day is more than any drawing needs, and keeps the timer in range.
        if (!ok || !std::isfinite(timeoutSeconds) || timeoutSeconds <= 0
            || timeoutSeconds > 86400) {
            errorText = tr("Invalid --timeout \"%1\": expected seconds, more than 0 and at most "
                           "86400.")
                            .arg(parser.value(m_timeout));
            return false;
        }
    }
    maxMemoryMB = defaultMemoryMB(jobs);
    if (parser.isSet(m_maxMemory)) {
        bool ok = false;
        maxMemoryMB = parser.value(m_maxMemory).toLongLong(&ok);
        if (!ok || maxMemoryMB < minMemoryMB || maxMemoryMB > (qint64(1) << 30)) {
            errorText = tr("Invalid --max-memory \"%1\": expected a whole number of MB, at least "
                           "%2.")
                            .arg(parser.value(m_maxMemory))
                            .arg(minMemoryMB);
            return false;
        }
    }
    reportPath = parser.value(m_report);
    return true;
}
