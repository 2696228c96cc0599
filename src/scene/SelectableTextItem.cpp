#include "SelectableTextItem.h"

#include <QFocusEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionGraphicsItem>
#include <QTextCursor>
#include <QTextDocument>

SelectableTextItem::SelectableTextItem(QGraphicsItem *parent)
    : QGraphicsTextItem(parent)
{
    setFlag(QGraphicsItem::ItemIsSelectable);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

SelectableTextItem::SelectableTextItem(QTextDocument *document, QGraphicsItem *parent)
    : QGraphicsTextItem(parent)
{
    if (document) {
        document->setParent(this);
        setDocument(document);
    }
    setFlag(QGraphicsItem::ItemIsSelectable);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

SelectableTextItem::~SelectableTextItem() = default;

QFont SelectableTextItem::withoutLigatures(QFont font)
{
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

QRectF SelectableTextItem::boundingRect() const
{
    return QGraphicsTextItem::boundingRect();
}

QPainterPath SelectableTextItem::shape() const
{
    QPainterPath path;
    path.addRect(boundingRect());
    return path;
}

void SelectableTextItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                               QWidget *widget)
{
    // The base class would draw a focus frame around a text the user merely
    // clicked; the selection frame of a search hit stays.
    QStyleOptionGraphicsItem copy(*option);
    copy.state &= ~QStyle::State_HasFocus;
    QGraphicsTextItem::paint(painter, &copy, widget);
}

void SelectableTextItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    QGraphicsTextItem::mousePressEvent(event);
}

void SelectableTextItem::focusOutEvent(QFocusEvent *event)
{
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
    QGraphicsTextItem::focusOutEvent(event);
}
