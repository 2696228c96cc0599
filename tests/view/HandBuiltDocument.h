#pragma once

#include <QBrush>
#include <QGraphicsItemGroup>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QList>
#include <QPen>
#include <QRectF>
#include <QSizeF>

// A scene shaped like the scene builder's: one group per page at (0, 0),
// a white paper rectangle, pages stacked top to bottom 48 units apart.
struct HandBuiltDocument
{
    QGraphicsScene *scene = nullptr;
    QList<QRectF> rects;
    QList<QGraphicsItemGroup *> groups;

    explicit HandBuiltDocument(const QList<QSizeF> &sizes)
    {
        scene = new QGraphicsScene;
        double top = 0.0;
        for (int i = 0; i < sizes.size(); ++i) {
            auto *group = new QGraphicsItemGroup;
            group->setFiltersChildEvents(false);
            group->setHandlesChildEvents(false);
            scene->addItem(group);
            group->setData(0, i);
            const QRectF rect(0, top, sizes.at(i).width(), sizes.at(i).height());
            auto *paper = new QGraphicsRectItem(rect);
            paper->setPen(Qt::NoPen);
            paper->setBrush(Qt::white);
            paper->setZValue(-1.0);
            group->addToGroup(paper);
            rects.append(rect);
            groups.append(group);
            top += rect.height() + 48.0;
        }
        scene->setSceneRect(scene->itemsBoundingRect());
    }

    static QList<QSizeF> repeated(int count, const QSizeF &size)
    {
        return QList<QSizeF>(count, size);
    }

    // A selectable text item on page, offset from the paper's top-left.
    QGraphicsTextItem *addText(int page, const QString &text, QPointF offset = QPointF(10, 10))
    {
        auto *item = new QGraphicsTextItem(text);
        item->setFlag(QGraphicsItem::ItemIsSelectable);
        item->setTextInteractionFlags(Qt::TextSelectableByMouse);
        item->setPos(rects.at(page).topLeft() + offset);
        groups.at(page)->addToGroup(item);
        return item;
    }

    QGraphicsRectItem *addBox(int page, const QRectF &pageRelative, const QColor &colour)
    {
        auto *item = new QGraphicsRectItem(pageRelative.translated(rects.at(page).topLeft()));
        item->setPen(Qt::NoPen);
        item->setBrush(colour);
        groups.at(page)->addToGroup(item);
        return item;
    }
};
