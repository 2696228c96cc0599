#include "VisioPictureLoader.h"

#include "VisioImage.h"
#include "VisioOleObject.h"
#include "VisioPictureConversion.h"
#include "VisioWmfPlayer.h"

bool VisioPictureLoader::load(const QByteArray &data, const QString &format, const QSizeF &size,
                              VisioImage &record, QString *error)
{
    const QString lower = format.toLower();
    if (lower == QLatin1String("emf") || lower == QLatin1String("x-emf")) {
        QByteArray svg;
        if (!loadEmfSvgData(data, svg, error))
            return false;
        auto picture = VisioVectorPicture::fromSvg(svg, error);
        if (!picture)
            return false;
        record.vector = picture;
        return true;
    }
    if (lower == QLatin1String("wmf") || lower == QLatin1String("x-wmf")) {
        auto picture = VisioWmfPlayer::play(data, error);
        if (!picture)
            return false;
        record.vector = picture;
        return true;
    }
    if (lower == QLatin1String("ole")) {
        const VisioOleObject object = VisioOleObject::read(data, size, error);
        if (object.image.isNull() && !object.vector)
            return false;
        record.image = object.image;
        record.vector = object.vector;
        record.placeholder = object.placeholder;
        return true;
    }

    // Raster pictures keep their own pixels; the scene scales them.
    QImage image;
    if (!VisioImage::loadFromBase64(data, format, image, QSize(-1, -1)))
        return false;
    record.image = image;
    return true;
}
