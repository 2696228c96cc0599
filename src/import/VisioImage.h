#pragma once

#include "VisioLayer.h"
#include "VisioVectorPicture.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

struct VisioImage
{
    QString id;
    QImage image;
    // Set instead of image for pictures kept as vectors (EMF, WMF, objects).
    QSharedPointer<const VisioVectorPicture> vector;
    // A stand-in for an object with nothing drawable: shown, never extracted.
    bool placeholder = false;
    QRectF rect = QRectF(0, 0, 0, 0); // inches
    QString layer;
    int zIndex = 0;
    VisioDisplay display = VisioDisplay::Always;
    QList<int> layerEntries; // as for shapes

    // data is already base64-decoded; format is the MIME subtype (png, x-emf, ...).
    static bool loadFromBase64(const QByteArray &data, const QString &format, QImage &image,
                               QSize targetSize);
};
