#include "VisioImage.h"
#include "VisioPictureConversion.h"
#include "VisioRenderer.h"

#include <librevenge/librevenge.h>

#include <QBuffer>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <limits>

using librevenge::RVNGPropertyList;
using librevenge::RVNGPropertyListVector;

namespace {

RVNGPropertyList named(const char *name)
{
    RVNGPropertyList props;
    if (name)
        props.insert("draw:name", name);
    return props;
}

RVNGPropertyList rectProps(double x, double y, double w, double h)
{
    RVNGPropertyList props;
    props.insert("svg:x", x);
    props.insert("svg:y", y);
    props.insert("svg:width", w);
    props.insert("svg:height", h);
    return props;
}

RVNGPropertyList action(const char *letter, double x = 0, double y = 0)
{
    RVNGPropertyList props;
    props.insert("librevenge:path-action", letter);
    props.insert("svg:x", x);
    props.insert("svg:y", y);
    return props;
}

RVNGPropertyList arc(double x, double y, double rx, double ry)
{
    RVNGPropertyList props = action("A", x, y);
    props.insert("svg:rx", rx);
    props.insert("svg:ry", ry);
    return props;
}

RVNGPropertyList pathOf(const QList<RVNGPropertyList> &actions)
{
    RVNGPropertyListVector vector;
    for (const RVNGPropertyList &a : actions)
        vector.append(a);
    RVNGPropertyList props;
    props.insert("svg:d", vector);
    return props;
}

RVNGPropertyList filledStyle(const char *colour)
{
    RVNGPropertyList props;
    props.insert("draw:fill", "solid");
    props.insert("draw:fill-color", colour);
    return props;
}

void addText(VisioRenderer &r, const char *text)
{
    r.insertText(librevenge::RVNGString(text));
}

QByteArray pngBytes(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void putU32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// A minimal EMF: header, one rectangle, end of file; padded with a comment
// record to totalSize bytes when asked (totalSize must be a multiple of 4).
QByteArray tinyEmf(int totalSize = 0)
{
    const quint32 headerSize = 88;
    const quint32 rectSize = 24;
    const quint32 eofSize = 20;
    quint32 commentSize = 0;
    if (totalSize > 0)
        commentSize = quint32(totalSize) - headerSize - rectSize - eofSize;
    const quint32 total = headerSize + rectSize + eofSize + commentSize;

    QByteArray emf;
    putU32(emf, 1); // EMR_HEADER
    putU32(emf, headerSize);
    for (quint32 v : {0u, 0u, 99u, 49u})
        putU32(emf, v); // bounds, device units
    for (quint32 v : {0u, 0u, 2646u, 1323u})
        putU32(emf, v); // frame, 0.01 mm
    putU32(emf, 0x464D4520); // " EMF"
    putU32(emf, 0x00010000);
    putU32(emf, total);
    putU32(emf, commentSize ? 4 : 3);
    putU32(emf, 1); // handles (16 bit) + reserved
    putU32(emf, 0); // description length
    putU32(emf, 0); // description offset
    putU32(emf, 0); // palette entries
    putU32(emf, 1024); // device size, pixels
    putU32(emf, 768);
    putU32(emf, 270); // device size, mm
    putU32(emf, 203);
    if (commentSize) {
        putU32(emf, 70); // EMR_COMMENT
        putU32(emf, commentSize);
        putU32(emf, commentSize - 12);
        emf.append(QByteArray(int(commentSize - 12), 'x'));
    }
    putU32(emf, 43); // EMR_RECTANGLE
    putU32(emf, rectSize);
    for (quint32 v : {10u, 10u, 90u, 40u})
        putU32(emf, v);
    putU32(emf, 14); // EMR_EOF
    putU32(emf, eofSize);
    putU32(emf, 0);
    putU32(emf, 16);
    putU32(emf, eofSize);
    return emf;
}

RVNGPropertyList picture(const QByteArray &bytes, const char *mime, double w, double h)
{
    RVNGPropertyList props = rectProps(1, 1, w, h);
    props.insert("librevenge:mime-type", mime);
    props.insert("office:binary-data", bytes.toBase64().constData());
    return props;
}

} // namespace

class TestVisioRenderer : public QObject
{
    Q_OBJECT

private slots:
    void pagesLayersAndMetadata();
    void groupsSaveAndRestoreState();
    void idsAndOrderAcrossDroppedItems();
    void styleIsReplacedNotMerged();

    void pathSources();
    void pathActions();
    void arcs();
    void nonFiniteAndHugeCoordinates();
    void blankSeparatedParser();
    void bandInsideContainerKeepsColour();
    void damagedTextIsCapped();

