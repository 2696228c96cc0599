// Packages read by our own reader: what libvisio sees must be what it saw
// reading the file itself, and damaged packages must fail cleanly or load
// what they can.

#include "Log.h"
#include "NullDrawingInterface.h"
#include "PackageRelationships.h"
#include "VisioImporter.h"
#include "VsdxGenerator.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>
#include <QtEndian>
#include <QtTest>

#include <libvisio/libvisio.h>
#include <librevenge-stream/librevenge-stream.h>
#include <zip.h>

#include <functional>

namespace {

using Delivery = QList<QPair<QString, QByteArray>>; // MIME type, bytes

// The pictures as libvisio hands them over when it reads the file itself.
class PictureCapture : public NullDrawingInterface
{
public:
    Delivery delivered;
    void drawGraphicObject(const librevenge::RVNGPropertyList &props) override
    {
        const librevenge::RVNGProperty *mime = props["librevenge:mime-type"];
        const librevenge::RVNGProperty *data = props["office:binary-data"];
        delivered.append({QString::fromUtf8(mime ? mime->getStr().cstr() : ""),
                          QByteArray::fromBase64(data ? data->getStr().cstr() : "")});
    }
};

Delivery readByLibvisio(const QString &path)
{
    librevenge::RVNGFileStream stream(QFile::encodeName(path).constData());
    PictureCapture capture;
    if (libvisio::VisioDocument::isSupported(&stream)) {
        stream.seek(0, librevenge::RVNG_SEEK_SET);
        libvisio::VisioDocument::parse(&stream, &capture);
    }
    return capture.delivered;
}

QByteArray png(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An 8-bit bitmap without its file header, as a device-independent bitmap.
QByteArray dib()
{
    const int width = 8, height = 4;
    QByteArray out(40 + 256 * 4 + width * height, '\0');
    qToLittleEndian<quint32>(40, out.data());
    qToLittleEndian<qint32>(width, out.data() + 4);
    qToLittleEndian<qint32>(height, out.data() + 8);
    qToLittleEndian<quint16>(1, out.data() + 12);
    qToLittleEndian<quint16>(8, out.data() + 14);
    for (int i = 0; i < 256; ++i)
        out[40 + 4 * i + 1] = char(i);
    for (int i = 0; i < width * height; ++i)
        out[40 + 1024 + i] = char(i * 7);
    return out;
}

// Just enough of an EMF for libvisio to tell it from a WMF.
QByteArray emfHead()
{
    QByteArray out(108, '\0');
    qToLittleEndian<quint32>(1, out.data());
    qToLittleEndian<quint32>(88, out.data() + 4);
    qToLittleEndian<quint32>(0x464D4520, out.data() + 40);
    qToLittleEndian<quint32>(14, out.data() + 88);
    qToLittleEndian<quint32>(20, out.data() + 92);
    return out;
}

quint16 u16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// Calls patch with the offsets of the central directory record and the
// local header of the entry named name. False when there is none.
bool patchEntry(QByteArray &zip, const QByteArray &name,
                const std::function<void(char *central, char *local)> &patch)
{
    for (qsizetype at = zip.indexOf("PK\x01\x02"); at >= 0; at = zip.indexOf("PK\x01\x02", at + 4)) {
        if (at + 46 > zip.size() || zip.mid(at + 46, u16(zip, at + 28)) != name)
            continue;
        const qsizetype local = u32(zip, at + 42);
        if (local + 30 > zip.size() || zip.mid(local, 4) != "PK\x03\x04")
            return false;
        patch(zip.data() + at, zip.data() + local);
        return true;
    }
    return false;
}

// Gives the entry another name of the same length, in its local header too
// unless only the directory is to be changed.
bool renameEntry(QByteArray &zip, const QByteArray &name, const QByteArray &newName,
                 bool directoryOnly = false)
{
    return name.size() == newName.size()
           && patchEntry(zip, name, [&](char *central, char *local) {
                  std::memcpy(central + 46, newName.constData(), size_t(newName.size()));
                  if (!directoryOnly)
                      std::memcpy(local + 30, newName.constData(), size_t(newName.size()));
              });
}

bool claimSize(QByteArray &zip, const QByteArray &name, quint32 size)
{
    return patchEntry(zip, name, [size](char *central, char *local) {
        qToLittleEndian(size, central + 24);
        qToLittleEndian(size, local + 22);
    });
}

// Puts bytes in place of the part name of the package at path.
bool replacePart(const QString &path, const char *name, const QByteArray &bytes)
{
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), 0, nullptr);
    if (!archive)
        return false;
    const zip_int64_t index = zip_name_locate(archive, name, 0);
    zip_source_t *source =
        index < 0 ? nullptr : zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
    if (!source || zip_file_replace(archive, zip_uint64_t(index), source, 0) < 0) {
        zip_source_free(source);
        zip_discard(archive);
        return false;
    }
    return zip_close(archive) == 0;
}

