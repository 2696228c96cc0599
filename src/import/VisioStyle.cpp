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

// Hatch spacing comes from the file; closer lines than this would only add
// thousands of lines per shape, wider ones leave a shape blank.
constexpr double kMinHatchDistance = 0.005;
constexpr double kMaxHatchDistance = 100.0;
// Dashes relative to a line too thin to measure them are sized against
// this width instead, so they stay visible as dashes.
constexpr double kHairlineDashBase = 0.0106;
constexpr double kMaxShadowOffset = 100.0;
// A line pattern from the file repeats at most this many dashes per period.
constexpr int kMaxDashRepeats = 16;

VisioStyle::GradientType gradientKind(const librevenge::RVNGString &kind)
{
    if (VisioUtils::isKeyword(kind, "radial"))
        return VisioStyle::RadialGradient;
    if (VisioUtils::isKeyword(kind, "rectangular"))
        return VisioStyle::RectangularGradient;
    if (VisioUtils::isKeyword(kind, "axial"))
        return VisioStyle::AxialGradient;
    if (VisioUtils::isKeyword(kind, "ellipsoid"))
        return VisioStyle::EllipsoidGradient;
    if (VisioUtils::isKeyword(kind, "square"))
        return VisioStyle::SquareGradient;
    return VisioStyle::LinearGradient;
}

// A dash style repeats dots1 dashes of one length and dots2 of another,
// each followed by the same gap; lengths are shares of the line width.
QList<double> dashPatternOf(const librevenge::RVNGPropertyList &props, double lineWidth)
{
    const double base = lineWidth > 0 ? lineWidth : kHairlineDashBase;
    const int dots1 = qBound(0, VisioUtils::getIntProp(props, "draw:dots1", 1), kMaxDashRepeats);
    const int dots2 = qBound(0, VisioUtils::getIntProp(props, "draw:dots2", 1), kMaxDashRepeats);
    const double length1 = VisioUtils::getPercentProp(props, "draw:dots1-length", 100) / 100.0;
    const double length2 = VisioUtils::getPercentProp(props, "draw:dots2-length", 100) / 100.0;
    const double gap = VisioUtils::getPercentProp(props, "draw:distance", 100) / 100.0;
    QList<double> pattern;
    pattern.reserve(2 * (dots1 + dots2));
    for (int i = 0; i < dots1; ++i)
        pattern << std::max(0.0, length1) * base << std::max(0.0, gap) * base;
    for (int i = 0; i < dots2; ++i)
        pattern << std::max(0.0, length2) * base << std::max(0.0, gap) * base;
    return pattern;
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
            style.gradientType = gradientKind(VisioUtils::getRawStringProp(props, "draw:style"));
            style.gradientBorder =
                clampFraction(VisioUtils::getPercentProp(props, "draw:border", 0) / 100.0);
            style.gradientCenter =
                QPointF(VisioUtils::getPercentProp(props, "svg:cx", 50) / 100.0,
                        VisioUtils::getPercentProp(props, "svg:cy", 50) / 100.0);
            if (start == end && std::abs(style.gradientCenter.x()) < 1e-12
                && std::abs(style.gradientCenter.y()) < 1e-12) {
                style.filled = false;
                style.fillType = NoFill;
            }
        }
    } else if (VisioUtils::isKeyword(fill, "hatch")) {
        style.filled = true;
        style.fillType = HatchFill;
        style.hatchColor = VisioUtils::parseColor(VisioUtils::getStringProp(props, "draw:color"));
        style.hatchColor.setAlphaF(1.0);
        const librevenge::RVNGString kind = VisioUtils::getRawStringProp(props, "draw:style");
        if (VisioUtils::isKeyword(kind, "double"))
            style.hatchStyle = DoubleHatch;
        else if (VisioUtils::isKeyword(kind, "triple"))
            style.hatchStyle = TripleHatch;
        const double distance = VisioUtils::getInchProp(props, "draw:distance", 0.1);
        style.hatchDistance =
            distance > 0 ? qBound(kMinHatchDistance, distance, kMaxHatchDistance) : 0.1;
        // libvisio gives whole degrees; keep the angle in one turn.
        style.hatchRotation =
            std::fmod(VisioUtils::getDoubleProp(props, "draw:rotation", 0.0), 360.0);
        if (VisioUtils::isKeyword(VisioUtils::getRawStringProp(props, "draw:fill-hatch-solid"),
                                  "true")) {
            const double opacity = VisioUtils::getPercentProp(props, "draw:opacity", 100) / 100.0;
            style.fillColor = withAlpha(
                VisioUtils::parseColor(VisioUtils::getStringProp(props, "draw:fill-color")),
                opacity);
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
        style.dashPattern = dashPatternOf(props, style.strokeWidth);
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
        style.markerEndCentered = VisioUtils::isKeyword(
            VisioUtils::getRawStringProp(props, "draw:marker-end-center"), "true");
    }
    if (VisioUtils::isKeyword(VisioUtils::getRawStringProp(props, "draw:shadow"), "visible")) {
        const QPointF offset(VisioUtils::getInchProp(props, "draw:shadow-offset-x", 0.0),
                             VisioUtils::getInchProp(props, "draw:shadow-offset-y", 0.0));
        // A shadow further off than this belongs to no shape on the page.
        if (std::abs(offset.x()) <= kMaxShadowOffset && std::abs(offset.y()) <= kMaxShadowOffset) {
            style.hasShadow = true;
            style.shadowOffset = offset;
            style.shadowColor = withAlpha(
                VisioUtils::parseColor(VisioUtils::getStringProp(props, "draw:shadow-color")),
                VisioUtils::getPercentProp(props, "draw:shadow-opacity", 100) / 100.0);
        }
    }

    style.markerStartPath = VisioUtils::getStringProp(props, "draw:marker-start-path");
    if (!style.markerStartPath.isEmpty()) {
        style.hasStartMarker = true;
        style.markerStartWidth = VisioUtils::getInchProp(props, "draw:marker-start-width", 0.0);
        style.markerStartCentered = VisioUtils::isKeyword(
            VisioUtils::getRawStringProp(props, "draw:marker-start-center"), "true");
    }

    return style;
}