    void textRecord();
    void textSeparators_data();
    void textSeparators();

    void pictures();
    void emfPictures();
    void rasterSizeCap();
    void badPictures();
};

void TestVisioRenderer::pagesLayersAndMetadata()
{
    VisioRenderer r(QStringLiteral("plan.vsdx"));
    r.startDocument(RVNGPropertyList());
    RVNGPropertyList meta;
    meta.insert("dc:title", "Floor");
    meta.insert("meta:creation-date", "2020-05-06T07:08:09Z");
    r.setDocumentMetaData(meta);

    // A layer opened before any page is named Layer_1 and listed nowhere.
    r.startLayer(RVNGPropertyList());
    RVNGPropertyList page = named("One");
    page.insert("svg:width", 11.0);
    page.insert("svg:height", 8.5);
    r.startPage(page);
    r.drawPath(rectProps(0, 0, 1, 1));
    r.startLayer(RVNGPropertyList());
    r.startLayer(named("Walls"));
    r.startLayer(named("Walls"));
    r.startLayer(RVNGPropertyList());
    r.endLayer();
    r.drawPath(rectProps(0, 0, 1, 1));
    r.startLayer(named("Doors"));
    r.endPage();
    r.drawPath(rectProps(0, 0, 1, 1)); // outside a page: dropped

    r.startPage(named("Two"));
    r.drawPath(rectProps(0, 0, 1, 1)); // layer left open from page one
    r.endPage();
    r.endDocument();

    const VisioDocumentModel &m = r.documentModel();
    QCOMPARE(m.fileName, QStringLiteral("plan.vsdx"));
    QCOMPARE(m.title, QStringLiteral("Floor"));
    QVERIFY(m.creator.isEmpty());
    QCOMPARE(m.creationDate, QDateTime(QDate(2020, 5, 6), QTime(7, 8, 9), Qt::UTC));
    QCOMPARE(m.pages.size(), 2);
    QCOMPARE(m.pages[0].name, QStringLiteral("One"));
    QCOMPARE(m.pages[0].pageSize, QSizeF(11, 8.5));
    QCOMPARE(m.pages[1].pageSize, QSizeF(0, 0));
    QCOMPARE(m.pages[0].layers,
             QStringList({"Layer_1", "Walls", "Layer_3", "Doors"}));
    QCOMPARE(m.pages[0].shapes[0].layer, QStringLiteral("Layer_1"));
    QCOMPARE(m.pages[0].shapes[1].layer, QString());
    QCOMPARE(m.pages[0].shapes.size(), 2);
    QVERIFY(m.pages[1].layers.isEmpty());
    QCOMPARE(m.pages[1].shapes[0].layer, QStringLiteral("Doors"));
    QCOMPARE(m.pages[1].shapes[0].zIndex, 0);

    // Taking the model leaves the renderer empty but usable.
    VisioDocumentModel taken = r.takeDocumentModel();
    QCOMPARE(taken.pages.size(), 2);
    QVERIFY(r.documentModel().pages.isEmpty());
    r.drawPath(rectProps(0, 0, 1, 1));
    QVERIFY(r.documentModel().pages.isEmpty());
}

void TestVisioRenderer::groupsSaveAndRestoreState()
{
    VisioRenderer r;
    r.startDocument(RVNGPropertyList());
    r.startPage(named("P"));
    r.closeGroup(); // unmatched: no effect
    r.setStyle(filledStyle("#0000FF"));
    r.startLayer(named("Outer"));
    r.drawPath(rectProps(0, 0, 1, 1));          // z 0
    r.openGroup(RVNGPropertyList());
    r.setStyle(filledStyle("#00FF00"));
    r.startLayer(named("Inner"));
    r.drawPath(rectProps(5, 5, 1, 1));          // z 0 inside
    r.drawPath(rectProps(7, 7, 1, 1));          // z 1 inside
    r.closeGroup();
    r.drawPath(rectProps(9, 9, 1, 1));          // z 1, outer style and layer again
    r.closeGroup();                             // unmatched again
    r.drawPath(rectProps(11, 11, 1, 1));        // z 2

    const QList<VisioShape> &shapes = r.documentModel().pages[0].shapes;
    QCOMPARE(shapes.size(), 5);
    QCOMPARE(shapes[1].zIndex, 0);
    QCOMPARE(shapes[1].layer, QStringLiteral("Inner"));
    QCOMPARE(shapes[1].style.fillColor, QColor(0, 255, 0));
    QCOMPARE(shapes[2].zIndex, 1);
    QCOMPARE(shapes[3].zIndex, 1);
    QCOMPARE(shapes[3].layer, QStringLiteral("Outer"));
    QCOMPARE(shapes[3].style.fillColor, QColor(0, 0, 255));
    QCOMPARE(shapes[4].zIndex, 2);
    QCOMPARE(r.documentModel().pages[0].layers, QStringList({"Outer", "Inner"}));
}

void TestVisioRenderer::idsAndOrderAcrossDroppedItems()
{
    VisioRenderer r;
    r.startDocument(RVNGPropertyList());
    r.startPage(named("P"));

    r.drawPath(rectProps(0, 0, 0, 1));             // dropped: id 1, no z
    r.drawPath(rectProps(0, 0, 1, 1));             // shape_2, z 0
    RVNGPropertyList broken = picture("not a picture", "image/png", 1, 1);
    r.drawGraphicObject(broken);                   // dropped: id 3, no z
    r.startTextObject(rectProps(0, 0, 1, 1));      // text_4, z 1
    addText(r, "");
    r.endTextObject();                             // empty: not stored, z used
    RVNGPropertyList withId = rectProps(0, 0, 1, 1);
    withId.insert("draw:id", "own");
    r.drawPath(withId);                            // own id, z 2, no number used
    r.drawGraphicObject(picture(pngBytes(4, 2), "image/png", 1, 1)); // image_5, z 3
    r.startTextObject(rectProps(0, 0, 1, 1));      // text_6, z 4
    addText(r, "x");
    r.endTextObject();

    const VisioPage &page = r.documentModel().pages[0];
    QCOMPARE(page.shapes.size(), 2);
    QCOMPARE(page.shapes[0].id, QStringLiteral("shape_2"));
    QCOMPARE(page.shapes[0].zIndex, 0);
    QCOMPARE(page.shapes[1].id, QStringLiteral("own"));
    QCOMPARE(page.shapes[1].zIndex, 2);
    QCOMPARE(page.images.size(), 1);
    QCOMPARE(page.images[0].id, QStringLiteral("image_5"));
    QCOMPARE(page.images[0].zIndex, 3);
    QCOMPARE(page.texts.size(), 1);
    QCOMPARE(page.texts[0].id, QStringLiteral("text_6"));
    QCOMPARE(page.texts[0].zIndex, 4);

    // A new document starts the numbering again.
    r.startDocument(RVNGPropertyList());
    QCOMPARE(r.generateId(QStringLiteral("image")), QStringLiteral("image_1"));
    QVERIFY(r.documentModel().pages.isEmpty());
}

void TestVisioRenderer::styleIsReplacedNotMerged()
{
    VisioRenderer r;
    r.startPage(named("P"));
    RVNGPropertyList first = filledStyle("#FF0000");
    first.insert("svg:stroke-width", 0.5);
    first.insert("draw:stroke", "dash");
    r.setStyle(first);
    r.drawPath(rectProps(0, 0, 1, 1));
    r.setStyle(RVNGPropertyList());
    r.drawPath(rectProps(3, 3, 1, 1));
    const QList<VisioShape> &shapes = r.documentModel().pages[0].shapes;
    QCOMPARE(shapes[0].style.strokeType, VisioStyle::DashStroke);
    QCOMPARE(shapes[1].style.strokeType, VisioStyle::SolidStroke);
    QCOMPARE(shapes[1].style.strokeWidth, 0.0033);
    QCOMPARE(shapes[1].style.strokeColor, QColor(Qt::black));
    QVERIFY(!shapes[1].style.filled);
    QCOMPARE(shapes[1].style.fillColor, QColor(Qt::transparent));
}

void TestVisioRenderer::pathSources()
{
    VisioRenderer r;
    r.startPage(named("P"));

    // The action list wins over a string and over explicit dimensions.
    RVNGPropertyList all = pathOf({action("M", 1, 1), action("L", 2, 1)});
    all.insert("svg:width", 9.0);
    all.insert("svg:height", 9.0);
    r.drawPath(all);
    // A string "0" falls through to the rectangle.
    RVNGPropertyList zero = rectProps(3, 4, 2, 1);
    zero.insert("svg:d", "0");
    r.drawPath(zero);
    // Path text is parsed when there is no action list.
    RVNGPropertyList text;
    text.insert("svg:d", "M 0 0 L 1 0");
    r.drawPath(text);
    // Nothing usable, and a path that comes out empty: both dropped.
    r.drawPath(RVNGPropertyList());
    RVNGPropertyList junk;
    junk.insert("svg:d", "X Y");
    r.drawPath(junk);

    const QList<VisioShape> &shapes = r.documentModel().pages[0].shapes;
    QCOMPARE(shapes.size(), 3);
    QCOMPARE(shapes[0].path.boundingRect(), QRectF(1, 1, 1, 0));
    QCOMPARE(shapes[1].path.boundingRect(), QRectF(3, 4, 2, 1));
    QCOMPARE(shapes[2].path.elementCount(), 2);
    QCOMPARE(r.generateId(QStringLiteral("x")), QStringLiteral("x_6"));
}

void TestVisioRenderer::pathActions()
{
    VisioRenderer r;
    RVNGPropertyList c = action("C", 3, 0);
    c.insert("svg:x1", 1.0);
    c.insert("svg:y1", 1.0);
    c.insert("svg:x2", 2.0);
    c.insert("svg:y2", 1.0);
    RVNGPropertyList q = action("Q", 4, 4);
    q.insert("svg:x1", 4.0);
    q.insert("svg:y1", 0.0);
    RVNGPropertyListVector actions;
    for (const RVNGPropertyList &a :
         {action("L", 0, 0), c, q, action("Z"), action("L", 1, 2), action("X", 5, 5)})
        actions.append(a);
    const QPainterPath path = r.parsePathFromChildren(&actions);
    // L first moves; C and Q each add control points; Z closes back to the start.
    QCOMPARE(path.elementAt(0).type, QPainterPath::MoveToElement);
    QCOMPARE(QPointF(path.elementAt(3)), QPointF(3, 0));
    QCOMPARE(QPointF(path.elementAt(6)), QPointF(4, 4));
    QCOMPARE(QPointF(path.elementAt(7)), QPointF(0, 0));
    QCOMPARE(QPointF(path.elementAt(path.elementCount() - 1)), QPointF(1, 2));
    QVERIFY(r.parsePathFromChildren(nullptr).isEmpty());
}

void TestVisioRenderer::arcs()
{
    using Seg = VisioRenderer::CubicSegment;
    QCOMPARE(VisioRenderer::svgArcToBezier({1, 0}, {0, 1}, 1, 1, 0, false, true).size(), 1);
    const QList<Seg> half = VisioRenderer::svgArcToBezier({1, 0}, {-1, 0}, 1, 1, 0, false, true);
    QCOMPARE(half.size(), 2);
    QVERIFY(qAbs(half[0].end.x()) < 1e-9 && qAbs(qAbs(half[0].end.y()) - 1) < 1e-9);
    QVERIFY(VisioRenderer::svgArcToBezier({1, 1}, {1, 1}, 1, 1, 0, false, true).isEmpty());
    // Radii too small for the chord are scaled up: still a half circle.
    QCOMPARE(VisioRenderer::svgArcToBezier({0, 0}, {4, 0}, 1, 1, 0, false, false).size(), 2);

    // An arc first only moves; zero radius draws a line; equal ends add nothing.
    VisioRenderer r;
    RVNGPropertyListVector first;
    first.append(arc(2, 2, 1, 1));
    first.append(arc(3, 2, 0, 1));
    first.append(arc(3, 2, 1, 1));
    QPainterPath path = r.parsePathFromChildren(&first);
    QCOMPARE(path.elementCount(), 2);
    QCOMPARE(path.elementAt(0).type, QPainterPath::MoveToElement);
    QCOMPARE(QPointF(path.elementAt(1)), QPointF(3, 2));

    // Sweep from the key, else from rotate 180.
    auto arcPath = [&](const RVNGPropertyList &a) {
        QPainterPath p;
        QPointF current(1, 0);
        p.moveTo(current);
        r.handleEllipticalArc(a, p, current);
        return p;
    };
    auto expected = [](bool sweep) {
        QPainterPath p;
        p.moveTo(1, 0);
        for (const Seg &s : VisioRenderer::svgArcToBezier({1, 0}, {0, 1}, 1, 1, 0, false, sweep))
            p.cubicTo(s.control1, s.control2, s.end);
        return p;
    };
    QVERIFY(expected(true) != expected(false));
    RVNGPropertyList a = arc(0, 1, 1, 1);
    QCOMPARE(arcPath(a), expected(false));
    a.insert("librevenge:rotate", 180.0, librevenge::RVNG_GENERIC);
    QCOMPARE(arcPath(a), expected(true));
    a.insert("librevenge:rotate", 90.0, librevenge::RVNG_GENERIC);
    QCOMPARE(arcPath(a), expected(false));
    a.insert("librevenge:sweep", 1);
    QCOMPARE(arcPath(a), expected(true));
    a.insert("librevenge:sweep", 0);
    a.insert("librevenge:rotate", 180.0, librevenge::RVNG_GENERIC);
    QCOMPARE(arcPath(a), expected(false));
}

void TestVisioRenderer::nonFiniteAndHugeCoordinates()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    VisioRenderer r;
    r.startPage(named("P"));

