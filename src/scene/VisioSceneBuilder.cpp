#include "VisioSceneBuilder.h"

#include "LayerVisibility.h"
#include "PageCorrespondence.h"
#include "SelectableTextItem.h"
#include "ShapeFills.h"
#include "ShapePathItem.h"
#include "TextBlockDocument.h"
#include "VectorPictureItem.h"
#include "VisioDocumentModel.h"
#include "VisioUtils.h"

#include "LogCategories.h"

#include <QDebug>
#include <QGraphicsItemGroup>
#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QLinearGradient>
#include <QPixmap>
#include <QRadialGradient>
#include <QSet>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextDocument>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

// Largest pixel size handed to a font; a broken point size must not make
// every glyph a huge path.
constexpr int maxFontPixelSize = 8192;

bool isFinitePoint(double x, double y)
{
    return std::isfinite(x) && std::isfinite(y);
}

bool isFiniteRect(const QRectF &r)
{
    return isFinitePoint(r.x(), r.y()) && isFinitePoint(r.width(), r.height());
}

// Negative or undefined page sizes from a damaged file would make pages
// overlap or move the following pages upwards.
double pageExtent(double inches, double dpi)
{
    const double v = inches * dpi;
    return std::isfinite(v) && v > 0 ? v : 0.0;
}

// Files may give every shape a layer of its own; a set keeps the look-up
// per item cheap on pages with thousands of layers.
bool onHiddenLayer(const QString &layer, const QSet<QString> &pageLayers)
{
    return !layer.isEmpty() && !pageLayers.contains(layer);
}

// Texts of one page mostly share a font and colour; building the character
// format once for them saves setting every font property per item.
class TextFormatCache
{
public:
    const QTextCharFormat &format(const QFont &font, const QColor &color, double dpi)
    {
        if (!valid || font != lastFont || color != lastColor || dpi != lastDpi) {
            lastFont = font;
            lastColor = color;
            lastDpi = dpi;
            lastFormat = makeFormat(font, color, dpi);
            valid = true;
        }
        return lastFormat;
    }

    static QTextCharFormat makeFormat(QFont font, const QColor &color, double dpi)
    {
        const double points = font.pointSizeF();
        if (points > 0) {
            const double pixels = std::round(points * dpi / 72.0);
            font.setPixelSize(int(std::clamp(pixels, 1.0, double(maxFontPixelSize))));
        }
        QTextCharFormat charFormat;
        charFormat.setFont(SelectableTextItem::withoutLigatures(font), QTextCharFormat::FontPropertiesAll);
        charFormat.setForeground(QBrush(color, Qt::SolidPattern));
        return charFormat;
    }

private:
    QFont lastFont;
    QColor lastColor;
    double lastDpi = 0;
    QTextCharFormat lastFormat;
    bool valid = false;
};

SelectableTextItem *makeTextItem(const VisioText &text, double dpi, TextFormatCache *formats);

// Arrow-ended lines of a page mostly share one marker outline; it is parsed
// once instead of for every line.
class MarkerCache
{
public:
    const QPainterPath &marker(const QString &svgPath)
    {
        if (!valid || svgPath != lastText) {
            lastText = svgPath;
            lastPath = VisioUtils::parseSvgPath(svgPath);
            valid = true;
        }
        return lastPath;
    }

private:
    QString lastText;
    QPainterPath lastPath;
    bool valid = false;
};

QGraphicsPathItem *makeShapeItem(const VisioShape &shape, double dpi, MarkerCache *markers);
void addArrowItems(QGraphicsPathItem *item, const VisioShape &shape, double dpi,
                   MarkerCache *markers);

// Qt measures custom dashes in pen widths; the model gives them in inches.
// Returns an empty list when the pattern cannot be drawn as dashes.
QList<qreal> dashesInPenWidths(const QList<double> &pattern, double dpi, double penWidth)
{
    const double unit = penWidth > 0 ? penWidth : 1.0;
    QList<qreal> dashes;
    dashes.reserve(pattern.size() * 2);
    double total = 0;
    for (double entry : pattern) {
        const double v = entry * dpi / unit;
        if (!std::isfinite(v) || v < 0)
            return {};
        dashes.append(v);
        total += v;
    }
    // Dashes that add up to nothing would never advance along the line.
    if (!(total > 1e-3))
        return {};
    // An odd list repeats once to pair every dash with a gap.
    if (dashes.size() % 2 == 1)
        dashes += dashes;
    return dashes;
}

} // namespace

