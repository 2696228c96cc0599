#include "VectorPictureItem.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <atomic>
#include <cmath>

namespace {

// Larger renders are not worth keeping: painting the vectors directly is
// then no slower than filling a cache that a scroll would outgrow.
constexpr qint64 kMaxCachedPixels = 2048 * 2048;
// Qt's default pixmap cache holds about one screenful of pictures.
constexpr int kMinPixmapCacheKb = 64 * 1024;

// Addresses are reused; a cache key must never name a picture that is gone.
quint64 nextCacheSerial()
{
    static std::atomic<quint64> serial{0};
    return ++serial;
}

QColor highlightColour()
{
    return QColor(255, 200, 0);
}

} // namespace

VectorPictureItem::VectorPictureItem(QSharedPointer<const VisioVectorPicture> picture,
                                     const QSizeF &size, QGraphicsItem *parent)
    : QGraphicsItem(parent)
    , m_picture(std::move(picture))
    , m_size(size)
    , m_cacheKey(QStringLiteral("plandraw-picture-%1-").arg(nextCacheSerial()))
{
    setFlag(ItemIsFocusable);
    if (QPixmapCache::cacheLimit() < kMinPixmapCacheKb)
        QPixmapCache::setCacheLimit(kMinPixmapCacheKb);
}

QRectF VectorPictureItem::boundingRect() const
{
    return QRectF(QPointF(0, 0), m_size);
}

QString VectorPictureItem::text() const
{
    return m_picture ? m_picture->texts().join(QLatin1Char(' ')) : QString();
}

QImage VectorPictureItem::toImage() const
{
    if (!m_picture)
        return QImage();
    QSizeF size = m_size;
    const QSizeF own = m_picture->size();
    if (own.width() > size.width() && size.width() > 0)
        size *= own.width() / size.width();
    return m_picture->toImage(QSize(int(std::lround(size.width())), int(std::lround(size.height()))));
}

void VectorPictureItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                              QWidget *widget)
{
    Q_UNUSED(option);
    Q_UNUSED(widget);
    if (!m_picture || m_size.isEmpty())
        return;
    const bool onScreen = painter->device() && painter->device()->devType() == QInternal::Widget;
    if (onScreen)
        paintCached(painter);
    else
        m_picture->render(painter, boundingRect());

    if (hasFocus()) {
        painter->save();
        QColor fill = highlightColour();
        fill.setAlpha(60);
        painter->fillRect(boundingRect(), fill);
        painter->setPen(QPen(highlightColour(), 0));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(boundingRect());
        painter->restore();
    }
}

void VectorPictureItem::focusInEvent(QFocusEvent *event)
{
    QGraphicsItem::focusInEvent(event);
    update();
}

void VectorPictureItem::focusOutEvent(QFocusEvent *event)
{
    QGraphicsItem::focusOutEvent(event);
    update();
}

void VectorPictureItem::paintCached(QPainter *painter)
{
    // Not deviceTransform(): that includes where the view sits in its window,
    // which drawing with a reset world transform would add a second time.
    const QTransform device = painter->combinedTransform();
    const QRectF deviceBox = device.mapRect(boundingRect());
    const QRect pixels = deviceBox.toAlignedRect();
    if (pixels.isEmpty() || qint64(pixels.width()) * pixels.height() > kMaxCachedPixels
        || !std::isfinite(deviceBox.width()) || !std::isfinite(deviceBox.height())) {
        m_picture->render(painter, boundingRect());
        return;
    }

    // Scrolling only moves the cached raster; zooming or turning the view
    // makes a new one.
    const QString key = m_cacheKey
                        + QStringLiteral("%1,%2,%3,%4")
                              .arg(device.m11(), 0, 'g', 8)
                              .arg(device.m12(), 0, 'g', 8)
                              .arg(device.m21(), 0, 'g', 8)
                              .arg(device.m22(), 0, 'g', 8);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QImage image(pixels.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) {
            m_picture->render(painter, boundingRect());
            return;
        }
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHints(painter->renderHints());
            p.setTransform(device * QTransform::fromTranslate(-pixels.left(), -pixels.top()));
            m_picture->render(&p, boundingRect());
        }
        pixmap = QPixmap::fromImage(image);
        QPixmapCache::insert(key, pixmap);
    }
    painter->save();
    painter->setWorldTransform(QTransform());
    painter->drawPixmap(QPointF(pixels.topLeft()), pixmap);
    painter->restore();
}