    r.drawPath(pathOf({action("M", 0, 0), action("L", nan, 1), action("L", 2, inf),
                       action("L", 3, 3)}));
    r.drawPath(pathOf({action("M", nan, 0)}));      // nothing left: dropped
    r.drawPath(rectProps(nan, 0, 1, 1));            // treated as absent: x = 0
    r.drawPath(rectProps(1e308, 0, 1e308, 1));      // corner overflows: dropped
    r.drawPath(pathOf({action("M", 1e308, 1e308), arc(-1e308, -1e308, 1e308, 1e308),
                       arc(1e308, 0, 1e-308, 1e-308)}));
    RVNGPropertyList text;
    text.insert("svg:d", "m 1e308 0 l 1e308 0 c 1e308 0 1e308 0 1e308 0 nan inf 1 1");
    r.drawPath(text);

    const QList<VisioShape> &shapes = r.documentModel().pages[0].shapes;
    // Qt refuses points beyond about 1e128, so the path of huge points ends empty.
    QCOMPARE(shapes.size(), 3);
    QCOMPARE(shapes[0].path.elementCount(), 2);
    QCOMPARE(QPointF(shapes[2].path.elementAt(shapes[2].path.elementCount() - 1)), QPointF(1, 1));
    QCOMPARE(shapes[1].path.boundingRect(), QRectF(0, 0, 1, 1));
    for (const VisioShape &shape : shapes) {
        for (int i = 0; i < shape.path.elementCount(); ++i) {
            QVERIFY(std::isfinite(shape.path.elementAt(i).x));
            QVERIFY(std::isfinite(shape.path.elementAt(i).y));
        }
    }
    QVERIFY(VisioRenderer::svgArcToBezier({0, 0}, {1, 0}, 1e308, 1e308, 0, true, true).size() <= 4);
    QVERIFY(VisioRenderer::svgArcToBezier({0, 0}, {nan, 0}, 1, 1, 0, true, true).isEmpty());
}

