#include "LogCategories.h"
#include "PageSliceBuilder.h"
#include "SelectableTextItem.h"
#include "VisioDocumentModel.h"
#include "VisioRenderer.h"
#include "VisioSceneBuilder.h"

#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTextLayout>
#include <QFontMetricsF>
#include <QGraphicsItemGroup>
#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>
#include <memory>

namespace {

constexpr double dpi = 96.0;

QPainterPath rectPath(double x, double y, double w, double h)
{
    QPainterPath p;
    p.addRect(x, y, w, h);
    return p;
}

QPainterPath linePath(QPointF a, QPointF b)
{
    QPainterPath p(a);
    p.lineTo(b);
    return p;
}

VisioShape solidBox(const QRectF &r, const QColor &fill, int z = 0)
{
    VisioShape s;
    s.id = "box";
    s.path = rectPath(r.x(), r.y(), r.width(), r.height());
    s.style.filled = true;
    s.style.fillType = VisioStyle::SolidFill;
    s.style.fillColor = fill;
    s.zIndex = z;
    return s;
}

VisioPage letterPage(double w = 8.5, double h = 11)
{
    VisioPage page;
    page.name = "Page";
    page.pageSize = QSizeF(w, h);
    return page;
}

struct Built
{
    std::unique_ptr<QGraphicsScene> scene;
    QList<QRectF> rects;
    QList<QGraphicsItemGroup *> groups;
};

Built build(const VisioDocumentModel &model)
{
    Built b;
    b.scene.reset(VisioSceneBuilder::buildScene(model, &b.rects, &b.groups, dpi));
    return b;
}

Built buildOne(const VisioPage &page)
{
    VisioDocumentModel model;
    model.pages.append(page);
    return build(model);
}

// The page as a viewer shows it at 96 dpi: one image pixel per scene unit.
QImage renderPage(const Built &b, int page = 0)
{
    const QRectF r = b.rects.at(page);
    QImage image(qMax(1, qRound(r.width())), qMax(1, qRound(r.height())), QImage::Format_ARGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    b.scene->render(&painter, QRectF(QPointF(0, 0), image.size()), r, Qt::IgnoreAspectRatio);
    painter.end();
    return image;
}

template<typename T>
QList<T *> childrenOfType(QGraphicsItem *group)
{
    QList<T *> out;
    for (QGraphicsItem *child : group->childItems())
        if (auto *t = dynamic_cast<T *>(child))
            out.append(t);
    return out;
}

bool isDark(QRgb c)
{
    return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90;
}

} // namespace

class TestSceneBuilder : public QObject
{
    Q_OBJECT

private slots:
    void pagesStackInOneColumn();
    void degeneratePagesKeepTheirPlace();
    void layersHideShapesImagesAndTexts();
    void equalZValuesStackShapeImageText();
    void pens();
    void dashesHaveTheirDrawnLength();
    void gradientFills();
    void hatchAndHairlines();
    void richTextRuns();
    void arrowheadFollowsTheLineEnd();
    void textPlacement();
    void textItemDropsSelectionOnFocusOut();
    void imageItems();
    void renderedPixels();
    void damagedInputBuildsAndRenders();
    void slicedBuildMatchesTheOneShotBuild();
};

void TestSceneBuilder::pagesStackInOneColumn()
{
    VisioDocumentModel model;
    model.pages = {letterPage(8.5, 11), letterPage(11, 8.5)};
    // Content beyond the paper stays in the scene.
    model.pages[1].shapes.append(solidBox(QRectF(-1, 2, 0.5, 0.5), Qt::blue));
    model.pages[1].shapes.append(solidBox(QRectF(20, 2, 1, 1), Qt::blue));

    Built b = build(model);
    QCOMPARE(b.rects.size(), 2);
    QCOMPARE(b.groups.size(), 2);
    QCOMPARE(b.rects.at(0), QRectF(0, 0, 816, 1056));
    QCOMPARE(b.rects.at(1), QRectF(0, 1104, 1056, 816));
    for (int i = 0; i < 2; ++i) {
        QGraphicsItemGroup *g = b.groups.at(i);
        QCOMPARE(g->data(0).toInt(), i);
        // Mouse input must reach the text items inside the group.
        QVERIFY(!g->handlesChildEvents());
        auto backgrounds = childrenOfType<QGraphicsRectItem>(g);
        QCOMPARE(backgrounds.size(), 1);
        QCOMPARE(backgrounds.first()->sceneBoundingRect(), b.rects.at(i));
    }
    // Shapes sit on their own page, moved down by the page top.
    auto shapes = childrenOfType<QGraphicsPathItem>(b.groups.at(1));
    QCOMPARE(shapes.size(), 2);
    QCOMPARE(shapes.first()->sceneBoundingRect().top(), 1104 + 2 * 96 - shapes.first()->pen().widthF() / 2);
    const QRectF sceneRect = b.scene->sceneRect();
    QVERIFY(sceneRect.left() < -90);
    QVERIFY(sceneRect.right() > 21 * 96 - 1);

    // Either output list may be left out.
    std::unique_ptr<QGraphicsScene> bare(VisioSceneBuilder::buildScene(model, nullptr, nullptr, dpi));
    QCOMPARE(bare->items().size(), b.scene->items().size());

    Built empty = build(VisioDocumentModel());
    QVERIFY(empty.rects.isEmpty());
    QVERIFY(empty.groups.isEmpty());
    QVERIFY(empty.scene->items().isEmpty());
}

void TestSceneBuilder::degeneratePagesKeepTheirPlace()
{
    VisioDocumentModel model;
    model.pages = {letterPage(0, 0), letterPage(-3, -2), letterPage(8.5, 11)};
    Built b = build(model);
    QCOMPARE(b.rects.size(), 3);
    QCOMPARE(b.rects.at(0), QRectF(0, 0, 0, 0));
    // A damaged negative size counts as zero: pages never move back up.
    QCOMPARE(b.rects.at(1), QRectF(0, 48, 0, 0));
    QCOMPARE(b.rects.at(2), QRectF(0, 96, 816, 1056));
    QCOMPARE(childrenOfType<QGraphicsRectItem>(b.groups.at(0)).size(), 1);
}

void TestSceneBuilder::layersHideShapesImagesAndTexts()
{
    VisioPage page = letterPage();
    page.layers = {"Visible"};
    VisioShape hidden = solidBox(QRectF(1, 1, 1, 1), Qt::red);
    hidden.id = "shape7";
    hidden.layer = "Hidden";
    VisioShape shown = solidBox(QRectF(3, 1, 1, 1), Qt::red);
    shown.layer = "Visible";
    VisioShape noLayer = solidBox(QRectF(5, 1, 1, 1), Qt::red);
    VisioShape wrongCase = solidBox(QRectF(6, 1, 1, 1), Qt::red);
    wrongCase.id = "shape9";
    wrongCase.layer = "visible";
    page.shapes = {hidden, shown, noLayer, wrongCase};

    VisioImage image;
    image.image = QImage(10, 10, QImage::Format_RGB32);
    image.rect = QRectF(1, 3, 1, 1);
    image.layer = "Hidden";
    page.images = {image};
    VisioText text;
    text.text = "secret";
    text.bounds = QRectF(1, 5, 2, 1);
    text.layer = "Hidden";
    page.texts = {text};

    LogCategories::enableVerbose();
    QTest::ignoreMessage(QtDebugMsg,
                         R"(SKIPPED shape "shape7" layer= "Hidden" page.layers= QList("Visible"))");
    QTest::ignoreMessage(QtDebugMsg,
                         R"(SKIPPED shape "shape9" layer= "visible" page.layers= QList("Visible"))");
    Built b = buildOne(page);
    QLoggingCategory::setFilterRules(QString());
    QCOMPARE(childrenOfType<QGraphicsPathItem>(b.groups.first()).size(), 2);
    QCOMPARE(childrenOfType<QGraphicsPixmapItem>(b.groups.first()).size(), 0);
    QCOMPARE(childrenOfType<QGraphicsTextItem>(b.groups.first()).size(), 0);
}

void TestSceneBuilder::equalZValuesStackShapeImageText()
{
    VisioPage page = letterPage();
    VisioText text;
    text.text = "Label";
    text.bounds = QRectF(1, 1, 2, 1);
    text.zIndex = 3;
    VisioImage image;
    image.image = QImage(20, 20, QImage::Format_RGB32);
    image.image.fill(Qt::green);
    image.rect = QRectF(1, 1, 2, 1);
    image.zIndex = 3;
    // Model lists in the opposite order: the add order must still win.
    page.texts = {text};
    page.images = {image};
    page.shapes = {solidBox(QRectF(1, 1, 2, 1), Qt::red, 3)};

    Built b = buildOne(page);
    const QList<QGraphicsItem *> hits =
        b.scene->items(QPointF(1.5 * dpi, 1.5 * dpi), Qt::IntersectsItemShape,
                       Qt::DescendingOrder);
    QList<QGraphicsItem *> interesting;
    for (QGraphicsItem *item : hits)
        if (item->parentItem() == b.groups.first() && item->zValue() == 3)
            interesting.append(item);
    QCOMPARE(interesting.size(), 3);
    QVERIFY(dynamic_cast<SelectableTextItem *>(interesting.at(0)));
    QVERIFY(dynamic_cast<QGraphicsPixmapItem *>(interesting.at(1)));
    QVERIFY(dynamic_cast<QGraphicsPathItem *>(interesting.at(2)));
}

void TestSceneBuilder::pens()
{
    VisioStyle style;
    QPen pen = VisioSceneBuilder::createPen(style, dpi);
    QCOMPARE(pen.style(), Qt::SolidLine);
    QVERIFY(qFuzzyCompare(pen.widthF(), 0.3168));

    style.strokeType = VisioStyle::NoStroke;
    QCOMPARE(VisioSceneBuilder::createPen(style, dpi).style(), Qt::NoPen);

    // A dashed stroke without entries is drawn solid.
    style.strokeType = VisioStyle::DashStroke;
    QCOMPARE(VisioSceneBuilder::createPen(style, dpi).style(), Qt::SolidLine);

    // 0.1 in dash, 0.05 in gap on a 0.01 in line: 10 and 5 pen widths.
    style.strokeWidth = 0.01;
    style.dashPattern = {0.1, 0.05};
    style.dashOffset = 0.02;
    pen = VisioSceneBuilder::createPen(style, dpi);
    QCOMPARE(pen.style(), Qt::CustomDashLine);
    QCOMPARE(pen.dashPattern().size(), 2);
    QVERIFY(qFuzzyCompare(pen.dashPattern().at(0), 10.0));
    QVERIFY(qFuzzyCompare(pen.dashPattern().at(1), 5.0));
    QVERIFY(qFuzzyCompare(pen.dashOffset(), 2.0));

    // A cosmetic (zero-width) pen counts as one unit wide.
    style.strokeWidth = 0;
    pen = VisioSceneBuilder::createPen(style, dpi);
    QCOMPARE(pen.widthF(), 0.0);
    QVERIFY(qFuzzyCompare(pen.dashPattern().at(0), 9.6));
    QVERIFY(qFuzzyCompare(pen.dashPattern().at(1), 4.8));

    // An odd list pairs up by repeating; unusable lists fall back to solid.
    style.dashPattern = {0.1};
    pen = VisioSceneBuilder::createPen(style, dpi);
    QCOMPARE(pen.dashPattern().size(), 2);
    style.dashPattern = {0.1, -0.05};
    QCOMPARE(VisioSceneBuilder::createPen(style, dpi).style(), Qt::SolidLine);
    style.dashPattern = {0.0, 0.0};
    QCOMPARE(VisioSceneBuilder::createPen(style, dpi).style(), Qt::SolidLine);
    style.dashPattern = {std::nan(""), 0.1};
    QCOMPARE(VisioSceneBuilder::createPen(style, dpi).style(), Qt::SolidLine);

    // Damaged widths become a cosmetic line rather than an undefined one.
    style = VisioStyle();
    style.strokeWidth = -1;
    QCOMPARE(VisioSceneBuilder::createPen(style, dpi).widthF(), 0.0);
}

void TestSceneBuilder::dashesHaveTheirDrawnLength()
{
    // A 0.5 in dash and 0.25 in gap on a 0.05 in line, drawn at 96 dpi:
    // 48 px dark, 24 px light, repeating.
    VisioPage page = letterPage(3, 1);
    VisioShape line;
    line.path = linePath(QPointF(0, 0.5), QPointF(3, 0.5));
    line.style.strokeType = VisioStyle::DashStroke;
    line.style.strokeWidth = 0.05;
    line.style.capStyle = Qt::FlatCap;
    line.style.dashPattern = {0.5, 0.25};
    page.shapes = {line};
    const QImage image = renderPage(buildOne(page));
    const int y = 48;
    QVERIFY(isDark(image.pixel(10, y)));
    QVERIFY(isDark(image.pixel(40, y)));
    QCOMPARE(image.pixel(60, y), qRgb(255, 255, 255));
    QVERIFY(isDark(image.pixel(80, y)));
    QVERIFY(isDark(image.pixel(110, y)));
    QCOMPARE(image.pixel(130, y), qRgb(255, 255, 255));
}

// Gradients put the start colour outside (top edge, both edges of an axial
// one, a radial one's rim) and the end colour at the end edge or centre.
void TestSceneBuilder::gradientFills()
{
    auto render = [](VisioStyle::GradientType type, double angle, QPointF centre) {
        VisioShape shape = solidBox(QRectF(0, 0, 2, 1), Qt::black);
        shape.style.fillType = VisioStyle::GradientFill;
        shape.style.strokeType = VisioStyle::NoStroke;
        shape.style.gradientType = type;
        shape.style.gradientAngle = angle;
        shape.style.gradientCenter = centre;
        shape.style.gradientStops = {{0.0, Qt::red}, {1.0, Qt::blue}};
        VisioPage page = letterPage(2, 1);
        page.shapes = {shape};
        return renderPage(buildOne(page));
    };
    auto isRed = [](QRgb c) { return qRed(c) > 200 && qBlue(c) < 60; };
    auto isBlue = [](QRgb c) { return qBlue(c) > 200 && qRed(c) < 60; };
    const QPointF middle(0.5, 0.5);

    QImage image = render(VisioStyle::LinearGradient, 0, middle); // top to bottom
    QVERIFY(isRed(image.pixel(96, 1)));
    QVERIFY(isBlue(image.pixel(96, 94)));
    image = render(VisioStyle::LinearGradient, 90, middle); // left to right
    QVERIFY(isRed(image.pixel(1, 48)));
    QVERIFY(isBlue(image.pixel(190, 48)));
    image = render(VisioStyle::AxialGradient, 0, middle);
    QVERIFY(isRed(image.pixel(96, 1)));
    QVERIFY(isBlue(image.pixel(96, 48)));
    QVERIFY(isRed(image.pixel(96, 94)));
    image = render(VisioStyle::RadialGradient, 0, middle);
    QVERIFY(isBlue(image.pixel(96, 48)));
    QVERIFY(isRed(image.pixel(1, 1)));
    image = render(VisioStyle::RadialGradient, 0, QPointF(0, 0)); // from a corner
    QVERIFY(isBlue(image.pixel(1, 1)));
    QVERIFY(isRed(image.pixel(190, 94)));
    image = render(VisioStyle::RectangularGradient, 0, middle);
    QVERIFY(isBlue(image.pixel(96, 48)));
    QVERIFY(isRed(image.pixel(1, 48)));
    QVERIFY(isRed(image.pixel(96, 1)));
    // Halfway to a long side is halfway in colour, as far as to a short one.
    const QRgb towardsTop = image.pixel(96, 24), towardsLeft = image.pixel(48, 48);
    QVERIFY(std::abs(qRed(towardsTop) - qRed(towardsLeft)) < 16);

    // Flat outlines carry no gradient; unfilled wins over any fill type.
    VisioStyle style;
    style.filled = true;
    style.fillType = VisioStyle::GradientFill;
    style.gradientStops = {{0.0, Qt::red}, {1.0, Qt::blue}};
    QCOMPARE(VisioSceneBuilder::createBrush(style, linePath({0, 10}, {100, 10})).style(),
             Qt::NoBrush);
    style.filled = false;
    QCOMPARE(VisioSceneBuilder::createBrush(style, rectPath(0, 0, 100, 50)).style(), Qt::NoBrush);
}

namespace {

QImage renderScaled(const Built &b, double scale)
{
    const QRectF r = b.rects.at(0);
    QImage image(qMax(1, qRound(r.width() * scale)), qMax(1, qRound(r.height() * scale)),
                 QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    b.scene->render(&painter, QRectF(QPointF(0, 0), image.size()), r, Qt::IgnoreAspectRatio);
    return image;
}

// Centres of the dark runs down one column.
QList<double> darkRunsDown(const QImage &image, int x)
{
    QList<double> centres;
    int start = -1;
    for (int y = 0; y <= image.height(); ++y) {
        const bool dark = y < image.height() && qGray(image.pixel(x, y)) < 160;
        if (dark && start < 0)
            start = y;
        if (!dark && start >= 0) {
            centres.append((start + y - 1) / 2.0);
            start = -1;
        }
    }
    return centres;
}

} // namespace

// Hatching is spaced in page units, so zooming in spreads its lines; lines
// thinner than a pixel stay visible when zoomed out.
void TestSceneBuilder::hatchAndHairlines()
{
    VisioShape hatched = solidBox(QRectF(0, 0, 2, 2), Qt::transparent);
    hatched.style.fillType = VisioStyle::HatchFill;
    hatched.style.strokeType = VisioStyle::NoStroke;
    hatched.style.hatchColor = Qt::black;
    hatched.style.hatchDistance = 0.1;
    hatched.style.hatchRotation = 0; // horizontal lines
    VisioPage page = letterPage(2, 2);
    page.shapes = {hatched};
    Built built = buildOne(page);
    for (double zoom : {1.0, 2.0}) {
        const QList<double> runs = darkRunsDown(renderScaled(built, zoom), int(96 * zoom));
        QVERIFY2(runs.size() >= 15, qPrintable(QString::number(runs.size())));
        const double spacing = (runs.last() - runs.first()) / (runs.size() - 1);
        QVERIFY2(std::abs(spacing - 9.6 * zoom) < 0.5, qPrintable(QString::number(spacing)));
    }

    // A 0.001 in line at 25 %: a quarter of a hundredth of a pixel wide,
    // drawn as a full pixel; dotted, it keeps its gaps.
    VisioShape thin;
    thin.path = linePath(QPointF(0, 1), QPointF(8, 1));
    thin.style.strokeWidth = 0.001;
    VisioShape dotted = thin;
    dotted.path = linePath(QPointF(0, 3), QPointF(8, 3));
    dotted.style.strokeWidth = 0.04;
    dotted.style.strokeType = VisioStyle::DashStroke;
    dotted.style.dashPattern = {0.16, 0.16};
    page = letterPage(8, 4);
    page.shapes = {thin, dotted};
    const QImage small = renderScaled(buildOne(page), 0.25);
    int ink = 0; // a full pixel's worth, however it falls across rows
    for (int y = 20; y < 28; ++y)
        ink += 255 - qGray(small.pixel(100, y));
    QVERIFY2(ink > 200, qPrintable(QString::number(ink)));
    int inked = 0, gaps = 0;
    for (int x = 2; x < 190; ++x) {
        const bool dark = qGray(small.pixel(x, 72)) < 160;
        inked += dark;
        gaps += !dark;
    }
    QVERIFY2(inked > 40 && gaps > 40, qPrintable(QStringLiteral("%1 %2").arg(inked).arg(gaps)));
}

void TestSceneBuilder::arrowheadFollowsTheLineEnd()
{
    // An upward-pointing triangle two units wide, scaled to 0.1 in: 4.8x.
    // Visio draws a medium arrowhead 2 x (2.52 pt + the line weight) wide:
    // 0.1 in on a 1.08 pt line, for which libvisio asks 0.138 in.
    VisioShape shape;
    shape.style.hasEndMarker = true;
    shape.style.markerEndPath = "M0,0 L2,0 L1,-2 Z";
    shape.style.strokeWidth = 0.015;
    shape.style.markerEndWidth = 0.138;
    shape.style.strokeColor = Qt::darkGreen;

    shape.path = linePath(QPointF(0, 1), QPointF(2, 1)); // left to right
    std::unique_ptr<QGraphicsPathItem> item(VisioSceneBuilder::createShapeItem(shape, dpi));
    QVERIFY(item);
    auto arrows = item->childItems();
    QCOMPARE(arrows.size(), 1);
    auto *arrow = static_cast<QGraphicsPathItem *>(arrows.first());
    QCOMPARE(arrow->zValue(), 1.0);
    QCOMPARE(arrow->pen().style(), Qt::NoPen);
    QCOMPARE(arrow->brush().color(), QColor(Qt::darkGreen));
    // Turned by 90 degrees: 9.6 tall, 9.6 long, its apex on the line's end.
    QRectF r = arrow->path().boundingRect();
    QVERIFY(std::abs(r.height() - 9.6) < 1e-6);
    QVERIFY(std::abs(r.width() - 9.6) < 1e-6);
    QVERIFY(std::abs(r.right() - 192) < 0.05);
    QVERIFY(std::abs(r.center().y() - 96) < 1e-6);
    QVERIFY(arrow->path().contains(QPointF(190, 96)));
    QVERIFY(!arrow->path().contains(QPointF(193, 96)));

    // A start marker points back, its apex on the line's start.
    shape.style.hasStartMarker = true;
    shape.style.markerStartPath = shape.style.markerEndPath;
    shape.style.markerStartWidth = 0.138;
    item.reset(VisioSceneBuilder::createShapeItem(shape, dpi));
    QCOMPARE(item->childItems().size(), 2);
    r = static_cast<QGraphicsPathItem *>(item->childItems().last())->path().boundingRect();
    QVERIFY(std::abs(r.left()) < 1e-6);
    QVERIFY(std::abs(r.right() - 9.6) < 1e-6);
    shape.style.hasStartMarker = false;

    // Upwards: not turned, apex up.
    shape.path = linePath(QPointF(1, 2), QPointF(1, 1));
    item.reset(VisioSceneBuilder::createShapeItem(shape, dpi));
    arrow = static_cast<QGraphicsPathItem *>(item->childItems().first());
    r = arrow->path().boundingRect();
    QVERIFY(std::abs(r.width() - 9.6) < 1e-6);
    QVERIFY(std::abs(r.center().x() - 96) < 1e-6);
    QVERIFY(std::abs(r.top() - 96) < 1e-6);
    QVERIFY(arrow->path().contains(QPointF(96, 100)));
    QVERIFY(!arrow->path().contains(QPointF(92.5, 97)));
    // No stroke, no arrowhead: libvisio gives a shape's fill path the line's
    // markers too, and the closed fill path would put one at the line's start.
    shape.style.strokeType = VisioStyle::NoStroke;
    item.reset(VisioSceneBuilder::createShapeItem(shape, dpi));
    QVERIFY(item->childItems().isEmpty());
    shape.style.strokeType = VisioStyle::SolidStroke;

    // No arrowhead for a zero-width marker, an empty marker or a zero-length line.
    shape.style.markerEndPath = "M1,0 L1,-2 Z";
    item.reset(VisioSceneBuilder::createShapeItem(shape, dpi));
    QVERIFY(item->childItems().isEmpty());
    shape.style.markerEndPath = QString();
    item.reset(VisioSceneBuilder::createShapeItem(shape, dpi));
    QVERIFY(item->childItems().isEmpty());
    shape.style.markerEndPath = "M0,0 L2,0 L1,-2 Z";
    item.reset(new QGraphicsPathItem(linePath(QPointF(96, 96), QPointF(96, 96))));
    VisioSceneBuilder::createArrowItems(item.get(), shape, dpi);
    QVERIFY(item->childItems().isEmpty());
    VisioSceneBuilder::createArrowItems(nullptr, shape, dpi);
}

namespace {

// Scene y of the first line's baseline.
double firstBaseline(const SelectableTextItem *item)
{
    const QTextBlock block = item->document()->firstBlock();
    const QTextLine line = block.layout()->lineAt(0);
    return item->mapToScene(QPointF(0, block.layout()->position().y() + line.y() + line.ascent())).y();
}

} // namespace

void TestSceneBuilder::textPlacement()
{
    VisioText text;
    text.text = "Centred";
    text.bounds = QRectF(1, 2, 2, 1);
    text.font = QFont("DejaVu Sans");
    text.font.setPointSizeF(12);
    std::unique_ptr<SelectableTextItem> item(VisioSceneBuilder::createTextItem(text, dpi));
    QVERIFY(item);
    QCOMPARE(item->textWidth(), 192.0);
    // Visio's line is 1.2 font sizes high, its baseline three quarters down,
    // whatever the font's own metrics: 0.3 font sizes below a centred box's
    // middle.
    QVERIFY(std::abs(item->document()->size().height() - 19.2) < 0.05);
    QCOMPARE(item->pos().x(), 96.0);
    QVERIFY(std::abs(firstBaseline(item.get()) - (240 + 4.8)) < 0.05);
    QTextCursor cursor(item->document());
    cursor.movePosition(QTextCursor::NextCharacter);
    QCOMPARE(cursor.charFormat().font().pixelSize(), 16);
    // The item takes clicks and paints over the whole laid-out text, without
    // the document's default margin.
    QCOMPARE(item->document()->documentMargin(), 0.0);
    QCOMPARE(item->boundingRect(), QRectF(QPointF(0, 0), item->document()->size()));
    QCOMPARE(item->toPlainText(), QStringLiteral("Centred"));

    // A zero-height box is the line the text is anchored to: bottom-aligned
    // text stands on it, centred text sits across it.
    text.bounds = QRectF(1, 2, 2, 0);
    text.alignment = Qt::AlignLeft | Qt::AlignBottom;
    item.reset(VisioSceneBuilder::createTextItem(text, dpi));
    QVERIFY(std::abs(firstBaseline(item.get()) + 0.25 * 19.2 - 192) < 0.05);
    text.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    item.reset(VisioSceneBuilder::createTextItem(text, dpi));
    QVERIFY(std::abs(firstBaseline(item.get()) - (192 + 4.8)) < 0.05);

    // Top alignment below the padding; paragraphs' spaces before and after
    // add up, at the ends too, and every line is 1.2 font sizes whatever
    // the font (Carlito's own line height is 1.5).
    text.bounds = QRectF(1, 2, 2, 1);
    text.alignment = Qt::AlignLeft | Qt::AlignTop;
    text.padding = QMarginsF(0.1, 0.1, 0, 0);
    item.reset(VisioSceneBuilder::createTextItem(text, dpi));
    QCOMPARE(item->pos().x(), 96.0);
    QVERIFY(std::abs(firstBaseline(item.get()) - (192 + 9.6 + 14.4)) < 0.05);
    const QTextBlockFormat block = item->document()->firstBlock().blockFormat();
    QVERIFY(qFuzzyCompare(block.leftMargin(), 9.6));
    text.text = "one\ntwo\nthree";
    text.font.setFamily("Carlito");
    VisioTextParagraph spaced;
    spaced.margins = QMarginsF(0, 0.1, 0, 0.05);
    text.paragraphs = {spaced, spaced, spaced};
    text.paragraphs[1].start = 4;
    text.paragraphs[2].start = 8;
    item.reset(VisioSceneBuilder::createTextItem(text, dpi));
    QVERIFY(std::abs(item->document()->size().height() - (9.6 + 3 * (9.6 + 19.2 + 4.8))) < 0.1);
    QVERIFY(std::abs(firstBaseline(item.get()) - (192 + 9.6 + 9.6 + 14.4)) < 0.05);
    text.text = "Centred";
    text.font.setFamily("DejaVu Sans");
    text.paragraphs.clear();

    // A rotated box turns about its centre, with the text centred inside it:
    // the baseline's middle turns with it, 0.3 font sizes below the centre.
    text.padding = QMarginsF();
    text.alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    text.rotation = 30;
    item.reset(VisioSceneBuilder::createTextItem(text, dpi));
    QCOMPARE(item->rotation(), 30.0);
    const QTextLine line = item->document()->firstBlock().layout()->lineAt(0);
    const QPointF baselineMiddle = item->mapToScene(QPointF(96, line.y() + line.ascent()));
    const QPointF turned = QPointF(192, 240) + QTransform().rotate(30).map(QPointF(0, 4.8));
    QVERIFY(QLineF(baselineMiddle, turned).length() < 0.05);
    QVERIFY(item->mapToScene(QPointF(192, 0)).y() > 240); // turned clockwise
    text.rotation = 1e-13;
    item.reset(VisioSceneBuilder::createTextItem(text, dpi));
    QCOMPARE(item->rotation(), 0.0);
    QVERIFY(item->pos().y() > 192);

    // A zero-width box still makes an item, breaking after every word.
    text.rotation = 0;
    text.text = "one two three";
    text.bounds = QRectF(1, 2, 0, 1);
    item.reset(VisioSceneBuilder::createTextItem(text, dpi));
    QVERIFY(item);
    QCOMPARE(item->textWidth(), 0.0);
    QVERIFY(item->document()->size().height() > 2.5 * QFontMetricsF(text.font).height());
    QCOMPARE(item->boundingRect().height(), item->document()->size().height());

    // Tiny point sizes still give a usable pixel size.
    text.font.setPointSizeF(0.1);
    item.reset(VisioSceneBuilder::createTextItem(text, dpi));
    cursor = QTextCursor(item->document());
    cursor.movePosition(QTextCursor::NextCharacter);
    QCOMPARE(cursor.charFormat().font().pixelSize(), 1);

    text.text.clear();
    QVERIFY(!VisioSceneBuilder::createTextItem(text, dpi));
}

void TestSceneBuilder::textItemDropsSelectionOnFocusOut()
{
    QGraphicsScene scene;
    auto *item = new SelectableTextItem();
    item->setPlainText("select me");
    scene.addItem(item);
    QTextCursor cursor = item->textCursor();
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    item->setTextCursor(cursor);
    QVERIFY(item->textCursor().hasSelection());
    item->setSelected(true);
    // Focus changes need an active scene; deliver the event directly.
    QFocusEvent focusOut(QEvent::FocusOut, Qt::MouseFocusReason);
    scene.sendEvent(item, &focusOut);
    QVERIFY(!item->textCursor().hasSelection());
    QVERIFY(item->isSelected());
    // The whole box takes clicks, not only the glyphs.
    QCOMPARE(item->shape().boundingRect(), item->boundingRect());
}

void TestSceneBuilder::imageItems()
{
    VisioImage image;
    image.image = QImage(300, 100, QImage::Format_RGB32);
    image.image.fill(Qt::blue);
    image.rect = QRectF(1, 2, 1, 1);
    image.zIndex = 4;
    std::unique_ptr<QGraphicsPixmapItem> item(VisioSceneBuilder::createImageItem(image, dpi));
    QCOMPARE(item->pixmap().size(), QSize(96, 32));
    QCOMPARE(item->pos(), QPointF(96, 192));
    QCOMPARE(item->zValue(), 4.0);

    image.image = QImage();
    item.reset(VisioSceneBuilder::createImageItem(image, dpi));
    QVERIFY(item);
    QVERIFY(item->pixmap().isNull());

    // A huge box keeps a bounded pixmap but covers the whole box.
    image.image = QImage(100, 100, QImage::Format_RGB32);
    image.image.fill(Qt::red);
    image.rect = QRectF(0, 0, 1000, 1000);
    item.reset(VisioSceneBuilder::createImageItem(image, dpi));
    QVERIFY(item->pixmap().width() <= VisioSceneBuilder::maxPixmapSide);
    QVERIFY(std::abs(item->sceneBoundingRect().width() - 96000) < 1);
}

// Spans keep their own format inside a block; Calibri is laid out with a
// font of its widths.
void TestSceneBuilder::richTextRuns()
{
    VisioText text;
    text.text = "MMMM MMMM";
    text.bounds = QRectF(0, 0, 4, 1);
    text.alignment = Qt::AlignLeft | Qt::AlignTop;
    QFont font("DejaVu Sans");
    font.setPointSizeF(24);
    QFont bold = font;
    bold.setBold(true);
    text.font = bold;
    text.runs = {{0, 4, bold, Qt::black, Qt::transparent}, {4, 5, font, Qt::black, Qt::transparent}};
    VisioPage page = letterPage(4, 1);
    page.texts = {text};
    Built built = buildOne(page);
    const QImage image = renderPage(built);
    auto *item = childrenOfType<SelectableTextItem>(built.groups.first()).first();
    QCOMPARE(item->toPlainText(), text.text);
    const QTextLine line = item->document()->firstBlock().layout()->lineAt(0);
    auto inkBetween = [&](double from, double to) {
        int ink = 0;
        for (int x = int(from); x < int(to); ++x)
            for (int y = 0; y < 96; ++y)
                ink += 255 - qGray(image.pixel(x, y));
        return ink;
    };
    const int boldInk = inkBetween(line.cursorToX(0), line.cursorToX(4));
    const int thinInk = inkBetween(line.cursorToX(5), line.cursorToX(9));
    QVERIFY2(boldInk > thinInk * 1.2, qPrintable(QStringLiteral("%1 %2").arg(boldInk).arg(thinInk)));

    if (!QFontDatabase::families().contains(QStringLiteral("Carlito")))
        QSKIP("Carlito is not installed");
    const QFont calibri(VisioRenderer::substituteFontFamily(QStringLiteral("Calibri")), 12);
    QCOMPARE(QFontInfo(calibri).family(), QStringLiteral("Carlito"));
}

void TestSceneBuilder::renderedPixels()
{
    VisioPage page = letterPage(4, 3);
    page.shapes.append(solidBox(QRectF(0.5, 0.5, 2, 1), Qt::red, 0));
    page.shapes.first().style.hasShadow = true;
    page.shapes.first().style.shadowColor = Qt::blue;
    page.shapes.first().style.shadowOffset = QPointF(0.125, 0.125);
    VisioShape arrowLine;
    arrowLine.path = linePath(QPointF(0.5, 2.5), QPointF(3, 2.5));
    arrowLine.style.strokeWidth = 0.01;
    arrowLine.style.hasEndMarker = true;
    arrowLine.style.markerEndPath = "M0,0 L2,0 L1,-2 Z";
    arrowLine.style.markerEndWidth = 0.2;
    arrowLine.zIndex = 1;
    page.shapes.append(arrowLine);
    VisioText label;
    label.text = "MMMM";
    label.bounds = QRectF(0.5, 0.5, 2, 1);
    label.font = QFont("DejaVu Sans");
    label.font.setPointSizeF(24);
    label.font.setBold(true);
    label.zIndex = 0;
    page.texts.append(label);

    const QImage image = renderPage(buildOne(page));
    QCOMPARE(image.size(), QSize(384, 288));
    QCOMPARE(image.pixel(10, 10), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(380, 280), qRgb(255, 255, 255));
    // Inside the red box, away from the centred text.
    QCOMPARE(image.pixel(56, 56), qRgb(255, 0, 0));
    // Its shadow shows below and to the right of it, not to its left.
    QCOMPARE(image.pixel(244, 148), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(56, 148), qRgb(255, 255, 255));
    // The text is drawn over the box: dark pixels in the box's middle band.
    int dark = 0;
    for (int x = 60; x < 230; ++x)
        for (int y = 85; y < 110; ++y)
            dark += isDark(image.pixel(x, y));
    QVERIFY2(dark > 100, qPrintable(QString::number(dark)));
    // The arrowhead is Visio's medium one, 2 x (2.52 + 0.72) pt = 8.64 px wide,
    // its apex on the line end at (288, 240).
    QVERIFY(isDark(image.pixel(284, 240)));
    QVERIFY(isDark(image.pixel(282, 242)));
    QVERIFY(!isDark(image.pixel(272, 246)));
    QCOMPARE(image.pixel(292, 240), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(296, 233), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(300, 240), qRgb(255, 255, 255));
}

void TestSceneBuilder::damagedInputBuildsAndRenders()
{
    VisioDocumentModel model;
    VisioPage zero = letterPage(0, 0);
    zero.shapes.append(solidBox(QRectF(0, 0, 1, 1), Qt::red));
    VisioPage odd = letterPage(2, 2);
    odd.shapes.append(solidBox(QRectF(-500, -500, 1, 1), Qt::red));
    odd.shapes.append(solidBox(QRectF(1e6, 1e6, 1, 1), Qt::red));
    VisioShape flat;
    flat.path = linePath(QPointF(0, 1), QPointF(2, 1));
    flat.style.filled = true;
    flat.style.fillType = VisioStyle::GradientFill;
    flat.style.gradientStops = {{0, Qt::red}, {1, Qt::blue}};
    flat.style.hasEndMarker = true;
    flat.style.markerEndPath = "M0,0 L0,1 Z";
    flat.style.markerEndWidth = 0;
    odd.shapes.append(flat);
    VisioShape zeroMarker = flat;
    zeroMarker.style.markerEndPath = "M0,0 L2,0 L1,-2 Z";
    odd.shapes.append(zeroMarker);
    VisioText box;
    box.text = "zero";
    box.bounds = QRectF(0.5, 0.5, 0, 0);
    odd.texts.append(box);
    VisioText nanBox = box;
    nanBox.bounds = QRectF(std::nan(""), 0, 1, 1);
    odd.texts.append(nanBox);
    VisioImage nullImage;
    nullImage.rect = QRectF(0.5, 0.5, 1, 1);
    odd.images.append(nullImage);
    VisioImage zeroImage;
    zeroImage.image = QImage(4, 4, QImage::Format_RGB32);
    zeroImage.rect = QRectF(0.5, 0.5, 0, 0);
    odd.images.append(zeroImage);
    // Finite in inches, infinite once scaled: painting such items crashed.
    VisioImage overflowImage = zeroImage;
    overflowImage.rect = QRectF(1, 1e307, 1, 1);
    odd.images.append(overflowImage);
    VisioText overflowText = box;
    overflowText.bounds = QRectF(1e307, 1, 1, 1e307);
    overflowText.padding = QMarginsF(1e307, 0, 0, 0);
    odd.texts.append(overflowText);
    odd.shapes.append(solidBox(QRectF(1, 1e307, 1, 1), Qt::red));
    model.pages = {zero, odd};

    Built b = build(model);
    QCOMPARE(b.rects.size(), 2);
    QCOMPARE(renderPage(b, 0).size(), QSize(1, 1));
    const QImage image = renderPage(b, 1);
    QCOMPARE(image.pixel(150, 150), qRgb(255, 255, 255));
    // Render the whole (huge) scene region into a small image too.
    QImage all(200, 200, QImage::Format_ARGB32);
    QPainter painter(&all);
    b.scene->render(&painter);
    const QRectF sceneRect = b.scene->sceneRect();
    QVERIFY(std::isfinite(sceneRect.width()) && std::isfinite(sceneRect.height()));
}

void TestSceneBuilder::slicedBuildMatchesTheOneShotBuild()
{
    // Enough records that a page takes several slices, with equal z values
    // whose add order decides the stacking.
    VisioDocumentModel model;
    VisioPage big = letterPage();
    for (int i = 0; i < 130; ++i)
        big.shapes.append(solidBox(QRectF(0.05 * i, 0.07 * i, 0.5, 0.3), Qt::blue, i % 3));
    for (int i = 0; i < 5; ++i) {
        VisioImage image;
        image.image = QImage(8, 8, QImage::Format_RGB32);
        image.rect = QRectF(i, 9, 0.5, 0.5);
        image.zIndex = i % 3;
        big.images.append(image);
        VisioText text;
        text.text = QStringLiteral("Label %1").arg(i);
        text.bounds = QRectF(i, 10, 1, 0.5);
        text.zIndex = i % 3;
        big.texts.append(text);
    }
    model.pages = {big, letterPage(11, 8.5), big};

    const Built oneShot = build(model);
    PageSliceBuilder builder(model, dpi);
    QList<QRectF> rects;
    QList<QGraphicsItemGroup *> groups;
    std::unique_ptr<QGraphicsScene> scene(builder.createScene(&rects, &groups));
    QSignalSpy built(&builder, &PageSliceBuilder::pageBuilt);
    QSignalSpy finished(&builder, &PageSliceBuilder::finished);
    QCOMPARE(rects, oneShot.rects);
    QCOMPARE(groups.size(), 3);
    for (QGraphicsItemGroup *group : groups) // a placeholder of the page's size
        QCOMPARE(group->childItems().size(), 1);
    QCOMPARE(groups.at(2)->sceneBoundingRect(), rects.at(2));

    // The view moves and turns pages while the rest are built.
    groups.at(2)->setTransformOriginPoint(rects.at(2).center());
    groups.at(2)->setRotation(90);
    groups.at(2)->setPos(300, -40);
    const QTransform placed = groups.at(2)->sceneTransform();
    int slices = 0;
    while (builder.buildSlice(0))
        ++slices;
    QVERIFY(slices > 3);
    QCOMPARE(built.size(), 3);
    QCOMPARE(built.at(0).at(0).toInt(), 0);
    QCOMPARE(built.at(2).at(0).toInt(), 2);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(groups.at(2)->sceneTransform(), placed);

    for (int page = 0; page < 3; ++page) {
        const QList<QGraphicsItem *> expected = oneShot.groups.at(page)->childItems();
        const QList<QGraphicsItem *> actual = groups.at(page)->childItems();
        QCOMPARE(actual.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(actual.at(i)->type(), expected.at(i)->type());
            QCOMPARE(actual.at(i)->zValue(), expected.at(i)->zValue());
            QCOMPARE(actual.at(i)->pos(), expected.at(i)->pos());
            QCOMPARE(actual.at(i)->boundingRect(), expected.at(i)->boundingRect());
            QVERIFY(actual.at(i)->isVisible());
        }
    }
    QCOMPARE(scene->items().size(), oneShot.scene->items().size());
}

QTEST_MAIN(TestSceneBuilder)
#include "tst_scenebuilder.moc"
