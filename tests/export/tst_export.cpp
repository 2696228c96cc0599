#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ownDrawing = QStringLiteral(PLANDRAW_TEST_DATA_DIR "/export/two-pages.vdx");
// Walls (shown, printed), Notes (shown only), Sketch (hidden), Draft (printed
// only), each with a labelled shape, and a shape on no layer.
const QString layeredDrawing = QStringLiteral(PLANDRAW_TEST_DATA_DIR "/export/layers.vdx");

QString fixture(const QString &name)
{
    return QDir(QStringLiteral(PLANDRAW_FIXTURES_DIR)).filePath(name);
}

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runExport(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(PLANDRAW_EXPORT_BINARY), arguments);
    Run run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// Page sizes in points, from pdfinfo (poppler-utils).
QList<QSizeF> pdfPageSizes(const QString &path)
{
    QList<QSizeF> sizes;
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                              QStringLiteral("-l"), QStringLiteral("9999"), path});
    process.waitForFinished(60000);
    static const QRegularExpression line(
        QStringLiteral("Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    auto it = line.globalMatch(QString::fromUtf8(process.readAllStandardOutput()));
    while (it.hasNext()) {
        const auto m = it.next();
        sizes.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()));
    }
    return sizes;
}

bool near(const QSizeF &a, const QSizeF &b)
{
    return std::abs(a.width() - b.width()) < 1.5 && std::abs(a.height() - b.height()) < 1.5;
}

QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void helpAndVersion();
    void pdfSheetsFollowThePages();
    void pngPerPageAtTheChosenDpi();
    void svgPerPage();
    void infoDescribesTheModel();
    void failuresLeaveNothingBehind();
    void failedPageKeepsEarlierPages();
    void fixtures();
    void pdfMetadataAndPlainLetters();
    void imagesIntoAFolderNamedAfterTheDrawing();
    void textForIndexers();
    void layersListedAndLeftOut();
};

void TestExport::helpAndVersion()
{
    Run run = runExport({QStringLiteral("--version")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith("plandraw-export "));
    run = runExport({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("--pages"));
    QVERIFY(run.out.contains("--dpi"));
    run = runExport({});
    QVERIFY(run.exitCode != 0);
}

void TestExport::pdfSheetsFollowThePages()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("two.pdf"));
    Run run = runExport({ownDrawing, out});
    QCOMPARE(run.exitCode, 0);
    QList<QSizeF> sizes = pdfPageSizes(out);
    QCOMPARE(sizes.size(), 2);
    QVERIFY(near(sizes.at(0), QSizeF(612, 792)));
    QVERIFY(near(sizes.at(1), QSizeF(792, 612)));

    run = runExport({ownDrawing, out, QStringLiteral("--pages"), QStringLiteral("2-2")});
    QCOMPARE(run.exitCode, 0);
    sizes = pdfPageSizes(out);
    QCOMPARE(sizes.size(), 1);
    QVERIFY(near(sizes.at(0), QSizeF(792, 612)));

    // A range past the end is cut at the last page.
    run = runExport({ownDrawing, out, QStringLiteral("--pages"), QStringLiteral("1-99"),
                     QStringLiteral("--paper"), QStringLiteral("a4")});
    QCOMPARE(run.exitCode, 0);
    sizes = pdfPageSizes(out);
    QCOMPARE(sizes.size(), 2);
    for (const QSizeF &size : sizes)
        QVERIFY(near(size, QSizeF(595.3, 841.9)));
    QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("two.pdf")});
}

