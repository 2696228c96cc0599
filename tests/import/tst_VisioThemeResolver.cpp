#include "PackageReader.h"
#include "VisioThemeResolver.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include <chrono>

namespace {

// A theme with two variations: accent colours 2 and 3, lt1 white, and
// fill, line and font styles that make each matrix value tell.
QByteArray theme(const QByteArray &extraVariationColours = QByteArray())
{
    const QByteArray phClr = "<a:schemeClr val='phClr'/>";
    QByteArray fills;
    fills += "<a:solidFill><a:schemeClr val='lt1'/></a:solidFill>";                   // 1
    fills += "<a:solidFill>" + phClr + "</a:solidFill>";                                // 2
    fills += "<a:solidFill><a:schemeClr val='phClr'><a:lumMod val='50000'/></a:schemeClr></a:solidFill>"; // 3
    fills += "<a:noFill/>";                                                              // 4
    fills += "<a:gradFill><a:gsLst><a:gs pos='0'><a:srgbClr val='000000'/></a:gs>"
             "<a:gs pos='100000'><a:srgbClr val='FFFFFF'/></a:gs></a:gsLst></a:gradFill>"; // 5
    fills += "<a:solidFill>" + phClr + "</a:solidFill>";                                // 6
    QByteArray lines;
    for (int w : {12700, 25400, 38100, 12700, 12700, 12700})
        lines += "<a:ln w='" + QByteArray::number(w) + "' cap='rnd'><a:solidFill>" + phClr
                 + "</a:solidFill><a:prstDash val='solid'/></a:ln>";
    QByteArray lineExtras;
    for (int pattern : {1, 1, 2, 3, 1, 1, 1})
        lineExtras += "<vt:lineStyle><vt:lineEx rndg='0' start='0' startSize='2' end='"
                      + QByteArray(pattern == 3 ? "4" : "0") + "' endSize='2' pattern='"
                      + QByteArray::number(pattern) + "'/></vt:lineStyle>";
    QByteArray connectorExtras;
    for (int end : {0, 13, 4, 4})
        connectorExtras += "<vt:lineStyle><vt:lineEx rndg='0' start='0' startSize='2' end='"
                           + QByteArray::number(end) + "' endSize='2' pattern='1'/></vt:lineStyle>";
    QByteArray fonts;
    fonts += "<vt:fontProps style='0'><vt:color>" + phClr + "</vt:color></vt:fontProps>";
    fonts += "<vt:fontProps style='0'><vt:color><a:schemeClr val='lt1'/></vt:color></vt:fontProps>";
    const QByteArray variation = [](const char *a, const char *b, const char *c, const char *d) {
        QByteArray v = "<vt:variationClrScheme>";
        int i = 0;
        for (const char *colour : {a, b, c, d, "111111", "222222", "333333"}) {
            const QByteArray n = QByteArray::number(++i);
            v += "<vt:varColor" + n + "><a:srgbClr val='" + colour + "'/></vt:varColor" + n + ">";
        }
        return v + "</vt:variationClrScheme>";
    }("A00000", "00A000", "0000A0", "A0A000");
    return "<?xml version='1.0'?><a:theme xmlns:a='http://schemas.openxmlformats.org/drawingml/2006/main'"
           " xmlns:vt='http://schemas.microsoft.com/office/visio/2012/theme'><a:themeElements>"
           "<a:clrScheme name='t'><a:dk1><a:srgbClr val='000000'/></a:dk1><a:lt1><a:srgbClr val='FFFFFF'/></a:lt1>"
           "<a:dk2><a:srgbClr val='222222'/></a:dk2><a:lt2><a:srgbClr val='EEEEEE'/></a:lt2>"
           "<a:accent1><a:srgbClr val='4472C4'/></a:accent1><a:accent2><a:srgbClr val='ED7D31'/></a:accent2>"
           "<a:accent3><a:srgbClr val='A5A5A5'/></a:accent3><a:accent4><a:srgbClr val='FFC000'/></a:accent4>"
           "<a:accent5><a:srgbClr val='5B9BD5'/></a:accent5><a:accent6><a:srgbClr val='70AD47'/></a:accent6>"
           "<a:extLst><a:ext uri='v'><vt:variationClrSchemeLst>"
           + variation + extraVariationColours
           + "<vt:variationClrScheme><vt:varColor1><a:srgbClr val='123456'/></vt:varColor1></vt:variationClrScheme>"
             "</vt:variationClrSchemeLst></a:ext></a:extLst></a:clrScheme>"
             "<a:fontScheme name='t'><a:minorFont><a:latin typeface='Candara'/></a:minorFont></a:fontScheme>"
             "<a:fmtScheme name='t'><a:fillStyleLst>" + fills + "</a:fillStyleLst><a:lnStyleLst>" + lines
           + "</a:lnStyleLst><a:effectStyleLst/><a:bgFillStyleLst/></a:fmtScheme>"
             "<a:extLst><a:ext uri='c'><vt:fmtConnectorScheme><a:fillStyleLst/><a:lnStyleLst>"
             "<a:ln w='9525'><a:solidFill><a:schemeClr val='accent6'/></a:solidFill></a:ln>"
             "<a:ln w='19050'><a:solidFill><a:schemeClr val='accent6'/></a:solidFill></a:ln>"
             "</a:lnStyleLst></vt:fmtConnectorScheme></a:ext>"
             "<a:ext uri='l'><vt:lineStyles><vt:fmtConnectorSchemeLineStyles>" + connectorExtras
           + "</vt:fmtConnectorSchemeLineStyles><vt:fmtSchemeLineStyles>" + lineExtras
           + "</vt:fmtSchemeLineStyles></vt:lineStyles></a:ext>"
             "<a:ext uri='f'><vt:fontStylesGroup><vt:fontStyles>" + fonts
           + "</vt:fontStyles></vt:fontStylesGroup></a:ext>"
             "<a:ext uri='s'><vt:variationStyleSchemeLst><vt:variationStyleScheme>"
             "<vt:varStyle fillIdx='2' lineIdx='2' effectIdx='2' fontIdx='1'/>"
             "<vt:varStyle fillIdx='3' lineIdx='3' effectIdx='3' fontIdx='2'/>"
             "<vt:varStyle fillIdx='1' lineIdx='1' effectIdx='1' fontIdx='1'/>"
             "<vt:varStyle fillIdx='4' lineIdx='1' effectIdx='1' fontIdx='1'/>"
             "</vt:variationStyleScheme></vt:variationStyleSchemeLst></a:ext>"
             "</a:extLst></a:themeElements></a:theme>";
}

const QByteArray themedCells =
    "<Cell N='LineColor' V='Themed' F='THEMEVAL()'/><Cell N='LineWeight' V='Themed' F='THEMEVAL()'/>"
    "<Cell N='LinePattern' V='Themed' F='THEMEVAL()'/><Cell N='EndArrow' V='Themed' F='THEMEVAL()'/>"
    "<Cell N='FillForegnd' V='Themed' F='THEMEVAL()'/><Cell N='FillPattern' V='Themed' F='THEMEVAL()'/>"
    "<Section N='Character'><Row IX='0'><Cell N='Color' V='Themed' F='THEMEVAL()'/>"
    "<Cell N='Font' V='Themed' F='THEMEVAL()'/></Row></Section>";

// A package whose style sheet 1 leaves everything to the theme, as Visio's
// "Theme" style does, with one master and one page.
PackageParts package(const QByteArray &pageShapes, const QByteArray &masterShapes = QByteArray(),
                     const QByteArray &themePart = theme(), const QByteArray &styles = QByteArray())
{
    const QByteArray ns = " xmlns='http://schemas.microsoft.com/office/visio/2012/main'"
                          " xmlns:r='http://schemas.openxmlformats.org/officeDocument/2006/relationships'";
    const auto rels = [](const QList<QPair<QByteArray, QByteArray>> &targets) {
        QByteArray x = "<Relationships xmlns='http://schemas.openxmlformats.org/package/2006/relationships'>";
        for (const auto &t : targets)
            x += "<Relationship Id='" + t.first + "' Type='http://schemas.microsoft.com/visio/2010/relationships/"
                 + (t.second.startsWith("theme") ? QByteArray("x/theme") : QByteArray("part")) + "' Target='"
                 + t.second + "'/>";
        return x + "</Relationships>";
    };
    PackageParts parts;
    parts.insert("visio/document.xml",
                 "<VisioDocument" + ns + "><StyleSheets>"
                 "<StyleSheet ID='0' NameU='No Style'><Cell N='ThemeIndex' V='0'/>"
                 "<Cell N='QuickStyleLineColor' V='100'/><Cell N='QuickStyleFillColor' V='100'/>"
                 "<Cell N='QuickStyleFontColor' V='100'/><Cell N='QuickStyleLineMatrix' V='100'/>"
                 "<Cell N='QuickStyleFillMatrix' V='100'/><Cell N='QuickStyleFontMatrix' V='100'/>"
                 "<Cell N='FillForegnd' V='1'/></StyleSheet>"
                 "<StyleSheet ID='1' NameU='Theme' LineStyle='0' FillStyle='0' TextStyle='0'>"
                 "<Cell N='ThemeIndex' V='65534'/><Cell N='VariationColorIndex' V='65534'/>"
                 + themedCells + "</StyleSheet>" + styles + "</StyleSheets></VisioDocument>");
    if (!themePart.isNull()) {
        parts.insert("visio/_rels/document.xml.rels",
                     rels({{"rId1", "masters/masters.xml"}, {"rId2", "pages/pages.xml"}, {"rId3", "theme/theme1.xml"}}));
        parts.insert("visio/theme/theme1.xml", themePart);
    } else {
        parts.insert("visio/_rels/document.xml.rels", rels({{"rId1", "masters/masters.xml"}, {"rId2", "pages/pages.xml"}}));
    }
    parts.insert("visio/masters/masters.xml", "<Masters" + ns + "><Master ID='7'><Rel r:id='rId1'/></Master></Masters>");
    parts.insert("visio/masters/_rels/masters.xml.rels", rels({{"rId1", "master1.xml"}}));
    parts.insert("visio/masters/master1.xml", "<MasterContents" + ns + "><Shapes>" + masterShapes
                                                  + "</Shapes></MasterContents>");
    parts.insert("visio/pages/pages.xml", "<Pages" + ns + "><Page ID='0'><PageSheet><Cell N='ThemeIndex' V='33'/>"
                                          "<Cell N='VariationColorIndex' V='0'/></PageSheet><Rel r:id='rId1'/></Page></Pages>");
    parts.insert("visio/pages/_rels/pages.xml.rels", rels({{"rId1", "page1.xml"}}));
    parts.insert("visio/pages/page1.xml", "<PageContents" + ns + "><Shapes>" + pageShapes + "</Shapes></PageContents>");
    return parts;
}

// The V of a shape's own cell (or its first Character row's cell) after resolution.
QString cellOf(const QByteArray &part, int shapeId, const QString &cell, bool character = false)
{
    QXmlStreamReader reader(part);
    int depth = 0, shapeDepth = -1;
    bool inCharacter = false;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            if (depth-- == shapeDepth)
                shapeDepth = -1;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const auto attributes = reader.attributes();
        if (reader.name() == QLatin1String("Shape") && attributes.value("ID").toInt() == shapeId)
            shapeDepth = depth;
        else if (shapeDepth >= 0 && reader.name() == QLatin1String("Section"))
            inCharacter = attributes.value("N") == QLatin1String("Character") && depth == shapeDepth + 1;
        else if (shapeDepth >= 0 && reader.name() == QLatin1String("Cell") && attributes.value("N") == cell
                 && (character ? inCharacter && depth == shapeDepth + 3 : depth == shapeDepth + 1))
            return attributes.value("V").toString();
    }
    return QStringLiteral("(none)");
}

