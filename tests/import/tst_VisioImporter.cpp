#include "DocumentLoadJob.h"
#include "Log.h"
#include "VisioBackgroundPages.h"
#include "VisioImporter.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

QString fixture(const QString &name)
{
    return QDir(QStringLiteral(PLANDRAW_FIXTURES_DIR)).filePath(name);
}

// A path under the folder that holds both sample folders.
QString sharedFixture(const QString &path)
{
    return QDir(QStringLiteral(PLANDRAW_FIXTURES_DIR "/..")).filePath(path);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString readLog()
{
    QFile file(Log::filePath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestVisioImporter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void badInputsFailCleanly_data();
    void badInputsFailCleanly();
    void truncatedDrawing();
    void fixturesLoad_data();
    void fixturesLoad();
    void fixtureContents();
    void backgroundPagesStayBehind();
    void packagesReadAsBefore_data();
    void packagesReadAsBefore();
    void cancelStopsEveryKindOfDrawing();

private:
    QTemporaryDir m_dir;
};

void TestVisioImporter::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Log::initialize(m_dir.filePath(QStringLiteral("log")));
}

void TestVisioImporter::badInputsFailCleanly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("create");

    QByteArray random(4096, '\0');
    QRandomGenerator generator(42);
    for (char &c : random)
        c = char(generator.bounded(256));
    QByteArray zip("PK\x03\x04\x14\x00\x00\x00\x08\x00", 10);
    zip.append(QByteArray(20, '\x7f'));

    QTest::newRow("missing") << "missing.vsd" << QByteArray() << false;
    QTest::newRow("directory") << "folder.vsdx" << QByteArray() << false;
    QTest::newRow("empty") << "empty.vsd" << QByteArray() << true;
    QTest::newRow("zeros") << "zeros.vsd" << QByteArray(65536, '\0') << true;
    QTest::newRow("random bytes") << "random.vsdx" << random << true;
    QTest::newRow("truncated zip") << "cut.vsdx" << zip << true;
    QTest::newRow("vdx that is not xml") << "text.vdx" << QByteArray("hello, not xml <<<") << true;
    QTest::newRow("vdx with wrong root")
        << "other.vdx" << QByteArray("<?xml version='1.0'?><html><body/></html>") << true;
}

void TestVisioImporter::badInputsFailCleanly()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, create);
    const QString path = m_dir.filePath(name);
    if (name == QLatin1String("folder.vsdx"))
        QVERIFY(QDir().mkpath(path));
    if (create)
        QVERIFY(writeFile(path, bytes));

    const VisioImporter::Result result = VisioImporter::importFile(path);
    QVERIFY2(result.outcome == VisioImporter::Unsupported
                 || result.outcome == VisioImporter::ParseFailed,
             qPrintable(QString::number(result.outcome)));
    QVERIFY(result.model.pages.isEmpty());

    const QString expected = result.outcome == VisioImporter::Unsupported
        ? QStringLiteral("Failed to load file:%1 - Reason: Unsupported file format or corrupted "
                         "document.")
              .arg(path)
        : QStringLiteral("Parsing failed for file:%1 - Reason: libvisio engine internal error "
                         "during parsing.")
              .arg(path);
    QVERIFY2(readLog().contains(expected), qPrintable(expected));
}

void TestVisioImporter::truncatedDrawing()
{
    // Real drawings cut short, at several lengths.
    for (const QString &name : {QStringLiteral("testfile1.vsdx"), QStringLiteral("bitmaps.vsd"),
                                QStringLiteral("BasicShapes.vdx")}) {
        QFile source(fixture(name));
        if (!source.open(QIODevice::ReadOnly))
            QSKIP("sample drawings not available");
        const QByteArray bytes = source.readAll();
        for (double fraction : {0.1, 0.5, 0.9}) {
            const QString path = m_dir.filePath(QStringLiteral("cut-%1-").arg(fraction) + name);
            QVERIFY(writeFile(path, bytes.left(int(bytes.size() * fraction))));
            const VisioImporter::Result result = VisioImporter::importFile(path);
            // Whatever libvisio manages to read, the outcome must match the model.
            QCOMPARE(result.outcome == VisioImporter::Loaded, !result.model.pages.isEmpty());
        }

        // And cut short while it is being read: the stream's size no longer
        // holds, and libvisio sees short reads.
        const QString path = m_dir.filePath(QStringLiteral("shrinking-") + name);
        QVERIFY(writeFile(path, bytes));
        auto state = std::make_shared<CountingInputStream::State>();
        QFuture<VisioImporter::Result> import =
            QtConcurrent::run([path, state] { return VisioImporter::importFile(path, state); });
        while (!import.isFinished()
               && (state->expectedBytes == 0 || state->bytesRead < 0.3 * state->expectedBytes))
            QThread::usleep(100);
        QVERIFY(QFile::resize(path, bytes.size() * 2 / 5));
        const VisioImporter::Result result = import.result();
        QCOMPARE(result.outcome == VisioImporter::Loaded, !result.model.pages.isEmpty());
    }
}

