#include "VectorPictureItem.h"
#include "VisioPictureLoader.h"
#include "VisioImage.h"

#include "../data/pictures/PictureBytes.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QSharedPointer<const VisioVectorPicture> emfPicture(const QString &text = QString())
{
    VisioImage record;
    VisioPictureLoader::load(PictureBytes::emf(96, 48, text), QStringLiteral("emf"),
                             QSizeF(1, 0.5), record);
    return record.vector;
}

// Pixels of one row that are none of the picture's colours (blue fill, black
// outline, white): the blur at its edges.
int edgeWidth(const QImage &image, int row)
{
    int blurred = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, row);
        const bool blue = c.blue() > 200 && c.red() < 40;
        const bool white = c.red() > 215 && c.green() > 215 && c.blue() > 215;
        const bool black = c.lightness() < 40;
        blurred += (blue || white || black) ? 0 : 1;
    }
    return blurred;
}

} // namespace

class TestVectorPicture : public QObject
{
    Q_OBJECT

private slots:
    void staysSharpWhenZoomed();
    void pdfKeepsPictureText();
};

void TestVectorPicture::staysSharpWhenZoomed()
{
    const auto picture = emfPicture();
    QVERIFY(picture);
    QGraphicsScene scene;
    scene.setSceneRect(0, 0, 96, 48);
    auto *item = new VectorPictureItem(picture, QSizeF(96, 48));
    scene.addItem(item);
    QCOMPARE(item->toImage().size(), QSize(96, 48));

    // Printing, export and thumbnails: straight into an image, at 100 % and 800 %.
    QImage normal(96, 48, QImage::Format_RGB32);
    QImage zoomed(768, 384, QImage::Format_RGB32);
    for (QImage *image : {&normal, &zoomed}) {
        image->fill(Qt::white);
        QPainter painter(image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, QRectF(image->rect()), scene.sceneRect());
    }
    // A 96 dpi raster blown up eight times would smear each edge over
    // several pixels.
    QVERIFY(edgeWidth(normal, 24) <= 4);
    QVERIFY2(edgeWidth(zoomed, 200) <= 4, qPrintable(QString::number(edgeWidth(zoomed, 200))));

    // On screen the item paints from its cache, made at the view's scale.
    QGraphicsView view(&scene);
    view.setFrameShape(QFrame::NoFrame);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.resize(768, 384);
    view.scale(8, 8);
    view.setRenderHint(QPainter::Antialiasing);
    const QImage screen = view.grab().toImage();
    QVERIFY2(edgeWidth(screen, 200) <= 4, qPrintable(QString::number(edgeWidth(screen, 200))));

    // A view below a tool bar: the cached raster lands on the picture's place.
    QWidget window;
    window.resize(200, 200);
    auto *lowered = new QGraphicsView(&scene, &window);
    lowered->setFrameShape(QFrame::NoFrame);
    lowered->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lowered->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lowered->setGeometry(30, 60, 96, 48);
    const QColor centre = window.grab().toImage().pixelColor(30 + 24, 60 + 24);
    QVERIFY2(centre.blue() > 200 && centre.red() < 40, qPrintable(centre.name()));
}

void TestVectorPicture::pdfKeepsPictureText()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const auto picture = emfPicture(QStringLiteral("Quarterly"));
    QVERIFY(picture);
    QGraphicsScene scene;
    scene.addItem(new VectorPictureItem(picture, QSizeF(96, 48)));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.pdf"));
    {
        QPdfWriter writer(path);
        QPainter painter(&writer);
        scene.render(&painter);
    }
    QProcess process;
    process.start(pdftotext, {path, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    QVERIFY(QString::fromUtf8(process.readAllStandardOutput()).contains(QLatin1String("Quarterly")));
}

QTEST_MAIN(TestVectorPicture)
#include "tst_vectorpicture.moc"