QByteArray shape(int id, const QByteArray &cells, const QByteArray &attributes = "LineStyle='1' FillStyle='1' TextStyle='1'")
{
    return "<Shape ID='" + QByteArray::number(id) + "' Type='Shape' " + attributes + ">" + cells + "</Shape>";
}

struct SvgColours
{
    QString title, fill, stroke;
};

// Fill and stroke of each shape (by Visio's shape ID) of a Visio SVG export,
// from the style classes of the shape's own drawing elements.
QHash<int, SvgColours> svgColours(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray svg = file.readAll();
    QHash<QString, QString> classes;
    const QRegularExpression rule(QStringLiteral("\\.(st\\d+)\\s*\\{([^}]*)\\}"));
    for (auto m = rule.globalMatch(QString::fromUtf8(svg)); m.hasNext();) {
        const auto hit = m.next();
        classes.insert(hit.captured(1), hit.captured(2));
    }
    const auto property = [](const QString &style, const QString &key) {
        if (style.contains(key + QStringLiteral("-opacity")))
            return QString(); // a shadow or a see-through copy
        const QRegularExpression value(QStringLiteral("(?:^|;)") + key + QStringLiteral(":(#[0-9a-f]{6})"));
        return value.match(style).captured(1);
    };
    QHash<int, SvgColours> shapes;
    QXmlStreamReader reader(svg);
    QList<int> open; // shape ID per open <g>, -1 for other groups
    int depth = 0;
    QList<int> shapeDepth;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            if (!shapeDepth.isEmpty() && shapeDepth.last() == depth) {
                shapeDepth.removeLast();
                open.removeLast();
            }
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const auto a = reader.attributes();
        if (reader.name() == QLatin1String("g") && a.value(QLatin1String("v:groupContext")) == QLatin1String("shape")) {
            open.append(a.value(QLatin1String("v:mID")).toInt());
            shapeDepth.append(depth);
        } else if (!shapeDepth.isEmpty() && depth == shapeDepth.last() + 1) {
            SvgColours &colours = shapes[open.last()];
            if (reader.name() == QLatin1String("title")) {
                colours.title = reader.readElementText();
                --depth;
                continue;
            }
            const QString style = classes.value(a.value(QLatin1String("class")).toString());
            if (colours.fill.isEmpty())
                colours.fill = property(style, QStringLiteral("fill"));
            if (colours.stroke.isEmpty())
                colours.stroke = property(style, QStringLiteral("stroke"));
        }
    }
    return shapes;
}

} // namespace

