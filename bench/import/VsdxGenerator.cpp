#include "VsdxGenerator.h"

#include "DrawingGrid.h"
#include "VdxGenerator.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QtEndian>

#include <zip.h>

#include <algorithm>
#include <utility>

namespace {

using Part = std::pair<QByteArray, QByteArray>; // name, bytes

QByteArray num(double v)
{
    return QByteArray::number(v, 'g', 10);
}

QByteArray cell(const char *name, const QByteArray &value)
{
    return "<Cell N='" + QByteArray(name) + "' V='" + value + "'/>";
}

const char *xmlHead = "<?xml version='1.0' encoding='utf-8' ?>\n";
const char *visioNamespaces =
    "xmlns='http://schemas.microsoft.com/office/visio/2012/main' "
    "xmlns:r='http://schemas.openxmlformats.org/officeDocument/2006/relationships'";

QByteArray relationships(const QList<std::pair<QByteArray, QByteArray>> &typeAndTarget)
{
    QByteArray out = xmlHead;
    out += "<Relationships xmlns='http://schemas.openxmlformats.org/package/2006/relationships'>";
    int id = 1;
    for (const auto &[type, target] : typeAndTarget)
        out += "<Relationship Id='rId" + QByteArray::number(id++) + "' Type='" + type + "' Target='"
               + target + "'/>";
    return out + "</Relationships>";
}

const QByteArray visioRelations = "http://schemas.microsoft.com/visio/2010/relationships/";
const QByteArray imageRelation = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";

QByteArray contentTypes()
{
    return QByteArray(xmlHead)
           + "<Types xmlns='http://schemas.openxmlformats.org/package/2006/content-types'>"
             "<Default Extension='rels' ContentType='application/vnd.openxmlformats-package.relationships+xml'/>"
             "<Default Extension='xml' ContentType='application/xml'/>"
             "<Default Extension='png' ContentType='image/png'/>"
             "<Default Extension='bmp' ContentType='image/bmp'/>"
             "<Default Extension='jpeg' ContentType='image/jpeg'/>"
             "<Override PartName='/visio/document.xml' "
             "ContentType='application/vnd.ms-visio.drawing.main+xml'/>"
             "</Types>";
}

QByteArray documentXml()
{
    return QByteArray(xmlHead) + "<VisioDocument " + visioNamespaces
           + "><Colors><ColorEntry IX='0' RGB='#000000'/><ColorEntry IX='1' RGB='#FFFFFF'/></Colors>"
             "<FaceNames><FaceName NameU='Arial' UnicodeRanges='31367 -2147483648 8 0' "
             "CharSets='1073742335 -65536' Panos='2 11 6 4 2 2 2 2 2 4' Flags='325'/></FaceNames>"
             "<StyleSheets><StyleSheet ID='0' NameU='No Style' Name='No Style'>"
           + cell("LineWeight", "0.01") + cell("LineColor", "0") + cell("LinePattern", "1")
           + cell("FillForegnd", "1") + cell("FillBkgnd", "0") + cell("FillPattern", "1")
           + cell("LeftMargin", "0.05") + cell("RightMargin", "0.05") + cell("TopMargin", "0.05")
           + cell("BottomMargin", "0.05") + cell("VerticalAlign", "1")
           + "<Section N='Character'><Row IX='0'>" + cell("Font", "Arial") + cell("Color", "0")
           + cell("Size", "0.1111111111111") + "</Row></Section>"
             "<Section N='Paragraph'><Row IX='0'>" + cell("HorzAlign", "1") + "</Row></Section>"
             "</StyleSheet></StyleSheets></VisioDocument>";
}

// The parts every package shares, for pages of the given sizes.
QList<Part> frameParts(const QList<QSizeF> &pageSizes)
{
    QByteArray pages = QByteArray(xmlHead) + "<Pages " + visioNamespaces + ">";
    QList<std::pair<QByteArray, QByteArray>> pageRelations;
    for (int i = 0; i < pageSizes.size(); ++i) {
        const QByteArray number = QByteArray::number(i + 1);
        pages += "<Page ID='" + QByteArray::number(i) + "' NameU='Page-" + number + "' Name='Page-"
                 + number + "'><PageSheet LineStyle='0' FillStyle='0' TextStyle='0'>"
                 + cell("PageWidth", num(pageSizes[i].width()))
                 + cell("PageHeight", num(pageSizes[i].height())) + cell("PageScale", "1")
                 + cell("DrawingScale", "1") + "</PageSheet><Rel r:id='rId" + number + "'/></Page>";
        pageRelations.append({visioRelations + "page", "page" + number + ".xml"});
    }
    pages += "</Pages>";
    return {
        {"[Content_Types].xml", contentTypes()},
        {"_rels/.rels", relationships({{visioRelations + "document", "visio/document.xml"}})},
        {"visio/document.xml", documentXml()},
        {"visio/_rels/document.xml.rels", relationships({{visioRelations + "pages", "pages/pages.xml"}})},
        {"visio/pages/pages.xml", pages},
        {"visio/pages/_rels/pages.xml.rels", relationships(pageRelations)},
    };
}

QByteArray shapeStart(int id, const char *type, double pinX, double pinY, double width,
                      double height)
{
    return "<Shape ID='" + QByteArray::number(id) + "' Type='" + type
           + "' LineStyle='0' FillStyle='0' TextStyle='0'>" + cell("PinX", num(pinX))
           + cell("PinY", num(pinY)) + cell("Width", num(width)) + cell("Height", num(height))
           + cell("LocPinX", num(width / 2)) + cell("LocPinY", num(height / 2)) + cell("Angle", "0");
}

QByteArray lineRow(int index, const char *type, double x, double y)
{
    return "<Row T='" + QByteArray(type) + "' IX='" + QByteArray::number(index) + "'>"
           + cell("X", num(x)) + cell("Y", num(y)) + "</Row>";
}

QByteArray gridPage(const DrawingGrid &grid)
{
    const double w = DrawingGrid::BoxWidth;
    const double h = DrawingGrid::BoxHeight;
    QByteArray out = QByteArray(xmlHead) + "<PageContents " + visioNamespaces + "><Shapes>";
    out.reserve(grid.items().size() * 1100);
    int id = 1;
    for (const DrawingGrid::Item &item : grid.items()) {
        if (item.arrow) {
            const double length = item.x2 - item.x;
            out += shapeStart(id++, "Shape", (item.x + item.x2) / 2, item.y, length, 0)
                   + cell("BeginX", num(item.x)) + cell("BeginY", num(item.y))
                   + cell("EndX", num(item.x2)) + cell("EndY", num(item.y))
                   + cell("LineWeight", "0.0138889") + cell("LineColor", "#000000")
                   + cell("EndArrow", "5") + cell("EndArrowSize", "2")
                   + "<Section N='Geometry' IX='0'>" + cell("NoFill", "1")
                   + lineRow(1, "MoveTo", 0, 0) + lineRow(2, "LineTo", length, 0)
                   + "</Section></Shape>";
            continue;
        }
        out += shapeStart(id++, "Shape", item.x + w / 2, item.y + h / 2, w, h)
               + cell("LineWeight", "0.0138889") + cell("LineColor", "#1F3A93")
               + cell("FillForegnd", item.label % 2 ? "#FFCC66" : "#99CCFF")
               + cell("FillPattern", "1") + "<Section N='Geometry' IX='0'>" + cell("NoFill", "0")
               + lineRow(1, "MoveTo", 0, 0) + lineRow(2, "LineTo", w, 0) + lineRow(3, "LineTo", w, h)
               + lineRow(4, "LineTo", 0, h) + lineRow(5, "LineTo", 0, 0) + "</Section><Text>Box "
               + QByteArray::number(item.label) + "</Text></Shape>";
    }
    return out + "</Shapes></PageContents>";
}

bool writePackage(const QString &path, const QList<Part> &parts, VsdxGenerator::Entries entries)
{
    QFile::remove(path);
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    bool ok = true;
    for (const auto &[name, bytes] : parts) {
        // The buffers stay alive until zip_close() has written them.
        zip_source_t *source = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        const zip_int64_t index = source ? zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(source);
            ok = false;
            break;
        }
        zip_set_file_compression(archive, zip_uint64_t(index),
                                 entries == VsdxGenerator::Stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    }
    if (!ok) {
        zip_discard(archive);
        return false;
    }
    return zip_close(archive) == 0;
}

// Smooth shades with noise of the given amplitude on top.
QImage noisyShades(int width, int height, int noise, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const quint32 bits = random.generate();
            auto shade = [noise](int base, quint32 r) {
                return std::clamp(base + int(r % (2 * noise + 1)) - noise, 0, 255);
            };
            line[x] = qRgb(shade(x * 255 / width, bits), shade(y * 255 / height, bits >> 8),
                           shade(160, bits >> 16));
        }
    }
    return image;
}

} // namespace

