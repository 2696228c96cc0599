#include "EmfRasterOperations.h"

#include "EmfStructure.h"
#include "ImportLimits.h"

#include <QBuffer>
#include <QImage>
#include <QList>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr quint32 kRecordEof = 14;
constexpr quint32 kRopSourceCopy = 0x00CC0020;
constexpr quint32 kRopSourceOr = 0x00EE0086;
constexpr quint32 kRopSourceAnd = 0x008800C6;
constexpr quint32 kRopDestinationKept = 0x00AA0029;
constexpr quint32 kRgbColours = 0;
constexpr quint32 kBitmapRgb = 0;
constexpr quint32 kBitmapPng = 5;
constexpr quint32 kInfoHeaderSize = 40;
constexpr int kMaxBitmapSide = 4096;

quint32 u32At(const char *data, qsizetype offset)
{
    return qFromLittleEndian<quint32>(data + offset);
}

void putU32(QByteArray &data, qsizetype offset, quint32 value)
{
    qToLittleEndian(value, data.data() + offset);
}

// The layout of a bitmap record that combines its bitmap with the picture
// by a raster operation; false for any other record.
bool rasterRecordLayout(quint32 type, qsizetype recordSize, EmfStructure::BitmapRecordLayout *layout)
{
    return EmfStructure::bitmapRecordLayout(type, layout) && layout->ropAt != 0
           && recordSize >= layout->fixedSize;
}

bool isMaskOperation(quint32 rop)
{
    return rop == kRopSourceOr || rop == kRopSourceAnd || rop == kRopDestinationKept;
}

