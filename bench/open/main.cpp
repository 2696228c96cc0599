// plandraw-bench-open: what the user sees while a large drawing opens through
// the main window, with a 5 ms heartbeat timer standing in for the rest of
// the interface: when the tab appears, when page 1 is painted, when every
// page is built, and the longest gap between two heartbeats. libvisio's own
// parsing time (the floor) is measured in the same run.
//
//   plandraw-bench-open [-r RUNS]        20 x 500 and 4 x 3000
//   plandraw-bench-open -p 20 -s 500     one size
//   plandraw-bench-open -t ...           with the side panel of thumbnails open

#include "BenchSupport.h"
#include "VdxGenerator.h"

#include "BrowserTabWidget.h"
#include "DocumentLoadController.h"
#include "DocumentTabWidget.h"
#include "DocumentLoadingWidget.h"
#include "MainWindow.h"
#include "OffscreenArguments.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using BenchSupport::median;
using BenchSupport::parseFloor;
using BenchSupport::processCpuMs;

// CPU time of the GUI thread alone: what a freeze costs, whatever else runs.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Notes the first paint of a widget after it is armed.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(const QElapsedTimer *clock)
        : m_clock(clock)
    {
    }
    void watch(QWidget *widget) { widget->installEventFilter(this); }
    double paintedAt() const { return m_paintedAt; }
    // Process CPU time at that paint.
    double cpuAt() const { return m_cpuAt; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_paintedAt < 0) {
            m_paintedAt = m_clock->nsecsElapsed() / 1e6;
            m_cpuAt = processCpuMs();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer *m_clock;
    double m_paintedAt = -1;
    double m_cpuAt = 0;
};

struct OpenTimes
{
    double tabShown = -1;
    double firstPagePainted = -1;
    double allBuilt = -1;
    double longestFreeze = 0;
    // CPU time of the process until page 1 was painted, and the most the
    // GUI thread spent between two heartbeats.
    double firstPageCpu = 0;
    double longestFreezeCpu = 0;
};

OpenTimes openOnce(const QString &path, bool withPanel)
{
    OpenTimes times;
    MainWindow window(nullptr);
    window.resize(1024, 740);
    window.show();
    QCoreApplication::processEvents();
    auto *loader = window.findChild<DocumentLoadController *>();
    auto *tabs = window.findChild<BrowserTabWidget *>();
    if (!loader || !tabs)
        return times;

    QElapsedTimer clock;
    PaintWatch tabPaint(&clock);
    PaintWatch pagePaint(&clock);
    QPointer<DocumentTabWidget> tab;
    bool done = false;
    QObject::connect(loader, &DocumentLoadController::tabOpened, &window,
                     [&](DocumentTabWidget *opened) {
                         tab = opened;
                         if (withPanel)
                             opened->openThumbnailPanel();
                         if (opened->loadingWidget())
                             tabPaint.watch(opened->loadingWidget());
                     });
    QObject::connect(loader, &DocumentLoadController::pageBuilt, &window,
                     [&](DocumentTabWidget *built, int index) {
                         if (index == 0)
                             pagePaint.watch(built->view()->viewport());
                     });
    QObject::connect(loader, &DocumentLoadController::documentReady, &window,
                     [&](DocumentTabWidget *) {
                         times.allBuilt = clock.nsecsElapsed() / 1e6;
                     });
    QObject::connect(loader, &DocumentLoadController::loadFailed, &window, [&] { done = true; });

    double lastBeat = 0;
    double lastBeatCpu = threadCpuMs();
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    heartbeat.setInterval(5);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const double now = clock.nsecsElapsed() / 1e6;
        const double cpu = threadCpuMs();
        times.longestFreeze = std::max(times.longestFreeze, now - lastBeat);
        times.longestFreezeCpu = std::max(times.longestFreezeCpu, cpu - lastBeatCpu);
        lastBeat = now;
        lastBeatCpu = cpu;
    });

    const double cpuStart = processCpuMs();
    lastBeatCpu = threadCpuMs();
    clock.start();
    heartbeat.start();
    window.openFile(path);
    // Until every page is built and page 1 is on screen, then a little more,
    // so that the paints that follow the last page count too (and, with the
    // side panel open, the thumbnails painted in idle time). A real event
    // loop: spinning processEvents() would take a core from the parse.
    QEventLoop loop;
    QTimer check;
    check.setInterval(20);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (times.allBuilt >= 0 && pagePaint.paintedAt() >= 0
            && clock.nsecsElapsed() / 1e6 > times.allBuilt + (withPanel ? 1500 : 300))
            done = true;
        if (done || clock.elapsed() > 600000)
            loop.quit();
    });
    check.start();
    loop.exec();
    heartbeat.stop();
    times.tabShown = tabPaint.paintedAt();
    times.firstPagePainted = pagePaint.paintedAt();
    times.firstPageCpu = pagePaint.cpuAt() - cpuStart;
    return times;
}

