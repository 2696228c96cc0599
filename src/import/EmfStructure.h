#pragma once

#include <QByteArray>

// Checks an EMF picture before it reaches libemf2svg, which trusts record
// sizes and reads past its buffer when they lie, and which must not see text
// drawn by glyph index (it shuts down fontconfig under the application).
class EmfStructure
{
public:
    // True when the header is sound and every record, and every EMF+ record
    // inside a comment, lies within its container, up to the end-of-file
    // record, pattern brushes keep their bitmaps inside their records and
    // none has more bitmap bytes than an earlier one, the bitmap records
    // (block transfers, stretched and alpha-blended bitmaps) keep their
    // headers, colour tables and pixel rows inside theirs, and no text
    // record gives glyph indices.
    static bool isSound(const QByteArray &emf);

    // Where a bitmap record keeps its fixed words, its raster operation
    // (0 for records without one), its colour usage, and the offsets of its
    // bitmap header and bits (each an offset and a size after it).
    struct BitmapRecordLayout
    {
        quint32 fixedSize;
        quint32 ropAt;
        quint32 usageAt;
        quint32 bmiOffsetAt;
        quint32 bitsOffsetAt;
    };
    // False for records that carry no bitmap.
    static bool bitmapRecordLayout(quint32 type, BitmapRecordLayout *layout);
};
