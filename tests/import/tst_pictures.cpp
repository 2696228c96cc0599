#include "VisioOleObject.h"
#include "VisioPictureConversion.h"
#include "VisioPictureLoader.h"
#include "VisioImage.h"
#include "VisioSvgRepair.h"
#include "VisioVectorPicture.h"
#include "VisioWmfPlayer.h"

#include "../data/pictures/PictureBytes.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QPainter>
#include <QPicture>
#include <QSvgRenderer>
#include <QtTest>

#include <functional>

using namespace PictureBytes;

namespace {

QByteArray pngBytes(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

int countPixels(const QImage &image, const std::function<bool(QColor)> &match)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += match(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void largeEmfStaysVector();
    void maskedBitmapShowsItsGlyph();
    void repairedSvgRenders();
    void farReachingPathsAreRefused();
    void wmfDrawsShapesAndText();
    void embeddedObjects();
    void hostileInput_data();
    void hostileInput();
};

void TestPictures::largeEmfStaysVector()
{
    // Far beyond the old in-process limit of 50,000 bytes.
    const QByteArray big = emf(200, 100, QStringLiteral("Rack"), 600 * 1024);
    QVERIFY(big.size() >= 600 * 1024);
    VisioImage record;
    QString error;
    QVERIFY2(VisioPictureLoader::load(big, QStringLiteral("x-emf"), QSizeF(2, 1), record, &error),
             qPrintable(error));
    QVERIFY(record.vector);
    QVERIFY(record.image.isNull());
    QCOMPARE(record.vector->texts(), QStringList(QStringLiteral("Rack")));
    // Drawn: blue on the left half, white on the right.
    const QImage image = record.vector->toImage(QSize(200, 100));
    QCOMPARE(image.pixelColor(50, 50), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(190, 95), QColor(Qt::white));
}

// Icons drawn as GDI draws them: OR a 1-bit mask onto the background, then
// AND the glyph over it. Painted opaquely, the last bitmap is a white box.
void TestPictures::maskedBitmapShowsItsGlyph()
{
    QByteArray body;
    QByteArray brush; // EMR_CREATEBRUSHINDIRECT, handle 1, solid green
    for (quint32 v : {1u, 0u, 0x0000FF00u, 0u})
        u32(brush, v);
    emfRecord(body, 39, brush);
    QByteArray select;
    u32(select, 1);
    emfRecord(body, 37, select);
    QByteArray rect;
    for (quint32 v : {0u, 0u, 48u, 48u})
        u32(rect, v);
    emfRecord(body, 43, rect);
    // 8 x 8 pixels at 1 bit, black and white, stretched over 32 x 32 at 8, 8;
    // rows given top first.
    auto mask = [](quint32 rop, const QList<uchar> &rows) {
        QByteArray record = bitmapRecord(81, 8, 8, 1, 0, 2, 32);
        char *r = record.data();
        for (auto [at, v] : {std::pair{24, 8u}, {28, 8u}, {68, rop}, {72, 32u}, {76, 32u},
                             {124, 0x00FFFFFFu}})
            qToLittleEndian<quint32>(v, r + at);
        for (int y = 0; y < 8; ++y) // bottom-up, rows padded to 4 bytes
            qToLittleEndian<quint32>(rows[7 - y], r + 128 + 4 * y);
        return record;
    };
    body.append(mask(0x00EE0086, {0, 0, 0x3C, 0x3C, 0x3C, 0x3C, 0, 0})); // OR: white square
    body.append(mask(0x008800C6, {0xFF, 0xFF, 0xFF, 0xE7, 0xE7, 0xFF, 0xFF, 0xFF})); // AND: dot
    // A grey block transfer that leaves the picture as it was.
    QByteArray kept = bitmapRecord(76, 8, 8, 24, 0, 0, 192);
    qToLittleEndian<quint32>(0x00AA0029, kept.data() + 40);
    body.append(kept);

    VisioImage record;
    QString error;
    QVERIFY2(VisioPictureLoader::load(emfOf(48, 48, body), QStringLiteral("x-emf"),
                                      QSizeF(0.5, 0.5), record, &error),
             qPrintable(error));
    QVERIFY(record.vector);
    const QImage image = record.vector->toImage(QSize(48, 48));
    auto near = [&image](int x, int y, QColor expected) {
        const QColor c = image.pixelColor(x, y);
        return qAbs(c.red() - expected.red()) < 40 && qAbs(c.green() - expected.green()) < 40
               && qAbs(c.blue() - expected.blue()) < 40;
    };
    const QColor green(0, 255, 0);
    QVERIFY2(near(10, 10, green) && near(37, 37, green) && near(37, 10, green),
             "a box around the glyph");
    QVERIFY2(near(18, 18, Qt::white) && near(29, 18, Qt::white), "the glyph's white lost");
    QVERIFY2(near(23, 23, Qt::black), "the glyph's dark centre lost");
    QVERIFY2(near(4, 4, green), "the unchanged block transfer painted");
}

void TestPictures::repairedSvgRenders()
{
    const QByteArray broken =
        "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10'>"
        "<defs><clipPath id='a'><rect width='10' height='10'/></clipPath>"
        "<clipPath id='b'><rect width='2' height='2'/></clipPath></defs>"
        "<rect width='20' height='10' fill='#ff0000' clip-path='url(#a)' clip-path='url(#b)' "
        "fill='#0000ff'/>"
        "<text x='12' y='8' font-size='4'><![CDATA[R&D]]></text>"
        "<text x='12' y='4' font-size='4'>A & B \x01&amp; C</text></svg>";
    QVERIFY(!QSvgRenderer(broken).isValid());

    QList<VisioSvgRepair::TextRun> texts;
    const QByteArray repaired = VisioSvgRepair::repair(broken, &texts);
    QSvgRenderer renderer(repaired);
    QVERIFY(renderer.isValid());
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts[0].text, QStringLiteral("R&D"));
    QCOMPARE(texts[1].text, QStringLiteral("A & B & C"));

    // Of a repeated attribute the first one is kept.
    QImage image(20, 10, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, 20, 10));
    painter.end();
    QCOMPARE(image.pixelColor(1, 9), QColor(Qt::red));

