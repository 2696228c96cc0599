// plandraw-bench: how long opening a drawing takes, stage by stage, against
// libvisio's own parsing time, and how much memory it needs: large generated
// drawings, and packages like real ones, with big pictures or stored entries.
//
//   plandraw-bench              every case, one child process each
//   plandraw-bench -p 20 -s 500 [-r 5] [--keep DIR]   one grid drawing, this process
//   plandraw-bench --case bmp36 [-r 3] [--keep DIR]    one case, this process
//   plandraw-bench --case themed [-p 20 -s 500]          theme resolution's share of the open

#include "BenchSupport.h"
#include "VdxGenerator.h"
#include "VsdxGenerator.h"

#include "DocumentPrinter.h"
#include "OffscreenArguments.h"
#include "PackageReader.h"
#include "VisioImporter.h"
#include "VisioSceneBuilder.h"
#include "VisioThemeResolver.h"

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

#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using BenchSupport::median;
using BenchSupport::parseFloor;
using BenchSupport::processCpuMs;

// libvisio alone needs minutes for some of the picture drawings.
constexpr int FloorDeadlineMs = 20000;

double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// A line of /proc/self/status in MiB (VmHWM: peak resident, VmRSS: now).
double statusMiB(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// Starts the peak resident memory afresh from what is resident now.
void resetPeakMemory()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

struct OpenTimes
{
    double import = 0;
    double build = 0;
    double render = 0;
    double open() const { return import + build + render; }
};

// Import, scene build and the first render of page 1 fitted into a typical
// window: what the user waits for before the first page appears.
bool openOnce(const QString &path, OpenTimes *times, int *shapeCount = nullptr,
              int *textCount = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    VisioImporter::Result result = VisioImporter::importFile(path);
    times->import = msSince(timer);
    if (result.outcome != VisioImporter::Loaded) {
        std::fprintf(stderr, "plandraw-bench: import failed for %s\n", qPrintable(path));
        return false;
    }
    if (shapeCount && textCount) {
        *shapeCount = *textCount = 0;
        for (const VisioPage &page : std::as_const(result.model.pages)) {
            *shapeCount += int(page.shapes.size());
            *textCount += int(page.texts.size());
        }
    }

    QList<QRectF> rects;
    timer.restart();
    std::unique_ptr<QGraphicsScene> scene(
        VisioSceneBuilder::buildScene(result.model, &rects, nullptr, 96.0));
    times->build = msSince(timer);
    // The model's pictures are the scene's now, as in the viewer.
    result = VisioImporter::Result();

    timer.restart();
    QImage image(1024, 740, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::lightGray);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        DocumentPrinter::renderPage(&painter, scene.get(), rects.value(0), QRectF(image.rect()));
    }
    times->render = msSince(timer);
    return true;
}

int runGrid(int pages, int shapes, int runs, const QString &keepDir)
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
        OpenTimes t;
        if (!openOnce(path, &t, &shapeCount, &textCount))
            return 1;
        import.push_back(t.import);
        build.push_back(t.build);
        render.push_back(t.render);
    }

    const double f = median(floor), i = median(import), b = median(build), r = median(render);
    std::printf("%d pages x %d shapes (%d paths, %d texts in the model), median of %d runs:\n",
                pages, shapes, shapeCount, textCount, runs);
    std::printf("  libvisio floor   %9.1f ms\n", f);
    std::printf("  import to model  %9.1f ms\n", i);
    std::printf("  scene build      %9.1f ms\n", b);
    std::printf("  first render     %9.1f ms\n", r);
    std::printf("  peak memory      %9.1f MiB\n", statusMiB("VmHWM:"));
    std::printf("  (import + scene build) / floor = %.2f   (target <= 1.25%s)\n",
                f > 0 ? (i + b) / f : 0.0,
                pages == 20 && shapes == 500 ? "; peak memory under 400 MiB" : "");
    std::fflush(stdout);
    return 0;
}

QString floorText(double ms)
{
    if (ms == -2)
        return QStringLiteral("> %1 ms (stopped)").arg(FloorDeadlineMs);
    return QString::asprintf("%.1f ms", ms);
}