void TestVisioRenderer::blankSeparatedParser()
{
    QPainterPath pairs = VisioRenderer::parseSvgPath(QStringLiteral("M 0 0 1 1 2 2"));
    QCOMPARE(pairs.elementCount(), 3);
    QCOMPARE(QPointF(pairs.elementAt(2)), QPointF(2, 2));

    QPainterPath relative =
        VisioRenderer::parseSvgPath(QStringLiteral("m 1 1 l 1 0 c 0 1 1 1 1 0 Z L 5 5"));
    QCOMPARE(QPointF(relative.elementAt(1)), QPointF(2, 1));
    QCOMPARE(QPointF(relative.elementAt(4)), QPointF(3, 1)); // c end, relative to (2, 1)
    QCOMPARE(QPointF(relative.elementAt(relative.elementCount() - 1)), QPointF(5, 5));

    // Glued and comma forms do not convert; unsupported letters are skipped.
    QVERIFY(VisioRenderer::parseSvgPath(QStringLiteral("M10 L20,30")).isEmpty());
    QPainterPath skipped = VisioRenderer::parseSvgPath(QStringLiteral("M 0 0 H 4 Q 1 2 3 4 L"));
    QCOMPARE(skipped.elementCount(), 3);
    QCOMPARE(QPointF(skipped.elementAt(2)), QPointF(3, 4));
    QVERIFY(VisioRenderer::parseSvgPath(QStringLiteral("0")).isEmpty());
    QVERIFY(VisioRenderer::parseSvgPath(QStringLiteral("7")).isEmpty());
}

