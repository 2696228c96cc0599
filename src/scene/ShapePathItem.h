#pragma once

#include <QColor>
#include <QGradientStops>
#include <QGraphicsPathItem>
#include <QList>
#include <QPointF>

// A drawn shape. Beyond a plain path item it keeps lines thinner than one
// device pixel at one pixel at every zoom and in every output, and paints
// the fills Qt's brushes cannot express: hatching and rectangular gradients.
class ShapePathItem : public QGraphicsPathItem
{
public:
    enum { Type = UserType + 14 };

    struct Hatch
    {
        QColor color;
        double spacing = 0; // scene units between neighbouring lines
        // Directions of the line families, degrees counter-clockwise.
        QList<double> angles;
    };

    struct RectangularGradient
    {
        QPointF center;         // scene units
        double halfWidth = 0;   // distance from the centre to the start colour
        double halfHeight = 0;
        QGradientStops stops;   // 0 at the outside, 1 at the centre
    };

    explicit ShapePathItem(const QPainterPath &path, QGraphicsItem *parent = nullptr);

    int type() const override { return Type; }

    void setHatch(const Hatch &hatch);
    const Hatch &hatch() const { return m_hatch; }
    void setRectangularGradient(const RectangularGradient &gradient);
    // A silhouette of the shape in color, moved by offset (scene units).
    void setShadow(const QColor &color, const QPointF &offset);

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

    // The pen to stroke with on a device where one scene unit covers
    // deviceScale pixels: lines thinner than a pixel become one-pixel lines,
    // with their dashes kept at the same length on the page.
    static QPen devicePen(const QPen &pen, double deviceScale);
    // Hatch lines through rect, spacing apart, at angle degrees; anchored at
    // the scene origin so neighbouring shapes' hatching lines up.
    static QList<QLineF> hatchLines(const QRectF &rect, double spacing, double angle);

    // Upper bound of lines per hatch family; closer hatching on a huge shape
    // is spread out rather than drawn line by line.
    static constexpr int maxHatchLines = 4000;
    // Bands a rectangular gradient is painted in.
    static constexpr int rectangularGradientSteps = 64;

private:
    void paintRectangularGradient(QPainter *painter) const;

    Hatch m_hatch;
    RectangularGradient m_rectGradient;
    bool m_hasRectGradient = false;
    QColor m_shadowColor;
    QPointF m_shadowOffset;
};
