// plandraw-bench: how long opening a large drawing takes, stage by stage,
// against libvisio's own parsing time, and how much memory it needs.
//
//   plandraw-bench              both standard drawings, one child process each
//   plandraw-bench -p 20 -s 500 [-r 5] [--keep DIR]   one drawing, this process

#include "BenchSupport.h"
#include "VdxGenerator.h"

#include "DocumentPrinter.h"
#include "OffscreenArguments.h"
#include "VisioImporter.h"
#include "VisioSceneBuilder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <libvisio/libvisio.h>
#include <librevenge-stream/librevenge-stream.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using BenchSupport::median;
using BenchSupport::parseFloor;

double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// Peak resident memory of this process in MiB (VmHWM).
double peakResidentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

int runOne(int pages, int shapes, int runs, const QString &keepDir)
{
    QTemporaryDir tmp;
    const QString dir = keepDir.isEmpty() ? tmp.path() : keepDir;
    const QString path = QDir(dir).filePath(QStringLiteral("bench-%1x%2.vdx").arg(pages).arg(shapes));
    if (!VdxGenerator::writeFile(path, pages, shapes)) {
        std::fprintf(stderr, "plandraw-bench: cannot write %s\n", qPrintable(path));
        return 1;
    }

    std::vector<double> floor, import, build, render;
    int shapeCount = 0, textCount = 0;
    for (int run = 0; run < runs; ++run) {
        const double f = parseFloor(path);
        if (f < 0) {
            std::fprintf(stderr, "plandraw-bench: libvisio cannot read %s\n", qPrintable(path));
            return 1;
        }
        floor.push_back(f);

        QElapsedTimer timer;
        timer.start();
        VisioImporter::Result result = VisioImporter::importFile(path);
        import.push_back(msSince(timer));
        if (result.outcome != VisioImporter::Loaded) {
            std::fprintf(stderr, "plandraw-bench: import failed for %s\n", qPrintable(path));
            return 1;
        }
        shapeCount = textCount = 0;
        for (const VisioPage &page : std::as_const(result.model.pages)) {
            shapeCount += int(page.shapes.size());
            textCount += int(page.texts.size());
        }

        QList<QRectF> rects;
        timer.restart();
        std::unique_ptr<QGraphicsScene> scene(
            VisioSceneBuilder::buildScene(result.model, &rects, nullptr, 96.0));
        build.push_back(msSince(timer));

        // What the user waits for before the first page appears: page 1 fitted
        // into a typical window.
        timer.restart();
        QImage image(1024, 740, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::lightGray);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            DocumentPrinter::renderPage(&painter, scene.get(), rects.value(0), QRectF(image.rect()));
        }
        render.push_back(msSince(timer));
    }

    const double f = median(floor), i = median(import), b = median(build), r = median(render);
    std::printf("%d pages x %d shapes (%d paths, %d texts in the model), median of %d runs:\n",
                pages, shapes, shapeCount, textCount, runs);
    std::printf("  libvisio floor   %9.1f ms\n", f);
    std::printf("  import to model  %9.1f ms\n", i);
    std::printf("  scene build      %9.1f ms\n", b);
    std::printf("  first render     %9.1f ms\n", r);
    std::printf("  peak memory      %9.1f MiB\n", peakResidentMiB());
    std::printf("  (import + scene build) / floor = %.2f\n", f > 0 ? (i + b) / f : 0.0);
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
    parser.setApplicationDescription(QStringLiteral("Import and scene-build benchmark."));
    parser.addHelpOption();
    const BenchSupport::SizeOptions sizeOptions(5);
    sizeOptions.addTo(parser);
    const QCommandLineOption keepOption(QStringLiteral("keep"),
                                        QStringLiteral("Write the generated drawing into DIR and keep it."),
                                        QStringLiteral("DIR"));
    parser.addOption(keepOption);
    parser.process(app);

    const int runs = sizeOptions.runs(parser);
    if (sizeOptions.sizeGiven(parser))
        return runOne(sizeOptions.pages(parser), sizeOptions.shapes(parser), runs,
                      parser.value(keepOption));

    // Each drawing in a process of its own, so that peak memory is its own.
    const QList<QPair<int, int>> sizes = {{20, 500}, {4, 3000}};
    int status = 0;
    for (const auto &size : sizes) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("-p"), QString::number(size.first), QStringLiteral("-s"),
                     QString::number(size.second), QStringLiteral("-r"), QString::number(runs)});
        if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit
            || child.exitCode() != 0)
            status = 1;
    }
    std::printf("Targets: ratio <= 1.25; peak memory for 20 x 500 under 400 MiB.\n");
    return status;
}
