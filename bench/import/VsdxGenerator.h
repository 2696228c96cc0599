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
    // Themed: a theme part, and every shape left to it as Visio 2013 and
    // later write them: quick-style cells, THEMEVAL() cells, a themed style.
    enum Formatting { Plain, Themed };

    struct Picture
    {
        QByteArray bytes;
        QByteArray suffix; // "png", "bmp", "jpeg", ...
        QSizeF size;       // on the page, in inches
        // The ForeignData element's attributes and the relationship's type
        // when not those of a picture of this suffix, as Visio writes them.
        QByteArray foreignAttributes = QByteArray();
        QByteArray relation = QByteArray();
    };

    static bool writeGrid(const QString &path, int pageCount, int shapesPerPage, Entries entries,
                          Formatting formatting = Plain);
    static bool writePictures(const QString &path, const QList<Picture> &pictures, Entries entries);

    // A 24-bit BMP file: smooth shades under fine noise, like a scan.
    static QByteArray scanBitmap(int width, int height, quint32 seed);
    // A PNG file of the same kind of content; the noise keeps it from
    // compressing far.
    static QByteArray photoPng(int width, int height, quint32 seed);
};