// Reading every picture part out of the package and decoding it, with
// nothing else: what no viewer can avoid. Wall ms; decodedBytes gets the
// size of the decoded images.
double readAndDecodePictures(const QString &path, qint64 *decodedBytes)
{
    QElapsedTimer timer;
    timer.start();
    *decodedBytes = 0;
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive)
        return -1;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0
            || !QByteArray(stat.name).startsWith("visio/media/"))
            continue;
        QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
        zip_file_t *file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        const zip_int64_t read = file ? zip_fread(file, bytes.data(), stat.size) : -1;
        if (file)
            zip_fclose(file);
        QImage image;
        if (read != zip_int64_t(stat.size) || !image.loadFromData(bytes)) {
            zip_discard(archive);
            return -1;
        }
        *decodedBytes += image.sizeInBytes();
    }
    zip_discard(archive);
    return msSince(timer);
}

int runPictures(const QString &name, int runs, const QString &keepDir)
{
    // What the process holds before it makes or opens anything: the empty viewer.
    const double baseline = statusMiB("VmRSS:");
    QTemporaryDir tmp;
    const QString dir = keepDir.isEmpty() ? tmp.path() : keepDir;
    const QString path = QDir(dir).filePath(QStringLiteral("bench-%1.vsdx").arg(name));
    QList<VsdxGenerator::Picture> pictures;
    QString title;
    if (name == QLatin1String("bmp36")) {
        title = QStringLiteral("one 36 MB BMP picture");
        pictures.append({VsdxGenerator::scanBitmap(4000, 3000, 1), "bmp", QSizeF(8, 6)});
    } else {
        title = QStringLiteral("eight 4 MB PNG pictures");
        for (quint32 i = 0; i < 8; ++i)
            pictures.append({VsdxGenerator::photoPng(1650, 1240, i + 1), "png", QSizeF(4, 3)});
    }
    qint64 pictureBytes = 0;
    for (const VsdxGenerator::Picture &picture : std::as_const(pictures))
        pictureBytes += picture.bytes.size();
    const bool written = VsdxGenerator::writePictures(path, pictures, VsdxGenerator::Deflated);
    pictures.clear();
    if (!written) {
        std::fprintf(stderr, "plandraw-bench: cannot write %s\n", qPrintable(path));
        return 1;
    }

    std::vector<double> import, build, render, open, decode;
    resetPeakMemory();
    for (int run = 0; run < runs; ++run) {
        OpenTimes t;
        if (!openOnce(path, &t))
            return 1;
        import.push_back(t.import);
        build.push_back(t.build);
        render.push_back(t.render);
        open.push_back(t.open());
    }
    const double peak = statusMiB("VmHWM:");
    qint64 decodedBytes = 0;
    for (int run = 0; run < runs; ++run) {
        const double d = readAndDecodePictures(path, &decodedBytes);
        if (d < 0) {
            std::fprintf(stderr, "plandraw-bench: cannot decode the pictures of %s\n", qPrintable(path));
            return 1;
        }
        decode.push_back(d);
    }
    // Once: it may run into the deadline.
    const double floor = parseFloor(path, nullptr, FloorDeadlineMs);

    const double o = median(open), d = median(decode);
    const double decodedMiB = decodedBytes / 1048576.0;
    std::printf("%s (.vsdx, %.1f MB of pictures), median of %d runs:\n", qPrintable(title),
                pictureBytes / 1e6, runs);
    std::printf("  libvisio floor       %s\n", qPrintable(floorText(floor)));
    std::printf("  pictures read+decode %9.1f ms\n", d);
    std::printf("  import to model      %9.1f ms\n", median(import));
    std::printf("  scene build          %9.1f ms\n", median(build));
    std::printf("  first render         %9.1f ms\n", median(render));
    std::printf("  page 1 painted       %9.1f ms   (%.2f x read+decode, target <= 3)\n", o,
                d > 0 ? o / d : 0.0);
    std::printf("  peak memory          %9.1f MiB  (target < 3 x %.1f MiB decoded + %.1f MiB empty = %.1f MiB)\n",
                peak, decodedMiB, baseline, 3 * decodedMiB + baseline);
    std::fflush(stdout);
    return 0;
}

