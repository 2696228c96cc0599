#pragma once

// Helpers shared by the benchmarks.

#include "CountingInputStream.h"
#include "NullDrawingInterface.h"
#include "VdxGenerator.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <libvisio/libvisio.h>
#include <librevenge-stream/librevenge-stream.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <ctime>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace BenchSupport {

// The options every benchmark takes: the size of the generated drawing
// (-p pages, -s shapes per page) and how many runs to take the median of.
class SizeOptions
{
public:
    explicit SizeOptions(int defaultRuns)
        : m_runs({QStringLiteral("r"), QStringLiteral("runs")},
                 QStringLiteral("Runs per measurement (default %1).").arg(defaultRuns),
                 QStringLiteral("R"), QString::number(defaultRuns))
    {
    }

    void addTo(QCommandLineParser &parser) const { parser.addOptions({m_pages, m_shapes, m_runs}); }
    int runs(const QCommandLineParser &parser) const
    {
        return std::clamp(parser.value(m_runs).toInt(), 1, 50);
    }
    // False: measure the usual sizes.
    bool sizeGiven(const QCommandLineParser &parser) const
    {
        return parser.isSet(m_pages) || parser.isSet(m_shapes);
    }
    int pages(const QCommandLineParser &parser) const
    {
        return std::clamp(parser.value(m_pages).toInt(), 1, VdxGenerator::MaxPages);
    }
    int shapes(const QCommandLineParser &parser) const
    {
        return std::clamp(parser.value(m_shapes).toInt(), 1, VdxGenerator::MaxShapesPerPage);
    }

private:
    QCommandLineOption m_pages{{QStringLiteral("p"), QStringLiteral("pages")},
                               QStringLiteral("Pages of the generated drawing."),
                               QStringLiteral("N")};
    QCommandLineOption m_shapes{{QStringLiteral("s"), QStringLiteral("shapes")},
                                QStringLiteral("Shapes per page."), QStringLiteral("M")};
    QCommandLineOption m_runs;
};

// Warnings about odd records would bury the figures; errors still show.
inline void showOnlyErrors()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type >= QtCriticalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// CPU time of the whole process, in milliseconds. On a busy machine wall
// times mostly measure the other processes.
inline double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// libvisio parsing into a drawing interface that does nothing: what reading
// the drawing costs before any work of ours. Wall milliseconds, or -1 when
// libvisio cannot read it; cpuMs, if given, gets the CPU time. With a
// deadline, a parse still running after deadlineMs is stopped and the result
// is -2: libvisio alone takes minutes over some real drawings.
inline double parseFloor(const QString &path, double *cpuMs = nullptr, int deadlineMs = 0)
{
    const QByteArray encoded = QFile::encodeName(path);
    auto state = std::make_shared<CountingInputStream::State>();
    std::mutex mutex;
    std::condition_variable wake;
    bool finished = false;
    std::thread watchdog;
    if (deadlineMs > 0) {
        watchdog = std::thread([&] {
            std::unique_lock<std::mutex> lock(mutex);
            if (!wake.wait_for(lock, std::chrono::milliseconds(deadlineMs), [&] { return finished; }))
                state->cancelled = true;
        });
    }
    const double cpuStart = processCpuMs();
    QElapsedTimer timer;
    timer.start();
    bool parsed = false;
    try {
        CountingInputStream stream(std::make_unique<librevenge::RVNGFileStream>(encoded.constData()),
                                   state);
        NullDrawingInterface sink;
        if (libvisio::VisioDocument::isSupported(&stream)) {
            stream.seek(0, librevenge::RVNG_SEEK_SET);
            parsed = libvisio::VisioDocument::parse(&stream, &sink);
        }
    } catch (...) {
        parsed = false;
    }
    const double wallMs = timer.nsecsElapsed() / 1e6;
    const double cpu = processCpuMs() - cpuStart;
    if (watchdog.joinable()) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            finished = true;
        }
        wake.notify_all();
        watchdog.join();
    }
    if (state->cancelled)
        return -2;
    if (!parsed)
        return -1;
    if (cpuMs)
        *cpuMs = cpu;
    return wallMs;
}

} // namespace BenchSupport
