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
             "<Override PartName='/visio/theme/theme1.xml' "
             "ContentType='application/vnd.openxmlformats-officedocument.theme+xml'/>"
             "</Types>";
}

const QByteArray themeRelation = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/theme";

// Cells Visio 2013 and later write into a shape or style it leaves to the theme.
QByteArray themedCells()
{
    QByteArray out;
    for (const char *name : {"LineWeight", "LineColor", "LinePattern", "Rounding", "LineCap",
                             "LineColorTrans", "FillForegnd", "FillBkgnd", "FillPattern",
                             "FillForegndTrans", "FillBkgndTrans", "ShdwForegnd", "ShdwPattern"})
        out += "<Cell N='" + QByteArray(name) + "' V='Themed' F='THEMEVAL()'/>";
    return out;
}

QByteArray themedCharacter()
{
    return "<Section N='Character'><Row IX='0'><Cell N='Font' V='Themed' F='THEMEVAL()'/>"
           "<Cell N='Color' V='Themed' F='THEMEVAL()'/><Cell N='Size' V='0.1111111111111'/>"
           "</Row></Section>";
}

// A theme like Office's: twelve scheme colours, four variations of seven
// colours and four styles each, three fill, line and effect styles for
// shapes and for connectors, and Visio's line, font and connector extras.
QByteArray themeXml()
{
    const QByteArray ph = "<a:schemeClr val='phClr'/>";
    const auto shadeOf = [&ph](int lumMod) {
        return "<a:schemeClr val='phClr'><a:lumMod val='" + QByteArray::number(lumMod) + "'/></a:schemeClr>";
    };
    QByteArray fills = "<a:solidFill>" + ph + "</a:solidFill>";
    fills += "<a:gradFill><a:gsLst><a:gs pos='0'>" + shadeOf(110000) + "</a:gs><a:gs pos='100000'>"
             + shadeOf(90000) + "</a:gs></a:gsLst><a:lin ang='5400000' scaled='0'/></a:gradFill>";
    fills += "<a:solidFill>" + shadeOf(75000) + "</a:solidFill>";
    QByteArray lines;
    for (int w : {9525, 19050, 28575})
        lines += "<a:ln w='" + QByteArray::number(w) + "' cap='flat'><a:solidFill>" + ph
                 + "</a:solidFill><a:prstDash val='solid'/></a:ln>";
    QByteArray effects = "<a:effectStyle><a:effectLst/></a:effectStyle>";
    for (int dist : {12700, 38100})
        effects += "<a:effectStyle><a:effectLst><a:outerShdw dist='" + QByteArray::number(dist)
                   + "' dir='2700000'><a:srgbClr val='000000'><a:alpha val='40000'/></a:srgbClr>"
                     "</a:outerShdw></a:effectLst></a:effectStyle>";
    QByteArray variations;
    const char *palettes[4][7] = {
        {"4472C4", "ED7D31", "A5A5A5", "FFC000", "5B9BD5", "70AD47", "264478"},
        {"2F5597", "C55A11", "7B7B7B", "BF9000", "2E75B6", "548235", "1F3864"},
        {"8FAADC", "F4B183", "C9C9C9", "FFD966", "9DC3E6", "A9D18E", "B4C7E7"},
        {"203864", "843C0C", "525252", "7F6000", "1F4E79", "385723", "0C1A33"}};
    for (const auto &palette : palettes) {
        variations += "<vt:variationClrScheme monotone='0'>";
        for (int i = 0; i < 7; ++i) {
            const QByteArray n = QByteArray::number(i + 1);
            variations += "<vt:varColor" + n + "><a:srgbClr val='" + palette[i] + "'/></vt:varColor" + n + ">";
        }
        variations += "</vt:variationClrScheme>";
    }
    QByteArray lineExtras;
    for (int i = 0; i < 3; ++i)
        lineExtras += "<vt:lineStyle><vt:lineEx rndg='0' start='0' startSize='2' end='0' endSize='2' "
                      "pattern='1'/></vt:lineStyle>";
    QByteArray connectorExtras;
    for (int i = 0; i < 3; ++i)
        connectorExtras += "<vt:lineStyle><vt:lineEx rndg='0' start='0' startSize='2' end='4' "
                           "endSize='2' pattern='1'/></vt:lineStyle>";
    QByteArray fonts;
    for (const char *colour : {"<a:schemeClr val='dk1'/>", "<a:schemeClr val='lt1'/>", "<a:schemeClr val='lt1'/>"})
        fonts += "<vt:fontProps style='0'><vt:color>" + QByteArray(colour) + "</vt:color></vt:fontProps>";
    QByteArray varStyles;
    for (int v = 0; v < 4; ++v) {
        varStyles += "<vt:variationStyleScheme>";
        for (int i = 1; i <= 4; ++i)
            varStyles += "<vt:varStyle fillIdx='" + QByteArray::number(1 + (i + v) % 3) + "' lineIdx='"
                         + QByteArray::number(1 + (i + 2 * v) % 3) + "' effectIdx='1' fontIdx='"
                         + QByteArray::number(1 + i % 3) + "'/>";
        varStyles += "</vt:variationStyleScheme>";
    }
    return QByteArray(xmlHead)
           + "<a:theme xmlns:a='http://schemas.openxmlformats.org/drawingml/2006/main' "
             "xmlns:vt='http://schemas.microsoft.com/office/visio/2012/theme' name='Office Theme'>"
             "<a:themeElements><a:clrScheme name='Office'>"
             "<a:dk1><a:sysClr val='windowText' lastClr='000000'/></a:dk1>"
             "<a:lt1><a:sysClr val='window' lastClr='FFFFFF'/></a:lt1>"
             "<a:dk2><a:srgbClr val='44546A'/></a:dk2><a:lt2><a:srgbClr val='E7E6E6'/></a:lt2>"
             "<a:accent1><a:srgbClr val='4472C4'/></a:accent1><a:accent2><a:srgbClr val='ED7D31'/></a:accent2>"
             "<a:accent3><a:srgbClr val='A5A5A5'/></a:accent3><a:accent4><a:srgbClr val='FFC000'/></a:accent4>"
             "<a:accent5><a:srgbClr val='5B9BD5'/></a:accent5><a:accent6><a:srgbClr val='70AD47'/></a:accent6>"
             "<a:hlink><a:srgbClr val='0563C1'/></a:hlink><a:folHlink><a:srgbClr val='954F72'/></a:folHlink>"
             "<a:extLst><a:ext uri='{27CF3F13-CE6D-4CDC-92C6-A1F4B0E1A4D4}'><vt:variationClrSchemeLst>"
           + variations
           + "</vt:variationClrSchemeLst></a:ext></a:extLst></a:clrScheme>"
             "<a:fontScheme name='Office'><a:majorFont><a:latin typeface='Calibri Light'/></a:majorFont>"
             "<a:minorFont><a:latin typeface='Calibri'/></a:minorFont></a:fontScheme>"
             "<a:fmtScheme name='Office'><a:fillStyleLst>" + fills + "</a:fillStyleLst><a:lnStyleLst>"
           + lines + "</a:lnStyleLst><a:effectStyleLst>" + effects
           + "</a:effectStyleLst><a:bgFillStyleLst>" + fills + "</a:bgFillStyleLst></a:fmtScheme>"
             "<a:extLst><a:ext uri='{D75FF423-9257-4291-A4FE-1B2448832E17}'><vt:fmtConnectorScheme>"
             "<a:fillStyleLst>" + fills + "</a:fillStyleLst><a:lnStyleLst>" + lines
           + "</a:lnStyleLst><a:effectStyleLst>" + effects + "</a:effectStyleLst></vt:fmtConnectorScheme></a:ext>"
             "<a:ext uri='{0F9B54E4-1A0F-4E3F-A7F6-3A8D2C4F3D1E}'><vt:lineStyles><vt:fmtConnectorSchemeLineStyles>"
           + connectorExtras + "</vt:fmtConnectorSchemeLineStyles><vt:fmtSchemeLineStyles>" + lineExtras
           + "</vt:fmtSchemeLineStyles></vt:lineStyles></a:ext>"
             "<a:ext uri='{EBE24D50-EC5C-4D6F-A1A3-C5F0A18B936A}'><vt:fontStylesGroup><vt:fontStyles>"
           + fonts + "</vt:fontStyles></vt:fontStylesGroup></a:ext>"
             "<a:ext uri='{C2B3F2C8-0A3E-4B8C-9E2A-7D8F6E5A4B3C}'><vt:variationStyleSchemeLst>" + varStyles
           + "</vt:variationStyleSchemeLst></a:ext></a:extLst></a:themeElements></a:theme>";
}