// The grid drawing as a package, stored and deflated, measured in turns so
// that the machine's load falls on both alike.
int runPackages(int pages, int shapes, int runs, const QString &keepDir)
{
    QTemporaryDir tmp;
    const QString dir = keepDir.isEmpty() ? tmp.path() : keepDir;
    const QString base = QStringLiteral("bench-%1x%2-").arg(pages).arg(shapes);
    const QString paths[2] = {QDir(dir).filePath(base + QStringLiteral("deflated.vsdx")),
                              QDir(dir).filePath(base + QStringLiteral("stored.vsdx"))};
    if (!VsdxGenerator::writeGrid(paths[0], pages, shapes, VsdxGenerator::Deflated)
        || !VsdxGenerator::writeGrid(paths[1], pages, shapes, VsdxGenerator::Stored)) {
        std::fprintf(stderr, "plandraw-bench: cannot write %s\n", qPrintable(paths[0]));
        return 1;
    }
    std::vector<double> floor[2], import[2], build[2], render[2], open[2];
    resetPeakMemory();
    for (int run = 0; run < runs; ++run) {
        for (int k = 0; k < 2; ++k) {
            OpenTimes t;
            if (!openOnce(paths[k], &t))
                return 1;
            import[k].push_back(t.import);
            build[k].push_back(t.build);
            render[k].push_back(t.render);
            open[k].push_back(t.open());
        }
    }
    const double peak = statusMiB("VmHWM:");
    for (int run = 0; run < runs; ++run) {
        for (int k = 0; k < 2; ++k)
            floor[k].push_back(parseFloor(paths[k], nullptr, FloorDeadlineMs));
    }
    std::printf("%d pages x %d shapes as a .vsdx package, median of %d runs:\n", pages, shapes, runs);
    std::printf("                        deflated       stored\n");
    std::printf("  libvisio floor   %12s %12s\n", qPrintable(floorText(median(floor[0]))),
                qPrintable(floorText(median(floor[1]))));
    auto row = [](const char *label, const std::vector<double> *values) {
        std::printf("  %-16s %9.1f ms %9.1f ms\n", label, median(values[0]), median(values[1]));
    };
    row("import to model", import);
    row("scene build", build);
    row("first render", render);
    row("page 1 painted", open);
    const double ratio = median(open[0]) > 0 ? median(open[1]) / median(open[0]) : 0.0;
    std::printf("  stored / deflated = %.2f   (target <= 1.1)\n", ratio);
    std::printf("  (import + scene build) / floor = %.2f deflated, %.2f stored\n",
                median(floor[0]) > 0 ? (median(import[0]) + median(build[0])) / median(floor[0]) : 0.0,
                median(floor[1]) > 0 ? (median(import[1]) + median(build[1])) / median(floor[1]) : 0.0);
    std::printf("  peak memory      %9.1f MiB\n", peak);
    std::fflush(stdout);
    return 0;
}

