#include "DocumentPrinter.h"

#include <QFile>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
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

} // namespace

class TestDocumentPrinter : public QObject
{
    Q_OBJECT

private slots:
    void pageRanges();
    void degeneratePagesStayBlank();
};

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

QTEST_MAIN(TestDocumentPrinter)
#include "tst_documentprinter.moc"