class TestVisioThemeResolver : public QObject
{
    Q_OBJECT

private slots:
    void quickStyleCells_data();
    void quickStyleCells();
    void inheritanceAndLocalValues();
    void rewriteKeepsWhatItDoesNotEdit();
    void modernGradientEndsReachLibvisio();
    void badThemesKeepTheDefaults_data();
    void badThemesKeepTheDefaults();
    void hostileInheritanceEnds();
    void truthDrawingsKeepVisiosColours_data();
    void truthDrawingsKeepVisiosColours();
};

void TestVisioThemeResolver::quickStyleCells_data()
{
    QTest::addColumn<QByteArray>("cells");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("character");
    QTest::addColumn<QString>("expected");

    // Matrices 1-6 pick a style, 100-103 the variation's; colours 0-8 the
    // scheme, 100-106 the variation's colours.
    QTest::newRow("fill matrix 1 is lt1") << QByteArray("<Cell N='QuickStyleFillMatrix' V='1'/>")
                                          << "FillForegnd" << false << "#ffffff";
    QTest::newRow("fill matrix 2 takes the fill colour")
        << QByteArray("<Cell N='QuickStyleFillMatrix' V='2'/><Cell N='QuickStyleFillColor' V='3'/>")
        << "FillForegnd" << false << "#ed7d31";
    QTest::newRow("fill matrix 3 darkens it")
        << QByteArray("<Cell N='QuickStyleFillMatrix' V='3'/><Cell N='QuickStyleFillColor' V='2'/>")
        << "FillForegnd" << false << QColor::fromHslF(QColor("#4472c4").hslHueF(), QColor("#4472c4").hslSaturationF(),
                                                     QColor("#4472c4").lightnessF() * 0.5f).name();
    QTest::newRow("fill matrix 4 fills nothing") << QByteArray("<Cell N='QuickStyleFillMatrix' V='4'/>")
                                                 << "FillPattern" << false << "0";
    QTest::newRow("a gradient fill is its mean colour") << QByteArray("<Cell N='QuickStyleFillMatrix' V='5'/>")
                                                        << "FillForegnd" << false << "#808080";
    QTest::newRow("fill matrix 101 is the variation's second style")
        << QByteArray("<Cell N='QuickStyleFillMatrix' V='101'/><Cell N='QuickStyleFillColor' V='101'/>")
        << "FillForegnd" << false << "#005000";
    QTest::newRow("variation colour 103") << QByteArray("<Cell N='QuickStyleFillMatrix' V='2'/><Cell N='QuickStyleFillColor' V='103'/>")
                                          << "FillForegnd" << false << "#a0a000";
    QTest::newRow("another variation") << QByteArray("<Cell N='QuickStyleFillMatrix' V='2'/><Cell N='VariationColorIndex' V='1'/>")
                                       << "FillForegnd" << false << "#123456";
    QTest::newRow("line weight by matrix") << QByteArray("<Cell N='QuickStyleLineMatrix' V='3'/>")
                                           << "LineWeight" << false << "0.0416666666666667";
    QTest::newRow("line colour from the variation")
        << QByteArray("<Cell N='QuickStyleLineMatrix' V='1'/><Cell N='QuickStyleLineColor' V='102'/>")
        << "LineColor" << false << "#0000a0";
    QTest::newRow("line extras count from matrix 0") << QByteArray("<Cell N='QuickStyleLineMatrix' V='3'/>")
                                                     << "LinePattern" << false << "3";
    QTest::newRow("font colour by matrix and colour")
        << QByteArray("<Cell N='QuickStyleFontMatrix' V='1'/><Cell N='QuickStyleFontColor' V='7'/>")
        << "Color" << true << "#70ad47";
    QTest::newRow("font matrix 101 is white") << QByteArray("<Cell N='QuickStyleFontMatrix' V='101'/>")
                                              << "Color" << true << "#ffffff";
    QTest::newRow("the theme's minor font") << QByteArray() << "Font" << true << "Candara";
    QTest::newRow("a connector takes the connector styles")
        << QByteArray("<Cell N='BeginX' V='1'/><Cell N='QuickStyleLineMatrix' V='1'/>") << "EndArrow" << false << "13";
    QTest::newRow("named theme values and colour functions")
        << QByteArray("<Cell N='FillForegnd' V='Themed' F='THEMEGUARD(MSOTINT(THEMEVAL(\"AccentColor2\"),40))'/>")
        << "FillForegnd" << false
        << QColor::fromHslF(QColor("#ed7d31").hslHueF(), QColor("#ed7d31").hslSaturationF(),
                            QColor("#ed7d31").lightnessF() + (1 - QColor("#ed7d31").lightnessF()) * 0.4f)
               .name();
    QTest::newRow("a default where the theme has nothing")
        << QByteArray("<Cell N='LineColor' V='Themed' F='THEMEVAL(\"NoSuchThing\",RGB(1,2,3))'/>") << "LineColor"
        << false << "#010203";
}