// The grid drawing as a package whose every shape is left to its theme, as
// Visio 2013 and later save them: how much of the open resolving the theme
// takes. The resolver runs alone on the package's parts, as the import runs
// it, in turns with whole opens.
int runThemed(int pages, int shapes, int runs, const QString &keepDir)
{
    QTemporaryDir tmp;
    const QString dir = keepDir.isEmpty() ? tmp.path() : keepDir;
    const QString path = QDir(dir).filePath(QStringLiteral("bench-%1x%2-themed.vsdx").arg(pages).arg(shapes));
    if (!VsdxGenerator::writeGrid(path, pages, shapes, VsdxGenerator::Deflated, VsdxGenerator::Themed)) {
        std::fprintf(stderr, "plandraw-bench: cannot write %s\n", qPrintable(path));
        return 1;
    }
    PackageReader reader(path);
    if (!reader.open()) {
        std::fprintf(stderr, "plandraw-bench: cannot read %s\n", qPrintable(path));
        return 1;
    }
    const PackageParts parts = reader.readParts();
    std::vector<double> openWall, openCpu, resolveWall, resolveCpu;
    qint64 rewritten = 0;
    for (int run = 0; run < runs; ++run) {
        OpenTimes t;
        double cpu = processCpuMs();
        if (!openOnce(path, &t))
            return 1;
        openCpu.push_back(processCpuMs() - cpu);
        openWall.push_back(t.open());

        QElapsedTimer timer;
        timer.start();
        cpu = processCpuMs();
        QStringList warnings;
        const PackageParts resolved = VisioThemeResolver::resolve(parts, &warnings);
        resolveCpu.push_back(processCpuMs() - cpu);
        resolveWall.push_back(msSince(timer));
        if (!warnings.isEmpty())
            std::fprintf(stderr, "plandraw-bench: %s\n", qPrintable(warnings.first()));
        rewritten = 0;
        for (const QByteArray &name : resolved.names())
            rewritten += resolved.value(name).constData() != parts.value(name).constData()
                ? resolved.value(name).size() : 0;
    }
    const double ow = median(openWall), oc = median(openCpu);
    const double rw = median(resolveWall), rc = median(resolveCpu);
    std::printf("%d pages x %d themed shapes as a .vsdx package (%.1f MB of parts, %.1f MB rewritten), "
                "median of %d runs:\n", pages, shapes, parts.totalBytes() / 1e6, rewritten / 1e6, runs);
    std::printf("                        wall          CPU\n");
    std::printf("  page 1 painted   %9.1f ms %9.1f ms\n", ow, oc);
    std::printf("  theme resolution %9.1f ms %9.1f ms   (%.1f %% of the open's CPU, target <= 5 %%)\n",
                rw, rc, oc > 0 ? 100.0 * rc / oc : 0.0);
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
    const QCommandLineOption caseOption(
        QStringLiteral("case"),
        QStringLiteral("One case in this process: bmp36, png8x4, or packages or themed (with -p and -s)."),
        QStringLiteral("NAME"));
    parser.addOption(keepOption);
    parser.addOption(caseOption);
    parser.process(app);

    const int runs = sizeOptions.runs(parser);
    const QString keep = parser.value(keepOption);
    const QString name = parser.value(caseOption);
    if (name == QLatin1String("bmp36") || name == QLatin1String("png8x4"))
        return runPictures(name, runs, keep);
    if (name == QLatin1String("packages")) {
        const bool sized = sizeOptions.sizeGiven(parser);
        return runPackages(sized ? sizeOptions.pages(parser) : 20,
                           sized ? sizeOptions.shapes(parser) : 500, runs, keep);
    }
    if (name == QLatin1String("themed")) {
        const bool sized = sizeOptions.sizeGiven(parser);
        return runThemed(sized ? sizeOptions.pages(parser) : 20,
                         sized ? sizeOptions.shapes(parser) : 500, runs, keep);
    }
    if (!name.isEmpty()) {
        std::fprintf(stderr, "plandraw-bench: no case named %s\n", qPrintable(name));
        return 2;
    }
    if (sizeOptions.sizeGiven(parser))
        return runGrid(sizeOptions.pages(parser), sizeOptions.shapes(parser), runs, keep);

    // Each case in a process of its own, so that peak memory is its own.
    const QString r = QString::number(runs);
    const QList<QStringList> cases = {
        {QStringLiteral("-p"), QStringLiteral("20"), QStringLiteral("-s"), QStringLiteral("500"), QStringLiteral("-r"), r},
        {QStringLiteral("-p"), QStringLiteral("4"), QStringLiteral("-s"), QStringLiteral("3000"), QStringLiteral("-r"), r},
        {QStringLiteral("--case"), QStringLiteral("packages"), QStringLiteral("-r"), r},
        {QStringLiteral("--case"), QStringLiteral("themed"), QStringLiteral("-r"), r},
        {QStringLiteral("--case"), QStringLiteral("bmp36"), QStringLiteral("-r"), QStringLiteral("3")},
        {QStringLiteral("--case"), QStringLiteral("png8x4"), QStringLiteral("-r"), QStringLiteral("3")},
    };
    int status = 0;
    for (const QStringList &arguments : cases) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), arguments);
        if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit
            || child.exitCode() != 0)
            status = 1;
    }
    std::printf("Targets: grid drawings (import + scene build) / floor <= 1.25, peak memory for "
                "20 x 500 under 400 MiB; a package opens stored within 1.1 x its deflated time; "
                "page 1 of a picture drawing painted within 3 x reading and decoding its pictures, "
                "peak memory under 3 x the decoded pictures plus the empty viewer; theme resolution "
                "at most 5 %% of a themed package's open.\n");
    return status;
}