QString readLog()
{
    QFile file(Log::filePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestPackages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesArriveAsLibvisioHandsThemOver();
    void storedAndDeflatedGiveTheSameModel();
    void untrustworthyPackages_data();
    void untrustworthyPackages();
    void cancelDuringABigPictureReturnsAtOnce();
    void relationshipTargets_data();
    void relationshipTargets();
    void targetsClimbingOutAreNotServed();

private:
    QString write(const QString &name, const QList<VsdxGenerator::Picture> &pictures,
                  VsdxGenerator::Entries entries = VsdxGenerator::Deflated);

    QTemporaryDir m_dir;
};

void TestPackages::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Log::initialize(m_dir.filePath(QStringLiteral("log")));
}

QString TestPackages::write(const QString &name, const QList<VsdxGenerator::Picture> &pictures,
                            VsdxGenerator::Entries entries)
{
    const QString path = m_dir.filePath(name);
    return VsdxGenerator::writePictures(path, pictures, entries) ? path : QString();
}

void TestPackages::picturesArriveAsLibvisioHandsThemOver()
{
    // Every kind of picture libvisio treats apart: a raster it passes on as
    // is, a bitmap it puts a file header in front of (sized from the bytes
    // it was given), metafiles it tells apart by their first bytes, and an
    // embedded object.
    const QByteArray shared = png(30, 20, qRgb(10, 120, 200));
    const QByteArray object = QByteArray("an embedded object's own bytes ").repeated(40);
    const QList<VsdxGenerator::Picture> pictures = {
        {shared, "png", QSizeF(1, 1)},
        {dib(), "dib", QSizeF(1, 0.5), "ForeignType='Bitmap' CompressionType='BMP'"},
        {emfHead(), "emf", QSizeF(1, 1), "ForeignType='EnhMetaFile'"},
        {QByteArray("\xd7\xcd\xc6\x9a", 4) + QByteArray(60, '\x01'), "wmf", QSizeF(1, 1),
         "ForeignType='MetaFile'"},
        {object, "bin", QSizeF(2, 1), "ForeignType='Object'",
         "http://schemas.openxmlformats.org/officeDocument/2006/relationships/oleObject"},
        {shared, "png", QSizeF(2, 2)},
    };
    for (VsdxGenerator::Entries entries : {VsdxGenerator::Deflated, VsdxGenerator::Stored}) {
        const QString path = write(QStringLiteral("kinds-%1.vsdx").arg(entries), pictures, entries);
        QVERIFY(!path.isEmpty());
        const Delivery expected = readByLibvisio(path);
        QCOMPARE(expected.size(), pictures.size());
        QCOMPARE(expected.at(1).second.left(2), QByteArray("BM"));

        Delivery delivered;
        const VisioImporter::Result result = VisioImporter::importFile(
            path, std::make_shared<CountingInputStream::State>(),
            [&delivered](const QByteArray &bytes, const QString &mimeType) {
                delivered.append({mimeType, bytes});
            });
        QCOMPARE(result.outcome, VisioImporter::Loaded);
        QCOMPARE(delivered.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(delivered.at(i).first, expected.at(i).first);
            QVERIFY2(delivered.at(i).second == expected.at(i).second, qPrintable(QString::number(i)));
        }
    }
}