void TestVisioThemeResolver::quickStyleCells()
{
    QFETCH(QByteArray, cells);
    QFETCH(QString, cell);
    QFETCH(bool, character);
    QFETCH(QString, expected);
    QStringList warnings;
    const PackageParts resolved = VisioThemeResolver::resolve(package(shape(1, cells)), &warnings);
    QVERIFY(warnings.isEmpty());
    const QString value = cellOf(resolved.value("visio/pages/page1.xml"), 1, cell, character);
    bool numeric = false;
    const double number = expected.toDouble(&numeric);
    if (numeric)
        QVERIFY2(qFuzzyCompare(value.toDouble(), number), qPrintable(value));
    else
        QCOMPARE(value, expected);
}

void TestVisioThemeResolver::inheritanceAndLocalValues()
{
    // An instance takes the quick-style colour of its master shape; a value of
    // its own overrides the theme; the raw quick-style colours, which libvisio
    // would paint itself, are gone.
    const QByteArray master = shape(5, "<Cell N='QuickStyleFillMatrix' V='2'/><Cell N='QuickStyleFillColor' V='4'/>"
                                       "<Cell N='QuickStyleLineColor' V='5'/><Cell N='QuickStyleLineMatrix' V='1'/>");
    const QByteArray page = shape(1, QByteArray(), "Master='7'")
                            + shape(2, "<Cell N='FillForegnd' V='#123456'/>", "Master='7'")
                            + shape(3, "<Cell N='QuickStyleFillColor' V='7'/>", "Master='7'");
    const PackageParts resolved = VisioThemeResolver::resolve(package(page, master));
    const QByteArray pagePart = resolved.value("visio/pages/page1.xml");
    QCOMPARE(cellOf(pagePart, 1, QStringLiteral("FillForegnd")), QStringLiteral("#a5a5a5"));
    QCOMPARE(cellOf(pagePart, 1, QStringLiteral("LineColor")), QStringLiteral("#ffc000"));
    QCOMPARE(cellOf(pagePart, 2, QStringLiteral("FillForegnd")), QStringLiteral("#123456"));
    QCOMPARE(cellOf(pagePart, 3, QStringLiteral("FillForegnd")), QStringLiteral("#70ad47"));
    QCOMPARE(cellOf(pagePart, 3, QStringLiteral("QuickStyleFillColor")), QStringLiteral("(none)"));
    const QByteArray masterPart = resolved.value("visio/masters/master1.xml");
    QCOMPARE(cellOf(masterPart, 5, QStringLiteral("FillForegnd")), QStringLiteral("#a5a5a5"));
    // The style sheet resolves in its own context (variation colour 1, fill matrix 100 = fill 2).
    QVERIFY(resolved.value("visio/document.xml").contains("V=\"#a00000\""));

    // A drawing without theme part is left alone.
    const PackageParts plain = package(shape(1, QByteArray()), QByteArray(), QByteArray());
    QStringList warnings;
    const PackageParts same = VisioThemeResolver::resolve(plain, &warnings);
    QCOMPARE(same.value("visio/pages/page1.xml"), plain.value("visio/pages/page1.xml"));
    QVERIFY(warnings.isEmpty());
}

