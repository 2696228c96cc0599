// plandraw-export --out-dir: many drawings in worker processes.

#include "../data/pictures/PictureBytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <functional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString ownDrawing = QStringLiteral(PLANDRAW_TEST_DATA_DIR "/export/two-pages.vdx");

QByteArray drawingBytes()
{
    QFile file(ownDrawing);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page 1 of the drawing repeated as many labelled boxes: slow to convert,
// and large as a PDF.
QByteArray manyShapes(int count)
{
    const QByteArray source = drawingBytes();
    const qsizetype start = source.indexOf("<Shape ID='1'");
    const qsizetype end = source.indexOf("</Shape>") + 8;
    const QByteArray shape = source.mid(start, end - start);
    QByteArray shapes;
    for (int i = 0; i < count; ++i) {
        QByteArray one = shape;
        one.replace("ID='1'", "ID='" + QByteArray::number(i + 1) + "'");
        one.replace("<Text>Red</Text>", "<Text>Box " + QByteArray::number(i) + "</Text>");
        one.replace("<PinX>2</PinX>", "<PinX>" + QByteArray::number(1 + (i % 40) * 0.15) + "</PinX>");
        shapes += one;
    }
    return source.left(start) + shapes + source.mid(end);
}

// With the C library: Qt cannot name files whose names are not UTF-8.
// Page 1 also holds an EMF picture with words in it.
QByteArray withPictureText()
{
    const QByteArray emf = PictureBytes::emf(192, 96, QStringLiteral("Pictured words"));
    const QByteArray shape =
        "<Shape ID='2' Type='Foreign' LineStyle='0' FillStyle='0' TextStyle='0'>"
        "<XForm><PinX>5</PinX><PinY>5</PinY><Width>2</Width><Height>1</Height>"
        "<LocPinX>1</LocPinX><LocPinY>0.5</LocPinY><Angle>0</Angle></XForm>"
        "<Foreign><ImgOffsetX>0</ImgOffsetX><ImgOffsetY>0</ImgOffsetY><ImgWidth>2</ImgWidth>"
        "<ImgHeight>1</ImgHeight></Foreign><ForeignData ForeignType='EnhMetaFile'>"
        + emf.toBase64() + "</ForeignData></Shape>";
    QByteArray drawing = drawingBytes();
    return drawing.insert(drawing.indexOf("</Shapes>"), shape);
}

bool writeFile(const QByteArray &path, const QByteArray &bytes)
{
    std::FILE *file = std::fopen(path.constData(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) == size_t(bytes.size());
    return std::fclose(file) == 0 && written;
}

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    qint64 ms = 0;
};

QProcess *startExport(const QStringList &arguments,
                      const std::function<void()> &childSetup = nullptr)
{
    auto *process = new QProcess;
    if (childSetup)
        process->setChildProcessModifier(childSetup);
    process->start(QStringLiteral(PLANDRAW_EXPORT_BINARY), arguments);
    return process;
}

Run finish(QProcess *process, const QElapsedTimer &clock)
{
    Run run;
    if (!process->waitForFinished(120000)) {
        process->kill();
        process->waitForFinished();
    } else {
        run.exitCode = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -2;
    }
    run.ms = clock.elapsed();
    run.out = process->readAllStandardOutput();
    run.err = process->readAllStandardError();
    delete process;
    return run;
}

Run runExport(const QStringList &arguments, const std::function<void()> &childSetup = nullptr)
{
    QElapsedTimer clock;
    clock.start();
    return finish(startExport(arguments, childSetup), clock);
}

// The report's records by input path.
QHash<QString, QJsonObject> readReport(const QString &path)
{
    QFile file(path);
    QHash<QString, QJsonObject> records;
    if (!file.open(QIODevice::ReadOnly))
        return records;
    const QJsonArray drawings = QJsonDocument::fromJson(file.readAll()).object().value("drawings").toArray();
    for (const QJsonValue &value : drawings) {
        const QJsonObject record = value.toObject();
        const QString input = record.value("input").toString();
        // Each input once.
        if (records.contains(input))
            return {};
        records.insert(input, record);
    }
    return records;
}

// Every file below dir, relative, hidden ones included; read with the C
// library, which lists names that are not UTF-8, and without following links.
QStringList filesBelow(const QString &dir, const QByteArray &relative = QByteArray())
{
    QStringList files;
    const QByteArray path = QFile::encodeName(dir) + (relative.isEmpty() ? "" : "/" + relative);
    DIR *folder = ::opendir(path.constData());
    if (!folder)
        return files;
    while (const dirent *entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray child = relative.isEmpty() ? name : relative + '/' + name;
        struct stat st {};
        ::lstat((path + '/' + name).constData(), &st);
        if (S_ISDIR(st.st_mode))
            files += filesBelow(dir, child);
        else if (S_ISREG(st.st_mode))
            files << QFile::decodeName(child);
    }
    ::closedir(folder);
    files.sort();
    return files;
}

// The processes whose parent is pid.
QList<qint64> childrenOf(qint64 pid)
{
    QList<qint64> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        // The name in parentheses may hold spaces; the fields follow it.
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(1).toLongLong() == pid)
            children << entry.toLongLong();
    }
    return children;
}