QGraphicsScene *VisioSceneBuilder::buildScene(const VisioDocumentModel &model,
                                              QList<QRectF> *pageRects,
                                              QList<QGraphicsItemGroup *> *pageGroups, double dpi)
{
    auto *scene = new QGraphicsScene();
    QList<QRectF> rects;
    QList<QGraphicsItemGroup *> groups;
    addPageGroups(scene, model, &rects, &groups, dpi);
    for (int i = 0; i < groups.size(); ++i)
        buildPageToScene(model.pages.at(i), groups.at(i), rects.at(i).top(), dpi);
    if (pageRects)
        pageRects->append(rects);
    if (pageGroups)
        pageGroups->append(groups);

    scene->setSceneRect(scene->itemsBoundingRect());
    return scene;
}

void VisioSceneBuilder::addPageGroups(QGraphicsScene *scene, const VisioDocumentModel &model,
                                      QList<QRectF> *pageRects,
                                      QList<QGraphicsItemGroup *> *pageGroups, double dpi)
{
    if (!scene || !pageRects || !pageGroups)
        return;
    double top = 0;
    const double gap = pageGapInches * dpi;

    for (int i = 0; i < model.pages.size(); ++i) {
        const VisioPage &page = model.pages.at(i);
        const QSizeF size(pageExtent(page.pageSize.width(), dpi),
                          pageExtent(page.pageSize.height(), dpi));

        auto *group = new QGraphicsItemGroup();
        group->setFiltersChildEvents(false);
        group->setHandlesChildEvents(false);
        group->setFlag(QGraphicsItem::ItemIsSelectable, false);
        group->setFlag(QGraphicsItem::ItemIsFocusable, false);
        scene->addItem(group);
        group->setData(0, i);
        LayerVisibility::setPageLayers(group, page.layerTable);
        PageCorrespondence::setPageName(group, page.name);

        pageRects->append(QRectF(0, top, size.width(), size.height()));
        pageGroups->append(group);
        top += size.height() + gap;
    }
}

void VisioSceneBuilder::buildPageToScene(const VisioPage &page, QGraphicsItemGroup *group,
                                         double yOffset, double dpi)
{
    buildPageRecords(page, group, yOffset, dpi, 0, pageRecordCount(page));
}

int VisioSceneBuilder::pageRecordCount(const VisioPage &page)
{
    return int(1 + page.shapes.size() + page.images.size() + page.texts.size());
}

void VisioSceneBuilder::buildPageRecords(const VisioPage &page, QGraphicsItemGroup *group,
                                         double yOffset, double dpi, int first, int end)
{
    if (!group || first >= end)
        return;

    // Record r of a list that starts at record base is built when first <= r < end.
    qsizetype base = 1;
    const auto range = [&base, first, end](qsizetype count) {
        const qsizetype from = std::clamp<qsizetype>(first - base, 0, count);
        const qsizetype to = std::clamp<qsizetype>(end - base, 0, count);
        base += count;
        return std::make_pair(from, std::max(from, to));
    };
    const auto [shapeFrom, shapeTo] = range(page.shapes.size());
    const auto [imageFrom, imageTo] = range(page.images.size());
    const auto [textFrom, textTo] = range(page.texts.size());

    if (first <= 0) {
        auto *background = new QGraphicsRectItem(0, yOffset, pageExtent(page.pageSize.width(), dpi),
                                                 pageExtent(page.pageSize.height(), dpi));
        background->setPen(Qt::NoPen);
        background->setBrush(Qt::white);
        background->setZValue(-1.0);
        background->setAcceptedMouseButtons(Qt::NoButton);
        group->addToGroup(background);
    }
    if (shapeFrom == shapeTo && imageFrom == imageTo && textFrom == textTo)
        return;

    const QPointF offset(0, yOffset);
    const QSet<QString> layers(page.layers.cbegin(), page.layers.cend());

    MarkerCache markers;
    for (qsizetype i = shapeFrom; i < shapeTo; ++i) {
        const VisioShape &shape = page.shapes.at(i);
        if (onHiddenLayer(shape.layer, layers)) {
            qCDebug(lcScene) << "SKIPPED shape" << shape.id << "layer=" << shape.layer
                     << "page.layers=" << page.layers;
            continue;
        }
        QGraphicsPathItem *item = makeShapeItem(shape, dpi, &markers);
        if (!item)
            continue;
        item->setZValue(shape.zIndex);
        item->setPos(item->pos() + offset);
        LayerVisibility::tagItem(item, page.layerTable, shape.layerEntries, shape.display);
        group->addToGroup(item);
    }

    for (qsizetype i = imageFrom; i < imageTo; ++i) {
        const VisioImage &image = page.images.at(i);
        if (onHiddenLayer(image.layer, layers))
            continue;
        if (image.vector) {
            if (QGraphicsItem *item = createVectorPictureItem(image, dpi)) {
                item->setPos(item->pos() + offset);
                LayerVisibility::tagItem(item, page.layerTable, image.layerEntries, image.display);
                group->addToGroup(item);
            }
            continue;
        }
        QGraphicsPixmapItem *item = createImageItem(image, dpi);
        item->setZValue(image.zIndex);
        item->setPos(item->pos() + offset);
        LayerVisibility::tagItem(item, page.layerTable, image.layerEntries, image.display);
        group->addToGroup(item);
    }

    TextFormatCache formats;
    for (qsizetype i = textFrom; i < textTo; ++i) {
        const VisioText &text = page.texts.at(i);
        if (onHiddenLayer(text.layer, layers))
            continue;
        SelectableTextItem *item = makeTextItem(text, dpi, &formats);
        if (!item)
            continue;
        item->setZValue(text.zIndex);
        item->setPos(item->pos() + offset);
        LayerVisibility::tagItem(item, page.layerTable, text.layerEntries, text.display);
        group->addToGroup(item);
    }
}