// The bitmap's pixels as GDI reads them, top row first. Null for what we
// do not read: compressed bits, colour masks, headers other than the
// classic one. Every colour a pixel uses lies inside a sound record; the
// header and rows are checked here again, as they cost nothing.
QImage decodedBitmap(const char *record, qsizetype recordSize, quint64 bmiOffset,
                     quint64 bitsOffset)
{
    if (bmiOffset + kInfoHeaderSize > quint64(recordSize))
        return QImage();
    const char *header = record + bmiOffset;
    if (u32At(header, 0) != kInfoHeaderSize || u32At(header, 16) != kBitmapRgb)
        return QImage();
    const qint64 width = qint32(u32At(header, 4));
    const qint64 signedHeight = qint32(u32At(header, 8));
    const int bitCount = qFromLittleEndian<quint16>(header + 14);
    const qint64 height = std::abs(signedHeight);
    if (width < 1 || width > kMaxBitmapSide || height < 1 || height > kMaxBitmapSide)
        return QImage();

    const qsizetype rowBytes = qsizetype((width * bitCount + 31) / 32 * 4);
    if (bitsOffset + quint64(rowBytes) * quint64(height) > quint64(recordSize))
        return QImage();

    QImage image;
    if (bitCount == 1 || bitCount == 4 || bitCount == 8) {
        // Not 1-bit images: the PNG writer packs those with stray bits.
        image = QImage(int(width), int(height), QImage::Format_Indexed8);
        const qsizetype colours = qsizetype(1) << bitCount;
        const qsizetype listed = std::min<qsizetype>(
            colours, (recordSize - qsizetype(bmiOffset) - kInfoHeaderSize) / 4);
        QList<QRgb> table(colours, qRgb(0, 0, 0));
        for (qsizetype i = 0; i < listed; ++i) {
            const auto *quad = reinterpret_cast<const uchar *>(header + kInfoHeaderSize + 4 * i);
            table[i] = qRgb(quad[2], quad[1], quad[0]);
        }
        image.setColorTable(table);
    } else if (bitCount == 16 || bitCount == 24 || bitCount == 32) {
        image = QImage(int(width), int(height), QImage::Format_ARGB32);
    }
    if (image.isNull())
        return QImage();

    for (int y = 0; y < int(height); ++y) {
        // Rows run upwards unless the height is negative.
        const qsizetype sourceRow = signedHeight > 0 ? height - 1 - y : y;
        const auto *row =
            reinterpret_cast<const uchar *>(record + bitsOffset + sourceRow * rowBytes);
        uchar *line = image.scanLine(y);
        auto *pixels = reinterpret_cast<QRgb *>(line);
        for (int x = 0; x < int(width); ++x) {
            switch (bitCount) {
            case 1:
                line[x] = (row[x / 8] >> (7 - x % 8)) & 1;
                break;
            case 4:
                line[x] = (row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0f;
                break;
            case 8:
                line[x] = row[x];
                break;
            case 16: {
                const int v = row[2 * x] | row[2 * x + 1] << 8;
                auto channel = [v](int shift) {
                    const int c = (v >> shift) & 31;
                    return c << 3 | c >> 2;
                };
                pixels[x] = qRgb(channel(10), channel(5), channel(0));
                break;
            }
            case 24:
                pixels[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            default:
                pixels[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
                break;
            }
        }
    }
    return image;
}

// OR leaves the picture alone where the source is black, AND where it is
// white. Other colours are drawn as they are: exact over the white that a
// mask leaves for them, close enough elsewhere.
QRgb colourOver(QRgb colour, quint32 rop)
{
    const QRgb kept = rop == kRopSourceOr ? 0x000000u : 0xFFFFFFu;
    return (colour & 0xFFFFFFu) == kept ? 0u : (colour | 0xFF000000u);
}

// The record drawing its bitmap as a PNG with the untouched pixels
// transparent, copying what lies below. Empty when the bitmap is not read.
QByteArray transparentRecord(const char *record, qsizetype recordSize,
                             const EmfStructure::BitmapRecordLayout &layout, quint32 rop)
{
    const quint64 bmiOffset = u32At(record, layout.bmiOffsetAt);
    const quint64 bitsOffset = u32At(record, layout.bitsOffsetAt);
    QImage image = decodedBitmap(record, recordSize, bmiOffset, bitsOffset);
    if (image.isNull())
        return QByteArray();
    if (image.colorCount() > 0) {
        QList<QRgb> table = image.colorTable();
        for (QRgb &colour : table)
            colour = colourOver(colour, rop);
        image.setColorTable(table);
    } else {
        for (int y = 0; y < image.height(); ++y) {
            auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                pixels[x] = colourOver(pixels[x], rop);
        }
    }

    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return QByteArray();
    const qsizetype headerAt = layout.fixedSize;
    const qsizetype bitsAt = headerAt + kInfoHeaderSize;
    const qsizetype size = bitsAt + (png.size() + 3) / 4 * 4;
    if (size > recordSize * ImportLimits::maxRedrawnBitmapGrowth
                   + ImportLimits::redrawnBitmapSlackBytes)
        return QByteArray();

    QByteArray out(size, '\0');
    std::memcpy(out.data(), record, layout.fixedSize);
    putU32(out, 4, quint32(size));
    putU32(out, layout.ropAt, kRopSourceCopy);
    putU32(out, layout.usageAt, kRgbColours);
    putU32(out, layout.bmiOffsetAt, quint32(headerAt));
    putU32(out, layout.bmiOffsetAt + 4, kInfoHeaderSize);
    putU32(out, layout.bitsOffsetAt, quint32(bitsAt));
    putU32(out, layout.bitsOffsetAt + 4, quint32(png.size()));
    putU32(out, headerAt, kInfoHeaderSize);
    putU32(out, headerAt + 4, quint32(image.width()));
    putU32(out, headerAt + 8, quint32(image.height()));
    qToLittleEndian<quint16>(1, out.data() + headerAt + 12); // planes
    putU32(out, headerAt + 16, kBitmapPng);
    putU32(out, headerAt + 20, quint32(png.size()));
    std::memcpy(out.data() + bitsAt, png.constData(), size_t(png.size()));
    return out;
}

} // namespace

QByteArray EmfRasterOperations::withMasksAsTransparency(const QByteArray &emf)
{
    const char *data = emf.constData();
    const qsizetype size = emf.size();
    // Most pictures have no such bitmap: find one before copying anything.
    bool found = false;
    for (qsizetype offset = 0; offset + 8 <= size && !found;) {
        const quint32 type = u32At(data, offset);
        const quint32 recordSize = u32At(data, offset + 4);
        if (recordSize < 8 || recordSize > quint64(size - offset) || type == kRecordEof)
            break;
        EmfStructure::BitmapRecordLayout layout{};
        found = offset > 0 && rasterRecordLayout(type, recordSize, &layout)
                && isMaskOperation(u32At(data + offset, layout.ropAt));
        offset += recordSize;
    }
    if (!found)
        return QByteArray();

    QByteArray out;
    out.reserve(size);
    quint32 records = 0;
    for (qsizetype offset = 0; offset + 8 <= size;) {
        const quint32 type = u32At(data, offset);
        const quint32 recordSize = u32At(data, offset + 4);
        if (recordSize < 8 || recordSize > quint64(size - offset))
            return QByteArray();
        const char *record = data + offset;
        const bool isHeader = offset == 0;
        offset += recordSize;
        EmfStructure::BitmapRecordLayout layout{};
        if (!isHeader && rasterRecordLayout(type, recordSize, &layout)) {
            const quint32 rop = u32At(record, layout.ropAt);
            const bool hasBits = u32At(record, layout.bitsOffsetAt + 4) > 0;
            if (rop == kRopDestinationKept)
                continue;
            if (hasBits && (rop == kRopSourceOr || rop == kRopSourceAnd)
                && u32At(record, layout.usageAt) == kRgbColours) {
                const QByteArray redrawn = transparentRecord(record, recordSize, layout, rop);
                if (!redrawn.isEmpty()) {
                    out.append(redrawn);
                    ++records;
                    continue;
                }
            }
        }
        out.append(record, recordSize);
        ++records;
        if (type == kRecordEof)
            break;
    }
    if (out.size() < 88)
        return QByteArray();
    // The header's counts describe what the converter is given.
    putU32(out, 48, quint32(out.size()));
    putU32(out, 52, records);
    return out;
}