bool waitFor(const std::function<bool()> &condition, int ms = 30000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QTest::qWait(20);
    }
    return true;
}

// Waits until the run has printed text and works on one drawing only, and
// returns the process converting that drawing; -1 when that never happens.
qint64 lastWorkerAfter(QProcess *process, const QByteArray &text)
{
    QByteArray printed;
    QList<qint64> workers;
    const bool seen = waitFor([&] {
        printed += process->readAllStandardOutput();
        workers = childrenOf(process->processId());
        return printed.contains(text) && workers.size() == 1;
    });
    return seen ? workers.first() : -1;
}

} // namespace

class TestBatchExport : public QObject
{
    Q_OBJECT

private slots:
    void folderOfGoodDamagedAndOtherFiles();
    void namesStayApartAndInsideTheOutputFolder();
    void existingOutputsAreKeptUnlessAsked();
    void hangingDrawingFailsAlone();
    void killedWorkerAndFullDiskLeaveNoPartialOutput();
    void interruptWritesTheReportForWhatFinished();
    void textFollowsThePdf();
};

void TestBatchExport::folderOfGoodDamagedAndOtherFiles()
{
    QTemporaryDir dir;
    const QByteArray in = QFile::encodeName(dir.filePath("in"));
    const QByteArray drawing = drawingBytes();
    QVERIFY(QDir().mkpath(dir.filePath("in/sub/deeper")));
    QVERIFY(writeFile(in + "/good.vdx", drawing));
    QVERIFY(writeFile(in + "/sub/with spaces.vdx", drawing));
    QVERIFY(writeFile(in + "/sub/new\nline.vdx", drawing));
    QVERIFY(writeFile(in + "/sub/deeper/not-utf8-\xff\xfe.vdx", drawing));
    QVERIFY(writeFile(in + "/damaged.vsdx", "PK\x03\x04 not a drawing at all"));
    QVERIFY(writeFile(in + "/notes.txt", "not a drawing"));
    QVERIFY(writeFile(in + "/.hidden.vdx", drawing));
    QCOMPARE(::symlink("..", (in + "/sub/loop").constData()), 0);
    QCOMPARE(::symlink("missing.vsd", (in + "/dangling.vsd").constData()), 0);

    const QString out = dir.filePath("out");
    const QString report = dir.filePath("report.json");
    const Run run = runExport({"--out-dir", out, "--recursive", "-j", "2", "--report", report,
                               QFile::decodeName(in)});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.out.endsWith("4 converted, 2 failed, 2 skipped\n"), run.out.constData());
    // Not a terminal: one line per input and the summary; a newline in a
    // name must not break its line.
    QCOMPARE(run.out.count('\n'), 9);
    QVERIFY(run.out.contains("new?line.vdx"));

    const QStringList expected = {"good.pdf", "sub/deeper/not-utf8-\uFFFD\uFFFD.pdf",
                                  "sub/new\nline.pdf", "sub/with spaces.pdf"};
    QCOMPARE(filesBelow(out), expected);
    // The name that is not UTF-8 keeps its very bytes.
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(out) + "/sub/deeper/not-utf8-\xff\xfe.pdf", &st), 0);

    const QHash<QString, QJsonObject> records = readReport(report);
    QCOMPARE(records.size(), 8);
    const auto status = [&](const QByteArray &name) {
        return records.value(QFile::decodeName(in + '/' + name)).value("status").toString();
    };
    QCOMPARE(status("good.vdx"), QStringLiteral("converted"));
    QCOMPARE(status("sub/new\nline.vdx"), QStringLiteral("converted"));
    QCOMPARE(status("damaged.vsdx"), QStringLiteral("failed"));
    QCOMPARE(status("dangling.vsd"), QStringLiteral("failed"));
    QCOMPARE(status("notes.txt"), QStringLiteral("skipped"));
    QCOMPARE(status("sub/loop"), QStringLiteral("skipped"));
    const QJsonObject good = records.value(QFile::decodeName(in + "/good.vdx"));
    QCOMPARE(good.value("output").toString(), out + "/good.pdf");
    QCOMPARE(good.value("pages").toInt(), 2);
    QVERIFY(good.value("peakMemoryKiB").toDouble() > 1000);
    QVERIFY(good.value("seconds").toDouble() > 0);
    QVERIFY(records.value(QFile::decodeName(in + "/damaged.vsdx"))
                .value("reason").toString().contains("damaged.vsdx"));

    // A run that cannot start says so with its own exit code.
    QVERIFY(writeFile(QFile::encodeName(dir.filePath("file")), "x"));
    QCOMPARE(runExport({"--out-dir", dir.filePath("file"), ownDrawing}).exitCode, 1);
    QCOMPARE(runExport({"--out-dir", out, "--format", "doc", ownDrawing}).exitCode, 1);
}