void TestExport::pngPerPageAtTheChosenDpi()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("page.png"));
    Run run = runExport({ownDrawing, out, QStringLiteral("--dpi"), QStringLiteral("48")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(filesIn(dir.path()),
             (QStringList{QStringLiteral("page-1.png"), QStringLiteral("page-2.png")}));
    QImage first(dir.filePath(QStringLiteral("page-1.png")));
    QImage second(dir.filePath(QStringLiteral("page-2.png")));
    QCOMPARE(first.size(), QSize(408, 528));
    QCOMPARE(second.size(), QSize(528, 408));
    // White paper; the red box spans 1 in to 3 in from the top-left corner.
    QCOMPARE(first.pixel(5, 5), qRgb(255, 255, 255));
    QCOMPARE(first.pixel(400, 520), qRgb(255, 255, 255));
    QCOMPARE(first.pixel(60, 60), qRgb(255, 0, 0));
    QCOMPARE(first.pixel(140, 60), qRgb(255, 0, 0));
    QCOMPARE(first.pixel(150, 150), qRgb(255, 255, 255));

    // Default resolution and a page range: only the chosen page's file.
    QTemporaryDir other;
    run = runExport({ownDrawing, other.filePath(QStringLiteral("p.png")), QStringLiteral("--pages"),
                     QStringLiteral("2")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(filesIn(other.path()), QStringList{QStringLiteral("p-2.png")});
    QCOMPARE(QImage(other.filePath(QStringLiteral("p-2.png"))).size(), QSize(1056, 816));
}

void TestExport::svgPerPage()
{
    QTemporaryDir dir;
    Run run = runExport({ownDrawing, dir.filePath(QStringLiteral("s.svg"))});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(filesIn(dir.path()),
             (QStringList{QStringLiteral("s-1.svg"), QStringLiteral("s-2.svg")}));
    QFile file(dir.filePath(QStringLiteral("s-1.svg")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("viewBox=\"0 0 816 1056\""));
    QVERIFY(svg.contains("#ff0000"));
    QVERIFY(svg.contains("Red"));
}

void TestExport::infoDescribesTheModel()
{
    Run run = runExport({QStringLiteral("--info"), ownDrawing});
    QCOMPARE(run.exitCode, 0);
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(run.out, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject root = json.object();
    QCOMPARE(root.value("fileName").toString(), QStringLiteral("two-pages.vdx"));
    QVERIFY(root.contains("title"));
    QVERIFY(root.contains("creator"));
    QVERIFY(root.contains("creationDate"));
    const QJsonArray pages = root.value("pages").toArray();
    QCOMPARE(pages.size(), 2);
    const QJsonObject first = pages.at(0).toObject();
    QCOMPARE(first.value("name").toString(), QStringLiteral("Portrait"));
    QCOMPARE(first.value("widthInches").toDouble(), 8.5);
    QCOMPARE(first.value("heightInches").toDouble(), 11.0);
    QVERIFY(first.value("shapes").toInt() >= 1);
    QCOMPARE(first.value("texts").toInt(), 1);
    QCOMPARE(first.value("images").toInt(), 0);
    QVERIFY(first.value("layers").isArray());
    QCOMPARE(pages.at(1).toObject().value("name").toString(), QStringLiteral("Landscape"));
}

void TestExport::failuresLeaveNothingBehind()
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.vsdx"));
    {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("PK\x03\x04 this is not a drawing");
    }
    const QString out = dir.filePath(QStringLiteral("out.pdf"));
    // An earlier result must survive a failed run.
    {
        QFile file(out);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("previous");
    }
    const QStringList before = filesIn(dir.path());

    auto expectFailure = [&](const QStringList &arguments) {
        const Run run = runExport(arguments);
        QVERIFY2(run.exitCode > 0, run.err.constData());
        QCOMPARE(run.err.trimmed().count('\n'), 0);
        QVERIFY(run.err.startsWith("plandraw-export: "));
        QCOMPARE(filesIn(dir.path()), before);
    };
    expectFailure({bad, out});
    expectFailure({dir.filePath(QStringLiteral("missing.vsd")), out});
    expectFailure({QStringLiteral("--info"), bad});
    expectFailure({ownDrawing, out, QStringLiteral("--pages"), QStringLiteral("3-4")});
    expectFailure({ownDrawing, out, QStringLiteral("--pages"), QStringLiteral("2-1")});
    expectFailure({ownDrawing, out, QStringLiteral("--pages"), QStringLiteral("0-1")});
    expectFailure({ownDrawing, out, QStringLiteral("--paper"), QStringLiteral("a3")});
    expectFailure({ownDrawing, dir.filePath(QStringLiteral("out.docx"))});
    // 11 in at 2000 dpi is 22000 px: refused before anything is written.
    expectFailure({ownDrawing, dir.filePath(QStringLiteral("big.png")), QStringLiteral("--dpi"),
                   QStringLiteral("2000")});
    expectFailure({ownDrawing, dir.filePath(QStringLiteral("big.png")), QStringLiteral("--dpi"),
                   QStringLiteral("-5")});
    expectFailure({ownDrawing, dir.filePath(QStringLiteral("no/such/folder/out.pdf"))});
    expectFailure({ownDrawing, dir.filePath(QStringLiteral("no/such/folder/out.png"))});

    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("previous"));
}

void TestExport::failedPageKeepsEarlierPages()
{
    // The second page cannot be written (a folder holds its name): the
    // first page of an earlier run must survive, and no temporary is left.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("page-2.png")));
    const QString first = dir.filePath(QStringLiteral("page-1.png"));
    {
        QFile file(first);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("previous");
    }
    const Run run = runExport({ownDrawing, dir.filePath(QStringLiteral("page.png"))});
    QVERIFY(run.exitCode > 0);
    QFile file(first);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("previous"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"page-1.png"});

    // A successful run gives ordinary, readable files.
    QTemporaryDir other;
    QCOMPARE(runExport({ownDrawing, other.filePath(QStringLiteral("s.svg"))}).exitCode, 0);
    QVERIFY(QFileInfo(other.filePath(QStringLiteral("s-1.svg"))).permissions()
            & QFile::ReadOther);
}

void TestExport::fixtures()
{
    if (!QDir(QStringLiteral(PLANDRAW_FIXTURES_DIR)).exists())
        QSKIP("The sample drawings folder is not there.");

    QTemporaryDir dir;
    // Three pages of letter size, portrait.
    Run run = runExport({fixture("animation_tests.vdx"), dir.filePath("anim.pdf")});
    QCOMPARE(run.exitCode, 0);
    QList<QSizeF> sizes = pdfPageSizes(dir.filePath("anim.pdf"));
    QCOMPARE(sizes.size(), 3);
    QVERIFY(near(sizes.at(0), QSizeF(612, 792)));

    run = runExport({fixture("BasicShapes.vdx"), dir.filePath("basic.png"), "--dpi", "150"});
    QCOMPARE(run.exitCode, 0);
    QImage image(dir.filePath("basic-1.png"));
    QCOMPARE(image.size(), QSize(1650, 1275));
    QCOMPARE(image.pixel(3, 3), qRgb(255, 255, 255));

    // The binary formats, a picture-bearing drawing and a two-page plan.
    for (const char *name : {"bitmaps.vsd", "Visio5PlanWithDimensions.vsd", "testfile1.vsdx",
                             "tdf154379-DrawingUnits-type.vsd", "recursion-cycle.vsdx"}) {
        const QString base = QFileInfo(QString::fromLatin1(name)).completeBaseName();
        run = runExport({fixture(name), dir.filePath(base + ".png"), "--dpi", "30"});
        QVERIFY2(run.exitCode == 0, name);
        QVERIFY2(QFile::exists(dir.filePath(base + "-1.png")), name);
        run = runExport({"--info", fixture(name)});
        QVERIFY2(run.exitCode == 0, name);
        const QJsonArray pages = QJsonDocument::fromJson(run.out).object().value("pages").toArray();
        QVERIFY2(!pages.isEmpty(), name);
        run = runExport({fixture(name), dir.filePath(base + ".pdf")});
        QVERIFY2(run.exitCode == 0, name);
        QCOMPARE(pdfPageSizes(dir.filePath(base + ".pdf")).size(), pages.size());
    }
}

void TestExport::pdfMetadataAndPlainLetters()
{
    // DejaVu Sans has fi and fl ligatures: with them, "workflow" would leave
    // the PDF as "work\uFB02ow".
    QFile source(ownDrawing);
    QVERIFY(source.open(QIODevice::ReadOnly));
    QTemporaryDir dir;
    const QString drawing = dir.filePath(QStringLiteral("letters.vdx"));
    QFile copy(drawing);
    QVERIFY(copy.open(QIODevice::WriteOnly));
    copy.write(source.readAll().replace("'Arial'", "'DejaVu Sans'").replace("Outline", "workflow office"));
    copy.close();

    const QString out = dir.filePath(QStringLiteral("letters.pdf"));
    QCOMPARE(runExport({drawing, out}).exitCode, 0);
    const QString text = runTool(QStringLiteral("pdftotext"), {out, QStringLiteral("-")});
    QVERIFY2(text.contains(QLatin1String("workflow office")), qPrintable(text));
    QVERIFY(!text.contains(QChar(0xFB01)) && !text.contains(QChar(0xFB02)));

    const QString info = runTool(QStringLiteral("pdfinfo"), {out});
    // libvisio gives no title for XML drawings: the file name stands in.
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+letters\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Creator:\\s+Bramwick Plandraw \\d"))),
             qPrintable(info));
}

void TestExport::imagesIntoAFolderNamedAfterTheDrawing()
{
    QTemporaryDir dir;
    // No pictures: its own exit code, and no empty folder.
    Run run = runExport({QStringLiteral("--images"), dir.path(), ownDrawing});
    QCOMPARE(run.exitCode, 3);
    QVERIFY(QDir(dir.path()).isEmpty());

    if (!QDir(QStringLiteral(PLANDRAW_FIXTURES_DIR)).exists())
        QSKIP("The sample drawings folder is not there.");
    // The drawing's folder is taken by a file: one line naming it.
    const QString folder = dir.filePath(QStringLiteral("bitmaps"));
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    run = runExport({QStringLiteral("--images"), dir.path(), fixture(QStringLiteral("bitmaps.vsd"))});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains(folder.toUtf8()) && run.err.trimmed().count('\n') == 0);

    QVERIFY(QFile::remove(folder));
    run = runExport({QStringLiteral("--images"), dir.path(), fixture(QStringLiteral("bitmaps.vsd"))});
    QCOMPARE(run.exitCode, 0);
    const QStringList names = filesIn(folder);
    QCOMPARE(names.size(), 20);
    QCOMPARE(run.out.trimmed().split('\n').size(), 20);
    static const QRegularExpression name(QStringLiteral("^bitmaps_P001_I(0[1-9]|1\\d|20)\\.png$"));
    for (const QString &n : names)
        QVERIFY2(name.match(n).hasMatch() && !QImage(QDir(folder).filePath(n)).isNull(), qPrintable(n));
}