void TestVisioThemeResolver::rewriteKeepsWhatItDoesNotEdit()
{
    // The rewrite copies the part's bytes between its edits: an empty shape
    // element opens up for its cells, and sections, text and comments that
    // look like cells stay as they were, and so does a '>' in a formula.
    const QByteArray master = shape(5, "<Cell N='QuickStyleFillMatrix' V='2'/><Cell N='QuickStyleFillColor' V='4'/>");
    const QByteArray formula = "<Cell N='LockWidth' V='0' F='IF(Width>1,1,0)'/>";
    const QByteArray kept = "<Section N='Geometry' IX='0'><Row T='MoveTo' IX='1'><Cell N='X' V='0'/>"
                            "<Cell N='FillForegnd' V='Themed'/></Row></Section>"
                            "<!-- <Cell N='FillForegnd' V='Themed'/> --><Text>a &lt; b<cp IX='0'/></Text>";
    const QByteArray page = "<Shape ID='1' Type='Shape' Master='7'/>"
                            + shape(2, "<Cell N='FillForegnd' V='Themed' F='THEMEVAL()'/>" + formula + kept);
    const PackageParts resolved = VisioThemeResolver::resolve(package(page, master));
    const QByteArray pagePart = resolved.value("visio/pages/page1.xml");
    QCOMPARE(cellOf(pagePart, 1, QStringLiteral("FillForegnd")), QStringLiteral("#a5a5a5"));
    QVERIFY(pagePart.contains("</Shape>"));
    QCOMPARE(cellOf(pagePart, 2, QStringLiteral("FillForegnd")), QStringLiteral("#a00000"));
    QVERIFY2(pagePart.contains(kept) && pagePart.contains(formula), pagePart.constData());
    QXmlStreamReader reader(pagePart);
    while (!reader.atEnd())
        reader.readNext();
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));

    // A value holding the other quote and a '>' ends no tag, and a theme font
    // whose name needs escaping comes out whole in the cell written for it.
    const QByteArray quoted = "<Cell N='LockHeight' V='0' F=\"IF(Height>1,'a','b')\"/>";
    const QByteArray oddFont = theme().replace("Candara", "Sans &amp; &quot;Serif&lt;&gt;&quot;");
    const QByteArray odd = VisioThemeResolver::resolve(package(shape(3, quoted), QByteArray(), oddFont))
                               .value("visio/pages/page1.xml");
    QVERIFY2(odd.contains(quoted), odd.constData());
    QCOMPARE(cellOf(odd, 3, QStringLiteral("Font"), true), QStringLiteral("Sans & \"Serif<>\""));
}