QGraphicsPathItem *VisioSceneBuilder::createShapeItem(const VisioShape &shape, double dpi)
{
    return makeShapeItem(shape, dpi, nullptr);
}

namespace {

QGraphicsPathItem *makeShapeItem(const VisioShape &shape, double dpi, MarkerCache *markers)
{
    if (shape.path.isEmpty())
        return nullptr;

    QPainterPath scaled = QTransform::fromScale(dpi, dpi).map(shape.path);
    // Coordinates near the double limit overflow when scaled; Qt's painting
    // crashes on infinite geometry.
    if (!isFiniteRect(scaled.controlPointRect()))
        return nullptr;
    scaled.setFillRule(shape.style.fillRule);

    auto *item = new ShapePathItem(scaled);
    item->setPen(VisioSceneBuilder::createPen(shape.style, dpi));
    item->setBrush(VisioSceneBuilder::createBrush(shape.style, scaled));
    if (shape.style.filled) {
        if (shape.style.fillType == VisioStyle::HatchFill)
            item->setHatch(ShapeFills::hatch(shape.style, dpi));
        else if (shape.style.fillType == VisioStyle::GradientFill
                 && ShapeFills::isPaintedGradient(shape.style))
            item->setRectangularGradient(
                ShapeFills::rectangularGradient(shape.style, scaled.boundingRect()));
    }
    if (shape.style.hasShadow) {
        const QPointF offset = shape.style.shadowOffset * dpi;
        if (isFinitePoint(offset.x(), offset.y()))
            item->setShadow(shape.style.shadowColor, offset);
    }
    addArrowItems(item, shape, dpi, markers);
    return item;
}

} // namespace

QPen VisioSceneBuilder::createPen(const VisioStyle &style, double dpi)
{
    if (style.strokeType == VisioStyle::NoStroke)
        return QPen(Qt::NoPen);

    const double width = style.strokeWidth * dpi;
    QPen pen;
    pen.setColor(style.strokeColor);
    // No minimum: zero is Qt's one-pixel cosmetic line. A negative or
    // undefined width from a damaged file counts as zero.
    pen.setWidthF(std::isfinite(width) && width > 0 ? width : 0.0);
    pen.setCapStyle(style.capStyle);
    pen.setJoinStyle(style.joinStyle);
    pen.setMiterLimit(style.miterLimit);

    if (style.strokeType == VisioStyle::DashStroke && !style.dashPattern.isEmpty()) {
        const QList<qreal> dashes = dashesInPenWidths(style.dashPattern, dpi, pen.widthF());
        if (!dashes.isEmpty()) {
            const double unit = pen.widthF() > 0 ? pen.widthF() : 1.0;
            const double offset = style.dashOffset * dpi / unit;
            // Caps reach half a width past each dash's ends and would close
            // the gaps of dotted lines.
            pen.setCapStyle(Qt::FlatCap);
            pen.setStyle(Qt::CustomDashLine);
            pen.setDashPattern(dashes);
            pen.setDashOffset(std::isfinite(offset) ? offset : 0.0);
            return pen;
        }
    }
    pen.setStyle(Qt::SolidLine);
    return pen;
}

