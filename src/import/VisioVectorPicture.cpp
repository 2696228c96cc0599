#include "VisioVectorPicture.h"

#include "VisioPictureConversion.h"
#include "VisioSvgRepair.h"
#include "VectorPaintCost.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

VisioVectorPicture::~VisioVectorPicture() = default;

namespace {

bool acceptCost(const VectorPaintCost &cost, QString *error)
{
    if (!cost.isTooCostly())
        return true;
    if (error)
        *error = QStringLiteral("drawing it would take too long (paths reach %1 times past it)")
                     .arg(qRound(std::min(cost.reach, 1.0e9)));
    return false;
}

} // namespace

QSharedPointer<const VisioVectorPicture> VisioVectorPicture::fromSvg(const QByteArray &svg,
                                                                     QString *error)
{
    QSharedPointer<VisioVectorPicture> picture(new VisioVectorPicture);
    const QByteArray repaired = VisioSvgRepair::repair(svg, &picture->m_runs);
    for (const VisioSvgRepair::TextRun &run : std::as_const(picture->m_runs))
        picture->m_texts.append(run.text);
    picture->m_svg = std::make_unique<QSvgRenderer>(repaired);
    if (!picture->m_svg->isValid()) {
        if (error)
            *error = QStringLiteral("its SVG cannot be read");
        return {};
    }
    // Documents may load on a worker thread; the scene that paints and
    // finally deletes the renderer lives on the application's thread.
    if (QCoreApplication *app = QCoreApplication::instance())
        picture->m_svg->moveToThread(app->thread());
    const QSize own = picture->m_svg->defaultSize();
    picture->m_bounds = own.isEmpty() ? QRectF(QPointF(), picture->m_svg->viewBoxF().size())
                                      : QRectF(QPointF(), QSizeF(own));
    if (!acceptCost(VectorPaintCost::measure(*picture->m_svg, picture->m_bounds), error))
        return {};
    return picture;
}

QSharedPointer<const VisioVectorPicture> VisioVectorPicture::fromPicture(const QPicture &picture,
                                                                         const QRectF &bounds,
                                                                         const QStringList &texts,
                                                                         QString *error)
{
    if (!acceptCost(VectorPaintCost::measure(picture, bounds), error))
        return {};
    QSharedPointer<VisioVectorPicture> result(new VisioVectorPicture);
    result->m_picture = picture;
    result->m_bounds = bounds;
    result->m_texts = texts;
    return result;
}

void VisioVectorPicture::render(QPainter *painter, const QRectF &target) const
{
    if (!painter || target.isEmpty())
        return;
    painter->save();
    painter->setClipRect(target, Qt::IntersectClip);
    if (m_svg) {
        m_svg->render(painter, target);
        renderTextOverlay(painter, target);
    } else if (!m_bounds.isEmpty()) {
        painter->translate(target.topLeft());
        painter->scale(target.width() / m_bounds.width(), target.height() / m_bounds.height());
        painter->translate(-m_bounds.topLeft());
        // Playing a picture scales it by the device's resolution over its own;
        // our coordinates already are the target's.
        if (QPaintDevice *device = painter->device()) {
            if (device->logicalDpiX() > 0 && device->logicalDpiY() > 0)
                painter->scale(double(m_picture.logicalDpiX()) / device->logicalDpiX(),
                               double(m_picture.logicalDpiY()) / device->logicalDpiY());
        }
        painter->drawPicture(QPointF(0, 0), m_picture);
    }
    painter->restore();
}

// QSvgRenderer draws text as outlines, which PDF readers cannot search or
// copy; documents get the words again, invisible, where they are drawn.
void VisioVectorPicture::renderTextOverlay(QPainter *painter, const QRectF &target) const
{
    const QPaintEngine *engine = painter->paintEngine();
    if (m_runs.isEmpty() || !engine
        || (engine->type() != QPaintEngine::Pdf && engine->type() != QPaintEngine::SVG))
        return;
    const QRectF box = m_svg->viewBoxF();
    if (box.isEmpty())
        return;
    painter->save();
    painter->translate(target.topLeft());
    painter->scale(target.width() / box.width(), target.height() / box.height());
    painter->translate(-box.topLeft());
    painter->setPen(QColor(0, 0, 0, 0));
    for (const VisioSvgRepair::TextRun &run : m_runs) {
        if (!(run.size > 0))
            continue;
        // Pixel sizes are whole numbers: lay out large, then scale down.
        QFont font(run.family);
        font.setPixelSize(100);
        painter->setFont(font);
        const double width = QFontMetricsF(font).horizontalAdvance(run.text);
        double dx = 0;
        if (run.anchor == Qt::AlignHCenter)
            dx = -width / 2;
        else if (run.anchor == Qt::AlignRight)
            dx = -width;
        painter->save();
        painter->translate(run.origin);
        painter->rotate(run.angle);
        painter->scale(run.size / 100.0, run.size / 100.0);
        painter->drawText(QPointF(dx, 0), run.text);
        painter->restore();
    }
    painter->restore();
}

QImage VisioVectorPicture::toImage(const QSize &size) const
{
    const QSize capped = capRasterSize(QSizeF(size));
    if (capped.isEmpty())
        return QImage();
    QImage image(capped, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
    render(&painter, QRectF(QPointF(0, 0), QSizeF(capped)));
    painter.end();
    return image;
}