// Title bands and bars inside a filled container keep the colour the file
// gives them; geometry marked not to display stays hidden.
void TestVisioRenderer::bandInsideContainerKeepsColour()
{
    VisioRenderer r;
    r.startPage(named("P"));
    r.setStyle(filledStyle("#FF0000"));
    r.drawPath(rectProps(0, 0, 10, 10)); // container
    r.drawPath(rectProps(0, 2, 10, 1));  // full-width band inside it
    RVNGPropertyList hidden = rectProps(0, 4, 10, 1);
    hidden.insert("draw:display", "none");
    r.drawPath(hidden); // kept in the file, never shown
    r.endPage();
    const VisioPage &page = r.documentModel().pages[0];
    QCOMPARE(page.shapes.size(), 3);
    QCOMPARE(page.shapes[1].style.fillColor, QColor(255, 0, 0));
    QCOMPARE(page.shapes[2].display, VisioDisplay::Never);
    QCOMPARE(VisioLayer::displayOf(page.layerTable, page.shapes[2].layerEntries),
             VisioDisplay::Never);
}

void TestVisioRenderer::textRecord()
{
    VisioRenderer r;
    r.startPage(named("P"));
    r.startLayer(named("Notes"));
    RVNGPropertyList box = rectProps(1, 2, 3, 4);
    box.insert("librevenge:rotate", 30.0, librevenge::RVNG_GENERIC);
    box.insert("fo:padding-left", 0.1);
    box.insert("fo:padding-bottom", 0.4);
    box.insert("draw:textarea-vertical-align", "bottom");
    r.startTextObject(box);
    RVNGPropertyList right;
    right.insert("fo:text-align", "right");
    r.openParagraph(right);
    RVNGPropertyList bold;
    bold.insert("style:font-name", "Calibri");
    bold.insert("fo:font-size", "10.5pt");
    bold.insert("fo:font-weight", "bold");
    bold.insert("fo:color", "#FF0000");
    r.openSpan(bold);
    addText(r, "Hello");
    r.closeSpan();
    r.closeParagraph();
    RVNGPropertyList left;
    left.insert("fo:text-align", "left");
    r.openParagraph(left);
    RVNGPropertyList blue;
    blue.insert("style:font-name", "calibri");
    blue.insert("fo:color", "#0000FF");
    blue.insert("fo:font-size", "99");
    r.openSpan(blue);
    addText(r, "World");
    r.closeSpan();
    r.closeParagraph();
    r.endTextObject();

    // Outside a span the block keeps the default font and black.
    r.startTextObject(rectProps(0, 0, 1, 1));
    addText(r, "plain");
    r.endTextObject();
    // No page: the block is dropped.
    r.endPage();
    r.startTextObject(rectProps(0, 0, 1, 1));
    addText(r, "lost");
    r.endTextObject();

    const QList<VisioText> &texts = r.documentModel().pages[0].texts;
    QCOMPARE(texts.size(), 2);
    const VisioText &t = texts[0];
    QCOMPARE(t.text, QStringLiteral("Hello\nWorld"));
    QCOMPARE(t.font.family(), VisioRenderer::substituteFontFamily(QStringLiteral("Calibri")));
    QCOMPARE(t.font.pointSizeF(), 10.5);
    QCOMPARE(t.font.weight(), QFont::Bold);
    QCOMPARE(t.color, QColor(255, 0, 0));
    QCOMPARE(t.alignment, int(Qt::AlignLeft | Qt::AlignBottom));
    QCOMPARE(t.bounds, QRectF(1, 2, 3, 4));
    QCOMPARE(t.rotation, 30.0);
    QCOMPARE(t.padding, QMarginsF(0.1, 0, 0, 0.4));
    QCOMPARE(t.layer, QStringLiteral("Notes"));
    QCOMPARE(texts[1].alignment, int(Qt::AlignHCenter | Qt::AlignVCenter));
    QCOMPARE(texts[1].color, QColor(Qt::black));
    QCOMPARE(texts[1].font, QFont());

    // Each span keeps its own format: the second is neither bold nor red,
    // and each paragraph its own alignment.
    QCOMPARE(t.runs.size(), 2);
    QCOMPARE(t.runs[1].start, 5);
    QCOMPARE(t.runs[1].length, 6);
    QCOMPARE(t.runs[1].font.weight(), QFont::Normal);
    QCOMPARE(t.runs[1].color, QColor(0, 0, 255));
    QCOMPARE(t.paragraphs.size(), 2);
    QCOMPARE(t.paragraphs[1].start, 6);
    QCOMPARE(t.paragraphs[0].alignment, int(Qt::AlignRight));
    QCOMPARE(t.paragraphs[1].alignment, int(Qt::AlignLeft));

    // Family names are matched exactly.
    QCOMPARE(VisioRenderer::substituteFontFamily(QStringLiteral("calibri")),
             QStringLiteral("calibri"));
}