    // Truncated output is closed off instead of refused.
    QVERIFY(QSvgRenderer(VisioSvgRepair::repair(broken.left(broken.indexOf("<text")) + "</svg>"))
                .isValid());
}

void TestPictures::farReachingPathsAreRefused()
{
    // A zigzag of n points over a picture of 220 x 27, spanning `span` either
    // way: filling one that reaches a hundred times past the picture took Qt
    // seconds at any size.
    const auto zigzag = [](int n, double span) {
        QByteArray d = "M 0,0";
        for (int i = 0; i < n; ++i)
            d += " L " + QByteArray::number(i % 2 ? span : -span) + ","
                 + QByteArray::number((i * 7) % 23 ? span / 2 : -span / 3);
        return d + " Z";
    };
    const auto svg = [](const QByteArray &path) {
        return "<svg xmlns='http://www.w3.org/2000/svg' width='220' height='27'>"
               "<g transform='matrix(16 0 0 16 0 0)'><path d='" + path
               + "' fill='#929292' stroke='#929292'/></g></svg>";
    };
    QString error;
    QVERIFY(!VisioVectorPicture::fromSvg(svg(zigzag(1500, 32768)), &error));
    QVERIFY2(error.contains(QStringLiteral("too long")), qPrintable(error));
    // As many points near the picture, or a few reaching far, draw quickly.
    QVERIFY(VisioVectorPicture::fromSvg(svg(zigzag(1500, 12))));
    QVERIFY(VisioVectorPicture::fromSvg(svg(zigzag(4, 32768))));

    // Played metafiles are measured the same way.
    QPicture picture;
    QPainter painter(&picture);
    QPolygonF far;
    for (int i = 0; i < 1500; ++i)
        far << QPointF(i % 2 ? 500000 : -500000, (i * 7) % 23 ? 300000 : -200000);
    painter.drawPolygon(far);
    painter.end();
    QVERIFY(!VisioVectorPicture::fromPicture(picture, QRectF(0, 0, 220, 27), {}, &error));
    QVERIFY(VisioVectorPicture::fromPicture(picture, QRectF(-500000, -200000, 1e6, 5e5), {}));
}