void TestPackages::storedAndDeflatedGiveTheSameModel()
{
    const QString deflated = m_dir.filePath(QStringLiteral("grid-deflated.vsdx"));
    const QString stored = m_dir.filePath(QStringLiteral("grid-stored.vsdx"));
    QVERIFY(VsdxGenerator::writeGrid(deflated, 3, 40, VsdxGenerator::Deflated));
    QVERIFY(VsdxGenerator::writeGrid(stored, 3, 40, VsdxGenerator::Stored));
    const QList<VsdxGenerator::Picture> pictures = {{png(64, 48, qRgb(200, 30, 30)), "png", QSizeF(2, 1.5)},
                                                    {dib(), "bmp", QSizeF(1, 0.5), "ForeignType='Bitmap' CompressionType='BMP'"}};
    const QString pictureDeflated = write(QStringLiteral("pictures-deflated.vsdx"), pictures);
    const QString pictureStored = write(QStringLiteral("pictures-stored.vsdx"), pictures, VsdxGenerator::Stored);

    for (const auto &[one, other] : {std::pair{deflated, stored}, std::pair{pictureDeflated, pictureStored}}) {
        const VisioImporter::Result a = VisioImporter::importFile(one);
        const VisioImporter::Result b = VisioImporter::importFile(other);
        QCOMPARE(a.outcome, VisioImporter::Loaded);
        QCOMPARE(b.outcome, VisioImporter::Loaded);
        QCOMPARE(a.model.pages.size(), b.model.pages.size());
        for (qsizetype p = 0; p < a.model.pages.size(); ++p) {
            const VisioPage &pa = a.model.pages[p];
            const VisioPage &pb = b.model.pages[p];
            QCOMPARE(pa.pageSize, pb.pageSize);
            QCOMPARE(pa.shapes.size(), pb.shapes.size());
            for (qsizetype i = 0; i < pa.shapes.size(); ++i)
                QCOMPARE(pa.shapes[i].path, pb.shapes[i].path);
            QCOMPARE(pa.texts.size(), pb.texts.size());
            for (qsizetype i = 0; i < pa.texts.size(); ++i)
                QCOMPARE(pa.texts[i].text, pb.texts[i].text);
            QCOMPARE(pa.images.size(), pb.images.size());
            for (qsizetype i = 0; i < pa.images.size(); ++i) {
                QVERIFY(!pa.images[i].image.isNull());
                QCOMPARE(pa.images[i].image, pb.images[i].image);
                QCOMPARE(pa.images[i].rect, pb.images[i].rect);
            }
        }
    }
}

void TestPackages::untrustworthyPackages_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("images");
    QTest::addColumn<QString>("logged");

    // A drawing with two pictures; each row spoils it in one way.
    QTest::newRow("part claiming 4 GB")
        << "claim" << true << 1
        << "part visio/media/image1.png left out: it claims 4294967040 bytes";
    QTest::newRow("part inflating past its claim")
        << "bomb" << true << 1
        << "part visio/media/image1.png left out: it inflates to more than its stated 1000 bytes";
    QTest::newRow("two parts of one name")
        << "duplicate" << true << 1 << "part visio/media/image1.png left out: an earlier part has the same name";
    QTest::newRow("name climbing out")
        << "dotdot" << true << 1 << "part ../../media/image1.png left out: the name points outside the package";
    QTest::newRow("absolute name")
        << "absolute" << true << 1 << "part /isio/media/image1.png left out: the name points outside";
    QTest::newRow("picture whose bytes are not its type") << "mislabelled" << true << 1 << "";
    QTest::newRow("part missing from the directory") << "unlisted" << true << 1 << "";
    QTest::newRow("page missing from the directory") << "unlisted-page" << true << 0 << "";
    // A directory our reader refuses is left to libvisio, which read every
    // package itself before: what it made of one, it still makes.
    QTest::newRow("directory cut short")
        << "cut" << false << 0 << "Failed to read package:";
    QTest::newRow("directory counting more entries than it has")
        << "overcount" << true << 2 << "- libvisio reads it itself.";
}