// Sizes and counts from a damaged file are capped: the block still comes
// through, in bounded formats.
void TestVisioRenderer::damagedTextIsCapped()
{
    VisioRenderer r;
    r.startPage(named("P"));
    r.startTextObject(rectProps(0, 0, 1, 1));
    RVNGPropertyList paragraph;
    paragraph.insert("fo:line-height", std::nan(""));
    r.openParagraph(paragraph);
    const std::string hugeName(10 * 1024 * 1024, 'x');
    for (int i = 0; i < 100000; ++i) {
        RVNGPropertyList span;
        span.insert("fo:font-size", i % 2 ? "0pt" : "10000pt");
        span.insert("fo:font-weight", i % 2 ? "normal" : "bold");
        if (i == 0)
            span.insert("style:font-name", hugeName.c_str());
        r.openSpan(span);
        addText(r, "w");
        r.closeSpan();
    }
    r.endTextObject();

    const VisioText &t = r.documentModel().pages[0].texts[0];
    QCOMPARE(t.text.size(), 100000);
    QVERIFY(t.runs.size() < 10000);
    QCOMPARE(t.runs.last().start + t.runs.last().length, t.text.size());
    QVERIFY(t.font.family().size() < 1000);
    QVERIFY(t.font.pointSizeF() > 0 && t.font.pointSizeF() <= 4000);
    QCOMPARE(t.paragraphs.size(), 1);
    QCOMPARE(t.paragraphs[0].lineHeight, 1.2);
}