void TestPictures::wmfDrawsShapesAndText()
{
    const QByteArray data = wmf("Hello");
    QVERIFY(VisioWmfPlayer::looksLikeWmf(data));
    QString error;
    const auto picture = VisioWmfPlayer::play(data, &error);
    QVERIFY2(picture, qPrintable(error));
    QCOMPARE(picture->size(), QSizeF(1000, 500));
    QCOMPARE(picture->texts(), QStringList(QStringLiteral("Hello")));

    const QImage image = picture->toImage(QSize(400, 200));
    QCOMPARE(image.pixelColor(100, 100), QColor(Qt::red));
    // The word: dark pixels in the right half only.
    const QImage right = image.copy(200, 0, 200, 200);
    QVERIFY(countPixels(right, [](QColor c) { return c.lightness() < 100; }) > 20);
    QCOMPARE(countPixels(image.copy(10, 10, 180, 180), [](QColor c) { return c.lightness() < 60; }),
             0);
}

void TestPictures::embeddedObjects()
{
    // A package holding a PNG shows the PNG.
    const QByteArray png = pngBytes(30, 20);
    QByteArray native;
    u32(native, quint32(png.size()));
    native.append(png);
    VisioOleObject object = VisioOleObject::read(
        compoundFile({{QStringLiteral("\x01Ole10Native"), native}}), QSizeF(1, 1));
    QVERIFY(!object.placeholder);
    QCOMPARE(object.image.size(), QSize(30, 20));
    QCOMPARE(object.image.pixelColor(5, 5), QColor(Qt::green));

    // A stored presentation wins over the native data: here a WMF.
    QByteArray pres;
    for (quint32 v : {0xFFFFFFFFu, 3u, 4u, 1u, 0xFFFFFFFFu, 0u, 0u, 2540u, 1270u})
        u32(pres, v);
    const QByteArray metafile = wmf("Sheet");
    u32(pres, quint32(metafile.size()));
    pres.append(metafile);
    object = VisioOleObject::read(compoundFile({{QStringLiteral("\x02OlePres000"), pres},
                                                {QStringLiteral("\x01Ole10Native"), native}}),
                                  QSizeF(1, 1));
    QVERIFY(object.vector);
    QCOMPARE(object.vector->texts(), QStringList(QStringLiteral("Sheet")));

    // Nothing drawable: a placeholder of the object's size naming its kind.
    QByteArray compObj(28, '\0');
    const QByteArray kind("Microsoft Word Document");
    u32(compObj, quint32(kind.size() + 1));
    compObj.append(kind);
    compObj.append('\0');
    object = VisioOleObject::read(compoundFile({{QStringLiteral("\x01" "CompObj"), compObj}}),
                                  QSizeF(2, 1));
    QVERIFY(object.placeholder);
    QCOMPARE(object.kind, QString::fromLatin1(kind));
    QVERIFY(object.vector);
    QCOMPARE(object.vector->size(), QSizeF(192, 96));
    QVERIFY(object.vector->texts().contains(QString::fromLatin1(kind)));
}

