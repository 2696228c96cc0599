#include "VisioPictureConversion.h"

#include "EmfStructure.h"

#include <emf2svg.h>

#include <QDebug>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Conversion is in-process: larger EMFs are refused rather than risking a
// long stall inside libemf2svg.
constexpr qsizetype kMaxEmfBytes = 50000;

int roundedSide(double value)
{
    if (!std::isfinite(value))
        return 0;
    // Only reached for sizes that were not capped (zero or negative ones).
    return int(std::lround(qBound(-double(kMaxRasterSide), value, double(kMaxRasterSide))));
}

} // namespace

QSize capRasterSize(const QSizeF &size)
{
    const double w = size.width();
    const double h = size.height();
    if (!(std::isfinite(w) && std::isfinite(h) && w > 0 && h > 0))
        return QSize(roundedSide(w), roundedSide(h));

    double scale = 1.0;
    const double longer = std::max(w, h);
    if (longer > kMaxRasterSide)
        scale = kMaxRasterSide / longer;
    const double area = (w * scale) * (h * scale);
    if (!std::isfinite(area) || area > double(kMaxRasterPixels))
        scale *= std::sqrt(double(kMaxRasterPixels) / area);
    // A side under half a pixel rounds to 0 (the caller's empty-size fallback)
    // unless the cap shrank it there; then it keeps one pixel.
    const double minSide = scale < 1.0 ? 1.0 : 0.0;
    auto side = [minSide](double v) {
        const double r = std::floor(v + 0.5);
        return int(qBound(minSide, r, double(kMaxRasterSide)));
    };
    QSize result(side(w * scale), side(h * scale));
    // Rounding up can push the area a few pixels over the limit.
    while (qint64(result.width()) * result.height() > kMaxRasterPixels) {
        if (result.width() >= result.height())
            result.rwidth() -= 1;
        else
            result.rheight() -= 1;
    }
    return result;
}

bool loadEmfSvgData(const QByteArray &emf, QByteArray &svg)
{
    if (emf.isEmpty())
        return false;
    if (emf.size() > kMaxEmfBytes) {
        qWarning() << "EMF too large for in-process conversion:" << emf.size() << "bytes, skipping";
        return false;
    }
    if (!EmfStructure::isSound(emf)) {
        qWarning() << "EMF records do not fit their picture, skipping";
        return false;
    }

    // libemf2svg takes a non-const buffer; give it a private copy.
    QByteArray input(emf.constData(), emf.size());
    generatorOptions options{};
    options.nameSpace = nullptr;
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    options.imgWidth = 0;
    options.imgHeight = 0;

    char *out = nullptr;
    size_t outLength = 0;
    int ret = 0;
    try {
        ret = emf2svg(input.data(), size_t(input.size()), &out, &outLength, &options);
    } catch (...) {
        ret = 0;
    }
    std::fprintf(stderr, "emf2svg ret=%d svgSize=%zu svgPtr=%p\n", ret, outLength,
                 static_cast<void *>(out));

    const bool ok = ret == 1 && out != nullptr && outLength > 0;
    if (ok)
        svg = QByteArray(out, qsizetype(outLength));
    if (out)
        std::free(out);
    return ok;
}

bool loadSvgToImage(const QByteArray &svg, QImage &image, QSize targetSize)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return false;

    QSize size = targetSize;
    if (size.width() < 0 || size.height() < 0)
        size = renderer.defaultSize();
    if (size.width() <= 0 || size.height() <= 0)
        size = QSize(800, 600);
    size = capRasterSize(QSizeF(size));

    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    if (canvas.isNull())
        return false;
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, true);
        renderer.render(&painter, QRectF(0, 0, size.width(), size.height()));
    }
    image = canvas;
    return !image.isNull();
}