void TestVisioThemeResolver::modernGradientEndsReachLibvisio()
{
    // A radial FillGradient with its stops: libvisio's radial pattern runs from
    // FillBkgnd outside to FillForegnd in the middle.
    const QByteArray master = shape(5, "<Cell N='FillPattern' V='40'/><Cell N='FillGradientEnabled' V='1'/>"
                                       "<Section N='FillGradient'><Row IX='0'><Cell N='GradientStopColor' V='#ffffff'/>"
                                       "<Cell N='GradientStopPosition' V='0'/></Row><Row IX='1'>"
                                       "<Cell N='GradientStopColor' V='#b4b4b4'/><Cell N='GradientStopPosition' V='1'/>"
                                       "</Row><Row IX='2' Del='1'/></Section>");
    const QByteArray page = shape(1, "<Cell N='FillForegnd' V='#79c8ee'/><Section N='FillGradient'><Row IX='0'>"
                                     "<Cell N='GradientStopColor' V='#d2ecf9'/></Row></Section>",
                                  "Master='7'");
    const PackageParts resolved = VisioThemeResolver::resolve(package(page, master));
    const QByteArray pagePart = resolved.value("visio/pages/page1.xml");
    QCOMPARE(cellOf(pagePart, 1, QStringLiteral("FillForegnd")), QStringLiteral("#d2ecf9"));
    QCOMPARE(cellOf(pagePart, 1, QStringLiteral("FillBkgnd")), QStringLiteral("#b4b4b4"));

    // A solid pattern with a gradient turned on, in a drawing without theme:
    // left to right is libvisio's pattern 27, from FillBkgnd to FillForegnd.
    const QByteArray linear = shape(1, "<Cell N='FillGradientEnabled' V='1'/><Cell N='FillGradientAngle' V='0'/>"
                                       "<Section N='FillGradient'><Row IX='0'><Cell N='GradientStopColor' V='#ff0000'/>"
                                       "</Row><Row IX='1'><Cell N='GradientStopColor' V='#0000ff'/>"
                                       "<Cell N='GradientStopPosition' V='1'/></Row></Section>",
                                  QByteArray());
    const QByteArray plain =
        VisioThemeResolver::resolve(package(linear, QByteArray(), QByteArray())).value("visio/pages/page1.xml");
    QCOMPARE(cellOf(plain, 1, QStringLiteral("FillPattern")), QStringLiteral("27"));
    QCOMPARE(cellOf(plain, 1, QStringLiteral("FillBkgnd")), QStringLiteral("#ff0000"));
    QCOMPARE(cellOf(plain, 1, QStringLiteral("FillForegnd")), QStringLiteral("#0000ff"));
}

