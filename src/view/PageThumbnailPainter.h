#pragma once

#include <QImage>
#include <QList>
#include <QPair>
#include <QSize>
#include <QTransform>

class QGraphicsItem;
class QGraphicsItemGroup;

// Paints one page group's items into a thumbnail a slice at a time, so that
// a page of thousands of shapes never holds the window for long: each call
// paints items in stacking order until its time is up, and the next call
// goes on where it stopped. Painting ignores whether the group itself is
// shown. The group must outlive the painter, and stays in the GUI thread's
// hands: its items are painted there, where they live.
class PageThumbnailPainter
{
public:
    // groupToImage maps the group's own coordinates to the image's, so that
    // moving the group between slices moves nothing; content is clipped to
    // clip. The image starts as it is given.
    PageThumbnailPainter(QGraphicsItemGroup *group, const QTransform &groupToImage,
                         const QRectF &clip, const QImage &canvas);

    // Paints on for about budgetMs (everything when negative). True once
    // every item is painted. Items added to or taken from the page between
    // calls make it start again from a fresh canvas.
    bool paintFor(int budgetMs);
    bool isDone() const { return m_done; }
    const QImage &image() const { return m_image; }

private:
    // Item and the opacity it paints with, in painting order.
    using PaintStep = QPair<QGraphicsItem *, double>;
    QList<PaintStep> paintSteps() const;

    QGraphicsItemGroup *m_group;
    QTransform m_groupToImage;
    QRectF m_clip;
    QImage m_canvas;
    QImage m_image;
    qsizetype m_next = 0;
    qsizetype m_stepCount = -1;
    bool m_done = false;
};
