#include "PageThumbnailPainter.h"

#include "LayerVisibility.h"

#include <QElapsedTimer>
#include <QGraphicsItemGroup>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {

// Children come sorted by stacking order: those stacked behind their parent
// first, then the parent, then the rest.
void appendSteps(QGraphicsItem *item, double parentOpacity, bool withSelf,
                 QList<QPair<QGraphicsItem *, double>> *steps)
{
    const double opacity = parentOpacity * item->opacity();
    const QList<QGraphicsItem *> children = item->childItems();
    auto appendChildren = [&](bool behindParent) {
        for (QGraphicsItem *child : children) {
            if (child->isVisibleTo(item)
                && bool(child->flags() & QGraphicsItem::ItemStacksBehindParent) == behindParent)
                appendSteps(child, opacity, true, steps);
        }
    };
    appendChildren(true);
    if (withSelf && !(item->flags() & QGraphicsItem::ItemHasNoContents) && opacity > 0.0)
        steps->append({item, opacity});
    appendChildren(false);
}

} // namespace

PageThumbnailPainter::PageThumbnailPainter(QGraphicsItemGroup *group, const QTransform &groupToImage,
                                           const QRectF &clip, const QImage &canvas)
    : m_group(group)
    , m_groupToImage(groupToImage)
    , m_clip(clip)
    , m_canvas(canvas)
    , m_image(canvas)
{
}

QList<PageThumbnailPainter::PaintStep> PageThumbnailPainter::paintSteps() const
{
    QList<PaintStep> steps;
    if (!m_group)
        return steps;
    // The page's layers as the screen shows them, even while printing or
    // saving has switched the page to what goes on paper.
    const LayerVisibility::PageLayers layers = LayerVisibility::pageLayers(m_group);
    const double opacity = m_group->opacity();
    const QList<QGraphicsItem *> children = m_group->childItems();
    for (const bool behindPage : {true, false}) {
        for (QGraphicsItem *child : children) {
            if (bool(child->flags() & QGraphicsItem::ItemStacksBehindParent) == behindPage
                && LayerVisibility::shows(child, layers, LayerVisibility::Screen))
                appendSteps(child, opacity, true, &steps);
        }
    }
    return steps;
}

bool PageThumbnailPainter::paintFor(int budgetMs)
{
    if (m_done)
        return true;
    // Walked afresh each time: between calls the page may have changed.
    const QList<PaintStep> steps = paintSteps();
    if (m_stepCount >= 0 && steps.size() != m_stepCount) {
        m_image = m_canvas;
        m_next = 0;
    }
    m_stepCount = steps.size();
    bool invertible = true;
    const QTransform sceneToImage =
        m_group ? m_group->sceneTransform().inverted(&invertible) * m_groupToImage : QTransform();
    if (!invertible) {
        m_done = true;
        return true;
    }

    QElapsedTimer clock;
    clock.start();
    QPainter painter(&m_image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setClipRect(m_clip);
    while (m_next < steps.size()) {
        const auto [item, opacity] = steps.at(m_next++);
        QStyleOptionGraphicsItem option;
        option.state = QStyle::State_None;
        option.exposedRect = item->boundingRect();
        option.rect = option.exposedRect.toAlignedRect();
        painter.save();
        painter.setWorldTransform(item->sceneTransform() * sceneToImage);
        painter.setOpacity(opacity);
        item->paint(&painter, &option, nullptr);
        painter.restore();
        if (budgetMs >= 0 && clock.elapsed() >= budgetMs)
            break;
    }
    m_done = m_next >= steps.size();
    return m_done;
}
