#include "ShapePathItem.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDegree = 0.017453292519943295;

// Pixels one scene unit covers on the painter's device.
double deviceScaleOf(const QPainter *painter)
{
    const QTransform t = painter->deviceTransform();
    const double scale = std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
    return std::isfinite(scale) ? scale : 1.0;
}

QColor colorAt(const QGradientStops &stops, double t)
{
    if (stops.isEmpty())
        return Qt::transparent;
    if (t <= stops.first().first)
        return stops.first().second;
    for (qsizetype i = 1; i < stops.size(); ++i) {
        const QGradientStop &a = stops.at(i - 1);
        const QGradientStop &b = stops.at(i);
        if (t > b.first)
            continue;
        const double span = b.first - a.first;
        const double f = span > 0 ? (t - a.first) / span : 1.0;
        return QColor::fromRgbF(float(a.second.redF() + f * (b.second.redF() - a.second.redF())),
                                float(a.second.greenF() + f * (b.second.greenF() - a.second.greenF())),
                                float(a.second.blueF() + f * (b.second.blueF() - a.second.blueF())),
                                float(a.second.alphaF() + f * (b.second.alphaF() - a.second.alphaF())));
    }
    return stops.last().second;
}

} // namespace

ShapePathItem::ShapePathItem(const QPainterPath &path, QGraphicsItem *parent)
    : QGraphicsPathItem(path, parent)
{
}

void ShapePathItem::setHatch(const Hatch &hatch)
{
    m_hatch = hatch;
    update();
}

void ShapePathItem::setRectangularGradient(const RectangularGradient &gradient)
{
    m_rectGradient = gradient;
    m_hasRectGradient = !gradient.stops.isEmpty();
    update();
}

void ShapePathItem::setShadow(const QColor &color, const QPointF &offset)
{
    prepareGeometryChange();
    m_shadowColor = color;
    m_shadowOffset = offset;
}

QRectF ShapePathItem::boundingRect() const
{
    const QRectF own = QGraphicsPathItem::boundingRect();
    if (!m_shadowColor.isValid() || m_shadowColor.alpha() == 0)
        return own;
    return own | own.translated(m_shadowOffset);
}

QPen ShapePathItem::devicePen(const QPen &pen, double deviceScale)
{
    const double width = pen.widthF();
    if (pen.style() == Qt::NoPen || !(deviceScale > 0) || width * deviceScale >= 1.0)
        return pen;

    // Width 0 is one device pixel on screen and in images, and the thinnest
    // line a PDF can hold.
    QPen thin(pen);
    thin.setWidthF(0);
    if (pen.style() == Qt::CustomDashLine) {
        // Dashes were in units of the old width; a one-pixel pen counts pixels.
        const double unit = (width > 0 ? width : 1.0) * deviceScale;
        QList<qreal> dashes;
        double period = 0;
        for (qreal entry : pen.dashPattern()) {
            dashes.append(entry * unit);
            period += entry * unit;
        }
        // Dashes finer than a pixel cannot be told apart from a solid line.
        if (!(period >= 2.0) || !std::isfinite(period)) {
            thin.setStyle(Qt::SolidLine);
        } else {
            thin.setDashPattern(dashes);
            thin.setDashOffset(pen.dashOffset() * unit);
        }
    }
    return thin;
}

QList<QLineF> ShapePathItem::hatchLines(const QRectF &rect, double spacing, double angle)
{
    QList<QLineF> lines;
    if (!(spacing > 0) || !rect.isValid() || !std::isfinite(angle))
        return lines;
    const double a = angle * kDegree;
    // Line direction; angles turn counter-clockwise on a page whose y grows down.
    const QPointF dir(std::cos(a), -std::sin(a));
    const QPointF normal(-dir.y(), dir.x());
    // Range of the lines' offsets along the normal that cross the rectangle.
    const QPointF corners[4] = {rect.topLeft(), rect.topRight(), rect.bottomLeft(),
                                rect.bottomRight()};
    double lo = INFINITY, hi = -INFINITY, along0 = INFINITY, along1 = -INFINITY;
    for (const QPointF &c : corners) {
        const double n = c.x() * normal.x() + c.y() * normal.y();
        const double d = c.x() * dir.x() + c.y() * dir.y();
        lo = std::min(lo, n);
        hi = std::max(hi, n);
        along0 = std::min(along0, d);
        along1 = std::max(along1, d);
    }
    const double count = (hi - lo) / spacing;
    if (!std::isfinite(count))
        return lines;
    const double step = count > maxHatchLines ? (hi - lo) / maxHatchLines : spacing;
    const double first = std::ceil(lo / step) * step;
    lines.reserve(int(std::min(count, double(maxHatchLines))) + 2);
    for (double n = first; n <= hi && lines.size() <= maxHatchLines; n += step) {
        const QPointF base = normal * n;
        lines.append(QLineF(base + dir * along0, base + dir * along1));
    }
    return lines;
}

void ShapePathItem::paintRectangularGradient(QPainter *painter) const
{
    const RectangularGradient &g = m_rectGradient;
    const QRectF bounds = path().boundingRect();
    painter->setPen(Qt::NoPen);
    // Outside the gradient's rectangle the start colour continues.
    painter->fillRect(bounds, colorAt(g.stops, 0.0));
    const int steps = rectangularGradientSteps;
    for (int i = 1; i < steps; ++i) {
        const double t = double(i) / steps;
        const double hw = g.halfWidth * (1.0 - t);
        const double hh = g.halfHeight * (1.0 - t);
        painter->fillRect(QRectF(g.center.x() - hw, g.center.y() - hh, 2 * hw, 2 * hh),
                          colorAt(g.stops, t + 0.5 / steps));
    }
}

void ShapePathItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QPainterPath &outline = path();
    const double scale = deviceScaleOf(painter);
    if (m_shadowColor.isValid() && m_shadowColor.alpha() > 0) {
        // Filled shapes cast a filled shadow, lines a shadow of their stroke.
        const QPainterPath moved = outline.translated(m_shadowOffset);
        const bool filled = brush().style() != Qt::NoBrush || m_hasRectGradient
                            || !m_hatch.angles.isEmpty();
        if (filled)
            painter->fillPath(moved, m_shadowColor);
        else if (pen().style() != Qt::NoPen) {
            QPen shadowPen = devicePen(pen(), scale);
            shadowPen.setColor(m_shadowColor);
            painter->strokePath(moved, shadowPen);
        }
    }
    if (brush().style() != Qt::NoBrush)
        painter->fillPath(outline, brush());

    const bool hatched = !m_hatch.angles.isEmpty() && m_hatch.spacing > 0
                         && m_hatch.color.alpha() > 0;
    if (m_hasRectGradient || hatched) {
        painter->save();
        painter->setClipPath(outline, Qt::IntersectClip);
        if (m_hasRectGradient)
            paintRectangularGradient(painter);
        if (hatched) {
            painter->setPen(QPen(m_hatch.color, 0));
            const QRectF bounds = outline.boundingRect();
            for (double angle : m_hatch.angles)
                painter->drawLines(hatchLines(bounds, m_hatch.spacing, angle));
        }
        painter->restore();
    }

    if (pen().style() != Qt::NoPen)
        painter->strokePath(outline, devicePen(pen(), scale));
}
