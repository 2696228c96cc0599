#include "AppConfig.h"
#include "Common.h"
#include "DocumentGraphicsView.h"
#include "DocumentPrinter.h"
#include "NativeMessageBox.h"
#include "PdfDocumentWriter.h"

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
#include <QGraphicsItemGroup>
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

QString pdfInfo(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                              QStringLiteral("-l"), QStringLiteral("99"), path});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

private:
    QStringList m_alerts;
    QStringList m_revealed;
};

void TestDocumentPrinter::initTestCase()
{
    NativeMessageBox::setPresenterForTesting(
        [this](NativeMessageBox::Icon, const QString &, const QString &text) { m_alerts << text; });
    Common::setRevealBackendForTesting({[this](const QString &uri) {
                                            m_revealed << QUrl(uri).toLocalFile();
                                            return true;
                                        },
                                        [](const QUrl &) { return true; }});
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
    QCOMPARE(from, 1);
    QCOMPARE(to, 5);
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
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        QSKIP("pdfinfo (poppler-utils) is not installed.");
    // Two landscape pages of 1 x 0.5 in; the first has red on its left half.
    auto *scene = new QGraphicsScene();
    QList<QGraphicsItemGroup *> groups;
    QList<QRectF> rects;
    for (int i = 0; i < 2; ++i) {
        const QRectF page(0, i * 100, 96, 48);
        auto *group = new QGraphicsItemGroup();
        scene->addItem(group);
        group->addToGroup(scene->addRect(page, Qt::NoPen, Qt::white));
        if (i == 0)
            group->addToGroup(scene->addRect(QRectF(0, 0, 48, 48), Qt::NoPen, Qt::red));
        groups << group;
        rects << page;
    }
    DocumentGraphicsView view;
    view.setScene(scene);
    view.setPageRects(rects);
    view.setPageGroups(groups);
    view.setViewMode(DocumentGraphicsView::SinglePage);
    view.rotatePage(true);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.pdf"));
    m_alerts.clear();
    m_revealed.clear();
    QVERIFY(DocumentPrinter::writePdf(path, QStringLiteral("Site plan"), view.scene(),
                                      view.getLayoutRects(), &view));
    QVERIFY(m_alerts.isEmpty());
    QCOMPARE(m_revealed, QStringList{path});

    const QString info = pdfInfo(path);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page +1 size: +36 x 72 pts"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page +2 size: +72 x 36 pts"))), qPrintable(info));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Title: +Site plan\n"))));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Creator: +Bramwick Plandraw \\d"))));

    // Turned clockwise, the red left half is on top; the page hidden by
    // single-page display prints too.
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"),
                                              QStringLiteral("-png"), path, dir.filePath("p")});
    QVERIFY(raster.waitForFinished(60000));
    const QImage first(dir.filePath(QStringLiteral("p-1.png")));
    QCOMPARE(first.size(), QSize(36, 72));
    QCOMPARE(first.pixelColor(18, 10), QColor(Qt::red));
    QCOMPARE(first.pixelColor(18, 60), QColor(Qt::white));
    QVERIFY(groups.at(1)->isVisible() == false);
}

void TestDocumentPrinter::failedOrCancelledPdfKeepsTheOldFile()
{
    QList<QRectF> rects;
    std::unique_ptr<QGraphicsScene> scene(fivePages(&rects));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("previous");
    old.close();

    PdfDocumentWriter writer(scene.get(), rects);
    writer.setProgress([](int done, int) { return done < 3; });
    QCOMPARE(writer.write(path), PdfDocumentWriter::Cancelled);
    QCOMPARE(contentsOf(path), QByteArray("previous"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plan.pdf"});

    // A folder in the way, and a folder that is a file: one alert each,
    // naming the path, and nothing revealed.
    m_alerts.clear();
    m_revealed.clear();
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.pdf")));
    for (const QString &target : {dir.filePath(QStringLiteral("taken.pdf")),
                                  dir.filePath(QStringLiteral("plan.pdf/inner.pdf"))}) {
        QVERIFY(!DocumentPrinter::writePdf(target, QString(), scene.get(), rects, nullptr));
        QVERIFY2(m_alerts.size() == 1 && m_alerts.first().contains(target), qPrintable(m_alerts.join('|')));
        m_alerts.clear();
    }
    QVERIFY(m_revealed.isEmpty());
    QCOMPARE(contentsOf(path), QByteArray("previous"));
}

void TestDocumentPrinter::suggestionFollowsTheLastSaveFolder()
{
    QTemporaryDir first;
    QTemporaryDir second;
    AppConfig::instance()->setLastSavePath(first.path());
    QCOMPARE(DocumentPrinter::suggestedPdfPath(QStringLiteral("plan")), first.filePath("plan"));
    AppConfig::instance()->setLastSavePath(second.path());
    QCOMPARE(DocumentPrinter::suggestedPdfPath(QStringLiteral("plan")), second.filePath("plan"));
}

QTEST_MAIN(TestDocumentPrinter)
#include "tst_documentprinter.moc"
