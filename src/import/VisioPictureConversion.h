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

// Scales size down, keeping its aspect ratio, until the longer side is at most
// kMaxRasterSide and the area at most kMaxRasterPixels; each side stays at
// least 1. Sizes with a component that is not a positive finite number are
// returned unchanged (as rounded integers, non-finite ones as 0).
QSize capRasterSize(const QSizeF &size);