void TestExport::textForIndexers()
{
    // An indexer counts pages by the form feeds that end them.
    Run run = runExport({QStringLiteral("--text"), ownDrawing});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("Portrait\n\nRed\n\fLandscape\n\nOutline\n\f"));
    run = runExport({QStringLiteral("--text"), QStringLiteral("--pages"), QStringLiteral("2"), ownDrawing});
    QCOMPARE(run.out, QByteArray("Landscape\n\nOutline\n\f"));

    // A drawing that cannot be read gives no text at all, and says why.
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.vsd"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a drawing") > 0);
    file.close();
    run = runExport({QStringLiteral("--text"), bad});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.contains("bad.vsd"));

    // The same text as a file.
    const QString out = dir.filePath(QStringLiteral("plan.txt"));
    QCOMPARE(runExport({ownDrawing, out}).exitCode, 0);
    QFile text(out);
    QVERIFY(text.open(QIODevice::ReadOnly));
    QCOMPARE(text.readAll(), QByteArray("Portrait\n\nRed\n\fLandscape\n\nOutline\n\f"));
}

void TestExport::layersListedAndLeftOut()
{
    Run run = runExport({QStringLiteral("--layers"), layeredDrawing});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out),
             QStringLiteral("page 1 \"Plan\": 4 layer(s)\n"
                            "  1 \"Walls\" visible print\n"
                            "  2 \"Notes\" visible no-print\n"
                            "  3 \"Sketch\" hidden no-print\n"
                            "  4 \"Draft\" hidden print\n"));

    // The drawing's print flags decide what a file gets.
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("plan.pdf"));
    run = runExport({layeredDrawing, out});
    QCOMPARE(run.exitCode, 0);
    QString text = runTool(QStringLiteral("pdftotext"), {out, QStringLiteral("-")});
    for (const char *label : {"Wall text", "Draft text", "Free text"})
        QVERIFY2(text.contains(QLatin1String(label)), label);
    for (const char *label : {"Note text", "Sketch text"})
        QVERIFY2(!text.contains(QLatin1String(label)), label);

    run = runExport({layeredDrawing, out, QStringLiteral("--hide-layer"), QStringLiteral("Walls"),
                     QStringLiteral("--hide-layer"), QStringLiteral("Draft")});
    QCOMPARE(run.exitCode, 0);
    text = runTool(QStringLiteral("pdftotext"), {out, QStringLiteral("-")});
    QVERIFY(text.contains(QLatin1String("Free text")));
    QVERIFY(!text.contains(QLatin1String("Wall text")) && !text.contains(QLatin1String("Draft text")));

    // A misspelt layer is an error, not a full export.
    QFile::remove(out);
    run = runExport({layeredDrawing, out, QStringLiteral("--hide-layer"), QStringLiteral("walls")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains("\"walls\""));
    QVERIFY(!QFile::exists(out));
    run = runExport({QStringLiteral("--info"), layeredDrawing, QStringLiteral("--hide-layer"),
                     QStringLiteral("Walls")});
    QCOMPARE(run.exitCode, 2);
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
