#pragma once

#include "ShapePathItem.h"

#include <QBrush>
#include <QRectF>

struct VisioStyle;

// Turns a style's gradient and hatch fill into what a shape item paints with.
// Gradients follow the drawing's convention: the start colour lies at the
// outside (the start edge, both edges of an axial one, the rim of a radial
// one), the end colour at the end edge or the centre.
class ShapeFills
{
public:
    ShapeFills() = delete;

    // A brush for linear, axial, radial and ellipsoid gradients over bounds
    // (scene units); no brush for the kinds painted by the item itself.
    static QBrush gradientBrush(const VisioStyle &style, const QRectF &bounds);
    // True for the gradient kinds Qt's brushes cannot draw.
    static bool isPaintedGradient(const VisioStyle &style);
    static ShapePathItem::RectangularGradient rectangularGradient(const VisioStyle &style,
                                                                 const QRectF &bounds);
    static ShapePathItem::Hatch hatch(const VisioStyle &style, double dpi);
    // Stops from the outside (0) to the end colour (1), with the border share
    // held at the start colour.
    static QGradientStops outsideInStops(const VisioStyle &style);
};