void TestBatchExport::namesStayApartAndInsideTheOutputFolder()
{
    QTemporaryDir dir;
    const QByteArray in = QFile::encodeName(dir.filePath("in"));
    QVERIFY(QDir().mkpath(dir.filePath("in/sub")));
    // libvisio reads the XML whatever the suffix says.
    for (const char *name : {"/a.vsd", "/a.vsdx", "/A.vdx", "/a.vsd.vdx", "/sub/x.vdx"})
        QVERIFY(writeFile(in + name, drawingBytes()));

    // A link inside the output folder must not lead the outputs out of it.
    const QString out = dir.filePath("out");
    const QString outside = dir.filePath("outside");
    QVERIFY(QDir().mkpath(out) && QDir().mkpath(outside));
    QCOMPARE(::symlink(QFile::encodeName(outside).constData(), QFile::encodeName(out + "/sub").constData()), 0);

    const QString report = dir.filePath("report.json");
    const Run run = runExport({"--out-dir", out, "--recursive", "--format", "txt", "--report",
                               report, QFile::decodeName(in)});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(filesBelow(outside), QStringList());
    // a, a, A share a name; "a.vsd" is then taken by a.vsd.vdx.
    QCOMPARE(filesBelow(out), QStringList({"A.vdx.txt", "a.vsd (2).txt", "a.vsd.txt", "a.vsdx.txt"}));
    const QHash<QString, QJsonObject> records = readReport(report);
    const QJsonObject renamed = records.value(QFile::decodeName(in + "/a.vsdx"));
    QCOMPARE(renamed.value("status").toString(), QStringLiteral("converted"));
    QVERIFY(renamed.value("reason").toString().contains("a.vsdx.txt"));
    QCOMPARE(renamed.value("output").toString(), out + "/a.vsdx.txt");
    const QJsonObject refused = records.value(QFile::decodeName(in + "/sub/x.vdx"));
    QCOMPARE(refused.value("status").toString(), QStringLiteral("failed"));
    QVERIFY(refused.value("reason").toString().contains("symbolic link"));
    QVERIFY(records.value(QFile::decodeName(in + "/a.vsd.vdx")).value("reason").isNull());
}