void TestVisioRenderer::textSeparators_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QString>("expected");
    // "P" closes a paragraph, "B" a line break, "T" a tab, "S" an explicit blank;
    // anything else is a text run.
    QTest::newRow("three paragraphs, middle empty")
        << QStringList{"A", "P", "", "P", "b", "P"} << "A\n\nb";
    QTest::newRow("trailing empty paragraph") << QStringList{"A", "P", "", "P"} << "A";
    QTest::newRow("line break, tab, blanks")
        << QStringList{"a", "B", "b", "T", "c", "S", "S", "d", "B", "T"} << "a\nb\tc  d";
    QTest::newRow("separators only") << QStringList{"P", "B", "T", "S", "P"} << "";
}

void TestVisioRenderer::textSeparators()
{
    QFETCH(QStringList, script);
    QFETCH(QString, expected);
    VisioRenderer r;
    r.startPage(named("P"));
    r.startTextObject(rectProps(0, 0, 1, 1));
    r.openParagraph(RVNGPropertyList());
    for (const QString &step : script) {
        if (step == QLatin1String("P")) {
            r.closeParagraph();
            r.openParagraph(RVNGPropertyList());
        } else if (step == QLatin1String("B")) {
            r.insertLineBreak();
        } else if (step == QLatin1String("T")) {
            r.insertTab();
        } else if (step == QLatin1String("S")) {
            r.insertSpace();
        } else {
            addText(r, step.toUtf8().constData());
        }
    }
    r.closeParagraph();
    r.endTextObject();
    const QList<VisioText> &texts = r.documentModel().pages[0].texts;
    if (expected.isEmpty()) {
        QVERIFY(texts.isEmpty());
    } else {
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts[0].text, expected);
    }
}

void TestVisioRenderer::pictures()
{
    VisioRenderer r;
    r.startPage(named("P"));
    r.startLayer(named("Pics"));
    r.drawGraphicObject(picture(pngBytes(7, 3), "image/png", 2, 1));
    r.drawGraphicObject(picture(pngBytes(5, 5), "", 1, 1)); // format detected from the data
    const QList<VisioImage> &images = r.documentModel().pages[0].images;
    QCOMPARE(images.size(), 2);
    QCOMPARE(images[0].image.size(), QSize(7, 3)); // raster keeps its pixels
    QCOMPARE(images[0].rect, QRectF(1, 1, 2, 1));
    QCOMPARE(images[0].layer, QStringLiteral("Pics"));
    QCOMPARE(images[1].image.size(), QSize(5, 5));
    QCOMPARE(images[1].zIndex, 1);

    // No page: not even an id.
    r.endPage();
    r.drawGraphicObject(picture(pngBytes(5, 5), "image/png", 1, 1));
    QCOMPARE(r.generateId(QStringLiteral("n")), QStringLiteral("n_3"));
}

