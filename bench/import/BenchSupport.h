#pragma once

// Helpers shared by the benchmarks.

#include "NullDrawingInterface.h"

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <libvisio/libvisio.h>
#include <librevenge-stream/librevenge-stream.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace BenchSupport {

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
// libvisio cannot read it; cpuMs, if given, gets the CPU time.
inline double parseFloor(const QString &path, double *cpuMs = nullptr)
{
    const QByteArray encoded = QFile::encodeName(path);
    const double cpuStart = processCpuMs();
    QElapsedTimer timer;
    timer.start();
    try {
        librevenge::RVNGFileStream stream(encoded.constData());
        NullDrawingInterface sink;
        if (!libvisio::VisioDocument::isSupported(&stream))
            return -1;
        stream.seek(0, librevenge::RVNG_SEEK_SET);
        if (!libvisio::VisioDocument::parse(&stream, &sink))
            return -1;
    } catch (...) {
        return -1;
    }
    if (cpuMs)
        *cpuMs = processCpuMs() - cpuStart;
    return timer.nsecsElapsed() / 1e6;
}

} // namespace BenchSupport
