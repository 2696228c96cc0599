#pragma once

#include <QRectF>

class QPicture;
class QSvgRenderer;

// Estimates what rasterising a vector picture costs before anyone paints it.
//
// Qt's rasteriser works along every edge of a path, also outside the device,
// so a path of a thousand points reaching a hundred times past the picture
// takes seconds to fill at any size, however little of it shows. The picture
// is walked once through a paint engine that only measures.
class VectorPaintCost
{
public:
    // Edge points times their path's extent, in lengths of the picture's
    // larger side: the rasteriser's work, per pixel of the size it is drawn at.
    double work = 0.0;
    // How far the farthest path reaches, in multiples of the picture's
    // larger side.
    double reach = 0.0;

    // Walks renderer's picture drawn over frame.
    static VectorPaintCost measure(QSvgRenderer &renderer, const QRectF &frame);
    // Walks picture; frame is the part of its coordinates that is shown.
    static VectorPaintCost measure(const QPicture &picture, const QRectF &frame);

    // Drawn a thousand pixels wide, work past this takes about a second; the
    // sample drawings' pictures stay below a tenth of it.
    static constexpr double MaxWork = 1.0e5;
    // Paths of real pictures stay near their frame (within twice its size).
    static constexpr double MaxReach = 32.0;
    // Past this nothing is drawn, however near the frame it stays.
    static constexpr double MaxWorkNearby = 1.0e7;
    // Reaching far out is harmless while the work stays small.
    bool isTooCostly() const
    {
        return (work > MaxWork && reach > MaxReach) || !(work <= MaxWorkNearby);
    }
};