void TestBatchExport::existingOutputsAreKeptUnlessAsked()
{
    QTemporaryDir dir;
    const QString drawing = dir.filePath("plan.vdx");
    const QString out = dir.filePath("out");
    QVERIFY(writeFile(QFile::encodeName(drawing), drawingBytes()));
    QVERIFY(QDir().mkpath(out));
    const QString first = out + "/plan-1.png";
    QVERIFY(writeFile(QFile::encodeName(first), "earlier"));
    const auto contents = [&] {
        QFile file(first);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QStringList png = {"--out-dir", out, "--format", "png", "--dpi", "10", drawing};

    Run run = runExport(png);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.endsWith("0 converted, 0 failed, 1 skipped\n"));
    QCOMPARE(contents(), QByteArray("earlier"));

    // The output is newer than the drawing: nothing to do.
    run = runExport(QStringList(png) << "--skip-newer");
    QCOMPARE(contents(), QByteArray("earlier"));
    // The drawing changed since: it is converted again.
    const timespec later[2] = {{0, UTIME_OMIT}, {::time(nullptr) + 60, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(drawing).constData(), later, 0), 0);
    run = runExport(QStringList(png) << "--skip-newer");
    QVERIFY2(run.out.endsWith("1 converted, 0 failed, 0 skipped\n"), run.out.constData());
    QVERIFY(contents().startsWith("\x89PNG"));
    QCOMPARE(filesBelow(out), QStringList({"plan-1.png", "plan-2.png"}));

    QVERIFY(writeFile(QFile::encodeName(first), "earlier"));
    QCOMPARE(runExport(QStringList(png) << "--overwrite").exitCode, 0);
    QVERIFY(contents().startsWith("\x89PNG"));
}

void TestBatchExport::hangingDrawingFailsAlone()
{
    QTemporaryDir dir;
    const QByteArray in = QFile::encodeName(dir.filePath("in"));
    QVERIFY(QDir().mkpath(dir.filePath("in")));
    // Takes seconds: far past a timeout of one.
    QVERIFY(writeFile(in + "/slow.vdx", manyShapes(10000)));
    for (const char *name : {"/one.vdx", "/two.vdx", "/three.vdx"})
        QVERIFY(writeFile(in + name, drawingBytes()));
    const QString out = dir.filePath("out");
    const QString report = dir.filePath("report.json");
    const Run run = runExport({"--out-dir", out, "-j", "2", "--timeout", "1", "--report", report,
                               QFile::decodeName(in)});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(filesBelow(out), QStringList({"one.pdf", "three.pdf", "two.pdf"}));
    const QJsonObject slow = readReport(report).value(QFile::decodeName(in + "/slow.vdx"));
    QCOMPARE(slow.value("status").toString(), QStringLiteral("failed"));
    QVERIFY(slow.value("reason").toString().contains("1 s"));
    QVERIFY(slow.value("seconds").toDouble() < 3);
    QVERIFY2(run.ms < 20000, QByteArray::number(run.ms).constData());
}

