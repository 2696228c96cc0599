#include "VisioStyle.h"

#include "VisioUtils.h"

#include <librevenge/librevenge.h>

#include <cmath>

namespace {

// Qt clamps out-of-range alphas too, but warns on every call.
double clampFraction(double value)
{
    return qBound(0.0, value, 1.0);
}

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(clampFraction(alpha));
    return color;
}

} // namespace

VisioStyle VisioStyle::fromPropertyList(const librevenge::RVNGPropertyList &props)
{
    VisioStyle style;

    style.strokeWidth = VisioUtils::getInchProp(props, "svg:stroke-width", 0.0033);

    // Keywords are compared as stored; this runs for every shape.
    const librevenge::RVNGString fill = VisioUtils::getRawStringProp(props, "draw:fill");
    if (VisioUtils::isKeyword(fill, "solid")) {
        style.filled = true;
        style.fillType = SolidFill;
        QColor color = VisioUtils::parseColor(VisioUtils::getStringProp(props, "draw:fill-color"));
        style.fillOpacity = VisioUtils::getPercentProp(props, "draw:fill-opacity", 100) / 100.0;
        const double opacity = VisioUtils::getPercentProp(props, "draw:opacity", 100) / 100.0;
        if (opacity <= 0) {
            style.filled = false;
            style.fillType = NoFill;
        } else {
            style.fillColor = withAlpha(color, opacity * style.fillOpacity);
        }
    } else if (VisioUtils::isKeyword(fill, "gradient")) {
        const double opacity = VisioUtils::getPercentProp(props, "draw:opacity", 100) / 100.0;
        const double startOpacity =
            VisioUtils::getPercentProp(props, "librevenge:start-opacity", 100) / 100.0;
        const double endOpacity =
            VisioUtils::getPercentProp(props, "librevenge:end-opacity", 100) / 100.0;
        if (opacity <= 0 || (startOpacity <= 0 && endOpacity <= 0)) {
            style.filled = false;
            style.fillType = NoFill;
        } else {
            style.filled = true;
            style.fillType = GradientFill;
            // The overall opacity only gates the fill; the stops carry their own alpha.
            const QColor start = withAlpha(
                VisioUtils::parseColor(VisioUtils::getStringProp(props, "draw:start-color")),
                startOpacity);
            const QColor end = withAlpha(
                VisioUtils::parseColor(VisioUtils::getStringProp(props, "draw:end-color")),
                endOpacity);
            style.gradientStops = {{0.0, start}, {1.0, end}};
            style.gradientAngle = VisioUtils::getDoubleProp(props, "draw:angle", 0.0);
            const librevenge::RVNGString kind = VisioUtils::getRawStringProp(props, "draw:style");
            if (VisioUtils::isKeyword(kind, "radial"))
                style.gradientType = RadialGradient;
            else if (VisioUtils::isKeyword(kind, "rectangular"))
                style.gradientType = RectangularGradient;
            else
                style.gradientType = LinearGradient;
            style.gradientCenter =
                QPointF(VisioUtils::getPercentProp(props, "svg:cx", 50) / 100.0,
                        VisioUtils::getPercentProp(props, "svg:cy", 50) / 100.0);
            if (start == end && std::abs(style.gradientCenter.x()) < 1e-12
                && std::abs(style.gradientCenter.y()) < 1e-12) {
                style.filled = false;
                style.fillType = NoFill;
            }
        }
    } else {
        style.filled = false;
        style.fillType = NoFill;
    }

    if (VisioUtils::isKeyword(VisioUtils::getRawStringProp(props, "svg:fill-rule"), "evenodd"))
        style.fillRule = Qt::OddEvenFill;

    const librevenge::RVNGString stroke = VisioUtils::getRawStringProp(props, "draw:stroke");
    if (VisioUtils::isKeyword(stroke, "none")) {
        style.strokeType = NoStroke;
    } else if (VisioUtils::isKeyword(stroke, "solid")) {
        style.strokeType = SolidStroke;
    } else if (VisioUtils::isKeyword(stroke, "dash")) {
        style.strokeType = DashStroke;
        const double width = style.strokeWidth;
        style.dashPattern = {
            VisioUtils::getPercentProp(props, "draw:dots1-length", 100) / 100.0 * width,
            VisioUtils::getPercentProp(props, "draw:dots2-length", 100) / 100.0 * width};
        style.dashOffset = VisioUtils::getPercentProp(props, "draw:distance", 0) / 100.0 * width;
    }

    style.strokeColor = VisioUtils::parseColor(VisioUtils::getStringProp(props, "svg:stroke-color"));
    style.strokeOpacity = VisioUtils::getPercentProp(props, "svg:stroke-opacity", 100) / 100.0;
    style.strokeColor = withAlpha(style.strokeColor, style.strokeOpacity);

    const librevenge::RVNGString cap = VisioUtils::getRawStringProp(props, "svg:stroke-linecap");
    if (VisioUtils::isKeyword(cap, "butt"))
        style.capStyle = Qt::FlatCap;
    else if (VisioUtils::isKeyword(cap, "square"))
        style.capStyle = Qt::SquareCap;
    else
        style.capStyle = Qt::RoundCap;

    const librevenge::RVNGString join = VisioUtils::getRawStringProp(props, "svg:stroke-linejoin");
    if (VisioUtils::isKeyword(join, "bevel"))
        style.joinStyle = Qt::BevelJoin;
    else if (VisioUtils::isKeyword(join, "miter"))
        style.joinStyle = Qt::MiterJoin;
    else
        style.joinStyle = Qt::RoundJoin;

    style.markerEndPath = VisioUtils::getStringProp(props, "draw:marker-end-path");
    if (!style.markerEndPath.isEmpty()) {
        style.hasEndMarker = true;
        style.markerEndWidth = VisioUtils::getInchProp(props, "draw:marker-end-width", 0.0);
    }

    return style;
}
