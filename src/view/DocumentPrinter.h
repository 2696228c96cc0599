#pragma once

#include <QList>
#include <QRectF>

class QGraphicsScene;
class QPainter;
class QPrinter;

// Paints scene pages onto printers and other paint devices, each page scaled
// uniformly to fit its sheet and centred on it.
class DocumentPrinter
{
public:
    // Renders pages fromPage..toPage (1-based, inclusive; clamped to the
    // list). Returns false when the printer could not be opened or a new
    // sheet could not be started; a range past the last page is an empty,
    // successful job.
    static bool renderToPrinter(QGraphicsScene *scene, const QList<QRectF> &pageRects,
                                QPrinter *printer, int fromPage, int toPage);

    // Paints the scene region pageRect scaled to fit target (device
    // coordinates of the painter) and centred in it. A page rectangle of
    // zero width or height, or an empty target, paints nothing and returns
    // false: the sheet stays blank.
    static bool renderPage(QPainter *painter, QGraphicsScene *scene, const QRectF &pageRect,
                           const QRectF &target);
};
