#pragma once

#include <QBrush>
#include <QList>
#include <QPen>
#include <QRectF>

class QGraphicsItem;
class QGraphicsItemGroup;
class QGraphicsPathItem;
class QGraphicsPixmapItem;
class QGraphicsScene;
class QPainterPath;
class SelectableTextItem;
struct VisioDocumentModel;
struct VisioImage;
struct VisioPage;
struct VisioShape;
struct VisioStyle;
struct VisioText;

// Turns a document model (inches) into one graphics scene holding every page
// in a single column, one item group per page. Stateless.
class VisioSceneBuilder
{
public:
    // The caller owns the returned scene. Either list may be null; both are
    // appended to, entry i belonging to page i.
    static QGraphicsScene *buildScene(const VisioDocumentModel &model, QList<QRectF> *pageRects,
                                      QList<QGraphicsItemGroup *> *pageGroups, double dpi);

    // The empty, top-level page groups that buildScene() fills, one per page
    // and tagged with its index, and the page rectangles; neither list may be
    // null. For callers that fill the pages later.
    static void addPageGroups(QGraphicsScene *scene, const VisioDocumentModel &model,
                              QList<QRectF> *pageRects, QList<QGraphicsItemGroup *> *pageGroups,
                              double dpi);

    // Fills one page group that is already in a scene; yOffset is the page
    // top in scene units.
    static void buildPageToScene(const VisioPage &page, QGraphicsItemGroup *group,
                                 double yOffset, double dpi);
    // The same in parts, so that a large page need not hold the caller: a page
    // is pageRecordCount() records (its background, then shapes, images and
    // texts), and building [first, end) in consecutive ranges gives the same
    // group as buildPageToScene().
    static int pageRecordCount(const VisioPage &page);
    static void buildPageRecords(const VisioPage &page, QGraphicsItemGroup *group,
                                 double yOffset, double dpi, int first, int end);

    // Null when the shape has nothing to draw.
    static QGraphicsPathItem *createShapeItem(const VisioShape &shape, double dpi);

    static QPen createPen(const VisioStyle &style, double dpi);
    // path is the outline already in scene units.
    static QBrush createBrush(const VisioStyle &style, const QPainterPath &path);
    static void createArrowItems(QGraphicsPathItem *item, const VisioShape &shape, double dpi);

    // Null when the text is empty.
    static SelectableTextItem *createTextItem(const VisioText &text, double dpi);
    // Never null; a null picture gives an item that shows nothing.
    static QGraphicsPixmapItem *createImageItem(const VisioImage &image, double dpi);
    // For a picture kept as vectors; null when its box is empty or not finite.
    static QGraphicsItem *createVectorPictureItem(const VisioImage &image, double dpi);

    // Gap between stacked pages, in inches.
    static constexpr double pageGapInches = 0.5;
    // Largest pixmap side kept at scene resolution; bigger pictures are
    // stored smaller and stretched by the item's transform.
    static constexpr int maxPixmapSide = 8192;
};