void TestVisioThemeResolver::badThemesKeepTheDefaults_data()
{
    QTest::addColumn<QByteArray>("themePart");
    QTest::addColumn<QByteArray>("cells");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<bool>("untouched");

    QTest::newRow("missing") << QByteArray("") << QByteArray() << 1 << true;
    QTest::newRow("not XML") << QByteArray("<a:theme><oops") << QByteArray() << 1 << true;
    QTest::newRow("no colour scheme") << QByteArray("<a:theme xmlns:a='x'><a:themeElements/></a:theme>")
                                      << QByteArray() << 1 << true;
    QByteArray variations;
    for (int i = 0; i < 10000; ++i)
        variations += "<vt:variationClrScheme><vt:varColor1><a:srgbClr val='FFFFFF'/></vt:varColor1></vt:variationClrScheme>";
    QTest::newRow("10,000 variations") << theme(variations) << QByteArray("<Cell N='VariationColorIndex' V='9999'/>") << 1
                                       << false;
    QTest::newRow("indices that do not exist")
        << theme()
        << QByteArray("<Cell N='QuickStyleFillMatrix' V='99'/><Cell N='QuickStyleLineMatrix' V='6'/>"
                      "<Cell N='QuickStyleLineColor' V='-5'/><Cell N='QuickStyleFontMatrix' V='5'/>"
                      "<Cell N='VariationStyleIndex' V='70000'/>")
        << 0 << false;
    QTest::newRow("malformed formulas")
        << theme()
        << QByteArray("<Cell N='LineColor' V='Themed' F='THEMEGUARD(THEMEVAL(\"LineColor\"'/>"
                      "<Cell N='FillForegnd' V='Themed' F='THEMEGUARD(((((((((((((((((((((((((((((((((((((1'/>"
                      "<Cell N='LineWeight' V='Themed' F='RGB(1,2)+THEMEVAL(,,,,,,,,,,,,)'/>")
        << 0 << false;
}

void TestVisioThemeResolver::badThemesKeepTheDefaults()
{
    QFETCH(QByteArray, themePart);
    QFETCH(QByteArray, cells);
    QFETCH(int, warnings);
    QFETCH(bool, untouched);
    PackageParts parts = package(shape(1, cells), QByteArray(), themePart);
    if (themePart.isEmpty())
        parts.remove("visio/theme/theme1.xml");
    QStringList lines;
    const PackageParts resolved = VisioThemeResolver::resolve(parts, &lines);
    QCOMPARE(lines.size(), warnings);
    if (untouched)
        QCOMPARE(resolved.value("visio/pages/page1.xml"), parts.value("visio/pages/page1.xml"));
    // Whatever could not be resolved stays as the drawing had it.
    const QByteArray page = resolved.value("visio/pages/page1.xml");
    QVERIFY(!QXmlStreamReader(page).hasError());
    QVERIFY(page.size() < parts.value("visio/pages/page1.xml").size() + 4096);
}

