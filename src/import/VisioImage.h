#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

struct VisioImage
{
    QString id;
    QImage image;
    QRectF rect = QRectF(0, 0, 0, 0); // inches
    QString layer;
    int zIndex = 0;

    // data is already base64-decoded; format is the MIME subtype (png, x-emf, ...).
    static bool loadFromBase64(const QByteArray &data, const QString &format, QImage &image,
                               QSize targetSize);
};
