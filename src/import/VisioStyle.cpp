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

    const QString fill = VisioUtils::getStringProp(props, "draw:fill");
    if (fill == QLatin1String("solid")) {
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
    } else if (fill == QLatin1String("gradient")) {
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
            const QString kind = VisioUtils::getStringProp(props, "draw:style");
            if (kind == QLatin1String("radial"))
                style.gradientType = RadialGradient;
            else if (kind == QLatin1String("rectangular"))
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

    if (VisioUtils::getStringProp(props, "svg:fill-rule") == QLatin1String("evenodd"))
        style.fillRule = Qt::OddEvenFill;

    const QString stroke = VisioUtils::getStringProp(props, "draw:stroke");
    if (stroke == QLatin1String("none")) {
        style.strokeType = NoStroke;
    } else if (stroke == QLatin1String("solid")) {
        style.strokeType = SolidStroke;
    } else if (stroke == QLatin1String("dash")) {
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

    const QString cap = VisioUtils::getStringProp(props, "svg:stroke-linecap");
    if (cap == QLatin1String("butt"))
        style.capStyle = Qt::FlatCap;
    else if (cap == QLatin1String("square"))
        style.capStyle = Qt::SquareCap;
    else
        style.capStyle = Qt::RoundCap;

    const QString join = VisioUtils::getStringProp(props, "svg:stroke-linejoin");
    if (join == QLatin1String("bevel"))
        style.joinStyle = Qt::BevelJoin;
    else if (join == QLatin1String("miter"))
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
