#include "VisioOleObject.h"

#include "VisioImage.h"
#include "VisioPictureConversion.h"
#include "VisioWmfPlayer.h"

#include <librevenge-stream/librevenge-stream.h>

#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QtEndian>

#include <memory>

namespace {

// librevenge names streams without their leading control character
// ("\x01CompObj" is "CompObj"). No stream of an object we can show is
// larger than the object itself; a damaged sector chain could claim more.
QByteArray readSubStream(librevenge::RVNGInputStream &parent, const char *name, qsizetype limit)
{
    if (!parent.existsSubStream(name))
        return QByteArray();
    std::unique_ptr<librevenge::RVNGInputStream> stream(parent.getSubStreamByName(name));
    if (!stream)
        return QByteArray();
    if (stream->seek(0, librevenge::RVNG_SEEK_END) != 0)
        return QByteArray();
    const long size = stream->tell();
    if (size <= 0 || size > limit || stream->seek(0, librevenge::RVNG_SEEK_SET) != 0)
        return QByteArray();
    unsigned long got = 0;
    const unsigned char *bytes = stream->read(static_cast<unsigned long>(size), got);
    if (!bytes || got == 0)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(got));
}

quint32 u32At(const QByteArray &data, qsizetype offset)
{
    if (offset < 0 || offset + 4 > data.size())
        return 0;
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

// A "\x02OlePresNNN" stream: a clipboard format, a header, then the data.
QByteArray presentationData(const QByteArray &stream)
{
    qsizetype at = 0;
    const quint32 marker = u32At(stream, at);
    at += 4;
    if (marker == 0xFFFFFFFF || marker == 0xFFFFFFFE) {
        at += 4; // a standard clipboard format; the data tells its kind
    } else if (marker > 0) {
        if (marker > 256)
            return QByteArray();
        at += marker; // a registered format's name
    }
    const quint32 deviceSize = u32At(stream, at);
    if (deviceSize < 4 || deviceSize > quint32(stream.size()))
        return QByteArray();
    at += deviceSize;
    at += 4 * 6; // aspect, lindex, advf, reserved, width, height
    const quint32 size = u32At(stream, at);
    at += 4;
    if (at > stream.size() || size == 0)
        return QByteArray();
    return stream.mid(at, std::min<qsizetype>(size, stream.size() - at));
}

// "Ole10Native": the object's native data after its length. For a
// package that is a header naming the file, then the file itself.
QByteArray nativeData(const QByteArray &stream)
{
    const quint32 claimed = u32At(stream, 0);
    return stream.mid(4, std::min<qsizetype>(claimed, stream.size() - 4));
}

QByteArray packagedFile(const QByteArray &native)
{
    qsizetype at = 2; // type
    for (int field = 0; field < 2; ++field) { // label, source path
        const qsizetype end = native.indexOf('\0', at);
        if (end < 0)
            return QByteArray();
        at = end + 1;
    }
    at += 4; // reserved, kind
    const quint32 tempLength = u32At(native, at);
    if (tempLength > quint32(native.size()))
        return QByteArray();
    at += 4 + tempLength;
    const quint32 size = u32At(native, at);
    at += 4;
    if (at >= native.size())
        return QByteArray();
    return native.mid(at, std::min<qsizetype>(size, native.size() - at));
}

// The object's user-visible kind from the CompObj stream.
QString compObjKind(const QByteArray &stream)
{
    const qsizetype at = 28;
    const quint32 length = u32At(stream, at);
    if (length == 0 || length > 256 || at + 4 + length > quint32(stream.size()))
        return QString();
    QByteArray text = stream.mid(at + 4, length);
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    return QString::fromLatin1(text).trimmed();
}

QPicture placeholderPicture(const QSizeF &size, const QString &kind)
{
    QPicture picture;
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(QPointF(0, 0), size);
    p.setPen(QPen(QColor(0xA0, 0xA6, 0xB0), 1.0));
    p.setBrush(QColor(0xF5, 0xF6, 0xF8));
    p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));

    // A sheet with a folded corner, sized to the box.
    const double side = std::min({size.width() * 0.35, size.height() * 0.5, 48.0});
    const double iconW = side * 0.75;
    const double fold = iconW * 0.3;
    const QPointF origin(box.center().x() - iconW / 2,
                         kind.isEmpty() ? box.center().y() - side / 2 : box.top() + size.height() * 0.12);
    QPainterPath sheet;
    sheet.moveTo(origin);
    sheet.lineTo(origin + QPointF(iconW - fold, 0));
    sheet.lineTo(origin + QPointF(iconW, fold));
    sheet.lineTo(origin + QPointF(iconW, side));
    sheet.lineTo(origin + QPointF(0, side));
    sheet.closeSubpath();
    p.setPen(QPen(QColor(0x70, 0x78, 0x86), std::max(0.5, side / 32)));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({origin + QPointF(iconW - fold, 0),
                              origin + QPointF(iconW - fold, fold),
                              origin + QPointF(iconW, fold)}));
    for (int line = 1; line <= 3; ++line) {
        const double y = origin.y() + fold + line * (side - fold) / 4.5;
        p.drawLine(QPointF(origin.x() + iconW * 0.2, y), QPointF(origin.x() + iconW * 0.8, y));
    }

    if (!kind.isEmpty()) {
        QFont font;
        font.setPixelSize(std::max(4, int(std::min(12.0, size.height() / 6))));
        p.setFont(font);
        p.setPen(QColor(0x40, 0x46, 0x50));
        const QRectF textBox(box.left() + 2, origin.y() + side + 2, box.width() - 4,
                             box.bottom() - origin.y() - side - 4);
        p.drawText(textBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, kind);
    }
    p.end();
    return picture;
}

} // namespace

