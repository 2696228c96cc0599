// plandraw-bench-batch: plandraw-export converting a folder of generated
// drawings of mixed sizes, some of them damaged, to PDF with one worker and
// with one per processor: drawings per second, the speed-up, and whether the
// damaged drawings, and only they, failed.
//
//   plandraw-bench-batch [-n DRAWINGS] [-j WORKERS] [-r RUNS] [--keep DIR]

#include "VdxGenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace {

// Most drawings in an archive are small; a few are large.
constexpr int shapeSizes[] = {10, 20, 40, 80, 150, 300, 600, 1500};
// One in this many drawings is damaged.
constexpr int damagedEvery = 20;

double childrenCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).section(' ', 0, 2)
                                          : QStringLiteral("?");
}

// Cut short before its first page, bytes of nothing, an empty file, an
// archive with no drawing in it.
QByteArray damaged(int kind, const QByteArray &good)
{
    switch (kind % 4) {
    case 0:
        return good.left(300);
    case 1: {
        QByteArray noise(4096, '\0');
        quint32 seed = 7;
        for (char &c : noise)
            c = char((seed = seed * 1664525u + 1013904223u) >> 24);
        return noise;
    }
    case 2:
        return QByteArray();
    default:
        return QByteArrayLiteral("PK\x03\x04") + QByteArray(200, 'x');
    }
}

