#pragma once

#include <QByteArray>
#include <QList>
#include <QSizeF>
#include <QString>

// Writes synthetic Visio packages (.vsdx) for benchmarks and tests: the grid
// drawing of VdxGenerator, or one page of pictures. Entries are deflated or
// stored, as different tools write them.
class VsdxGenerator
{
public:
    enum Entries { Deflated, Stored };

    struct Picture
    {
        QByteArray bytes;
        QByteArray suffix; // "png", "bmp", "jpeg", ...
        QSizeF size;       // on the page, in inches
    };

    static bool writeGrid(const QString &path, int pageCount, int shapesPerPage, Entries entries);
    static bool writePictures(const QString &path, const QList<Picture> &pictures, Entries entries);

    // A 24-bit BMP file: smooth shades under fine noise, like a scan.
    static QByteArray scanBitmap(int width, int height, quint32 seed);
    // A PNG file of the same kind of content; the noise keeps it from
    // compressing far.
    static QByteArray photoPng(int width, int height, quint32 seed);
};
