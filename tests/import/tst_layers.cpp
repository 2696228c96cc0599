#include "VisioImporter.h"
#include "VisioLayerReader.h"
#include "VisioRenderer.h"

#include <librevenge/librevenge.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QtTest>

using librevenge::RVNGPropertyList;

namespace {

RVNGPropertyList box(double x, const char *display = nullptr, const char *id = nullptr)
{
    RVNGPropertyList props;
    props.insert("svg:x", x);
    props.insert("svg:y", 0.0);
    props.insert("svg:width", 1.0);
    props.insert("svg:height", 1.0);
    if (display)
        props.insert("draw:display", display);
    if (id)
        props.insert("draw:id", id);
    return props;
}

void text(VisioRenderer &r, const char *content, const char *display = nullptr)
{
    r.startTextObject(box(0, display));
    r.insertText(librevenge::RVNGString(content));
    r.endTextObject();
}

void picture(VisioRenderer &r, const char *display)
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    RVNGPropertyList props = box(0, display);
    props.insert("librevenge:mime-type", "image/png");
    props.insert("office:binary-data", png.toBase64().constData());
    r.drawGraphicObject(props);
}

RVNGPropertyList page(const char *name)
{
    RVNGPropertyList props;
    props.insert("draw:name", name);
    return props;
}

VisioDisplay shownAs(const VisioPage &p, const QList<int> &entries)
{
    return VisioLayer::displayOf(p.layerTable, entries);
}

QString fixture(const QString &name)
{
    return QDir(QStringLiteral(PLANDRAW_FIXTURES_DIR "/../more-visio")).filePath(name);
}

} // namespace

class TestLayers : public QObject
{
    Q_OBJECT

private slots:
    void everyKindKeepsItsDisplay();
    void itemsGoOnTheLayersOfTheirShapes();
    void readsLayerTablesOfXmlDrawings();
    void realDrawingWithLayers();
};

// Each of libvisio's four display values on a path, a text and a picture:
// nothing is dropped, and the file's visibility holds through the entries.
void TestLayers::everyKindKeepsItsDisplay()
{
    VisioRenderer r;
    r.startPage(page("P"));
    const char *values[] = {nullptr, "screen", "printer", "none"};
    const VisioDisplay expected[] = {VisioDisplay::Always, VisioDisplay::ScreenOnly,
                                     VisioDisplay::PrintOnly, VisioDisplay::Never};
    for (const char *value : values) {
        r.drawPath(box(0, value));
        text(r, "t", value);
        picture(r, value);
    }
    r.endPage();
    const VisioPage &p = r.documentModel().pages.at(0);
    QCOMPARE(p.shapes.size(), 4);
    QCOMPARE(p.texts.size(), 4);
    QCOMPARE(p.images.size(), 4);
    // One collecting entry per kind of hidden content, shared by all items.
    QCOMPARE(p.layerTable.size(), 3);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(p.shapes[i].display, expected[i]);
        QCOMPARE(p.texts[i].display, expected[i]);
        QCOMPARE(p.images[i].display, expected[i]);
        QCOMPARE(shownAs(p, p.shapes[i].layerEntries), expected[i]);
        QCOMPARE(p.texts[i].layerEntries, p.shapes[i].layerEntries);
        QCOMPARE(p.images[i].layerEntries, p.shapes[i].layerEntries);
    }
    QVERIFY(p.shapes[0].layerEntries.isEmpty());
}