void TestPictures::hostileInput_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("shows");

    QTest::newRow("EMF claiming 2^31 records") << "emf" << emf(50, 50, QString(), 0, 0x80000000u)
                                               << true;
    QByteArray hugeFrame = emf(50, 50);
    for (int offset : {16, 20, 32, 36}) // bounds and frame: about 10^9 pixels a side
        qToLittleEndian<quint32>(offset < 24 ? 1000000000u : 2000000000u, hugeFrame.data() + offset);
    QTest::newRow("EMF with a 10^9-pixel frame") << "emf" << hugeFrame << true;
    QByteArray negative = emf(50, 50);
    qToLittleEndian<qint32>(-500, negative.data() + 16);
    qToLittleEndian<qint32>(-500, negative.data() + 20);
    QTest::newRow("EMF of negative size") << "emf" << negative << true;
    QByteArray truncated = emf(50, 50).left(120);
    QTest::newRow("EMF cut inside a record") << "emf" << truncated << true;
    // Two 8 x 8 pattern brushes alike in their first 192 bytes, the second
    // claiming more bits: the converter compares it with the first's copy at
    // the second's size.
    QByteArray brushes;
    for (quint32 bits : {192u, 4096u}) {
        QByteArray brush;
        for (quint32 v : {3u, 0u, 32u, 40u, 72u, bits, 40u, 8u, 8u})
            u32(brush, v); // handle, usage, header and bits; BITMAPINFOHEADER
        u16(brush, 1);
        u16(brush, 24);
        for (quint32 v : {0u, 192u, 0u, 0u, 0u, 0u})
            u32(brush, v);
        brush.append(QByteArray(int(bits), '\x55'));
        emfRecord(brushes, 94, brush); // EMR_CREATEDIBPATTERNBRUSHPT
    }
    QTest::newRow("EMF brushes growing past their copies")
        << "emf" << emf(50, 50, QString(), 0, 0, brushes) << false;
    // Bitmap records: the converter trusts their offsets, reads a colour for
    // every index a pixel holds, and reads rows padded to 4 bytes.
    QTest::newRow("EMF stretching a sound bitmap")
        << "emf" << emf(50, 50, QString(), 0, 0, bitmapRecord(81, 8, 8, 24, 0, 0, 192)) << true;
    QTest::newRow("EMF alpha-blending a sound 8-bit bitmap")
        << "emf" << emf(50, 50, QString(), 0, 0, bitmapRecord(114, 4, 4, 8, 0, 256, 16)) << true;
    QTest::newRow("EMF 4-bit bitmap using only the colours it lists")
        << "emf" << emf(50, 50, QString(), 0, 0, bitmapRecord(77, 4, 4, 4, 0, 6, 16)) << true;
    QTest::newRow("EMF block transfer with the brush alone")
        << "emf" << emf(50, 50, QString(), 0, 0, bitmapRecord(76, 8, 8, 24, 0, 0, 0)) << true;
    QTest::newRow("EMF bitmap with unpadded rows")
        << "emf" << emf(50, 50, QString(), 0, 0, bitmapRecord(81, 5, 5, 24, 0, 0, 76)) << false;
    QTest::newRow("EMF 8-bit bitmap with a short colour table")
        << "emf" << emf(50, 50, QString(), 0, 0, bitmapRecord(114, 4, 4, 8, 0, 2, 16)) << false;
    QByteArray farHeader = bitmapRecord(80, 8, 8, 24, 0, 0, 192);
    qToLittleEndian<quint32>(0x7FFFFFF0u, farHeader.data() + 48);
    QTest::newRow("EMF bitmap header outside its record")
        << "emf" << emf(50, 50, QString(), 0, 0, farHeader) << false;
    QByteArray cut;
    emfRecord(cut, 76, QByteArray(40, '\0'));
    QTest::newRow("EMF block transfer cut before its offsets")
        << "emf" << emf(50, 50, QString(), 0, 0, cut) << false;
    QTest::newRow("WMF with a record size of 0") << "wmf" << wmf("Zero", true) << false;
    QTest::newRow("ink that is not WMF") << "wmf" << QByteArray(300, '\x07') << false;
    QByteArray native;
    u32(native, 0x7FFFFFF0u); // far more than the stream holds
    native.append(pngBytes(4, 4));
    QTest::newRow("package claiming more than it holds")
        << "ole" << compoundFile({{QStringLiteral("\x01Ole10Native"), native}}) << true;
    QTest::newRow("compound file with a sector cycle")
        << "ole" << compoundFile({{QStringLiteral("\x01Ole10Native"), native}}, true) << true;
    QByteArray dib;
    for (quint32 v : {40u, 4u, 0x80000000u})
        u32(dib, v);
    u16(dib, 1);
    u16(dib, 24);
    dib.append(QByteArray(24 + 64, '\0'));
    QByteArray dibPres;
    for (quint32 v : {0xFFFFFFFFu, 8u, 4u, 1u, 0xFFFFFFFFu, 0u, 0u, 100u, 100u})
        u32(dibPres, v);
    u32(dibPres, quint32(dib.size()));
    dibPres.append(dib);
    QTest::newRow("DIB of height -2^31")
        << "ole" << compoundFile({{QStringLiteral("\x02OlePres000"), dibPres}}) << true;
}

// Each draws what it can, or nothing, and returns promptly.
void TestPictures::hostileInput()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, data);
    QFETCH(bool, shows);
    QElapsedTimer timer;
    timer.start();
    VisioImage record;
    QString error;
    const bool loaded = VisioPictureLoader::load(data, format, QSizeF(1, 1), record, &error);
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(loaded, shows);
    if (!loaded)
        QVERIFY(!error.isEmpty());
    if (record.vector)
        record.vector->toImage(QSize(64, 64));
    QVERIFY(imageFromDib(QByteArray::fromHex("28000000040000000000008001001800")).isNull());
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