QByteArray documentXml(VsdxGenerator::Formatting formatting)
{
    QByteArray themeStyle;
    if (formatting == VsdxGenerator::Themed)
        themeStyle = "<StyleSheet ID='3' NameU='Theme' Name='Theme' LineStyle='0' FillStyle='0' TextStyle='0'>"
                     + cell("ThemeIndex", "65534") + cell("VariationColorIndex", "65534")
                     + cell("VariationStyleIndex", "65534") + cell("QuickStyleLineColor", "100")
                     + cell("QuickStyleFillColor", "100") + cell("QuickStyleShadowColor", "100")
                     + cell("QuickStyleFontColor", "100") + cell("QuickStyleLineMatrix", "100")
                     + cell("QuickStyleFillMatrix", "100") + cell("QuickStyleEffectsMatrix", "100")
                     + cell("QuickStyleFontMatrix", "100") + themedCells() + themedCharacter()
                     + "</StyleSheet>";
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
             "</StyleSheet>" + themeStyle + "</StyleSheets></VisioDocument>";
}

// The parts every package shares, for pages of the given sizes.
QList<Part> frameParts(const QList<QSizeF> &pageSizes,
                       VsdxGenerator::Formatting formatting = VsdxGenerator::Plain)
{
    const bool themed = formatting == VsdxGenerator::Themed;
    QByteArray pages = QByteArray(xmlHead) + "<Pages " + visioNamespaces + ">";
    QList<std::pair<QByteArray, QByteArray>> pageRelations;
    for (int i = 0; i < pageSizes.size(); ++i) {
        const QByteArray number = QByteArray::number(i + 1);
        pages += "<Page ID='" + QByteArray::number(i) + "' NameU='Page-" + number + "' Name='Page-"
                 + number + "'><PageSheet LineStyle='0' FillStyle='0' TextStyle='0'>"
                 + cell("PageWidth", num(pageSizes[i].width()))
                 + cell("PageHeight", num(pageSizes[i].height())) + cell("PageScale", "1")
                 + cell("DrawingScale", "1")
                 + (themed ? cell("ThemeIndex", "33") + cell("VariationColorIndex", "0")
                                 + cell("VariationStyleIndex", "0")
                           : QByteArray())
                 + "</PageSheet><Rel r:id='rId" + number + "'/></Page>";
        pageRelations.append({visioRelations + "page", "page" + number + ".xml"});
    }
    pages += "</Pages>";
    QList<std::pair<QByteArray, QByteArray>> documentRelations = {{visioRelations + "pages", "pages/pages.xml"}};
    if (themed)
        documentRelations.append({themeRelation, "theme/theme1.xml"});
    QList<Part> parts = {
        {"[Content_Types].xml", contentTypes()},
        {"_rels/.rels", relationships({{visioRelations + "document", "visio/document.xml"}})},
        {"visio/document.xml", documentXml(formatting)},
        {"visio/_rels/document.xml.rels", relationships(documentRelations)},
        {"visio/pages/pages.xml", pages},
        {"visio/pages/_rels/pages.xml.rels", relationships(pageRelations)},
    };
    if (themed)
        parts.append({"visio/theme/theme1.xml", themeXml()});
    return parts;
}