// Named shapes take their layers; unnamed items between named ones take the
// layers the shapes between share; nothing contradicts libvisio's display.
void TestLayers::itemsGoOnTheLayersOfTheirShapes()
{
    VisioPageLayers layers;
    layers.name = QStringLiteral("Plan");
    VisioLayer walls;
    walls.name = QStringLiteral("Walls");
    VisioLayer sketch;
    sketch.name = QStringLiteral("Sketch");
    sketch.visible = false;
    sketch.printable = false;
    layers.layers = {walls, sketch};
    // 7 and 8 are label shapes that libvisio draws without naming them;
    // 9 is a group holding 10, on no layer.
    layers.order = {1, 7, 2, 3, 8, 4, 9, 10, 5};
    layers.membership = {{1, {0}}, {7, {0}}, {2, {0}}, {3, {1}}, {8, {1}},
                         {4, {0}}, {9, {}},  {10, {1}}, {5, {0, 1}}};
    layers.parents = {{10, 9}};

    VisioRenderer r;
    r.setPageLayers({layers});
    r.startPage(page("Plan"));
    r.drawPath(box(0, nullptr, "id1"));
    text(r, "label of 7");
    r.drawPath(box(0, nullptr, "id2"));
    r.drawPath(box(0, "none", "id3"));
    text(r, "label of 8", "none");
    r.drawPath(box(0, nullptr, "id4"));
    // The group's text comes after its member, named by libvisio's grouping.
    RVNGPropertyList grouping;
    grouping.insert("draw:id", "id10");
    r.startLayer(grouping);
    r.startLayer(RVNGPropertyList());
    r.drawPath(box(0, "none"));
    r.endLayer();
    text(r, "inner", "none");
    r.endLayer();
    text(r, "group text"); // 9 or 10: no shared layers, so none
    r.drawPath(box(0, nullptr, "id5"));
    // A path whose display contradicts its layers falls back on the display.
    r.drawPath(box(0, "screen", "id1"));
    r.endPage();

    const VisioPage &p = r.documentModel().pages.at(0);
    QCOMPARE(p.layerTable.size(), 3);
    QCOMPARE(p.layerTable.at(1).name, QStringLiteral("Sketch"));
    QCOMPARE(p.texts.at(0).layerEntries, QList<int>{0});
    QCOMPARE(p.shapes.at(2).layerEntries, QList<int>{1});
    QCOMPARE(p.texts.at(1).layerEntries, QList<int>{1});
    QCOMPARE(p.shapes.at(4).layerEntries, QList<int>{1});
    QCOMPARE(p.texts.at(2).layerEntries, QList<int>{1});
    QVERIFY(p.texts.at(3).layerEntries.isEmpty());
    QCOMPARE(p.shapes.at(5).layerEntries, (QList<int>{0, 1}));
    QCOMPARE(p.layerTable.at(p.shapes.at(6).layerEntries.value(0)).kind,
             VisioLayer::ScreenOnlyContent);

    // Another page's layers never reach a page of another name.
    VisioRenderer other;
    other.setPageLayers({layers});
    other.startPage(page("Elsewhere"));
    other.drawPath(box(0, nullptr, "id1"));
    other.endPage();
    QVERIFY(other.documentModel().pages.at(0).layerTable.isEmpty());
    QVERIFY(other.documentModel().pages.at(0).shapes.at(0).layerEntries.isEmpty());
}