void TestVisioImporter::fixturesLoad_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("shapes");
    QTest::addColumn<int>("texts");
    QTest::addColumn<int>("images");

    // Every sample drawing loads; the counts pin what the import makes of them.
    const struct
    {
        const char *name;
        int pages, shapes, texts, images;
    } rows[] = {
        {"BasicShapes.vdx", 1, 26, 5, 0},
        {"Visio11FormatLine.vsd", 1, 43, 64, 0},
        {"Visio11PlanWithDimensions.vsd", 1, 14, 1, 0},
        {"Visio11TextFieldsWithAngle.vsd", 1, 0, 3, 0},
        {"Visio11TextFieldsWithCurrency.vsd", 1, 0, 7, 0},
        {"Visio11TextFieldsWithUnits.vsd", 1, 0, 39, 0},
        {"Visio5PlanWithDimensions.vsd", 1, 30, 0, 0},
        {"Visio5TextFieldsWithUnits.vsd", 1, 0, 1, 0},
        {"Visio6PlanWithDimensions.vsd", 1, 28, 7, 0},
        {"Visio6TextFieldsWithUnits.vsd", 1, 0, 12, 0},
        {"animation_tests.vdx", 3, 80, 11, 0},
        {"bgcolor.vsdx", 1, 6, 3, 0},
        {"bitmaps.vsd", 1, 0, 0, 20},
        {"bitmaps2.vsd", 1, 3, 0, 2},
        {"blue-box.vsdx", 1, 2, 0, 0},
        {"color-boxes.vsdx", 1, 14, 0, 0},
        {"curve_tests.vdx", 2, 16, 0, 0},
        {"dwg.vsd", 1, 8, 0, 0},
        {"dwg.vsdx", 1, 8, 0, 0},
        {"fdo86664.vsdx", 1, 6, 0, 0},
        {"fdo86729-ms1252.vsd", 1, 6, 1, 0},
        {"fdo86729-utf8.vsd", 1, 6, 1, 0},
        {"no-bgcolor.vsd", 1, 7, 1, 0},
        {"office_varient4.vsdx", 1, 2, 0, 0},
        {"pattern_tests.vdx", 1, 81, 41, 0},
        {"qs-box.vsdx", 1, 2, 0, 0},
        {"recursion-cycle.vsdx", 1, 0, 0, 0},
        {"tab-short-prefix.vsdx", 1, 0, 0, 0},
        {"tdf136564-WhiteTextBackground.vsdx", 1, 7, 3, 0},
        {"tdf154379-DrawingUnits-type.vsd", 2, 624, 38, 0},
        {"tdf154379-QuickStyleFillMatrix.vsdx", 1, 2, 1, 0},
        {"tdf76829-datetime-format.vsd", 2, 64, 19, 0},
        {"tdf76829-numeric-format.vsd", 1, 0, 11, 0},
        {"testfile1.vsdx", 1, 4, 0, 0},
        {"testfile3.vsdx", 1, 10, 0, 0},
        {"testfile4.vsdx", 1, 4, 0, 0},
        {"testfile5.vsdx", 1, 2, 0, 0},
        {"testfile6.vsdx", 1, 6, 0, 0},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.name << row.pages << row.shapes << row.texts << row.images;
}