QByteArray shapeStart(int id, const char *type, double pinX, double pinY, double width,
                      double height, const char *style = "0")
{
    return "<Shape ID='" + QByteArray::number(id) + "' Type='" + type + "' LineStyle='" + style
           + "' FillStyle='" + style + "' TextStyle='" + style + "'>" + cell("PinX", num(pinX))
           + cell("PinY", num(pinY)) + cell("Width", num(width)) + cell("Height", num(height))
           + cell("LocPinX", num(width / 2)) + cell("LocPinY", num(height / 2)) + cell("Angle", "0");
}

QByteArray lineRow(int index, const char *type, double x, double y)
{
    return "<Row T='" + QByteArray(type) + "' IX='" + QByteArray::number(index) + "'>"
           + cell("X", num(x)) + cell("Y", num(y)) + "</Row>";
}

// The quick-style cells of a themed shape: its colours and styles from the
// theme, picked by the label so that the page uses them all.
QByteArray quickStyle(int label, bool connector)
{
    const QByteArray colour = QByteArray::number(connector ? 100 : 100 + label % 7);
    const QByteArray matrix = QByteArray::number(connector ? 1 : 100 + label % 4);
    return cell("QuickStyleLineColor", colour) + cell("QuickStyleFillColor", colour)
           + cell("QuickStyleShadowColor", colour) + cell("QuickStyleFontColor", "100")
           + cell("QuickStyleLineMatrix", matrix) + cell("QuickStyleFillMatrix", matrix)
           + cell("QuickStyleEffectsMatrix", "1") + cell("QuickStyleFontMatrix", matrix)
           + cell("QuickStyleType", connector ? "3" : "2") + cell("QuickStyleVariation", "0");
}