void TestLayers::readsLayerTablesOfXmlDrawings()
{
    // Rows by IX with a gap and a deleted row; names empty, repeated and
    // in any script; an instance takes its master's layer by name.
    const QByteArray vdx = R"(<?xml version='1.0' encoding='utf-8'?>
<VisioDocument xmlns='http://schemas.microsoft.com/visio/2003/core'>
 <Masters><Master ID='2' Name='Door'><PageSheet>
   <Layer IX='0'><Name>Doors</Name><Visible>1</Visible><Print>1</Print></Layer></PageSheet>
  <Shapes><Shape ID='5'><LayerMem><LayerMember>0</LayerMember></LayerMem></Shape></Shapes>
 </Master></Masters>
 <Pages>
  <Page ID='0' Name='Ground floor' BackPage='1'><PageSheet>
   <Layer IX='0'><Name></Name><Visible>0</Visible><Print>0</Print></Layer>
   <Layer IX='1' Del='1'><Name>Gone</Name></Layer>
   <Layer IX='2'><Name>電気</Name><Visible>1</Visible><Print>0</Print></Layer>
   <Layer IX='4'><Name>Doors</Name><Visible>1</Visible><Print>1</Print></Layer>
   <Layer IX='5'><Name>Doors</Name><Visible>1</Visible><Print>1</Print></Layer></PageSheet>
   <Shapes>
    <Shape ID='1'><XForm><PinX>1</PinX></XForm><LayerMem><LayerMember>0;2;7</LayerMember></LayerMem>
     <Shapes><Shape ID='2'><LayerMem><LayerMember>4</LayerMember></LayerMem></Shape></Shapes></Shape>
    <Shape ID='3' Master='2'><Shapes><Shape ID='6'/></Shapes></Shape>
    <Shape ID='4'><LayerMem><LayerMember></LayerMember></LayerMem></Shape>
   </Shapes></Page>
  <Page ID='1' Name='Frame' Background='1'><Shapes><Shape ID='1'/><Shape ID='9'/></Shapes></Page>
 </Pages>
</VisioDocument>)";
    const QList<VisioPageLayers> pages = VisioLayerReader::readXmlDrawing(vdx);
    QCOMPARE(pages.size(), 2);
    const VisioPageLayers &ground = pages.at(0);
    QCOMPARE(ground.name, QStringLiteral("Ground floor"));
    QCOMPARE(ground.layers.size(), 4);
    QCOMPARE(ground.layers.at(0).name, QString());
    QVERIFY(!ground.layers.at(0).visible && !ground.layers.at(0).printable);
    QCOMPARE(ground.layers.at(1).name, QStringLiteral("電気"));
    QVERIFY(ground.layers.at(1).visible && !ground.layers.at(1).printable);
    QCOMPARE(ground.order, (QList<quint32>{1, 2, 3, 6, 4}));
    QCOMPARE(ground.parents.value(2), 1u);
    QCOMPARE(ground.membership.value(1), (QList<int>{0, 1})); // row 7 does not exist
    QCOMPARE(ground.membership.value(2), QList<int>{2});
    QCOMPARE(ground.membership.value(3), QList<int>{2});
    QVERIFY(ground.membership.value(6).isEmpty()); // the instance's own, not the master's
    QVERIFY(ground.membership.value(4).isEmpty());
    QVERIFY(ground.hasBackground);
    QCOMPARE(ground.backgroundIds, (QSet<quint32>{1, 9}));
    QCOMPARE(pages.at(1).name, QStringLiteral("Frame"));

    // Cut short, or not a drawing: nothing, rather than half a table.
    QVERIFY(VisioLayerReader::readXmlDrawing(vdx.left(vdx.indexOf("<Shape ID='3'"))).isEmpty());
    QVERIFY(VisioLayerReader::readXmlDrawing("<other><Layer IX='0'/></other>").isEmpty());
}

void TestLayers::realDrawingWithLayers()
{
    const QString path = fixture(QStringLiteral("vsdx-test13_layers.vsdx"));
    if (!QFileInfo::exists(path))
        QSKIP("The more-visio samples are not there.");
    const VisioImporter::Result result = VisioImporter::importFile(path);
    QCOMPARE(result.outcome, VisioImporter::Loaded);
    const VisioPage &p = result.model.pages.at(0);
    QStringList names;
    for (const VisioLayer &layer : p.layerTable)
        names << layer.name;
    QCOMPARE(names, (QStringList{"Layer 1", "Layer 2", "", "Layer 4"}));
    QVERIFY(!p.layerTable.at(2).visible && !p.layerTable.at(2).printable);
    // Each shape's outline, fill and label share its layer.
    for (const VisioText &t : p.texts) {
        const QList<int> expected = t.text.contains(QStringLiteral("No Layer")) ? QList<int>()
                                    : t.text.contains(QStringLiteral("new Layer"))
                                        ? QList<int>{1}
                                        : QList<int>{0};
        QCOMPARE(t.layerEntries, expected);
    }
}

QTEST_MAIN(TestLayers)
#include "tst_layers.moc"
