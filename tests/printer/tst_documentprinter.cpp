#include "AppConfig.h"
#include "Common.h"
#include "DocumentGraphicsView.h"
#include "DocumentPrinter.h"
#include "NativeMessageBox.h"
#include "PdfDocumentWriter.h"
#include "LayerVisibility.h"
#include "VisioRenderer.h"
#include "VisioSceneBuilder.h"

#include <librevenge/librevenge.h>

#include <QBuffer>
#include <QFile>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

int pdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}

// Five pages of 100 x 50 units stacked with gaps, each a different grey.
QGraphicsScene *fivePages(QList<QRectF> *rects)
{
    auto *scene = new QGraphicsScene();
    for (int i = 0; i < 5; ++i) {
        const QRectF r(0, i * 100, 100, 50);
        scene->addRect(r, Qt::NoPen, QColor(40 * i, 40 * i, 40 * i));
        rects->append(r);
    }
    return scene;
}

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

librevenge::RVNGPropertyList inches(double x, double y, const char *display)
{
    librevenge::RVNGPropertyList props;
    props.insert("svg:x", x);
    props.insert("svg:y", y);
    props.insert("svg:width", 0.8);
    props.insert("svg:height", 0.8);
    if (display)
        props.insert("draw:display", display);
    return props;
}

// A 4 x 3 in page: per column one display value, each with a red square,
// a blue picture and a text naming the value.
VisioDocumentModel displayGrid()
{
    QImage blue(8, 8, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    blue.save(&buffer, "PNG");

    VisioRenderer r(QStringLiteral("display.vsdx"));
    librevenge::RVNGPropertyList page;
    page.insert("svg:width", 4.0);
    page.insert("svg:height", 3.0);
    r.startPage(page);
    librevenge::RVNGPropertyList red;
    red.insert("draw:fill", "solid");
    red.insert("draw:fill-color", "#ff0000");
    red.insert("draw:stroke", "none");
    r.setStyle(red);
    const char *values[] = {nullptr, "screen", "printer", "none"};
    const char *names[] = {"Talways", "Tscreen", "Tprinter", "Tnone"};
    for (int c = 0; c < 4; ++c) {
        r.drawPath(inches(c + 0.1, 0.1, values[c]));
        librevenge::RVNGPropertyList picture = inches(c + 0.1, 1.1, values[c]);
        picture.insert("librevenge:mime-type", "image/png");
        picture.insert("office:binary-data", png.toBase64().constData());
        r.drawGraphicObject(picture);
        r.startTextObject(inches(c + 0.1, 2.1, values[c]));
        r.insertText(librevenge::RVNGString(names[c]));
        r.endTextObject();
    }
    r.endPage();
    return r.takeDocumentModel();
}

QString pdfInfo(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {"-f", "1", "-l", "99", path});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestDocumentPrinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageRanges();
    void degeneratePagesStayBlank();
    void savedPdfKeepsTurnedPagesAndIsRevealed();
    void failedOrCancelledPdfKeepsTheOldFile();
    void suggestionFollowsTheLastSaveFolder();
    void displayDecidesScreenAndPaper();

private:
    QStringList m_alerts;
    QStringList m_revealed;
};

void TestDocumentPrinter::initTestCase()
{
    NativeMessageBox::setPresenterForTesting(
        [this](NativeMessageBox::Icon, const QString &, const QString &text) { m_alerts << text; });
    Common::setRevealBackendForTesting(
        {[this](const QString &uri) { m_revealed << QUrl(uri).toLocalFile(); return true; }, {}});
}

void TestDocumentPrinter::pageRanges()
{
    QList<QRectF> rects;
    std::unique_ptr<QGraphicsScene> scene(fivePages(&rects));
    QTemporaryDir dir;
    auto printTo = [&](const QString &name, int from, int to) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(name));
        const bool ok = DocumentPrinter::renderToPrinter(scene.get(), rects, &printer, from, to);
        return ok ? pdfPageCount(dir.filePath(name)) : -1;
    };
    QCOMPARE(printTo("all.pdf", 1, 5), 5);
    QCOMPARE(printTo("first.pdf", 0, 1), 1);
    QCOMPARE(printTo("tail.pdf", 2, 99), 4);

    // The dialog's choice: all pages, or the range as given.
    QPrinter chosen;
    int from = 0;
    int to = 0;
    DocumentPrinter::chosenPages(chosen, 5, &from, &to);
    QCOMPARE(printTo("chosen-all.pdf", from, to), 5);
    chosen.setPrintRange(QPrinter::PageRange);
    chosen.setFromTo(2, 99);
    DocumentPrinter::chosenPages(chosen, 5, &from, &to);
    QCOMPARE(printTo("chosen.pdf", from, to), 4);
    QVERIFY(printTo("none.pdf", 7, 9) <= 1);

    // A printer that cannot open its output reports it.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("missing/folder/x.pdf"));
    QVERIFY(!DocumentPrinter::renderToPrinter(scene.get(), rects, &printer, 1, 5));
}

