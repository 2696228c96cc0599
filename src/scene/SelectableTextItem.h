#pragma once

#include <QFont>
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

    // Drawing text must search, copy and export as the letters typed: with
    // ligatures, "fl" would leave a PDF as the single character U+FB02.
    // Scripts that need shaping to be legible are still shaped.
    static QFont withoutLigatures(QFont font);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