bool VsdxGenerator::writeGrid(const QString &path, int pageCount, int shapesPerPage, Entries entries)
{
    pageCount = std::clamp(pageCount, 1, VdxGenerator::MaxPages);
    shapesPerPage = std::clamp(shapesPerPage, 1, VdxGenerator::MaxShapesPerPage);
    const DrawingGrid grid(shapesPerPage);
    QList<Part> parts = frameParts(QList<QSizeF>(pageCount, grid.pageSize()));
    // Every page is the same; the package holds one copy of the bytes per page all the same.
    const QByteArray page = gridPage(grid);
    for (int i = 1; i <= pageCount; ++i)
        parts.append({"visio/pages/page" + QByteArray::number(i) + ".xml", page});
    return writePackage(path, parts, entries);
}

bool VsdxGenerator::writePictures(const QString &path, const QList<Picture> &pictures, Entries entries)
{
    // Side by side, in one row, on a page that fits them.
    double width = 0.5;
    double height = 1.0;
    for (const Picture &picture : pictures) {
        width += picture.size.width() + 0.5;
        height = std::max(height, picture.size.height() + 1.0);
    }
    QList<Part> parts = frameParts({QSizeF(width, height)});
    QByteArray page = QByteArray(xmlHead) + "<PageContents " + visioNamespaces + "><Shapes>";
    QList<std::pair<QByteArray, QByteArray>> pageRelations;
    double x = 0.5;
    for (int i = 0; i < pictures.size(); ++i) {
        const Picture &picture = pictures[i];
        const QByteArray number = QByteArray::number(i + 1);
        const QByteArray media = "image" + number + "." + picture.suffix;
        const double w = picture.size.width();
        const double h = picture.size.height();
        // Visio names the compression of every format but BMP.
        const QByteArray compression = picture.suffix == "bmp"
            ? QByteArray()
            : " CompressionType='" + picture.suffix.toUpper() + "'";
        page += shapeStart(i + 1, "Foreign", x + w / 2, height / 2, w, h) + cell("ImgOffsetX", "0")
                + cell("ImgOffsetY", "0") + cell("ImgWidth", num(w)) + cell("ImgHeight", num(h))
                + "<ForeignData ForeignType='Bitmap'" + compression + "><Rel r:id='rId" + number
                + "'/></ForeignData></Shape>";
        pageRelations.append({imageRelation, "../media/" + media});
        parts.append({"visio/media/" + media, picture.bytes});
        x += w + 0.5;
    }
    page += "</Shapes></PageContents>";
    parts.append({"visio/pages/page1.xml", page});
    parts.append({"visio/pages/_rels/page1.xml.rels", relationships(pageRelations)});
    return writePackage(path, parts, entries);
}