// Writes the folder; returns the names of the damaged drawings.
QSet<QString> generate(const QString &dir, int count)
{
    QSet<QString> damagedNames;
    for (int i = 0; i < count; ++i) {
        const int pages = 1 + (i * 7) % 3;
        const int shapes = shapeSizes[(i * 5) % std::size(shapeSizes)];
        const QByteArray good = VdxGenerator::generate(pages, shapes);
        QString name = QStringLiteral("drawing-%1.vdx").arg(i, 3, 10, QLatin1Char('0'));
        QByteArray bytes = good;
        if (i % damagedEvery == damagedEvery - 1) {
            const int kind = i / damagedEvery;
            bytes = damaged(kind, good);
            if (kind % 4 == 1)
                name.replace(QLatin1String(".vdx"), QLatin1String(".vsd"));
            else if (kind % 4 >= 2)
                name.replace(QLatin1String(".vdx"), QLatin1String(".vsdx"));
            damagedNames.insert(name);
        }
        QFile file(QDir(dir).filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::fprintf(stderr, "plandraw-bench-batch: cannot write %s\n", qPrintable(file.fileName()));
    }
    return damagedNames;
}

struct Measure
{
    double wall = 0;
    double cpu = 0;
    int exitCode = -1;
    bool damagedFailedAlone = false;
    int converted = 0;
    // Each drawing's own time, by file name.
    QHash<QString, double> seconds;
};

// The time N workers would take for drawings of these times, handed out as
// plandraw-export hands them out (the largest file first): what the
// speed-up would be on an idle machine.
double scheduledSeconds(const QString &input, const QHash<QString, double> &seconds, int workers)
{
    QFileInfoList files = QDir(input).entryInfoList(QDir::Files, QDir::Name);
    std::stable_sort(files.begin(), files.end(),
                     [](const QFileInfo &a, const QFileInfo &b) { return a.size() > b.size(); });
    std::vector<double> freeAt(size_t(workers), 0.0);
    for (const QFileInfo &file : std::as_const(files)) {
        auto earliest = std::min_element(freeAt.begin(), freeAt.end());
        *earliest += seconds.value(file.fileName());
    }
    return *std::max_element(freeAt.begin(), freeAt.end());
}

Measure convert(const QString &exporter, const QString &input, const QString &output, int jobs,
                const QSet<QString> &damagedNames)
{
    QDir(output).removeRecursively();
    const QString report = output + QStringLiteral(".json");
    Measure measure;
    const double cpuBefore = childrenCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(exporter, {QStringLiteral("--out-dir"), output, QStringLiteral("-j"),
                             QString::number(jobs), QStringLiteral("--report"), report, input});
    process.waitForFinished(-1);
    measure.wall = clock.nsecsElapsed() / 1e9;
    measure.cpu = childrenCpuSeconds() - cpuBefore;
    measure.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;

    QFile file(report);
    if (!file.open(QIODevice::ReadOnly))
        return measure;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    QSet<QString> failed;
    for (const QJsonValue &value : root.value(QLatin1String("drawings")).toArray()) {
        const QJsonObject record = value.toObject();
        const QString name = QFileInfo(record.value(QLatin1String("input")).toString()).fileName();
        measure.seconds.insert(name, record.value(QLatin1String("seconds")).toDouble());
        if (record.value(QLatin1String("status")).toString() == QLatin1String("failed"))
            failed.insert(name);
    }
    measure.converted = root.value(QLatin1String("converted")).toInt();
    measure.damagedFailedAlone = failed == damagedNames;
    return measure;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Batch conversion benchmark."));
    parser.addHelpOption();
    const QCommandLineOption countOption(QStringLiteral("n"), QStringLiteral("Drawings (default 200)."),
                                         QStringLiteral("N"), QStringLiteral("200"));
    const QCommandLineOption jobsOption(QStringLiteral("j"),
                                        QStringLiteral("Workers of the parallel run (default: processors)."),
                                        QStringLiteral("N"), QString::number(QThread::idealThreadCount()));
    const QCommandLineOption runsOption(QStringLiteral("r"), QStringLiteral("Runs of each (default 1); the best counts."),
                                        QStringLiteral("R"), QStringLiteral("1"));
    const QCommandLineOption keepOption(QStringLiteral("keep"),
                                        QStringLiteral("Generate into DIR and keep it."), QStringLiteral("DIR"));
    const QCommandLineOption exportOption(QStringLiteral("export"),
                                          QStringLiteral("The plandraw-export to measure."), QStringLiteral("PATH"),
                                          QStringLiteral(PLANDRAW_EXPORT_BINARY));
    parser.addOptions({countOption, jobsOption, runsOption, keepOption, exportOption});
    parser.process(app);
    const int count = std::clamp(parser.value(countOption).toInt(), 1, 100000);
    const int jobs = std::clamp(parser.value(jobsOption).toInt(), 1, 256);
    const int runs = std::clamp(parser.value(runsOption).toInt(), 1, 20);

    QTemporaryDir tmp;
    const QString base = parser.isSet(keepOption) ? parser.value(keepOption) : tmp.path();
    const QString input = QDir(base).filePath(QStringLiteral("drawings"));
    QDir().mkpath(input);
    const QSet<QString> damagedNames = generate(input, count);
    std::printf("%d drawings (%lld damaged), machine load %s\n", count,
                static_cast<long long>(damagedNames.size()), qPrintable(loadAverage()));

    Measure results[2];
    const int workers[2] = {1, jobs};
    for (int which = 0; which < 2; ++which) {
        for (int run = 0; run < runs; ++run) {
            const Measure m = convert(parser.value(exportOption), input,
                                      QDir(base).filePath(QStringLiteral("out-j%1").arg(workers[which])),
                                      workers[which], damagedNames);
            if (run == 0 || m.wall < results[which].wall)
                results[which] = m;
        }
        const Measure &m = results[which];
        std::printf("-j %-3d %7.2f s wall %7.2f s CPU  %6.1f drawings/s  exit %d  %d converted  "
                    "damaged failed alone: %s\n",
                    workers[which], m.wall, m.cpu, count / m.wall, m.exitCode, m.converted,
                    m.damagedFailedAlone ? "yes" : "NO");
    }
    const double speedUp = results[0].wall / results[1].wall;
    std::printf("speed-up %.2f with %d workers (%.2f per worker); load now %s\n", speedUp, jobs,
                speedUp / jobs, qPrintable(loadAverage()));
    // On a busy machine other processes take our cores and wall times say
    // little. The CPU times show whether running in parallel costs extra
    // work, and the drawings' own times of the -j 1 run, scheduled on the
    // workers, what the speed-up would be with a core for each.
    double total = 0;
    for (double t : std::as_const(results[0].seconds))
        total += t;
    std::printf("CPU %.2f s with 1 worker, %.2f s with %d; scheduled speed-up %.2f\n", results[0].cpu,
                results[1].cpu, jobs, total / scheduledSeconds(input, results[0].seconds, jobs));
    if (jobs == 2)
        std::printf("target: speed-up at least 1.8 with 2 workers: %s\n", speedUp >= 1.8 ? "met" : "NOT met");
    const bool ok = results[0].damagedFailedAlone && results[1].damagedFailedAlone
                    && results[0].exitCode == 2 && results[1].exitCode == 2;
    return ok ? 0 : 1;
}