QByteArray gridPage(const DrawingGrid &grid, VsdxGenerator::Formatting formatting)
{
    const bool themed = formatting == VsdxGenerator::Themed;
    const char *style = themed ? "3" : "0";
    const double w = DrawingGrid::BoxWidth;
    const double h = DrawingGrid::BoxHeight;
    QByteArray out = QByteArray(xmlHead) + "<PageContents " + visioNamespaces + "><Shapes>";
    out.reserve(grid.items().size() * (themed ? 2400 : 1100));
    int id = 1;
    for (const DrawingGrid::Item &item : grid.items()) {
        if (item.arrow) {
            const double length = item.x2 - item.x;
            out += shapeStart(id++, "Shape", (item.x + item.x2) / 2, item.y, length, 0, style)
                   + cell("BeginX", num(item.x)) + cell("BeginY", num(item.y))
                   + cell("EndX", num(item.x2)) + cell("EndY", num(item.y))
                   + (themed ? quickStyle(item.label, true) + themedCells()
                             : cell("LineWeight", "0.0138889") + cell("LineColor", "#000000"))
                   + cell("EndArrow", "5") + cell("EndArrowSize", "2")
                   + "<Section N='Geometry' IX='0'>" + cell("NoFill", "1")
                   + lineRow(1, "MoveTo", 0, 0) + lineRow(2, "LineTo", length, 0)
                   + "</Section></Shape>";
            continue;
        }
        out += shapeStart(id++, "Shape", item.x + w / 2, item.y + h / 2, w, h, style)
               + (themed ? quickStyle(item.label, false) + themedCells() + themedCharacter()
                         : cell("LineWeight", "0.0138889") + cell("LineColor", "#1F3A93")
                               + cell("FillForegnd", item.label % 2 ? "#FFCC66" : "#99CCFF")
                               + cell("FillPattern", "1"))
               + "<Section N='Geometry' IX='0'>" + cell("NoFill", "0")
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

bool VsdxGenerator::writeGrid(const QString &path, int pageCount, int shapesPerPage, Entries entries,
                              Formatting formatting)
{
    pageCount = std::clamp(pageCount, 1, VdxGenerator::MaxPages);
    shapesPerPage = std::clamp(shapesPerPage, 1, VdxGenerator::MaxShapesPerPage);
    const DrawingGrid grid(shapesPerPage);
    QList<Part> parts = frameParts(QList<QSizeF>(pageCount, grid.pageSize()), formatting);
    // Every page is the same; the package holds one copy of the bytes per page all the same.
    const QByteArray page = gridPage(grid, formatting);
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
        QByteArray attributes = picture.foreignAttributes;
        if (attributes.isEmpty())
            attributes = picture.suffix == "bmp"
                ? QByteArray("ForeignType='Bitmap'")
                : "ForeignType='Bitmap' CompressionType='" + picture.suffix.toUpper() + "'";
        page += shapeStart(i + 1, "Foreign", x + w / 2, height / 2, w, h) + cell("ImgOffsetX", "0")
                + cell("ImgOffsetY", "0") + cell("ImgWidth", num(w)) + cell("ImgHeight", num(h))
                + "<ForeignData " + attributes + "><Rel r:id='rId" + number
                + "'/></ForeignData></Shape>";
        pageRelations.append({picture.relation.isEmpty() ? imageRelation : picture.relation,
                              "../media/" + media});
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
