#pragma once

#include <QGraphicsTextItem>

// A read-only text item whose characters can be selected with the mouse and
// copied; the whole text box, not only the glyphs, takes the clicks.
class SelectableTextItem : public QGraphicsTextItem
{
    Q_OBJECT

public:
    explicit SelectableTextItem(QGraphicsItem *parent = nullptr);
    // Shows document, which the item takes over.
    explicit SelectableTextItem(QTextDocument *document, QGraphicsItem *parent = nullptr);
    ~SelectableTextItem() override;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
