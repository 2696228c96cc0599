#include "EmfStructure.h"

#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr quint32 kRecordHeader = 1;
constexpr quint32 kRecordEof = 14;
constexpr quint32 kRecordComment = 70;
constexpr quint32 kRecordMonoBrush = 93;
constexpr quint32 kRecordDibPatternBrush = 94;
constexpr quint32 kRecordBitBlt = 76;
constexpr quint32 kRecordStretchBlt = 77;
constexpr quint32 kRecordSetDIBitsToDevice = 80;
constexpr quint32 kRecordStretchDIBits = 81;
constexpr quint32 kRecordAlphaBlend = 114;
constexpr quint32 kRecordExtTextOutA = 83;
constexpr quint32 kRecordExtTextOutW = 84;
// Text given as glyph indices: libemf2svg maps them back to characters through
// fontconfig and then shuts fontconfig down, under the fonts Qt still uses.
constexpr quint32 kGlyphIndexOption = 0x10;
constexpr quint32 kEmfSignature = 0x464D4520;   // " EMF"
constexpr quint32 kEmfPlusSignature = 0x2B464D45; // "EMF+"
constexpr qsizetype kHeaderMinSize = 88;

quint32 u32At(const char *data, qsizetype offset)
{
    return qFromLittleEndian<quint32>(data + offset);
}

constexpr quint16 kEmfPlusObject = 0x4008;

// The EMF+ records of a comment, each with a 12-byte header, fill it exactly.
// An object record must carry data of a known object type: libemf2svg frees
// an empty or unknown one twice.
bool emfPlusRecordsFit(const char *data, qsizetype size)
{
    qsizetype offset = 0;
    while (offset < size) {
        if (size - offset < 12)
            return false;
        const quint32 recordSize = u32At(data, offset + 4);
        const quint32 dataSize = u32At(data, offset + 8);
        if (recordSize < 12 || recordSize % 4 != 0 || recordSize > quint64(size - offset)
            || dataSize > recordSize - 12)
            return false;
        if (qFromLittleEndian<quint16>(data + offset) == kEmfPlusObject) {
            const int objectType = (qFromLittleEndian<quint16>(data + offset + 2) >> 8) & 0x7f;
            if (dataSize == 0 || objectType < 1 || objectType > 9)
                return false;
        }
        offset += recordSize;
    }
    return true;
}

// A pattern brush's bitmap header and bits, given as offset and size from
// the record start, after its eight fixed words.
bool brushBitmapFits(const char *record, qsizetype recordSize)
{
    if (recordSize < 32)
        return false;
    const quint64 headerOffset = u32At(record, 16);
    const quint64 headerSize = u32At(record, 20);
    const quint64 bitsOffset = u32At(record, 24);
    const quint64 bitsSize = u32At(record, 28);
    // The converter also copies and compares bits-size bytes from the header on.
    return headerOffset >= 32 && headerSize >= 40 && headerOffset + headerSize <= quint64(recordSize)
           && bitsOffset >= 32 && bitsOffset + bitsSize <= quint64(recordSize)
           && headerOffset + bitsSize <= quint64(recordSize);
}

// The converter reads a bitmap record's header as a 40-byte info header,
// then whole pixel rows, padded to 4 bytes, for the header's width and
// height, and for up to 8 bits a pixel it looks up each pixel's colour index
// in a table right after the header, however long the table says it is. PNG and JPEG bits it copies as they are. Run-length coded bits
// it unpacks into rows without padding and then reads them with padding.
// The largest colour index among the pixels of rows padded to 4 bytes, at
// 1, 4 or 8 bits a pixel, the first pixel in a byte's high bits.
quint32 largestColourIndex(const char *bits, qint64 width, qint64 height, quint32 bitCount)
{
    const qint64 rowBytes = (width * bitCount + 31) / 32 * 4;
    const quint32 mask = (1u << bitCount) - 1;
    quint32 largest = 0;
    for (qint64 y = 0; y < height && largest < mask; ++y) {
        const auto *row = reinterpret_cast<const uchar *>(bits + y * rowBytes);
        for (qint64 x = 0; x < width; ++x) {
            const qint64 bit = x * bitCount;
            const quint32 index = (row[bit / 8] >> (8 - bitCount - bit % 8)) & mask;
            largest = std::max(largest, index);
        }
    }
    return largest;
}

