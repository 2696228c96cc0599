#include "VectorPaintCost.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace {

// Records the extent of everything drawn, draws nothing.
class MeasuringEngine : public QPaintEngine
{
public:
    explicit MeasuringEngine(double side)
        : QPaintEngine(AllFeatures)
        , m_side(std::max(side, 1.0))
    {
    }

    VectorPaintCost cost;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }

    void drawPath(const QPainterPath &path) override
    {
        note(path.controlPointRect(), path.elementCount());
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        if (count <= 0)
            return;
        // Not QRectF::united: it drops rectangles of no size, as a point's is.
        double left = points[0].x(), right = left, top = points[0].y(), bottom = top;
        for (int i = 1; i < count; ++i) {
            left = std::min(left, points[i].x());
            right = std::max(right, points[i].x());
            top = std::min(top, points[i].y());
            bottom = std::max(bottom, points[i].y());
        }
        note(QRectF(QPointF(left, top), QPointF(right, bottom)), count);
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
    void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override {}
    void drawTextItem(const QPointF &, const QTextItem &) override {}

private:
    void note(const QRectF &local, int points)
    {
        const QRectF box = m_transform.mapRect(local);
        const double extent = box.width() + box.height();
        if (!std::isfinite(extent)) {
            cost.work = cost.reach = HUGE_VAL;
            return;
        }
        cost.work += double(std::max(points, 1)) * extent / m_side;
        cost.reach = std::max(cost.reach, std::max(box.width(), box.height()) / m_side);
    }

    double m_side;
    QTransform m_transform;
};

class MeasuringDevice : public QPaintDevice
{
public:
    MeasuringDevice(const QSize &size)
        : m_size(size)
        , m_engine(std::max(size.width(), size.height()))
    {
    }
    ~MeasuringDevice() override = default;

    QPaintEngine *paintEngine() const override { return &m_engine; }
    VectorPaintCost cost() const { return m_engine.cost; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    QSize m_size;
    mutable MeasuringEngine m_engine;
};

} // namespace

namespace {

QSize measuringSize(const QRectF &frame)
{
    const auto side = [](double value) {
        return std::isfinite(value) ? std::clamp(int(std::ceil(value)), 1, 1 << 20) : 1;
    };
    return QSize(side(frame.width()), side(frame.height()));
}

} // namespace

VectorPaintCost VectorPaintCost::measure(QSvgRenderer &renderer, const QRectF &frame)
{
    MeasuringDevice device(measuringSize(frame));
    QPainter painter(&device);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(measuringSize(frame))));
    painter.end();
    return device.cost();
}

VectorPaintCost VectorPaintCost::measure(const QPicture &picture, const QRectF &frame)
{
    MeasuringDevice device(measuringSize(frame));
    QPainter painter(&device);
    painter.translate(-frame.topLeft());
    painter.drawPicture(QPointF(0, 0), picture);
    painter.end();
    return device.cost();
}