QBrush VisioSceneBuilder::createBrush(const VisioStyle &style, const QPainterPath &path)
{
    if (!style.filled)
        return QBrush(Qt::NoBrush);

    if (style.fillType == VisioStyle::SolidFill)
        return QBrush(style.fillColor, Qt::SolidPattern);

    // Hatch lines are drawn by the item, over this background.
    if (style.fillType == VisioStyle::HatchFill)
        return style.fillColor.alpha() > 0 ? QBrush(style.fillColor, Qt::SolidPattern)
                                           : QBrush(Qt::NoBrush);

    if (style.fillType != VisioStyle::GradientFill)
        return QBrush(Qt::NoBrush);

    return ShapeFills::gradientBrush(style, path.boundingRect());
}

void VisioSceneBuilder::createArrowItems(QGraphicsPathItem *item, const VisioShape &shape,
                                         double dpi)
{
    addArrowItems(item, shape, dpi, nullptr);
}

namespace {

// One marker at an end of the line. Markers are drawn pointing up; the
// top of the outline is its tip and sits on the line's end, unless the
// marker is one drawn around the end point (dots, squares).
void addMarker(QGraphicsPathItem *item, const QPainterPath &marker, bool atStart,
               double widthInches, bool centred, double dpi)
{
    if (marker.isEmpty())
        return;
    const QPainterPath line = item->path();
    if (!(line.length() > 0))
        return;

    const double percent = atStart ? 0.0 : 1.0;
    const QPointF tip = line.pointAtPercent(percent);
    // At the start the marker points back, against the line's direction.
    const double angle = line.angleAtPercent(percent) + (atStart ? 180.0 : 0.0);
    const double size = dpi * widthInches;
    const QRectF m = marker.boundingRect();
    const double scale = size / m.width();
    if (!(m.width() > 0) || !std::isfinite(scale) || !isFinitePoint(tip.x(), tip.y()))
        return;

    QTransform t;
    t.translate(tip.x(), tip.y());
    t.rotate(90.0 - angle);
    t.scale(scale, scale);
    t.translate(-(m.x() + m.width() * 0.5), -(centred ? m.y() + m.height() * 0.5 : m.y()));

    auto *arrow = new QGraphicsPathItem(t.map(marker), item);
    arrow->setPen(Qt::NoPen);
    arrow->setBrush(QBrush(item->pen().color(), Qt::SolidPattern));
    arrow->setZValue(item->zValue() + 1.0);
}

// libvisio sizes arrowheads by a rule of its own, about a third wider than
// Visio's. Visio's SVG exports show a medium arrowhead two units wide, a unit
// being 2.52 pt plus the line's weight; libvisio's width still tells the
// round and square heads (its factor 0.7), which Visio draws 1.5 units wide.
double visioMarkerWidth(double libvisioWidth, double lineWidthInches)
{
    const double lw = std::isfinite(lineWidthInches) ? std::clamp(lineWidthInches, 0.0, 1.0) : 0.0;
    const double libvisioUnit = 0.1 / (lw * lw + 1) + 2.54 * lw;
    if (!(libvisioWidth > 0) || !std::isfinite(libvisioWidth))
        return libvisioWidth;
    const double kind = libvisioWidth / libvisioUnit;
    const double unit = (2.52 + lw * 72.0) / 72.0;
    return (kind < 0.85 ? 1.5 : 2.0) * unit;
}

void addArrowItems(QGraphicsPathItem *item, const VisioShape &shape, double dpi,
                   MarkerCache *markers)
{
    // Arrowheads belong to the line: libvisio hands a shape's fill path the
    // line's markers too, and on that closed path they would point back at
    // the line's start.
    if (!item || shape.style.strokeType == VisioStyle::NoStroke)
        return;
    const VisioStyle &style = shape.style;
    if (style.hasEndMarker) {
        const QPainterPath marker = markers ? markers->marker(style.markerEndPath)
                                            : VisioUtils::parseSvgPath(style.markerEndPath);
        addMarker(item, marker, false, visioMarkerWidth(style.markerEndWidth, style.strokeWidth),
                  style.markerEndCentered, dpi);
    }
    if (style.hasStartMarker) {
        const QPainterPath marker = markers ? markers->marker(style.markerStartPath)
                                            : VisioUtils::parseSvgPath(style.markerStartPath);
        addMarker(item, marker, true, visioMarkerWidth(style.markerStartWidth, style.strokeWidth),
                  style.markerStartCentered, dpi);
    }
}

} // namespace

SelectableTextItem *VisioSceneBuilder::createTextItem(const VisioText &text, double dpi)
{
    return makeTextItem(text, dpi, nullptr);
}