void TestVisioRenderer::emfPictures()
{
    const QByteArray emf = tinyEmf();
    QByteArray svg;
    QVERIFY(loadEmfSvgData(emf, svg));
    QVERIFY(svg.contains("<svg"));

    VisioRenderer r;
    r.startPage(named("P"));
    r.drawGraphicObject(picture(emf, "image/x-emf", 2, 1));
    r.drawGraphicObject(picture(emf, "image/EMF", 0, 1));
    const QList<VisioImage> &images = r.documentModel().pages[0].images;
    QCOMPARE(images.size(), 2);
    // Kept as vectors, whatever the placement.
    QVERIFY(images[0].vector);
    QVERIFY(images[0].image.isNull());
    QCOMPARE(images[0].rect, QRectF(1, 1, 2, 1));
    QVERIFY(images[1].vector);

    QVERIFY(!loadEmfSvgData(QByteArray(), svg));
}

void TestVisioRenderer::rasterSizeCap()
{
    QCOMPARE(capRasterSize(QSizeF(192, 96)), QSize(192, 96));
    QCOMPARE(capRasterSize(QSizeF(8192, 1024)), QSize(4096, 512));
    const QSize square = capRasterSize(QSizeF(4096, 4096));
    QVERIFY(qint64(square.width()) * square.height() <= kMaxRasterPixels);
    QVERIFY(qAbs(square.width() - square.height()) <= 1);
    QCOMPARE(capRasterSize(QSizeF(1e308, 1)), QSize(4096, 1));
    QCOMPARE(capRasterSize(QSizeF(0, 50)), QSize(0, 50));
    // Halves round up; a sliver under half a pixel is empty, so the SVG
    // fallback size applies, but one that the cap shrank keeps a pixel.
    QCOMPARE(capRasterSize(QSizeF(0.5, 2.5)), QSize(1, 3));
    QCOMPARE(capRasterSize(QSizeF(0.4, 50)), QSize(0, 50));
    QCOMPARE(capRasterSize(QSizeF(1e9, 0.4)), QSize(4096, 1));
    QCOMPARE(capRasterSize(QSizeF(std::numeric_limits<double>::quiet_NaN(), 5)), QSize(0, 5));

    // A vector picture placed 1000 x 500 inches is rasterised within the cap.
    VisioRenderer r;
    r.startPage(named("P"));
    r.drawGraphicObject(picture(tinyEmf(), "image/x-emf", 1000, 500));
    const QList<VisioImage> &images = r.documentModel().pages[0].images;
    QCOMPARE(images.size(), 1);
    QCOMPARE(images[0].vector->toImage(QSize(96000, 48000)).size(),
             QSize(kMaxRasterSide, kMaxRasterSide / 2));

    // An SVG whose own size is absurd is capped too.
    QImage image;
    QVERIFY(loadSvgToImage("<svg xmlns='http://www.w3.org/2000/svg' width='1000000' "
                           "height='1000000'><rect width='10' height='10'/></svg>",
                           image, QSize(-1, -1)));
    QVERIFY(qint64(image.width()) * image.height() <= kMaxRasterPixels);
}

void TestVisioRenderer::badPictures()
{
    VisioRenderer r;
    r.startPage(named("P"));
    RVNGPropertyList noData = rectProps(0, 0, 1, 1);
    noData.insert("librevenge:mime-type", "image/png");
    QTest::ignoreMessage(QtWarningMsg, "No image data found");
    r.drawGraphicObject(noData);

    RVNGPropertyList notBase64 = noData;
    notBase64.insert("office:binary-data", "!!!QUJD###"); // "ABC" among junk
    QTest::ignoreMessage(QtWarningMsg, "Failed to load image: \"image/png\"");
    r.drawGraphicObject(notBase64);

    QTest::ignoreMessage(QtWarningMsg,
                         "Failed to load image: \"image/x-wmf\" - no metafile header");
    r.drawGraphicObject(picture(QByteArray("\xD7\xCD\xC6\x9A", 4) + QByteArray(60, '\0'), "image/x-wmf", 1, 1));

    QTest::ignoreMessage(QtWarningMsg, "Failed to load image: \"image/x-emf\" - not an EMF "
                                       "picture, or its header is damaged");
    r.drawGraphicObject(picture(QByteArray(200, '\x01'), "image/x-emf", 1, 1));

    // Truncated EMF: the header claims more than there is.
    QTest::ignoreMessage(QtWarningMsg, "Failed to load image: \"image/emf\" - not an EMF "
                                       "picture, or its header is damaged");
    r.drawGraphicObject(picture(tinyEmf().left(60), "image/emf", 1, 1));

    QImage image;
    QVERIFY(!loadSvgToImage("not svg at all", image, QSize(10, 10)));
    QVERIFY(image.isNull());
    QVERIFY(r.documentModel().pages[0].images.isEmpty());
}

QTEST_MAIN(TestVisioRenderer)
#include "tst_VisioRenderer.moc"