void TestVisioThemeResolver::hostileInheritanceEnds()
{
    // Style sheets that inherit from each other in a circle, and a page of
    // shapes nested far deeper than any drawing: capped, never a hang.
    const QByteArray circle = "<StyleSheet ID='2' LineStyle='3' FillStyle='3' TextStyle='3'/>"
                              "<StyleSheet ID='3' LineStyle='2' FillStyle='2' TextStyle='2'/>";
    QByteArray nested;
    for (int i = 0; i < 2000; ++i)
        nested += "<Shape ID='" + QByteArray::number(i + 10) + "' LineStyle='2' FillStyle='2' TextStyle='2'><Shapes>";
    for (int i = 0; i < 2000; ++i)
        nested += "</Shapes></Shape>";
    const auto started = std::chrono::steady_clock::now();
    const PackageParts resolved =
        VisioThemeResolver::resolve(package(shape(1, QByteArray(), "LineStyle='2' FillStyle='2' TextStyle='2'") + nested,
                                            QByteArray(), theme(), circle));
    QVERIFY(std::chrono::steady_clock::now() - started < std::chrono::seconds(10));
    QVERIFY(!QXmlStreamReader(resolved.value("visio/pages/page1.xml")).hasError());
}

void TestVisioThemeResolver::truthDrawingsKeepVisiosColours_data()
{
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("shapes");

    // Three shapes each whose colours Visio takes from the theme or keeps as
    // the drawing has them, against the colours of Visio's own SVG export.
    QTest::newRow("logical-architecture") << "wij-logical-architecture" << 1 << QList<int>{1, 2, 12};
    QTest::newRow("ad-hoc-exploration") << "wij-ad-hoc-exploration" << 2 << QList<int>{16, 56, 60};
    QTest::newRow("cloud-service") << "wij-physical-architecture-cloud-service" << 1 << QList<int>{208, 209, 210};
    QTest::newRow("stream-analytics") << "wij-physical-architecture-stream-analytics-and-event-hub" << 1
                                      << QList<int>{260, 267, 295};
    QTest::newRow("worker-role-event-hub") << "wij-physical-architecture-worker-role-and-event-hub" << 1
                                           << QList<int>{290, 291, 328};
    QTest::newRow("worker-role-service-bus") << "wij-physical-architecture-worker-role-and-service-bus" << 1
                                             << QList<int>{299, 300, 303};
}

void TestVisioThemeResolver::truthDrawingsKeepVisiosColours()
{
    QFETCH(QString, drawing);
    QFETCH(int, page);
    QFETCH(QList<int>, shapes);
    const QDir truth(QStringLiteral(PLANDRAW_TRUTH_DIR));
    const QString svg = truth.filePath(QStringLiteral("visio/%1.vsdx.svg").arg(drawing));
    if (!QFileInfo::exists(svg))
        QSKIP("Visio's renderings are not available");
    PackageReader reader(truth.filePath(QStringLiteral("drawings/%1.vsdx").arg(drawing)));
    QVERIFY(reader.open());
    const PackageParts resolved = VisioThemeResolver::resolve(reader.readParts());
    const QByteArray pagePart = resolved.value(QStringLiteral("visio/pages/page%1.xml").arg(page).toUtf8());
    const QHash<int, SvgColours> visio = svgColours(svg);
    for (int id : shapes) {
        const SvgColours expected = visio.value(id);
        int compared = 0;
        for (const auto &[cell, colour] : {std::pair{QStringLiteral("FillForegnd"), expected.fill},
                                          std::pair{QStringLiteral("LineColor"), expected.stroke}}) {
            const QString ours = cellOf(pagePart, id, cell);
            if (colour.isEmpty() || !ours.startsWith(QLatin1Char('#')))
                continue;
            // Visio rounds its own colour arithmetic: a step either way is the same colour.
            const QColor a(ours), b(colour);
            const int off = std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                      std::abs(a.blue() - b.blue())});
            QVERIFY2(off <= 2,
                     qPrintable(QStringLiteral("%1 %2: Visio %3, ours %4").arg(expected.title, cell, colour, ours)));
            ++compared;
        }
        QVERIFY2(compared > 0, qPrintable(QStringLiteral("%1 has no colour to compare").arg(expected.title)));
    }
}

QTEST_GUILESS_MAIN(TestVisioThemeResolver)
#include "tst_VisioThemeResolver.moc"
