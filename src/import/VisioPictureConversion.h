#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>

// Largest raster the import will allocate for one picture.
constexpr int kMaxRasterSide = 4096;
constexpr qint64 kMaxRasterPixels = 16000000;

// Limits against hostile files; ordinary pictures are far below them.
constexpr qsizetype kMaxEmfBytes = 64 * 1024 * 1024;
constexpr qsizetype kMaxSvgBytes = 256 * 1024 * 1024;

// EMF bytes to SVG text through libemf2svg; svg is replaced only on success,
// error (when given) says why on failure.
bool loadEmfSvgData(const QByteArray &emf, QByteArray &svg, QString *error = nullptr);

// A copy of emf whose record chain ends at the last record that fits, with
// an end record and the header's byte and record counts made true. Empty
// when the header is not an EMF header.
QByteArray sanitizeEmf(const QByteArray &emf);

// Rasterises SVG on white at targetSize (the SVG's own size when a component
// is negative, 800 x 600 when that is empty). True when image is not null.
bool loadSvgToImage(const QByteArray &svg, QImage &image, QSize targetSize);

// Rounds size to whole pixels, first scaling it down, aspect kept, until the
// longer side is at most kMaxRasterSide and the area at most kMaxRasterPixels
// (a side shrunk by that keeps at least 1 pixel). Sizes with a component that
// is not a positive finite number are only rounded (non-finite ones to 0).
QSize capRasterSize(const QSizeF &size);

// A device-independent bitmap (header, palette, pixels, no file header) as
// an image, within the raster limits. Null when the header is implausible.
QImage imageFromDib(const QByteArray &dib);
