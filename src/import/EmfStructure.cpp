#include "EmfStructure.h"

#include <QtEndian>

#include <cstring>
#include <limits>

namespace {

constexpr quint32 kRecordHeader = 1;
constexpr quint32 kRecordEof = 14;
constexpr quint32 kRecordComment = 70;
constexpr quint32 kRecordMonoBrush = 93;
constexpr quint32 kRecordDibPatternBrush = 94;
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
