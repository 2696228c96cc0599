#pragma once

#include "VisioVectorPicture.h"

#include <QGraphicsItem>
#include <QImage>
#include <QSharedPointer>
#include <QString>

// Shows a vector picture stretched over its box, drawn afresh at every zoom
// so it stays as sharp as the lines around it. On screen it paints from a
// raster cache made at the current scale, for fast scrolling; printers, PDF,
// SVG and image output always get the vectors, so picture text stays text.
class VectorPictureItem : public QGraphicsItem
{
public:
    enum { Type = UserType + 0x5650 };

    // size is the box in scene units.
    VectorPictureItem(QSharedPointer<const VisioVectorPicture> picture, const QSizeF &size,
                      QGraphicsItem *parent = nullptr);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override;

    const QSharedPointer<const VisioVectorPicture> &picture() const { return m_picture; }
    // The words the picture draws, for search.
    QString text() const;
    // A raster for saving: one pixel per scene unit, or the picture's own
    // resolution when that is finer.
    QImage toImage() const;
    // Stand-ins for objects with nothing drawable are not pictures to save.
    void setPlaceholder(bool placeholder) { m_placeholder = placeholder; }
    bool isPlaceholder() const { return m_placeholder; }

protected:
    // Focus is how a search hit shows: it lasts until the user clicks elsewhere.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void paintCached(QPainter *painter);

    QSharedPointer<const VisioVectorPicture> m_picture;
    QSizeF m_size;
    QString m_cacheKey;
    bool m_placeholder = false;
};
