#include "VisioVectorPicture.h"

#include "VisioPictureConversion.h"
#include "VisioSvgRepair.h"

#include <QPainter>
#include <QSvgRenderer>

VisioVectorPicture::~VisioVectorPicture() = default;

QSharedPointer<const VisioVectorPicture> VisioVectorPicture::fromSvg(const QByteArray &svg)
{
    QSharedPointer<VisioVectorPicture> picture(new VisioVectorPicture);
    const QByteArray repaired = VisioSvgRepair::repair(svg, &picture->m_texts);
    picture->m_svg = std::make_unique<QSvgRenderer>(repaired);
    if (!picture->m_svg->isValid())
        return {};
    const QSize own = picture->m_svg->defaultSize();
    picture->m_bounds = own.isEmpty() ? QRectF(QPointF(), picture->m_svg->viewBoxF().size())
                                      : QRectF(QPointF(), QSizeF(own));
    return picture;
}

QSharedPointer<const VisioVectorPicture> VisioVectorPicture::fromPicture(const QPicture &picture,
                                                                         const QRectF &bounds,
                                                                         const QStringList &texts)
{
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