bool bitmapRecordIsSound(quint32 type, const char *record, qsizetype recordSize)
{
    EmfStructure::BitmapRecordLayout layout{};
    if (!EmfStructure::bitmapRecordLayout(type, &layout))
        return true;
    if (recordSize < layout.fixedSize)
        return false;
    const quint64 bmiOffset = u32At(record, layout.bmiOffsetAt);
    const quint64 bmiSize = u32At(record, layout.bmiOffsetAt + 4);
    const quint64 bitsOffset = u32At(record, layout.bitsOffsetAt);
    const quint64 bitsSize = u32At(record, layout.bitsOffsetAt + 4);
    // A block transfer without bits fills with the current brush.
    if (type == kRecordBitBlt && bitsSize == 0)
        return true;
    if (bmiOffset < layout.fixedSize || bmiSize < 40 || bmiOffset + bmiSize > quint64(recordSize)
        || bitsOffset < layout.fixedSize || bitsOffset + bitsSize > quint64(recordSize))
        return false;

    const char *header = record + bmiOffset;
    const qint64 width = qint32(u32At(header, 4));
    const qint64 height = std::abs(qint64(qint32(u32At(header, 8))));
    const quint32 bitCount = qFromLittleEndian<quint16>(header + 14);
    const quint32 compression = u32At(header, 16);
    constexpr quint32 kJpeg = 4, kPng = 5, kBitFields = 3, kRgb = 0;
    if (compression == kJpeg || compression == kPng)
        return true;
    if (compression != kRgb && compression != kBitFields)
        return false;
    if (width < 1 || width > 4096 || height < 1 || height > 4096)
        return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24
        && bitCount != 32)
        return false;
    const quint64 rowBytes = (quint64(width) * bitCount + 31) / 32 * 4;
    if (rowBytes * quint64(height) > bitsSize)
        return false;
    // The colour of every index a pixel holds must lie inside the record.
    // Tables are often shorter than the depth allows, so the pixels decide.
    if (bitCount > 8)
        return true;
    const quint64 colours = quint64(largestColourIndex(record + bitsOffset, width, height, bitCount)) + 1;
    return bmiOffset + 40 + 4 * colours <= quint64(recordSize);
}

bool headerIsSound(const char *data, qsizetype recordSize)
{
    if (recordSize < kHeaderMinSize || u32At(data, 40) != kEmfSignature)
        return false;
    // The description is UTF-16 text inside the header record.
    const quint64 descriptionChars = u32At(data, 64);
    const quint64 descriptionOffset = u32At(data, 68);
    if (descriptionChars > 0
        && (descriptionOffset < kHeaderMinSize
            || descriptionOffset + 2 * descriptionChars > quint64(recordSize)))
        return false;
    // Later header versions add a pixel format block, also inside the record.
    if (recordSize >= 100) {
        const quint64 pixelFormatSize = u32At(data, 88);
        const quint64 pixelFormatOffset = u32At(data, 92);
        if (pixelFormatSize > 0
            && (pixelFormatOffset < 100 || pixelFormatOffset + pixelFormatSize > quint64(recordSize)))
            return false;
    }
    return true;
}

} // namespace

bool EmfStructure::isSound(const QByteArray &emf)
{
    const char *data = emf.constData();
    const qsizetype size = emf.size();
    qsizetype offset = 0;
    quint32 smallestBrushBits = std::numeric_limits<quint32>::max();
    while (offset < size) {
        if (size - offset < 8)
            return false;
        const quint32 type = u32At(data, offset);
        const quint32 recordSize = u32At(data, offset + 4);
        if (recordSize < 8 || recordSize % 4 != 0 || recordSize > quint64(size - offset))
            return false;
        const char *record = data + offset;
        if (offset == 0) {
            if (type != kRecordHeader || !headerIsSound(record, recordSize))
                return false;
        } else if (type == kRecordHeader) {
            return false;
        } else if (type == kRecordEof) {
            return true;
        } else if (type == kRecordMonoBrush || type == kRecordDibPatternBrush) {
            if (!brushBitmapFits(record, recordSize))
                return false;
            // Each new brush bitmap is compared, at its own size, with the
            // copy kept of every earlier one: a larger one reads past those.
            const quint32 bitsSize = u32At(record, 28);
            if (bitsSize > smallestBrushBits)
                return false;
            smallestBrushBits = bitsSize;
        } else if (!bitmapRecordIsSound(type, record, recordSize)) {
            return false;
        } else if (type == kRecordExtTextOutA || type == kRecordExtTextOutW) {
            // A record too short to hold its text options is read past its end.
            if (recordSize < 56 || (u32At(record, 52) & kGlyphIndexOption))
                return false;
        } else if (type == kRecordComment) {
            if (recordSize < 12)
                return false;
            const quint64 commentSize = u32At(record, 8);
            if (commentSize > recordSize - 12)
                return false;
            if (commentSize >= 4 && u32At(record, 12) == kEmfPlusSignature
                && !emfPlusRecordsFit(record + 16, qsizetype(commentSize - 4)))
                return false;
        }
        offset += recordSize;
    }
    // Without an end-of-file record the converter runs off the end.
    return false;
}

bool EmfStructure::bitmapRecordLayout(quint32 type, BitmapRecordLayout *layout)
{
    switch (type) {
    case kRecordBitBlt:
        *layout = {100, 40, 80, 84, 92};
        return true;
    case kRecordStretchBlt:
        *layout = {108, 40, 80, 84, 92};
        return true;
    case kRecordAlphaBlend:
        // Offset 40 holds the blend function, not a raster operation.
        *layout = {108, 0, 80, 84, 92};
        return true;
    case kRecordSetDIBitsToDevice:
        *layout = {76, 0, 64, 48, 56};
        return true;
    case kRecordStretchDIBits:
        *layout = {80, 68, 64, 48, 56};
        return true;
    default:
        return false;
    }
}