namespace {

// Visio sets a line's baseline three quarters down its height, whatever the
// font; Qt sets a fixed-height line's by the font's leading. The first line
// tells how far apart the two are for the text's font. The first line starts
// below the frame's top margin, which Qt rounds to whole pixels.
double baselineCorrection(QTextDocument *document)
{
    const QTextBlock first = document->begin();
    const QTextLayout *layout = first.layout();
    if (!layout || layout->lineCount() == 0
        || first.blockFormat().lineHeightType() != QTextBlockFormat::FixedHeight)
        return 0.0;
    const QTextLine line = layout->lineAt(0);
    const double wanted = document->rootFrame()->frameFormat().topMargin()
        + 0.75 * first.blockFormat().lineHeight();
    const double shift = wanted - (layout->position().y() + line.y() + line.ascent());
    return std::isfinite(shift) ? shift : 0.0;
}

SelectableTextItem *makeTextItem(const VisioText &text, double dpi, TextFormatCache *formats)
{
    const QRectF box(text.bounds.x() * dpi, text.bounds.y() * dpi, text.bounds.width() * dpi,
                     text.bounds.height() * dpi);
    // Checked after scaling: a huge finite box overflows to infinity.
    if (text.text.isEmpty() || !isFiniteRect(box))
        return nullptr;

    const double w = box.width();
    // A box without height is a line the text is anchored to: centred text
    // sits across it, top-aligned text hangs from it, bottom-aligned text
    // stands on it.
    const double h = box.height() < 1.0 ? 0.0 : box.height();

    // The item's own document is filled rather than a new one handed over:
    // handing over throws away the document the item's text control always
    // builds and lays out, and lays out the new one a second time. While the
    // page size is empty the document layout skips every change, so the
    // document is laid out once, when it gets its width at the end.
    auto *item = new SelectableTextItem();
    QTextDocument *document = item->document();
    document->setUndoRedoEnabled(false);
    document->setPageSize(QSizeF(0, 0));
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    document->setDocumentMargin(0);
    TextBlockDocument::fill(document, text, dpi, [formats, dpi](const QFont &font,
                                                                const QColor &color) {
        return formats ? formats->format(font, color, dpi)
                       : TextFormatCache::makeFormat(font, color, dpi);
    });
    cursor.endEditBlock();
    document->setTextWidth(w);

    const QPointF p = box.topLeft();
    const double d = document->size().height();
    double offset = 0;
    if (text.alignment & Qt::AlignVCenter)
        offset = (h - d) / 2;
    else if (text.alignment & Qt::AlignBottom)
        offset = h - d;
    offset += baselineCorrection(document);
    item->setPos(p + QPointF(0, offset));
    // A rotated box turns about its own centre, and the text keeps its place
    // inside the box.
    if (std::abs(text.rotation) > 1e-12 && std::isfinite(text.rotation)) {
        item->setTransformOriginPoint(w / 2, h / 2 - offset);
        item->setRotation(text.rotation);
    }
    return item;
}

} // namespace

QGraphicsItem *VisioSceneBuilder::createVectorPictureItem(const VisioImage &image, double dpi)
{
    const QRectF box(image.rect.x() * dpi, image.rect.y() * dpi, image.rect.width() * dpi,
                     image.rect.height() * dpi);
    if (!image.vector || !isFiniteRect(box) || !(box.width() > 0) || !(box.height() > 0))
        return nullptr;
    auto *item = new VectorPictureItem(image.vector, box.size());
    item->setPlaceholder(image.placeholder);
    item->setPos(box.topLeft());
    item->setZValue(image.zIndex);
    return item;
}

QGraphicsPixmapItem *VisioSceneBuilder::createImageItem(const VisioImage &image, double dpi)
{
    auto *item = new QGraphicsPixmapItem();
    item->setZValue(image.zIndex);
    const QRectF box(image.rect.x() * dpi, image.rect.y() * dpi, image.rect.width() * dpi,
                     image.rect.height() * dpi);
    // Checked after scaling: a huge finite box overflows to infinity.
    if (!isFiniteRect(box))
        return item;

    const double targetW = std::round(box.width());
    const double targetH = std::round(box.height());
    if (!image.image.isNull() && targetW >= 1 && targetH >= 1) {
        const QPixmap pixmap = QPixmap::fromImage(image.image);
        // A picture placed over a huge box would need a pixmap of that size;
        // keep it at most maxPixmapSide wide and stretch it instead.
        const double shrink = std::min(1.0, double(maxPixmapSide) / std::max(targetW, targetH));
        const QSize target(int(std::max(1.0, std::round(targetW * shrink))),
                           int(std::max(1.0, std::round(targetH * shrink))));
        item->setPixmap(pixmap.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        if (shrink < 1.0)
            item->setTransform(QTransform::fromScale(1.0 / shrink, 1.0 / shrink));
    }
    item->setPos(box.topLeft());
    return item;
}
