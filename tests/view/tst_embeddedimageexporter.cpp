#include "EmbeddedImageExporter.h"
#include "HandBuiltDocument.h"
#include "VectorPictureItem.h"

#include <QDir>
#include <QFile>
#include <QGraphicsPixmapItem>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

#include <sys/resource.h>

namespace {

QGraphicsPixmapItem *addPicture(HandBuiltDocument *doc, int page, const QColor &colour)
{
    QPixmap pixmap;
    if (colour.isValid()) {
        pixmap = QPixmap(4, 3);
        pixmap.fill(colour);
    }
    auto *item = new QGraphicsPixmapItem(pixmap);
    doc->groups.at(page)->addToGroup(item);
    return item;
}

VectorPictureItem *addVectorPicture(HandBuiltDocument *doc, int page, bool placeholder)
{
    const auto picture = VisioVectorPicture::fromSvg(
        "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10'>"
        "<rect width='20' height='10' fill='#ff0000'/></svg>");
    auto *item = new VectorPictureItem(picture, QSizeF(40, 20));
    item->setPlaceholder(placeholder);
    doc->groups.at(page)->addToGroup(item);
    return item;
}

QStringList filesIn(const QString &path)
{
    return QDir(path).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

using Result = EmbeddedImageExporter::Result;

} // namespace

class TestEmbeddedImageExporter : public QObject
{
    Q_OBJECT

private slots:
    void namesNumbersFailuresAndCancel();
};

void TestEmbeddedImageExporter::namesNumbersFailuresAndCancel()
{
    HandBuiltDocument doc(HandBuiltDocument::repeated(12, QSizeF(100, 100)));
    std::unique_ptr<QGraphicsScene> scene(doc.scene);
    addPicture(&doc, 0, Qt::red);
    addPicture(&doc, 0, QColor()); // shows nothing: neither counted nor numbered
    doc.addText(0, QStringLiteral("not a picture"));
    addPicture(&doc, 0, Qt::green);
    addPicture(&doc, 11, Qt::blue);
    addVectorPicture(&doc, 1, true); // an object's stand-in is not a picture
    addVectorPicture(&doc, 1, false);

    QTemporaryDir base;
    for (int pass = 0; pass < 2; ++pass) { // the second run replaces the files
        const Result result = EmbeddedImageExporter::exportAll(doc.groups, "plan", base.path());
        QCOMPARE(result.outcome, EmbeddedImageExporter::Exported);
        QCOMPARE(result.saved, 4);
        QCOMPARE(result.exportDir, QDir(base.path()).absoluteFilePath(QStringLiteral("plan")));
        QCOMPARE(filesIn(result.exportDir),
                 (QStringList{"plan_P001_I01.png", "plan_P001_I02.png", "plan_P002_I01.png", "plan_P012_I01.png"}));
        QCOMPARE(QImage(result.exportDir + "/plan_P001_I02.png").pixelColor(0, 0), QColor(Qt::green));
        const QImage drawn(result.exportDir + "/plan_P002_I01.png");
        QVERIFY(drawn.width() >= 40);
        QCOMPARE(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2), QColor(Qt::red));
    }

    QCOMPARE(EmbeddedImageExporter::imageFileName(QStringLiteral("plan"), 999, 100),
             QStringLiteral("plan_P1000_I100.png"));
    QCOMPARE(EmbeddedImageExporter::folderName(QString()), QStringLiteral("Exported_Images"));

    // A picture's name is taken by a folder: the others are still written
    // and the failure names the file.
    QVERIFY(QDir(base.path()).mkpath(QStringLiteral("other/other_P001_I01.png")));
    Result result = EmbeddedImageExporter::exportAll(doc.groups, "other", base.path());
    QCOMPARE(result.outcome, EmbeddedImageExporter::Failed);
    QCOMPARE(result.saved, 3);
    QVERIFY2(result.errorText.contains(QLatin1String("other_P001_I01.png")), qPrintable(result.errorText));

    // Cancelling keeps what was written.
    QTemporaryDir again;
    result = EmbeddedImageExporter::exportAll(doc.groups, "plan", again.path(),
                                              [](int, int) { return false; });
    QCOMPARE(result.outcome, EmbeddedImageExporter::Cancelled);
    QCOMPARE(filesIn(result.exportDir), QStringList{"plan_P001_I01.png"});

    // A disk that fills while the last buffered bytes go out: the picture
    // fails rather than being kept cut short. Noise does not compress, so
    // its PNG is about 30 KB.
    HandBuiltDocument noisy(HandBuiltDocument::repeated(1, QSizeF(100, 100)));
    std::unique_ptr<QGraphicsScene> noisyScene(noisy.scene);
    QImage noise(100, 100, QImage::Format_RGB32);
    quint32 seed = 1;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x)
            noise.setPixel(x, y, (seed = seed * 1664525u + 1013904223u) >> 8);
    }
    noisy.groups.first()->addToGroup(new QGraphicsPixmapItem(QPixmap::fromImage(noise)));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = 20000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    result = EmbeddedImageExporter::exportAll(noisy.groups, "full", base.path());
    setrlimit(RLIMIT_FSIZE, &old);
    QCOMPARE(result.outcome, EmbeddedImageExporter::Failed);
    QCOMPARE(filesIn(result.exportDir), QStringList());
}

QTEST_MAIN(TestEmbeddedImageExporter)
#include "tst_embeddedimageexporter.moc"