int runSize(int pages, int shapes, int runs, bool withPanel)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("open-%1x%2.vdx").arg(pages).arg(shapes));
    if (!VdxGenerator::writeFile(path, pages, shapes)) {
        std::fprintf(stderr, "plandraw-bench-open: cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::vector<double> floor, floorCpu, shown, painted, paintedCpu, built, freeze, freezeCpu;
    for (int run = 0; run < runs; ++run) {
        double fc = 0;
        const double f = parseFloor(path, &fc);
        const OpenTimes t = openOnce(path, withPanel);
        if (f < 0 || t.firstPagePainted < 0 || t.allBuilt < 0) {
            std::fprintf(stderr, "plandraw-bench-open: %s did not open\n", qPrintable(path));
            return 1;
        }
        floor.push_back(f);
        floorCpu.push_back(fc);
        shown.push_back(t.tabShown);
        painted.push_back(t.firstPagePainted);
        paintedCpu.push_back(t.firstPageCpu);
        built.push_back(t.allBuilt);
        freeze.push_back(t.longestFreeze);
        freezeCpu.push_back(t.longestFreezeCpu);
    }
    const double f = median(floor), p = median(painted), fc = median(floorCpu),
                 pc = median(paintedCpu);
    std::printf("%d pages x %d shapes, median of %d runs (wall, and CPU time):\n", pages, shapes,
                runs);
    std::printf("  tab shown           %9.1f ms\n", median(shown));
    std::printf("  page 1 painted      %9.1f ms  %9.1f ms CPU   (%.2f / %.2f x floor, target <= 1.15)\n",
                p, pc, f > 0 ? p / f : 0.0, fc > 0 ? pc / fc : 0.0);
    std::printf("  all pages built     %9.1f ms\n", median(built));
    std::printf("  longest freeze      %9.1f ms  %9.1f ms CPU   (target <= 100)\n", median(freeze),
                median(freezeCpu));
    std::printf("  libvisio floor      %9.1f ms  %9.1f ms CPU\n", f, fc);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    OffscreenArguments arguments(argc, argv);
    BenchSupport::showOnlyErrors();
    QApplication app(arguments.argc(), arguments.argv());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Background opening benchmark."));
    parser.addHelpOption();
    const BenchSupport::SizeOptions sizeOptions(3);
    sizeOptions.addTo(parser);
    const QCommandLineOption panelOption({QStringLiteral("t"), QStringLiteral("thumbnails")},
                                         QStringLiteral("Open the side panel of thumbnails."));
    parser.addOption(panelOption);
    parser.process(app);

    const int runs = sizeOptions.runs(parser);
    if (sizeOptions.sizeGiven(parser))
        return runSize(sizeOptions.pages(parser), sizeOptions.shapes(parser), runs, parser.isSet(panelOption));
    int status = 0;
    for (const auto &size : {std::pair{20, 500}, std::pair{4, 3000}})
        status |= runSize(size.first, size.second, runs, parser.isSet(panelOption));
    return status;
}
