#include "VisioImage.h"

#include "VisioPictureConversion.h"

#include <QBuffer>
#include <QImageReader>

bool VisioImage::loadFromBase64(const QByteArray &data, const QString &format, QImage &image,
                                QSize targetSize)
{
    const QString lower = format.toLower();
    if (lower == QLatin1String("emf") || lower == QLatin1String("x-emf")) {
        QByteArray svg;
        if (!loadEmfSvgData(data, svg))
            return false;
        return loadSvgToImage(svg, image, targetSize);
    }

    // Raster pictures keep their own pixel size, unless the file claims one
    // beyond what we are willing to allocate.
    QBuffer buffer;
    buffer.setData(data);
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    QImageReader reader(&buffer, format.toUpper().toLatin1());
    const QSize declared = reader.size();
    if (declared.isValid()) {
        const QSize capped = capRasterSize(QSizeF(declared));
        if (capped != declared)
            reader.setScaledSize(capped);
    }
    QImage decoded;
    if (!reader.read(&decoded) || decoded.isNull())
        return false;
    image = decoded;
    return true;
}