QByteArray VsdxGenerator::scanBitmap(int width, int height, quint32 seed)
{
    const QImage image = noisyShades(width, height, 6, seed);
    const int stride = (width * 3 + 3) & ~3;
    const quint32 pixelBytes = quint32(stride) * quint32(height);
    QByteArray out(54 + qsizetype(pixelBytes), '\0');
    char *d = out.data();
    d[0] = 'B';
    d[1] = 'M';
    qToLittleEndian<quint32>(54 + pixelBytes, d + 2);
    qToLittleEndian<quint32>(54, d + 10);
    qToLittleEndian<quint32>(40, d + 14);
    qToLittleEndian<qint32>(width, d + 18);
    qToLittleEndian<qint32>(height, d + 22);
    qToLittleEndian<quint16>(1, d + 26);
    qToLittleEndian<quint16>(24, d + 28);
    qToLittleEndian<quint32>(pixelBytes, d + 34);
    for (int y = 0; y < height; ++y) {
        // Bottom-up rows of blue, green, red.
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(height - 1 - y));
        auto *row = reinterpret_cast<uchar *>(d + 54 + qsizetype(y) * stride);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = uchar(qBlue(line[x]));
            row[3 * x + 1] = uchar(qGreen(line[x]));
            row[3 * x + 2] = uchar(qRed(line[x]));
        }
    }
    return out;
}

QByteArray VsdxGenerator::photoPng(int width, int height, quint32 seed)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    noisyShades(width, height, 12, seed).save(&buffer, "PNG");
    return out;
}
