#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>

struct VisioImage;

// Turns the bytes of one embedded picture into the image or the vector
// picture of its record, by format: EMF and WMF stay vectors, embedded
// objects show their preview (or a placeholder), anything else is decoded
// by Qt's image readers.
class VisioPictureLoader
{
public:
    // format is the MIME subtype (png, x-emf, wmf, ole, ...); size is the
    // placement in inches. On failure record is unchanged and error, when
    // given, says why (it may stay empty for undecodable rasters).
    static bool load(const QByteArray &data, const QString &format, const QSizeF &size,
                     VisioImage &record, QString *error = nullptr);
};