void TestPackages::untrustworthyPackages()
{
    QFETCH(QString, damage);
    QFETCH(bool, loads);
    QFETCH(int, images);
    QFETCH(QString, logged);

    QByteArray first = png(40, 30, qRgb(0, 160, 60));
    if (damage == QLatin1String("bomb"))
        first = QByteArray(8 * 1024 * 1024, '\0');
    else if (damage == QLatin1String("mislabelled"))
        first = first.left(first.size() / 2);
    const QList<VsdxGenerator::Picture> pictures = {
        {first, "png", QSizeF(1, 1)}, {png(30, 30, qRgb(200, 160, 0)), "png", QSizeF(1, 1)}};
    const QString source = write(damage + QStringLiteral("-source.vsdx"), pictures);
    QFile file(source);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray zip = file.readAll();
    file.close();

    const QByteArray picture = "visio/media/image1.png";
    if (damage == QLatin1String("claim"))
        QVERIFY(claimSize(zip, picture, 0xFFFFFF00u));
    else if (damage == QLatin1String("bomb"))
        QVERIFY(claimSize(zip, picture, 1000));
    else if (damage == QLatin1String("duplicate"))
        QVERIFY(renameEntry(zip, "visio/media/image2.png", picture));
    else if (damage == QLatin1String("dotdot"))
        QVERIFY(renameEntry(zip, picture, "../../media/image1.png"));
    else if (damage == QLatin1String("absolute"))
        QVERIFY(renameEntry(zip, picture, "/isio/media/image1.png"));
    else if (damage == QLatin1String("unlisted"))
        QVERIFY(renameEntry(zip, picture, "visio/media/imageX.png", true));
    else if (damage == QLatin1String("unlisted-page"))
        QVERIFY(renameEntry(zip, "visio/pages/page1.xml", "visio/pages/pageX.xml", true));
    else if (damage == QLatin1String("cut"))
        zip.truncate(zip.lastIndexOf("PK\x01\x02") + 20);
    else if (damage == QLatin1String("overcount")) {
        const qsizetype end = zip.lastIndexOf("PK\x05\x06");
        qToLittleEndian<quint16>(u16(zip, end + 10) + 5, zip.data() + end + 8);
        qToLittleEndian<quint16>(u16(zip, end + 10) + 5, zip.data() + end + 10);
    }
    const QString path = m_dir.filePath(damage + QStringLiteral(".vsdx"));
    QFile damaged(path);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(zip);
    damaged.close();

    // From the file and from memory alike.
    for (const VisioImporter::Result &result :
         {VisioImporter::importFile(path), VisioImporter::importData(zip, damage)}) {
        QCOMPARE(result.outcome == VisioImporter::Loaded, loads);
        QCOMPARE(result.outcome == VisioImporter::Loaded, !result.model.pages.isEmpty());
        int imageCount = 0;
        for (const VisioPage &page : result.model.pages)
            imageCount += int(page.images.size());
        QCOMPARE(imageCount, images);
        // Of two parts of one name, the first counts, as it did for libvisio.
        if (damage == QLatin1String("duplicate"))
            QCOMPARE(result.model.pages[0].images[0].image.width(), 40);
    }
    if (!logged.isEmpty())
        QVERIFY2(readLog().contains(logged), qPrintable(logged));
}

void TestPackages::cancelDuringABigPictureReturnsAtOnce()
{
    // 200 MB of picture that deflates to almost nothing: reading it takes
    // a while, and a cancel must not wait for the end of it.
    const QString path = write(QStringLiteral("big.vsdx"),
                               {{QByteArray(200 * 1024 * 1024, '\0'), "bmp", QSizeF(4, 4)}});
    QVERIFY(!path.isEmpty());
    auto state = std::make_shared<CountingInputStream::State>();
    QFuture<VisioImporter::Result> import =
        QtConcurrent::run([path, state] { return VisioImporter::importFile(path, state); });
    while (!import.isFinished() && state->bytesRead < 4 * 1024 * 1024)
        QThread::usleep(100);
    QVERIFY2(state->bytesRead < 150 * 1024 * 1024, "the picture was read before the cancel");
    QElapsedTimer timer;
    timer.start();
    const qint64 readAtCancel = state->bytesRead;
    state->cancelled = true;
    const VisioImporter::Result result = import.result();
    QCOMPARE(result.outcome, VisioImporter::Cancelled);
    // The reading stops within a piece or two, whatever the machine's load.
    QVERIFY(state->bytesRead - readAtCancel <= 2 * 1024 * 1024);
#if defined(__SANITIZE_ADDRESS__)
    const int limitMs = 1000; // the sanitizers make every step several times slower
#else
    const int limitMs = 200;
#endif
    QVERIFY2(timer.elapsed() < limitMs, qPrintable(QString::number(timer.elapsed())));
}

