#pragma once

#include <QColor>
#include <QGradientStops>
#include <QList>
#include <QPointF>
#include <QString>
#include <Qt>

namespace librevenge {
class RVNGPropertyList;
}

// The resolved graphic style of one shape, in inches and fractions.
struct VisioStyle
{
    enum FillType { NoFill = 0, SolidFill = 1, GradientFill = 2, HatchFill = 3 };
    enum GradientType {
        LinearGradient = 0,
        RadialGradient = 1,
        RectangularGradient = 2,
        AxialGradient = 3,
        EllipsoidGradient = 4,
        SquareGradient = 5
    };
    enum HatchStyle { SingleHatch = 1, DoubleHatch = 2, TripleHatch = 3 };
    enum StrokeType { NoStroke = 0, SolidStroke = 1, DashStroke = 2 };

    QColor fillColor = Qt::transparent;
    bool filled = false;
    double fillOpacity = 1.0;
    Qt::FillRule fillRule = Qt::WindingFill;
    FillType fillType = NoFill;
    GradientType gradientType = LinearGradient;
    QGradientStops gradientStops;
    QPointF gradientCenter = QPointF(0.5, 0.5);
    double gradientAngle = 0.0;
    // Share of the gradient, from the outside, painted in the start colour.
    double gradientBorder = 0.0;
    // Hatch lines over fillColor (transparent when the hatch has no background).
    QColor hatchColor = Qt::black;
    HatchStyle hatchStyle = SingleHatch;
    double hatchDistance = 0.1; // inches between neighbouring lines
    double hatchRotation = 0.0; // degrees, counter-clockwise
    StrokeType strokeType = SolidStroke;
    QColor strokeColor = Qt::black;
    double strokeOpacity = 1.0;
    double strokeWidth = 0.0033;
    QList<double> dashPattern;
    double dashOffset = 0.0;
    Qt::PenCapStyle capStyle = Qt::RoundCap;
    Qt::PenJoinStyle joinStyle = Qt::RoundJoin;
    double miterLimit = 4.0;
    bool hasEndMarker = false;
    QString markerEndPath;
    double markerEndWidth = 0.0;
    bool markerEndCentered = false;
    // A copy of the shape, moved by shadowOffset (inches, y down), behind it.
    bool hasShadow = false;
    QColor shadowColor = Qt::gray;
    QPointF shadowOffset;
    bool hasStartMarker = false;
    QString markerStartPath;
    double markerStartWidth = 0.0;
    bool markerStartCentered = false;

    // Always starts from the defaults above; never merges with an earlier style.
    static VisioStyle fromPropertyList(const librevenge::RVNGPropertyList &props);
};
