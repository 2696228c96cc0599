#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QSizeF>

// Largest raster the import will allocate for one picture.
constexpr int kMaxRasterSide = 4096;
constexpr qint64 kMaxRasterPixels = 16000000;

// EMF bytes to SVG text through libemf2svg; svg is replaced only on success.
bool loadEmfSvgData(const QByteArray &emf, QByteArray &svg);

// Rasterises SVG on white at targetSize (the SVG's own size when a component
// is negative, 800 x 600 when that is empty). True when image is not null.
bool loadSvgToImage(const QByteArray &svg, QImage &image, QSize targetSize);

// Rounds size to whole pixels, first scaling it down, aspect kept, until the
// longer side is at most kMaxRasterSide and the area at most kMaxRasterPixels
// (a side shrunk by that keeps at least 1 pixel). Sizes with a component that
// is not a positive finite number are only rounded (non-finite ones to 0).
QSize capRasterSize(const QSizeF &size);