bool VisioOleObject::decodePicture(const QByteArray &bytes, QImage *image,
                                   QSharedPointer<const VisioVectorPicture> *vector)
{
    if (bytes.size() < 8)
        return false;
    const quint32 first = u32At(bytes, 0);
    if (first == 1 && u32At(bytes, 40) == 0x464D4520) {
        QByteArray svg;
        if (!loadEmfSvgData(bytes, svg))
            return false;
        *vector = VisioVectorPicture::fromSvg(svg);
        return !vector->isNull();
    }
    if (VisioWmfPlayer::looksLikeWmf(bytes)) {
        *vector = VisioWmfPlayer::play(bytes);
        return !vector->isNull();
    }
    if (first == 40 || first == 12 || first == 108 || first == 124) {
        *image = imageFromDib(bytes);
        return !image->isNull();
    }
    QImage decoded;
    if (!VisioImage::loadFromBase64(bytes, QString(), decoded, QSize(-1, -1)))
        return false;
    *image = decoded;
    return true;
}

VisioOleObject VisioOleObject::read(const QByteArray &data, const QSizeF &size, QString *error)
{
    VisioOleObject object;
    try {
        librevenge::RVNGStringStream stream(reinterpret_cast<const unsigned char *>(data.constData()),
                                            static_cast<unsigned int>(data.size()));
        if (!stream.isStructured()) {
            // Some writers hand over the preview itself.
            if (!decodePicture(data, &object.image, &object.vector) && error)
                *error = QStringLiteral("not a compound file");
            return object;
        }
        const qsizetype limit = data.size();

        for (int i = 0; i < 10; ++i) {
            const QByteArray name = "OlePres00" + QByteArray::number(i);
            const QByteArray pres = readSubStream(stream, name.constData(), limit);
            if (!pres.isEmpty()
                && decodePicture(presentationData(pres), &object.image, &object.vector))
                return object;
        }
        const QByteArray native = nativeData(readSubStream(stream, "Ole10Native", limit));
        if (!native.isEmpty()
            && (decodePicture(native, &object.image, &object.vector)
                || decodePicture(packagedFile(native), &object.image, &object.vector)))
            return object;
        for (const char *contents : {"CONTENTS", "Contents"}) {
            if (decodePicture(readSubStream(stream, contents, limit), &object.image,
                              &object.vector))
                return object;
        }
        object.kind = compObjKind(readSubStream(stream, "CompObj", limit));
    } catch (...) {
        // A damaged compound file: still mark the spot.
    }

    QSizeF box(size.width() * 96.0, size.height() * 96.0);
    if (!(box.width() >= 1 && box.height() >= 1 && box.width() < 1e5 && box.height() < 1e5))
        box = QSizeF(96, 72);
    object.placeholder = true;
    object.vector = VisioVectorPicture::fromPicture(
        placeholderPicture(box, object.kind), QRectF(QPointF(0, 0), box),
        object.kind.isEmpty() ? QStringList() : QStringList(object.kind));
    return object;
}
