#include "ShapeFills.h"

#include "VisioStyle.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDegree = 0.017453292519943295;

bool isFiniteRect(const QRectF &r)
{
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width())
           && std::isfinite(r.height());
}

QPointF centreOf(const VisioStyle &style, const QRectF &b)
{
    const QPointF c(b.x() + b.width() * style.gradientCenter.x(),
                    b.y() + b.height() * style.gradientCenter.y());
    return std::isfinite(c.x()) && std::isfinite(c.y()) ? c : b.center();
}

// Centre-out stops for Qt's radial gradients, whose position 0 is the centre.
QGradientStops centreOutStops(const QGradientStops &outsideIn)
{
    QGradientStops stops;
    for (auto it = outsideIn.crbegin(); it != outsideIn.crend(); ++it)
        stops.append({1.0 - it->first, it->second});
    return stops;
}

} // namespace

QGradientStops ShapeFills::outsideInStops(const VisioStyle &style)
{
    if (style.gradientStops.isEmpty())
        return {};
    const QColor start = style.gradientStops.first().second;
    const QColor end = style.gradientStops.last().second;
    const double border = std::isfinite(style.gradientBorder)
                              ? std::clamp(style.gradientBorder, 0.0, 0.999)
                              : 0.0;
    QGradientStops stops{{0.0, start}};
    if (border > 0)
        stops.append({border, start});
    stops.append({1.0, end});
    return stops;
}

bool ShapeFills::isPaintedGradient(const VisioStyle &style)
{
    return style.gradientType == VisioStyle::RectangularGradient
           || style.gradientType == VisioStyle::SquareGradient;
}

QBrush ShapeFills::gradientBrush(const VisioStyle &style, const QRectF &b)
{
    const double w = b.width(), h = b.height();
    if (!(w > 0) || !(h > 0) || !isFiniteRect(b) || isPaintedGradient(style)
        || style.gradientStops.isEmpty())
        return QBrush(Qt::NoBrush);
    const QGradientStops stops = outsideInStops(style);

    switch (style.gradientType) {
    case VisioStyle::RadialGradient:
    case VisioStyle::EllipsoidGradient: {
        const QPointF c = centreOf(style, b);
        QRadialGradient gradient(QPointF(0, 0), 1.0);
        gradient.setStops(centreOutStops(stops));
        gradient.setCoordinateMode(QGradient::LogicalMode);
        QBrush brush(gradient);
        // A radial gradient reaches the corners of the box; an ellipsoid one
        // keeps the box's proportions.
        const double rx = style.gradientType == VisioStyle::RadialGradient
                              ? 0.5 * std::hypot(w, h)
                              : w / std::sqrt(2.0);
        const double ry = style.gradientType == VisioStyle::RadialGradient
                              ? rx
                              : h / std::sqrt(2.0);
        QTransform t;
        t.translate(c.x(), c.y());
        t.scale(rx, ry);
        brush.setTransform(t);
        return brush;
    }
    case VisioStyle::AxialGradient:
    case VisioStyle::LinearGradient:
    default: {
        const double a = std::isfinite(style.gradientAngle) ? style.gradientAngle * kDegree : 0.0;
        // Angle 0 runs from the top edge to the bottom edge; angles turn it
        // counter-clockwise, and the gradient spans the box along its axis.
        const QPointF dir(std::sin(a), std::cos(a));
        const double half = 0.5 * (w * std::abs(dir.x()) + h * std::abs(dir.y()));
        const QPointF c = b.center();
        QLinearGradient gradient(c - dir * half, style.gradientType == VisioStyle::AxialGradient
                                                     ? c
                                                     : c + dir * half);
        if (style.gradientType == VisioStyle::AxialGradient)
            gradient.setSpread(QGradient::ReflectSpread);
        gradient.setStops(stops);
        gradient.setCoordinateMode(QGradient::LogicalMode);
        return QBrush(gradient);
    }
    }
}

ShapePathItem::RectangularGradient ShapeFills::rectangularGradient(const VisioStyle &style,
                                                                  const QRectF &b)
{
    ShapePathItem::RectangularGradient gradient;
    if (!isPaintedGradient(style) || !(b.width() > 0) || !(b.height() > 0) || !isFiniteRect(b))
        return gradient;
    gradient.center = centreOf(style, b);
    if (style.gradientType == VisioStyle::SquareGradient) {
        gradient.halfWidth = gradient.halfHeight = 0.5 * std::max(b.width(), b.height());
    } else {
        gradient.halfWidth = 0.5 * b.width();
        gradient.halfHeight = 0.5 * b.height();
    }
    gradient.stops = outsideInStops(style);
    return gradient;
}

ShapePathItem::Hatch ShapeFills::hatch(const VisioStyle &style, double dpi)
{
    ShapePathItem::Hatch hatch;
    if (style.fillType != VisioStyle::HatchFill)
        return hatch;
    const double spacing = style.hatchDistance * dpi;
    if (!(spacing > 0) || !std::isfinite(spacing))
        return hatch;
    hatch.color = style.hatchColor;
    hatch.spacing = spacing;
    const double angle = std::isfinite(style.hatchRotation) ? style.hatchRotation : 0.0;
    hatch.angles.append(angle);
    if (style.hatchStyle == VisioStyle::DoubleHatch || style.hatchStyle == VisioStyle::TripleHatch)
        hatch.angles.append(angle + 90.0);
    if (style.hatchStyle == VisioStyle::TripleHatch)
        hatch.angles.append(angle + 45.0);
    return hatch;
}
