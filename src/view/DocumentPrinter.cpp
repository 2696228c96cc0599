#include "DocumentPrinter.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

bool hasArea(const QRectF &r)
{
    return std::isfinite(r.width()) && std::isfinite(r.height()) && r.width() > 0
           && r.height() > 0;
}

} // namespace

bool DocumentPrinter::renderToPrinter(QGraphicsScene *scene, const QList<QRectF> &pageRects,
                                      QPrinter *printer, int fromPage, int toPage)
{
    if (!scene || !printer || pageRects.isEmpty())
        return true;

    QPainter painter;
    if (!painter.begin(printer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    const int n = int(pageRects.size());
    const int first = std::max(fromPage, 1) - 1;
    const int last = std::min(n - 1, toPage - 1);

    bool ok = true;
    for (int i = first; i <= last; ++i) {
        if (i > first && !printer->newPage()) {
            ok = false;
            break;
        }
        const QRectF sheet = printer->pageRect(QPrinter::DevicePixel);
        renderPage(&painter, scene, pageRects.at(i), QRectF(0, 0, sheet.width(), sheet.height()));
    }
    return painter.end() && ok;
}

bool DocumentPrinter::renderPage(QPainter *painter, QGraphicsScene *scene, const QRectF &pageRect,
                                 const QRectF &target)
{
    if (!painter || !scene || !hasArea(pageRect) || !hasArea(target))
        return false;

    const double s = std::min(target.width() / pageRect.width(),
                              target.height() / pageRect.height());
    painter->save();
    painter->translate(target.x() + (target.width() - s * pageRect.width()) / 2,
                       target.y() + (target.height() - s * pageRect.height()) / 2);
    painter->scale(s, s);
    scene->render(painter, QRectF(0, 0, pageRect.width(), pageRect.height()), pageRect,
                  Qt::KeepAspectRatio);
    painter->restore();
    return true;
}