void TestDocumentPrinter::degeneratePagesStayBlank()
{
    QGraphicsScene scene;
    scene.addRect(QRectF(0, 0, 100, 100), Qt::NoPen, Qt::red);
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QVERIFY(!DocumentPrinter::renderPage(&painter, &scene, QRectF(0, 0, 0, 100), image.rect()));
    QVERIFY(!DocumentPrinter::renderPage(&painter, &scene, QRectF(0, 0, 100, 0), image.rect()));
    QVERIFY(!DocumentPrinter::renderPage(&painter, &scene, QRectF(0, 0, 100, 100), QRectF()));
    QVERIFY(!DocumentPrinter::renderPage(&painter, nullptr, QRectF(0, 0, 100, 100), image.rect()));
    painter.end();
    QCOMPARE(image.pixel(25, 25), qRgb(255, 255, 255));

    // Printing a zero-sized page keeps its sheet and goes on with the next.
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("zero.pdf"));
    const QList<QRectF> rects = {QRectF(0, 0, 0, 0), QRectF(0, 0, 100, 100)};
    QVERIFY(DocumentPrinter::renderToPrinter(&scene, rects, &printer, 1, 2));
    QCOMPARE(pdfPageCount(dir.filePath("zero.pdf")), 2);
    // Nothing to print is not an error.
    QVERIFY(DocumentPrinter::renderToPrinter(nullptr, rects, &printer, 1, 2));
    QVERIFY(DocumentPrinter::renderToPrinter(&scene, {}, &printer, 1, 2));
}

void TestDocumentPrinter::savedPdfKeepsTurnedPagesAndIsRevealed()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("poppler-utils are not installed.");
    // Two landscape pages of 1 x 0.5 in; the first has red on its left half.
    auto *scene = new QGraphicsScene();
    QList<QGraphicsItemGroup *> groups;
    QList<QRectF> rects;
    for (int i = 0; i < 2; ++i) {
        rects << QRectF(0, i * 100, 96, 48);
        groups << scene->createItemGroup({scene->addRect(rects.last(), Qt::NoPen, Qt::white)});
    }
    groups.first()->addToGroup(scene->addRect(QRectF(0, 0, 48, 48), Qt::NoPen, Qt::red));
    DocumentGraphicsView view;
    view.setScene(scene);
    view.setPageRects(rects);
    view.setPageGroups(groups);
    view.rotatePage(true);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.pdf"));
    m_alerts.clear();
    QVERIFY(DocumentPrinter::writePdf(path, "Site plan", view.scene(), view.getLayoutRects(), &view));
    QVERIFY(m_alerts.isEmpty());
    QCOMPARE(m_revealed, QStringList{path});
    const QString info = pdfInfo(path);
    for (const char *line : {"Page +1 size: +36 x 72 pts", "Page +2 size: +72 x 36 pts",
                             "Title: +Site plan\n", "Creator: +Bramwick Plandraw \\d"})
        QVERIFY2(info.contains(QRegularExpression(QLatin1String(line))), line);

    // Turned clockwise, the red left half is on top.
    QProcess::execute(QStringLiteral("pdftoppm"), {"-r", "72", "-f", "1", "-l", "1", "-png", path,
                                                   dir.filePath("p")});
    const QImage first(dir.filePath(QStringLiteral("p-1.png")));
    QCOMPARE(first.size(), QSize(36, 72));
    QCOMPARE(first.pixelColor(18, 10), QColor(Qt::red));
    QCOMPARE(first.pixelColor(18, 60), QColor(Qt::white));
}