void TestBatchExport::killedWorkerAndFullDiskLeaveNoPartialOutput()
{
    QTemporaryDir dir;
    const QByteArray in = QFile::encodeName(dir.filePath("in"));
    QVERIFY(QDir().mkpath(dir.filePath("in")));
    QVERIFY(writeFile(in + "/large.vdx", manyShapes(1000)));
    QVERIFY(writeFile(in + "/small.vdx", drawingBytes()));
    const QString out = dir.filePath("out");

    // Writes past 32 KB fail as on a full disk: the large PDF's, not the
    // small one's nor the report's.
    const QString report = dir.filePath("report.json");
    Run run = runExport({"--out-dir", out, "--report", report, QFile::decodeName(in)}, [] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{32 * 1024, 32 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(filesBelow(out), QStringList{"small.pdf"});
    QVERIFY(readReport(report).value(QFile::decodeName(in + "/large.vdx")).value("reason")
                .toString().contains("large"));

    // A worker killed half-way.
    QVERIFY(writeFile(in + "/large.vdx", manyShapes(10000)));
    QElapsedTimer clock;
    clock.start();
    QProcess *process = startExport({"--out-dir", out, "--overwrite", "-j", "2", QFile::decodeName(in)});
    QVERIFY(process->waitForStarted());
    const qint64 worker = lastWorkerAfter(process, "small.pdf");
    QVERIFY(worker > 0);
    QCOMPARE(::kill(pid_t(worker), SIGKILL), 0);
    run = finish(process, clock);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.out.contains("signal 9"), run.out.constData());
    QCOMPARE(filesBelow(out), QStringList{"small.pdf"});
}

void TestBatchExport::interruptWritesTheReportForWhatFinished()
{
    QTemporaryDir dir;
    const QByteArray in = QFile::encodeName(dir.filePath("in"));
    QVERIFY(QDir().mkpath(dir.filePath("in")));
    QVERIFY(writeFile(in + "/slow.vdx", manyShapes(10000)));
    QVERIFY(writeFile(in + "/quick.vdx", drawingBytes()));
    const QString out = dir.filePath("out");
    const QString report = dir.filePath("report.json");

    QElapsedTimer clock;
    clock.start();
    QProcess *process = startExport({"--out-dir", out, "-j", "2", "--report", report,
                                     QFile::decodeName(in)});
    QVERIFY(process->waitForStarted());
    const qint64 worker = lastWorkerAfter(process, "quick.pdf");
    QVERIFY(worker > 0);
    QCOMPARE(::kill(pid_t(process->processId()), SIGINT), 0);
    const Run run = finish(process, clock);
    QCOMPARE(run.exitCode, 128 + SIGINT);
    QVERIFY(::kill(pid_t(worker), 0) != 0);
    QCOMPARE(filesBelow(out), QStringList{"quick.pdf"});
    const QHash<QString, QJsonObject> records = readReport(report);
    QCOMPARE(records.keys(), QStringList{QFile::decodeName(in + "/quick.vdx")});
}

void TestBatchExport::textFollowsThePdf()
{
    // The text output holds every word of the PDF's text, and each of its
    // blocks reads in the PDF as it does in the text.
    QTemporaryDir dir;
    const QString pictured = dir.filePath(QStringLiteral("in/pictured.vdx"));
    QVERIFY(QDir().mkpath(dir.filePath("in")));
    QVERIFY(writeFile(QFile::encodeName(pictured), withPictureText()));
    QStringList drawings{pictured};
    const QDir fixtures(QStringLiteral(PLANDRAW_FIXTURES_DIR));
    if (fixtures.exists()) {
        // Text boxes, fields, wrapped labels and EMF picture text.
        for (const char *name : {"ExportToXAML.vsd", "TorrentScout_architecture.vsd", "TestVisio43688.vsd",
                                 "Visio11TextFieldsWithUnits.vsd", "tdf76829-datetime-format.vsd",
                                 "LayOutShapesInCompactTreeStyle.vdx", "EdgeHubDiagrams.vsdx"})
            drawings << fixtures.filePath(QLatin1String(name));
    }
    for (const char *format : {"pdf", "txt"}) {
        const Run run = runExport(QStringList{"--out-dir", dir.path(), "--format", format} + drawings);
        QCOMPARE(run.exitCode, 0);
    }
    static const QRegularExpression word(QStringLiteral("[^\\W_]+"));
    const auto letters = [](const QString &text) {
        QString kept;
        for (const QChar c : text) {
            if (c.isLetterOrNumber())
                kept += c.toLower();
        }
        return kept;
    };
    for (const QString &drawing : std::as_const(drawings)) {
        const QString base = dir.filePath(QFileInfo(drawing).completeBaseName());
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {"-raw", base + ".pdf", "-"});
        QVERIFY(pdftotext.waitForFinished(60000));
        const QStringList pdfPages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f');
        QFile file(base + ".txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList ourPages = QString::fromUtf8(file.readAll()).split('\f');
        QCOMPARE(ourPages.size(), pdfPages.size());
        if (drawing == pictured)
            QVERIFY(ourPages.first().contains(QLatin1String("\n\nPictured words\n")));
        for (int page = 0; page < ourPages.size(); ++page) {
            const QString ours = letters(ourPages.at(page));
            const QString pdf = letters(pdfPages.at(page));
            // pdftotext cuts words that wrap inside a box in two.
            auto it = word.globalMatch(pdfPages.at(page));
            while (it.hasNext()) {
                const QString w = letters(it.next().captured());
                QVERIFY2(ours.contains(w), qPrintable(drawing + ": " + w));
            }
            const QStringList blocks = ourPages.at(page).split(QStringLiteral("\n\n")).mid(1);
            for (const QString &block : blocks)
                QVERIFY2(pdf.contains(letters(block)), qPrintable(drawing + ": " + block));
        }
    }
}

QTEST_MAIN(TestBatchExport)
#include "tst_batchexport.moc"
