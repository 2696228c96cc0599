#pragma once

// Small EMF, WMF and compound files written byte by byte for the picture
// tests. Sizes are in the formats' own units.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QtEndian>

#include <algorithm>

namespace PictureBytes {

inline void u16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

inline void u32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

inline void emfRecord(QByteArray &out, quint32 type, const QByteArray &body)
{
    u32(out, type);
    u32(out, quint32(8 + body.size()));
    out.append(body);
}

// A bitmap record (EMR_BITBLT 76, STRETCHBLT 77, SETDIBITSTODEVICE 80,
// STRETCHDIBITS 81 or ALPHABLEND 114) drawing a width x height bitmap at
// 0, 0: its fixed words, an info header with the given colour table, then
// bitsSize bytes of bits, each 0x55 (colour index 5 at 4 bits a pixel, 85 at
// 8). Without bits, a block transfer fills with the brush.
inline QByteArray bitmapRecord(quint32 type, qint32 width, qint32 height, quint16 bitCount,
                               quint32 compression, quint32 colours, quint32 bitsSize)
{
    const bool dibits = type == 80 || type == 81;
    const quint32 fixedSize = type == 76 ? 100 : type == 80 ? 76 : type == 81 ? 80 : 108;
    const quint32 bmiAt = dibits ? 48 : 84;
    const quint32 bmiSize = 40 + 4 * colours;
    QByteArray body(int(fixedSize - 8), '\0');
    auto put = [&body](quint32 at, quint32 v) { qToLittleEndian(v, body.data() + at - 8); };
    if (dibits) {
        put(40, quint32(width)); // source size
        put(44, quint32(height));
        if (type == 81) {
            put(68, 0x00CC0020); // SRCCOPY
            put(72, quint32(width));
            put(76, quint32(height));
        }
    } else {
        put(32, quint32(width)); // destination size
        put(36, quint32(height));
        put(40, type == 114 ? 0x00FF0000u : 0x00CC0020u);
        put(52, 0x3F800000); // the source transform's scale, 1.0
        put(64, 0x3F800000);
        if (type != 76) {
            put(100, quint32(width));
            put(104, quint32(height));
        }
    }
    put(bmiAt, bitsSize ? fixedSize : 0);
    put(bmiAt + 4, bitsSize ? bmiSize : 0);
    put(bmiAt + 8, bitsSize ? fixedSize + bmiSize : 0);
    put(bmiAt + 12, bitsSize);
    QByteArray out;
    if (bitsSize) {
        body.append(QByteArray(int(bmiSize + bitsSize), '\0'));
        char *header = body.data() + fixedSize - 8;
        qToLittleEndian<quint32>(40, header);
        qToLittleEndian(width, header + 4);
        qToLittleEndian(height, header + 8);
        qToLittleEndian<quint16>(1, header + 12);
        qToLittleEndian(bitCount, header + 14);
        qToLittleEndian(compression, header + 16);
        qToLittleEndian(bitsSize, header + 20);
        qToLittleEndian(colours, header + 32);
        std::fill(body.end() - int(bitsSize), body.end(), '\x55');
    }
    emfRecord(out, type, body);
    return out;
}

// An EMF of w x h device pixels holding the given records, between its
// header and end record. records overrides the header's record count when
// not 0.
inline QByteArray emfOf(int w, int h, const QByteArray &body, quint32 records = 0)
{
    QByteArray header;
    for (quint32 v : {0u, 0u, quint32(w), quint32(h)})
        u32(header, v); // bounds, device units
    for (quint32 v : {0u, 0u, quint32(w * 2540 / 96), quint32(h * 2540 / 96)})
        u32(header, v); // frame, 0.01 mm
    u32(header, 0x464D4520);
    u32(header, 0x00010000);
    const quint32 total = quint32(88 + body.size() + 20);
    u32(header, total);
    u32(header, records); // counted below unless given
    u16(header, 3); // handles
    u16(header, 0);
    u32(header, 0);
    u32(header, 0);
    u32(header, 0);
    u32(header, 96 * 10); // device size, pixels: 10 in
    u32(header, 96 * 10);
    u32(header, 254); // and millimetres
    u32(header, 254);
    QByteArray result;
    emfRecord(result, 1, header);
    result.append(body);
    QByteArray eof;
    u32(eof, 0);
    u32(eof, 16);
    u32(eof, 20);
    emfRecord(result, 14, eof);
    if (!records) {
        // Count the records for the header.
        quint32 count = 0;
        for (int at = 0; at + 8 <= result.size(); ++count)
            at += int(qFromLittleEndian<quint32>(result.constData() + at + 4));
        qToLittleEndian(count, result.data() + 52);
    }
    return result;
}

// An EMF of w x h device pixels: a filled rectangle over its left half, the
// given text (if any) at the top right, and a comment padding it to at least
// minSize bytes. records overrides the header's record count when not 0.
inline QByteArray emf(int w, int h, const QString &text = QString(), int minSize = 0,
                      quint32 records = 0, const QByteArray &extraRecords = QByteArray())
{
    QByteArray body = extraRecords;
    // EMR_CREATEBRUSHINDIRECT (39): handle 1, solid blue.
    QByteArray brush;
    u32(brush, 1);
    u32(brush, 0);
    u32(brush, 0x00FF0000);
    u32(brush, 0);
    emfRecord(body, 39, brush);
    QByteArray select;
    u32(select, 1);
    emfRecord(body, 37, select); // EMR_SELECTOBJECT
    QByteArray rect;
    for (quint32 v : {0u, 0u, quint32(w / 2), quint32(h)})
        u32(rect, v);
    emfRecord(body, 43, rect); // EMR_RECTANGLE
    if (!text.isEmpty()) {
        // EMR_EXTCREATEFONTINDIRECTW (82), handle 2: height h/4, "Arial".
        QByteArray font;
        u32(font, 2);
        u32(font, quint32(-(h / 4)));
        for (int i = 0; i < 3; ++i)
            u32(font, 0);
        u32(font, 400);
        u32(font, 0);
        u32(font, 0);
        QByteArray face(64, '\0');
        const QString name = QStringLiteral("Arial");
        for (int i = 0; i < name.size(); ++i)
            face[2 * i] = name.at(i).toLatin1();
        font.append(face);
        emfRecord(body, 82, font);
        QByteArray selectFont;
        u32(selectFont, 2);
        emfRecord(body, 37, selectFont);
        // EMR_EXTTEXTOUTW (84).
        QByteArray out;
        for (quint32 v : {0u, 0u, quint32(w), quint32(h)})
            u32(out, v); // bounds
        u32(out, 1); // GM_COMPATIBLE
        u32(out, 0);
        u32(out, 0);
        u32(out, quint32(w / 2 + 2)); // reference point
        u32(out, quint32(h / 2));
        u32(out, quint32(text.size()));
        u32(out, 76); // string offset from the record start
        u32(out, 0);  // options
        for (quint32 v : {0u, 0u, quint32(-1), quint32(-1)})
            u32(out, v);
        u32(out, 0); // no spacing array
        for (QChar c : text)
            u16(out, c.unicode());
        if (text.size() % 2)
            u16(out, 0);
        emfRecord(body, 84, out);
    }
    const int fixed = 88 + body.size() + 20;
    if (minSize > fixed) {
        const int pad = ((minSize - fixed + 3) / 4) * 4;
        QByteArray comment;
        u32(comment, quint32(pad - 12));
        comment.append(QByteArray(pad - 12, 'x'));
        emfRecord(body, 70, comment); // EMR_COMMENT
    }

    return emfOf(w, h, body, records);
}

inline void wmfRecord(QByteArray &out, quint16 function, const QList<quint16> &params,
                      const QByteArray &extra = QByteArray())
{
    u32(out, quint32(3 + params.size() + extra.size() / 2));
    u16(out, function);
    for (quint16 p : params)
        u16(out, p);
    out.append(extra);
}

// A WMF over a 1000 x 500 window: a red rectangle over the left half and
// the given word in black at the right. recordSize0 adds a record that
// claims a size of 0 before the rectangle.
inline QByteArray wmf(const QByteArray &word, bool recordSize0 = false)
{
    QByteArray records;
    wmfRecord(records, 0x020B, {0, 0});     // SETWINDOWORG (y, x)
    wmfRecord(records, 0x020C, {500, 1000}); // SETWINDOWEXT (y, x)
    wmfRecord(records, 0x02FC, {0, 0x00FF, 0x0000, 0}); // CREATEBRUSHINDIRECT solid red
    wmfRecord(records, 0x012D, {0});        // SELECTOBJECT 0
    if (recordSize0) {
        u32(records, 0);
        u16(records, 0x041B);
    }
    wmfRecord(records, 0x041B, {500, 500, 0, 0}); // RECTANGLE (bottom, right, top, left)
    QByteArray face("Arial");
    face.append(QByteArray(32 - face.size(), '\0'));
    QByteArray fontRecord;
    fontRecord.append(face);
    wmfRecord(records, 0x02FB, {quint16(-150), 0, 0, 0, 400, 0, 0, 0, 0}, fontRecord);
    wmfRecord(records, 0x012D, {1});        // SELECTOBJECT 1
    QByteArray text = word;
    if (text.size() % 2)
        text.append('\0');
    QByteArray textOut;
    u16(textOut, quint16(word.size()));
    textOut.append(text);
    u16(textOut, 200); // y
    u16(textOut, 600); // x
    wmfRecord(records, 0x0521, {}, textOut); // TEXTOUT
    wmfRecord(records, 0x0000, {});          // EOF

    QByteArray out;
    u16(out, 1);  // memory metafile
    u16(out, 9);  // header words
    u16(out, 0x0300);
    u32(out, quint32((18 + records.size()) / 2));
    u16(out, 2);  // objects
    u32(out, 64);
    u16(out, 0);
    out.append(records);
    return out;
}

// A compound file (512-byte sectors, no mini stream: streams are padded to
// 4096 bytes) holding the given streams. cycle makes the first stream's
// sector chain point back at itself.
inline QByteArray compoundFile(const QList<QPair<QString, QByteArray>> &streams, bool cycle = false)
{
    constexpr quint32 endOfChain = 0xFFFFFFFE;
    constexpr quint32 free = 0xFFFFFFFF;
    QList<QByteArray> data;
    for (const auto &s : streams) {
        QByteArray d = s.second;
        if (d.size() < 4096)
            d.append(QByteArray(4096 - d.size(), '\0'));
        data.append(d);
    }
    QList<quint32> fat{0xFFFFFFFD, endOfChain};
    QList<quint32> starts;
    for (const QByteArray &d : data) {
        const quint32 start = quint32(fat.size());
        starts.append(start);
        const int sectors = (d.size() + 511) / 512;
        for (int i = 0; i < sectors; ++i)
            fat.append(i + 1 < sectors ? start + i + 1 : endOfChain);
        if (cycle && starts.size() == 1)
            fat[start + sectors - 1] = start;
    }
    while (fat.size() < 128)
        fat.append(free);

    QByteArray out;
    out.append(QByteArray::fromHex("D0CF11E0A1B11AE1"));
    out.append(16, '\0');
    u16(out, 0x3E);
    u16(out, 3);
    u16(out, 0xFFFE);
    u16(out, 9);
    u16(out, 6);
    out.append(6, '\0');
    u32(out, 0); // directory sectors (version 3)
    u32(out, 1); // FAT sectors
    u32(out, 1); // first directory sector
    u32(out, 0);
    u32(out, 4096);
    u32(out, endOfChain); // no mini FAT
    u32(out, 0);
    u32(out, endOfChain); // no DIFAT sectors
    u32(out, 0);
    u32(out, 0); // the FAT is sector 0
    for (int i = 1; i < 109; ++i)
        u32(out, free);

    for (quint32 v : fat)
        u32(out, v);

    auto entry = [](const QString &name, quint8 type, quint32 child, quint32 right, quint32 start,
                    quint32 size) {
        QByteArray e;
        QByteArray n(64, '\0');
        for (int i = 0; i < name.size() && i < 31; ++i)
            qToLittleEndian<quint16>(name.at(i).unicode(), n.data() + 2 * i);
        e.append(n);
        u16(e, quint16(2 * (name.size() + 1)));
        e.append(char(type));
        e.append(char(1)); // black
        u32(e, 0xFFFFFFFF); // left
        u32(e, right);
        u32(e, child);
        e.append(16 + 4 + 16, '\0'); // class, state, times
        u32(e, start);
        u32(e, size);
        u32(e, 0);
        return e;
    };
    QByteArray directory = entry(QStringLiteral("Root Entry"), 5,
                                 streams.isEmpty() ? 0xFFFFFFFF : 1, 0xFFFFFFFF, endOfChain, 0);
    for (int i = 0; i < streams.size(); ++i) {
        const quint32 right = i + 1 < streams.size() ? quint32(i + 2) : 0xFFFFFFFF;
        directory.append(entry(streams.at(i).first, 2, 0xFFFFFFFF, right, starts.at(i),
                               quint32(streams.at(i).second.size() < 4096 ? 4096 : streams.at(i).second.size())));
    }
    directory.resize(512, '\0');
    out.append(directory);
    for (const QByteArray &d : data) {
        out.append(d);
        if (d.size() % 512)
            out.append(QByteArray(512 - d.size() % 512, '\0'));
    }
    return out;
}

} // namespace PictureBytes
