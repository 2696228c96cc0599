#include "VisioPictureConversion.h"

#include "EmfRasterOperations.h"
#include "EmfStructure.h"
#include "VisioImage.h"

#include <emf2svg.h>

#include "LogCategories.h"

#include <QDebug>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// libemf2svg keeps no documented thread guarantees; documents may load on
// several threads at once.
QMutex &emfConversionMutex()
{
    static QMutex mutex;
    return mutex;
}

quint32 readU32(const QByteArray &data, qsizetype offset)
{
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

void writeU32(QByteArray &data, qsizetype offset, quint32 value)
{
    qToLittleEndian(value, data.data() + offset);
}

constexpr quint32 kEmrHeader = 1;
constexpr quint32 kEmrEof = 14;
constexpr qsizetype kEmfHeaderMinSize = 88;
constexpr quint32 kEmfSignature = 0x464D4520;

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

QByteArray sanitizeEmf(const QByteArray &emf)
{
    const qsizetype size = emf.size();
    if (size < kEmfHeaderMinSize || readU32(emf, 0) != kEmrHeader
        || readU32(emf, 40) != kEmfSignature)
        return QByteArray();
    const quint32 headerSize = readU32(emf, 4);
    if (headerSize < kEmfHeaderMinSize || headerSize > quint64(size) || headerSize % 4 != 0)
        return QByteArray();

    // Walk the records and cut the chain at the first one that does not fit,
    // so that libemf2svg never reads past the buffer.
    qsizetype offset = 0;
    quint32 records = 0;
    bool sawEof = false;
    while (offset + 8 <= size) {
        const quint32 type = readU32(emf, offset);
        const quint32 recordSize = readU32(emf, offset + 4);
        if (recordSize < 8 || recordSize % 4 != 0 || recordSize > quint64(size - offset))
            break;
        if (offset > 0 && type == kEmrHeader)
            break;
        offset += recordSize;
        ++records;
        if (type == kEmrEof) {
            sawEof = true;
            break;
        }
    }

    QByteArray out = emf.left(offset);
    if (!sawEof) {
        const quint32 eof[5] = {kEmrEof, 20, 0, 16, 20};
        for (quint32 v : eof) {
            char b[4];
            qToLittleEndian(v, b);
            out.append(b, 4);
        }
        ++records;
    }
    // The header's own counts are not trusted; they describe what we pass on.
    writeU32(out, 48, quint32(out.size()));
    writeU32(out, 52, records);
    return out;
}

bool loadEmfSvgData(const QByteArray &emf, QByteArray &svg, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (emf.isEmpty())
        return fail(QStringLiteral("no EMF data"));
    if (emf.size() > kMaxEmfBytes)
        return fail(QStringLiteral("EMF of %1 bytes is too large to convert").arg(emf.size()));

    // Also the private, writable copy that libemf2svg wants.
    QByteArray input = sanitizeEmf(emf);
    if (input.isEmpty())
        return fail(QStringLiteral("not an EMF picture, or its header is damaged"));
    // libemf2svg and libuemf trust the sizes and offsets inside records; refuse
    // what they would misread. The chain itself was cut to fit above.
    if (!EmfStructure::isSound(input))
        return fail(QStringLiteral("its records do not fit their picture"));
    // Masked icons come out as white boxes unless their bitmaps are redrawn;
    // the redrawn picture is checked like any other before it is used.
    QByteArray masked = EmfRasterOperations::withMasksAsTransparency(input);
    if (!masked.isEmpty()) {
        if (masked.size() <= kMaxEmfBytes && EmfStructure::isSound(masked))
            input = std::move(masked);
        else
            qCDebug(lcImport) << "masked bitmaps of an EMF drawn opaquely";
    }
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
    {
        QMutexLocker lock(&emfConversionMutex());
        try {
            ret = emf2svg(input.data(), size_t(input.size()), &out, &outLength, &options);
        } catch (...) {
            ret = 0;
        }
    }
    qCDebug(lcImport) << "emf2svg ret=" << ret << "svgSize=" << outLength
                      << "svgPtr=" << static_cast<void *>(out);

    bool ok = ret == 1 && out != nullptr && outLength > 0;
    if (!ok) {
        fail(QStringLiteral("libemf2svg could not convert it (code %1)").arg(ret));
    } else if (outLength > size_t(kMaxSvgBytes)) {
        fail(QStringLiteral("its SVG of %1 bytes is too large").arg(qulonglong(outLength)));
        ok = false;
    }
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

QImage imageFromDib(const QByteArray &dib)
{
    if (dib.size() < 12)
        return QImage();
    const quint32 headerSize = readU32(dib, 0);
    qint64 width = 0;
    qint64 height = 0;
    quint32 bitCount = 0;
    quint32 compression = 0;
    quint32 colours = 0;
    if (headerSize == 12) {
        width = qFromLittleEndian<quint16>(dib.constData() + 4);
        height = qFromLittleEndian<qint16>(dib.constData() + 6);
        bitCount = qFromLittleEndian<quint16>(dib.constData() + 10);
    } else if (headerSize >= 40 && headerSize <= 124 && dib.size() >= 40) {
        width = qint32(readU32(dib, 4));
        height = qint32(readU32(dib, 8));
        bitCount = qFromLittleEndian<quint16>(dib.constData() + 14);
        compression = readU32(dib, 16);
        colours = readU32(dib, 32);
    } else {
        return QImage();
    }
    // Negative heights mean top-down rows; the most negative one has no
    // positive counterpart.
    if (width <= 0 || height == 0 || std::abs(height) > 65535 || width > 65535)
        return QImage();
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24
        && bitCount != 32)
        return QImage();
    if (colours == 0 && bitCount <= 8)
        colours = 1u << bitCount;
    if (colours > 256)
        return QImage();
    const quint32 entrySize = headerSize == 12 ? 3 : 4;
    quint32 masks = (headerSize == 40 && (compression == 3 || compression == 6)) ? 12 : 0;
    const quint32 offset = 14 + headerSize + masks + colours * entrySize;

    QByteArray file("BM");
    char b[4];
    qToLittleEndian(quint32(14 + dib.size()), b);
    file.append(b, 4);
    file.append(4, '\0');
    qToLittleEndian(offset, b);
    file.append(b, 4);
    file.append(dib);

    QImage image;
    if (!VisioImage::loadFromBase64(file, QStringLiteral("bmp"), image, QSize(-1, -1)))
        return QImage();
    return image;
}