void TestDocumentPrinter::failedOrCancelledPdfKeepsTheOldFile()
{
    QList<QRectF> rects;
    std::unique_ptr<QGraphicsScene> scene(fivePages(&rects));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("previous") == 8);
    old.close();

    PdfDocumentWriter writer(scene.get(), rects);
    writer.setProgress([](int done, int) { return done < 3; });
    QCOMPARE(writer.write(path), PdfDocumentWriter::Cancelled);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plan.pdf"});

    // A folder in the way, a folder that is a file: one alert naming the
    // path each, and nothing revealed.
    m_alerts.clear();
    m_revealed.clear();
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.pdf")));
    for (const QString &target : {dir.filePath("taken.pdf"), dir.filePath("plan.pdf/inner.pdf")}) {
        QVERIFY(!DocumentPrinter::writePdf(target, QString(), scene.get(), rects, nullptr));
        QVERIFY2(m_alerts.size() == 1 && m_alerts.first().contains(target), qPrintable(target));
        m_alerts.clear();
    }
    QVERIFY(m_revealed.isEmpty());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("previous"));
}

void TestDocumentPrinter::suggestionFollowsTheLastSaveFolder()
{
    AppConfig::instance()->setLastSavePath(QStringLiteral("/srv/plans"));
    QCOMPARE(DocumentPrinter::suggestedPdfPath(QStringLiteral("plan")), QStringLiteral("/srv/plans/plan"));
}

// libvisio's four display values on paths, pictures and texts: the view
// shows always and screen, paper gets always and printer, and the view is
// as it was after a PDF.
void TestDocumentPrinter::displayDecidesScreenAndPaper()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("poppler-utils are not installed.");
    QList<QRectF> rects;
    QList<QGraphicsItemGroup *> groups;
    DocumentGraphicsView view;
    view.setScene(VisioSceneBuilder::buildScene(displayGrid(), &rects, &groups, 96.0));
    view.setPageRects(rects);
    view.setPageGroups(groups);

    const auto colourAt = [](const QImage &image, double x, double y) {
        return image.pixelColor(int(x * image.width() / 4.0), int(y * image.height() / 3.0));
    };
    const auto screen = [&] {
        QImage image(384, 288, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        view.scene()->render(&painter, QRectF(image.rect()), rects.first());
        return image;
    };
    const bool shownOnScreen[] = {true, true, false, false};
    const bool onPaper[] = {true, false, true, false};
    QImage before = screen();
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(colourAt(before, c + 0.5, 0.5) == Qt::red, shownOnScreen[c]);
        QCOMPARE(colourAt(before, c + 0.5, 1.5) == Qt::blue, shownOnScreen[c]);
    }
    QStringList found;
    for (const SearchResult &result : view.searchText(QStringLiteral("T")))
        found << result.text;
    QCOMPARE(found, (QStringList{"Talways", "Tscreen"}));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("display.pdf"));
    QVERIFY(DocumentPrinter::writePdf(path, QString(), view.scene(), rects, &view));
    const QString text = pdfText(path);
    QProcess::execute(QStringLiteral("pdftoppm"), {"-r", "24", "-png", path, dir.filePath("p")});
    const QImage paper(dir.filePath(QStringLiteral("p-1.png")));
    QCOMPARE(paper.size(), QSize(96, 72));
    const char *names[] = {"Talways", "Tscreen", "Tprinter", "Tnone"};
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(colourAt(paper, c + 0.5, 0.5).red() > 200 && colourAt(paper, c + 0.5, 0.5).green() < 60,
                 onPaper[c]);
        QCOMPARE(colourAt(paper, c + 0.5, 1.5).blue() > 200 && colourAt(paper, c + 0.5, 1.5).red() < 60,
                 onPaper[c]);
        QVERIFY2(text.contains(QLatin1String(names[c])) == onPaper[c], names[c]);
    }
    QCOMPARE(screen(), before);

    // Shown by the user, hidden content is printed only when asked for.
    const LayerVisibility::PageLayers layers = LayerVisibility::pageLayers(groups.first());
    for (int i = 0; i < layers.layers.size(); ++i)
        LayerVisibility::setShown(groups.first(), i, true);
    QCOMPARE(colourAt(screen(), 3.5, 1.5), QColor(Qt::blue));
    {
        const LayerVisibility::Scope paperOnly(view.scene(), LayerVisibility::Paper);
        QCOMPARE(colourAt(screen(), 3.5, 1.5), QColor(Qt::white));
    }
    QCOMPARE(colourAt(screen(), 3.5, 1.5), QColor(Qt::blue));
}

QTEST_MAIN(TestDocumentPrinter)
#include "tst_documentprinter.moc"
