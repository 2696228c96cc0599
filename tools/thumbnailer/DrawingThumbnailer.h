#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>

// Makes the picture a file manager shows for a drawing: its page 1, painted
// with the viewer's own import and scene.
class DrawingThumbnailer
{
    Q_DECLARE_TR_FUNCTIONS(DrawingThumbnailer)

public:
    // Page 1 of the drawing with its longer side size pixels; null, with
    // errorText() saying why, when the file is no drawing, is damaged or too
    // large, or its page 1 is empty.
    QImage render(const QString &drawing, int size);

    // Empty, with errorText() saying why, when the image cannot be encoded.
    QByteArray encodePng(const QImage &image);
    // Writes through a temporary file in the same folder: path ends up
    // either complete or untouched.
    bool writeFile(const QByteArray &png, const QString &path);

    QString errorText() const { return m_error; }

private:
    QImage failed(const QString &message);

    QString m_error;
};