void TestPackages::relationshipTargets_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("part");

    QTest::newRow("sibling folder") << QByteArray("visio/pages/page1.xml") << QByteArray("../media/a.png")
                                    << QByteArray("visio/media/a.png");
    QTest::newRow("dot segments") << QByteArray("visio/document.xml") << QByteArray("./pages/./pages.xml")
                                  << QByteArray("visio/pages/pages.xml");
    QTest::newRow("absolute") << QByteArray("visio/pages/page1.xml") << QByteArray("/visio/media/a.png")
                              << QByteArray("visio/media/a.png");
    QTest::newRow("from the package") << QByteArray() << QByteArray("visio/document.xml")
                                      << QByteArray("visio/document.xml");
    QTest::newRow("backslashes") << QByteArray("visio/pages/page1.xml") << QByteArray("..\\media\\a.png")
                                 << QByteArray("visio/media/a.png");
    QTest::newRow("down to the root and back") << QByteArray("visio/pages/page1.xml")
                                               << QByteArray("../../visio/media/a.png")
                                               << QByteArray("visio/media/a.png");
    QTest::newRow("climbing out") << QByteArray("visio/pages/page1.xml") << QByteArray("../../../a.png")
                                  << QByteArray();
    QTest::newRow("climbing out from the root") << QByteArray("visio/document.xml")
                                                << QByteArray("/../visio/a.png") << QByteArray();
}

void TestPackages::relationshipTargets()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, part);
    QCOMPARE(PackageRelationships::resolve(source, target), part);
}

void TestPackages::targetsClimbingOutAreNotServed()
{
    // libvisio resolves every target it is given, and one that climbs
    // above the root takes it into undefined behaviour.
    const QString path = write(QStringLiteral("climbing.vsdx"), {{png(20, 20, qRgb(90, 90, 250)), "png", QSizeF(1, 1)}});
    QVERIFY(!path.isEmpty());
    const char *rels = "visio/pages/_rels/page1.xml.rels";
    const QByteArray climbing =
        "<?xml version='1.0' encoding='UTF-8'?>"
        "<Relationships xmlns='http://schemas.openxmlformats.org/package/2006/relationships'>"
        "<Relationship Id='rId1' Type='http://schemas.openxmlformats.org/officeDocument/2006/relationships/image' "
        "Target='../media/image1.png'/>"
        "<Relationship Id='rId7' Type='http://schemas.openxmlformats.org/officeDocument/2006/relationships/image' "
        "Target='../../../../outside.png'/></Relationships>";
    QVERIFY(replacePart(path, rels, climbing));

    const VisioImporter::Result result = VisioImporter::importFile(path);
    QCOMPARE(result.outcome, VisioImporter::Loaded);
    QCOMPARE(result.model.pages.size(), 1);
    QCOMPARE(result.model.pages[0].images.size(), 1);
    QVERIFY(readLog().contains(
        QStringLiteral("part visio/pages/_rels/page1.xml.rels: relationships rId7 left out")));

    PackageParts parts;
    parts.insert(rels, climbing);
    const PackageParts served = VisioImporter::prepareParts(parts);
    QVERIFY(!served.value(rels).contains("outside.png"));
    const PackageRelationships kept(served, "visio/pages/page1.xml");
    QCOMPARE(kept.all().size(), 1);
    QCOMPARE(kept.target("rId1"), QByteArray("visio/media/image1.png"));
}

QTEST_MAIN(TestPackages)
#include "tst_packages.moc"
