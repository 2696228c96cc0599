#pragma once

#include "VisioVectorPicture.h"

#include <QByteArray>
#include <QSharedPointer>
#include <QString>

// Plays a Windows metafile into a recorded QPicture, keeping it as vectors
// and collecting its text. Records are read with libuemf; what a viewer
// cannot use (palettes, raster operations, regions) is skipped.
class VisioWmfPlayer
{
public:
    // A placeable header or a memory/disk metafile header at the start.
    static bool looksLikeWmf(const QByteArray &data);

    // Null, with error set when given, when data is no WMF or draws nothing.
    static QSharedPointer<const VisioVectorPicture> play(const QByteArray &data,
                                                         QString *error = nullptr);
};
