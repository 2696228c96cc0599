#pragma once

#include "VisioVectorPicture.h"

#include <QByteArray>
#include <QImage>
#include <QSharedPointer>
#include <QSizeF>
#include <QString>

// What an embedded object (an OLE compound file) shows on the page: its
// stored presentation, the picture a package holds, a picture in its
// contents, or else a placeholder naming the kind of object.
struct VisioOleObject
{
    QImage image;                                   // a raster preview, or
    QSharedPointer<const VisioVectorPicture> vector; // a vector one
    QString kind;                                   // "Microsoft Word Document", ...
    bool placeholder = false;

    // size is the object's placement in inches (for the placeholder). Gives
    // neither image nor vector only when data is no compound file at all.
    static VisioOleObject read(const QByteArray &data, const QSizeF &size,
                               QString *error = nullptr);

    // Decodes a picture of any format we know by its leading bytes: EMF,
    // WMF, a bare DIB, or whatever Qt reads. False when none fits.
    static bool decodePicture(const QByteArray &bytes, QImage *image,
                              QSharedPointer<const VisioVectorPicture> *vector);
};