void TestVisioImporter::fixturesLoad()
{
    QFETCH(QString, name);
    QFETCH(int, pages);
    QFETCH(int, shapes);
    QFETCH(int, texts);
    QFETCH(int, images);
    if (!QFileInfo::exists(fixture(name)))
        QSKIP("sample drawing not available");

    // The same drawing read on a pool thread while this thread reads it too
    // gives the same model; its progress only grows, and ends at 1.
    DocumentLoadJob job(fixture(name));
    QList<double> progress;
    connect(&job, &DocumentLoadJob::progressChanged, this,
            [&progress](double fraction) { progress.append(fraction); });
    QSignalSpy finished(&job, &DocumentLoadJob::finished);
    job.start();
    const VisioImporter::Result result = VisioImporter::importFile(fixture(name));
    QVERIFY(finished.size() == 1 || finished.wait(60000));
    QVERIFY(std::is_sorted(progress.cbegin(), progress.cend()));
    QCOMPARE(progress.value(progress.size() - 1), 1.0);
    for (const VisioImporter::Result &loaded : {result, job.takeResult()}) {
        QCOMPARE(loaded.outcome, VisioImporter::Loaded);
        QCOMPARE(loaded.model.fileName, name);
        QCOMPARE(int(loaded.model.pages.size()), pages);
        int shapeCount = 0, textCount = 0, imageCount = 0;
        for (const VisioPage &page : loaded.model.pages) {
            shapeCount += page.shapes.size();
            textCount += page.texts.size();
            imageCount += page.images.size();
            for (const VisioShape &shape : page.shapes)
                QVERIFY(!shape.path.isEmpty());
            for (const VisioText &text : page.texts)
                QVERIFY(!text.text.isEmpty());
            for (const VisioImage &image : page.images)
                QVERIFY(!image.image.isNull());
        }
        QCOMPARE(shapeCount, shapes);
        QCOMPARE(textCount, texts);
        QCOMPARE(imageCount, images);
    }
    // The same bytes from memory, as the fuzzer feeds them, make the same drawing.
    QFile file(fixture(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const VisioImporter::Result fromMemory = VisioImporter::importData(file.readAll(), name);
    QCOMPARE(fromMemory.outcome, VisioImporter::Loaded);
    QCOMPARE(fromMemory.model.fileName, name);
    QCOMPARE(fromMemory.model.pages.size(), result.model.pages.size());
    for (qsizetype i = 0; i < result.model.pages.size(); ++i) {
        QCOMPARE(fromMemory.model.pages[i].shapes.size(), result.model.pages[i].shapes.size());
        QCOMPARE(fromMemory.model.pages[i].texts.size(), result.model.pages[i].texts.size());
        QCOMPARE(fromMemory.model.pages[i].images.size(), result.model.pages[i].images.size());
    }
}

void TestVisioImporter::fixtureContents()
{
    if (!QFileInfo::exists(fixture(QStringLiteral("bitmaps.vsd"))))
        QSKIP("sample drawings not available");

    // The embedded bitmaps decode at their own pixel size.
    VisioImporter::Result bitmaps = VisioImporter::importFile(fixture(QStringLiteral("bitmaps.vsd")));
    QCOMPARE(bitmaps.model.pages.value(0).images.size(), 20);
    for (const VisioImage &image : bitmaps.model.pages[0].images) {
        QCOMPARE(image.image.size(), QSize(127, 64));
        QVERIFY(image.rect.width() > 0 && image.rect.height() > 0);
    }

    // Text blocks keep their line breaks.
    VisioImporter::Result lines =
        VisioImporter::importFile(fixture(QStringLiteral("Visio11FormatLine.vsd")));
    QStringList texts;
    for (const VisioText &text : lines.model.pages.value(0).texts)
        texts << text.text;
    QVERIFY(texts.contains(QStringLiteral("33\n end")));
    QVERIFY(texts.contains(QStringLiteral("1\nend")));
    QVERIFY(texts.contains(QStringLiteral("Round corners 10mm")));
}

void TestVisioImporter::backgroundPagesStayBehind()
{
    // The background is listed first in the file; libvisio draws it behind
    // both pages and again as a page of its own at the end.
    const QString path = QStringLiteral(PLANDRAW_TEST_DATA_DIR "/import/background-page.vdx");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    for (const VisioImporter::Result &result :
         {VisioImporter::importFile(path), VisioImporter::importData(file.readAll(), path)}) {
        QCOMPARE(result.outcome, VisioImporter::Loaded);
        QCOMPARE(result.model.pages.size(), 2);
        QCOMPARE(result.model.pages.at(0).name, QStringLiteral("First"));
        QCOMPARE(result.model.pages.at(1).name, QStringLiteral("Second"));
        QCOMPARE(result.model.backgroundPages.size(), 1);
        QCOMPARE(result.model.backgroundPages.at(0).name, QStringLiteral("Backdrop"));
        for (const VisioPage &page : result.model.pages) {
            QStringList texts;
            for (const VisioText &text : page.texts)
                texts << text.text;
            QCOMPARE(texts, QStringList({QStringLiteral("Backdrop"), page.name}));
        }
    }

    // Without the flag nothing moves, and a page list that does not match
    // libvisio's pages is not trusted.
    QCOMPARE(VisioBackgroundPages::fromPageList("<Pages><Page ID='0'/></Pages>"), QList<bool>());
    VisioDocumentModel model;
    model.pages.resize(2);
    VisioBackgroundPages::separate(model, {true, false, false});
    QCOMPARE(model.pages.size(), 2);
    QVERIFY(model.backgroundPages.isEmpty());
}

void TestVisioImporter::packagesReadAsBefore_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("shapes");
    QTest::addColumn<int>("texts");
    QTest::addColumn<int>("images");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QByteArray>("digest");

    // What libvisio handed over when it read the packages itself: the counts
    // of the model (backgrounds apart, themes resolved), and a digest of every picture's MIME type and bytes in
    // the order they came.
    const struct
    {
        const char *path;
        int pages, shapes, texts, images, pictures;
        const char *digest;
    } rows[] = {
        {"visio/CAN-BUS_Architecture.vsdx", 1, 12, 1, 9, 9, "c8db9415d765e964"},
        {"visio/EdgeHubDiagrams.vsdx", 6, 392, 129, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/FlowchartShapes.vsdx", 1, 24, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/Maix-EMC_diagram.vsdx", 1, 79, 32, 1, 1, "6ae508997503bd01"},
        {"visio/ShapewithGradientFill.vsdx", 1, 2, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/bgcolor.vsdx", 1, 6, 3, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/blue-box.vsdx", 1, 2, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/color-boxes.vsdx", 1, 14, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/dwg.vsdx", 1, 8, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/emf-shapes.vsdx", 3, 174, 13, 16, 16, "e6092214c49ee917"},
        {"visio/fdo86664.vsdx", 1, 6, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/network-diagram-start.vsdx", 3, 1100, 18, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/office_varient4.vsdx", 1, 2, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/ole-word-object.vsdx", 1, 0, 0, 1, 1, "c30a797151fffa62"},
        {"visio/osdu-architecture.vsdx", 3, 487, 100, 80, 80, "ecc427a6de6b160e"},
        {"visio/qs-box.vsdx", 1, 2, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/recursion-cycle.vsdx", 1, 0, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/tab-short-prefix.vsdx", 1, 0, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/tdf136564-WhiteTextBackground.vsdx", 1, 7, 3, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/tdf154379-QuickStyleFillMatrix.vsdx", 1, 2, 1, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/testfile1.vsdx", 1, 4, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/testfile3.vsdx", 1, 10, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/testfile4.vsdx", 1, 4, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/testfile5.vsdx", 1, 2, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/testfile6.vsdx", 1, 6, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"visio/vsdxjs-BasicShapes.vsdx", 1, 26, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/anjiaode-RefreshLayoutNiubility-UML.vsdx", 1, 57, 22, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/aspose-Comments-Drawing1.vsdx", 1, 0, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/aspose-Geometry-Drawing1.vsdx", 1, 8, 3, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/aspose-Hyperlinks-Drawing1.vsdx", 1, 8, 3, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/aspose-Sample_UnusedFonts.vsdx", 1, 2, 1, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/aspose-SettingCellsInEventSection_out.vsdm", 1, 2, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/aspose-TestTemplate.vsdm", 1, 0, 0, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/aspose-java-Apply3DRotationEffects_Out.vsdx", 3, 177, 16, 16, 16, "e6092214c49ee917"},
        {"more-visio/aspose-java-RefreshTimeLine_Out.vsdx", 1, 13, 12, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/groupdocs-comparison-source.vsdx", 1, 6, 3, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/groupdocs-conversion-sample.vsdm", 6, 12, 6, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/groupdocs-conversion-sample.vsdx", 6, 12, 6, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/groupdocs-conversion-sample.vstm", 6, 12, 6, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/groupdocs-conversion-sample.vstx", 6, 12, 6, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/groupdocs-metadata-input.vsdx", 1, 21, 4, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/groupdocs-viewer-flowchart.vsdx", 1, 21, 11, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/ibm-ibm_bda_reference_architecture.vstx", 1, 24, 23, 19, 19, "dcb976ffff71c57b"},
        {"more-visio/ibm-ibm_vpc_architecture.vstx", 1, 59, 45, 38, 38, "ad08dd0a3d6a23aa"},
        {"more-visio/logikz-BridgePattern-UML.vsdx", 2, 147, 40, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/msterminal-CopyModeFlowchart.vsdx", 1, 25, 14, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/officeimo-DrawingWithJenkinsDiagram.vsdx", 1, 108, 23, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/officeimo-DrawingWithLotsOfShapresAndArrows.vsdx", 7, 189, 9, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/officeimo-VisioAdvancedRoadmap.vsdm", 1, 47, 18, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/officeimo-VisioAdvancedRoadmap.vsdx", 1, 47, 18, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/officeimo-VisioAdvancedRoadmap.vstm", 1, 47, 18, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/officeimo-VisioAdvancedRoadmap.vstx", 1, 47, 18, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/smartsso-jiagoutu-architecture.vsdx", 1, 59, 28, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/smartsso-sso-login-principle.vsdx", 1, 49, 24, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/tika-testVISIO.vsdm", 1, 6, 3, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/tika-testVISIO.vstm", 1, 6, 3, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/vsdx-test13_layers.vsdx", 1, 6, 3, 0, 0, "da39a3ee5e6b4b0d"},
        {"more-visio/xpromisequeue-liuchengtu-flowchart.vsdx", 1, 24, 23, 0, 0, "da39a3ee5e6b4b0d"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.path) << row.path << row.pages << row.shapes << row.texts << row.images
                                << row.pictures << QByteArray(row.digest);
}

void TestVisioImporter::packagesReadAsBefore()
{
    QFETCH(QString, path);
    QFETCH(int, pages);
    QFETCH(int, shapes);
    QFETCH(int, texts);
    QFETCH(int, images);
    QFETCH(int, pictures);
    QFETCH(QByteArray, digest);
    if (!QFileInfo::exists(sharedFixture(path)))
        QSKIP("sample drawing not available");

    QCryptographicHash hash(QCryptographicHash::Sha1);
    int delivered = 0;
    const VisioImporter::Result result = VisioImporter::importFile(
        sharedFixture(path), std::make_shared<CountingInputStream::State>(),
        [&](const QByteArray &bytes, const QString &mimeType) {
            hash.addData(mimeType.toLatin1());
            hash.addData(QByteArray(1, '\0'));
            hash.addData(QByteArray::number(bytes.size()));
            hash.addData(bytes);
            ++delivered;
        });
    QCOMPARE(result.outcome, VisioImporter::Loaded);
    int shapeCount = 0, textCount = 0, imageCount = 0;
    for (const VisioPage &page : result.model.pages) {
        shapeCount += page.shapes.size();
        textCount += page.texts.size();
        imageCount += page.images.size();
    }
    QCOMPARE(int(result.model.pages.size()), pages);
    QCOMPARE(shapeCount, shapes);
    QCOMPARE(textCount, texts);
    QCOMPARE(imageCount, images);
    QCOMPARE(delivered, pictures);
    QCOMPARE(hash.result().toHex().left(16), digest);
}

void TestVisioImporter::cancelStopsEveryKindOfDrawing()
{
    // Cancelled in either of libvisio's passes over the file, a parse stops
    // and leaves nothing behind, whatever it had read.
    int cancelled = 0;
    for (const QString &name : {QStringLiteral("LayOutShapesInCompactTreeStyle.vdx"),
                                QStringLiteral("CAN-BUS_Architecture.vsdx"),
                                QStringLiteral("TorrentScout_architecture.vsd")}) {
        if (!QFileInfo::exists(fixture(name)))
            continue;
        for (double at : {0.2, 0.7}) {
            auto state = std::make_shared<CountingInputStream::State>();
            const QString path = fixture(name);
            QFuture<VisioImporter::Result> import =
                QtConcurrent::run([path, state] { return VisioImporter::importFile(path, state); });
            while (!import.isFinished()
                   && (state->expectedBytes == 0 || state->bytesRead < at * state->expectedBytes))
                QThread::usleep(200);
            state->cancelled = true;
            const VisioImporter::Result result = import.result();
            if (result.outcome == VisioImporter::Loaded)
                continue; // done before the cancel arrived
            QCOMPARE(result.outcome, VisioImporter::Cancelled);
            QVERIFY(result.model.pages.isEmpty());
            ++cancelled;
        }
    }
    if (cancelled == 0)
        QSKIP("sample drawings not available, or read too fast to cancel");
}

QTEST_MAIN(TestVisioImporter)
#include "tst_VisioImporter.moc"
