#include "VisioWmfPlayer.h"

#include "VisioPictureConversion.h"

#include <uwmf.h>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kMaxObjects = 4096;
constexpr int kMaxSavedStates = 64;
constexpr int kMaxTexts = 10000;

QColor colourOf(const U_COLORREF &c)
{
    return QColor(c.Red, c.Green, c.Blue);
}

QPointF pointAt(const char *p)
{
    U_POINT16 pt;
    std::memcpy(&pt, p, sizeof pt);
    return QPointF(pt.x, pt.y);
}

struct GdiObject
{
    enum Kind { Empty, Pen, Brush, Font, Other } kind = Empty;
    QPen pen;
    QBrush brush;
    QFont font;
    double fontHeight = 12;
    double escapement = 0;
};

struct DcState
{
    QPen pen = QPen(Qt::black, 0);
    QBrush brush = QBrush(Qt::white);
    QFont font;
    double fontHeight = 12;
    double escapement = 0;
    QColor textColour = Qt::black;
    QColor backColour = Qt::white;
    bool opaqueBack = true;
    quint16 textAlign = 0;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    QPointF windowOrg, windowExt, viewportOrg, viewportExt;
    bool hasWindowExt = false;
    bool hasViewportExt = false;
    QPointF position;
};

class Player
{
public:
    // libuemf reads a record's fixed fields without knowing its size; the
    // zeros after the data keep a short last record's reads inside our copy.
    explicit Player(const QByteArray &data)
        : m_data(data + QByteArray(64, '\0'))
        , m_size(data.size())
    {
    }

    QSharedPointer<const VisioVectorPicture> run(QString *error)
    {
        const char *begin = m_data.constData();
        const char *end = begin + m_size;
        const char *at = begin;
        QRectF placeable;
        if (m_size >= 22 && qFromLittleEndian<quint32>(at) == kPlaceableKey) {
            const auto s16 = [at](int o) { return qFromLittleEndian<qint16>(at + o); };
            placeable = QRectF(QPointF(s16(6), s16(8)), QPointF(s16(10), s16(12))).normalized();
            at += 22;
        }
        if (end - at < 18) {
            fail(error, QStringLiteral("too short for a metafile header"));
            return {};
        }
        const quint16 headerType = qFromLittleEndian<quint16>(at);
        const quint16 headerWords = qFromLittleEndian<quint16>(at + 2);
        if ((headerType != 1 && headerType != 2) || headerWords != 9) {
            fail(error, QStringLiteral("no metafile header"));
            return {};
        }
        at += 18;

        m_painter.begin(&m_picture);
        m_painter.setRenderHint(QPainter::Antialiasing);
        while (end - at >= 6) {
            const size_t size = U_WMRRECSAFE_get(at, end);
            if (size < 6 || size > size_t(end - at))
                break; // a damaged chain: keep what was drawn so far
            const auto type = static_cast<unsigned char>(at[4]);
            if (type == U_WMR_EOF)
                break;
            record(type, at, at + size);
            at += size;
        }
        m_painter.end();

        QRectF bounds = m_bounds;
        if (bounds.isEmpty())
            bounds = placeable;
        if (bounds.isEmpty())
            bounds = m_picture.boundingRect();
        if (!m_drew || bounds.isEmpty()) {
            fail(error, QStringLiteral("the metafile draws nothing"));
            return {};
        }
        return VisioVectorPicture::fromPicture(m_picture, bounds, m_texts, error);
    }

private:
    static void fail(QString *error, const QString &why)
    {
        if (error)
            *error = why;
    }

    // Logical to device units: the window onto the viewport. A viewport
    // never set is the first window, upright, at the origin.
    void updateTransform()
    {
        DcState &s = m_state;
        QTransform t;
        if (s.hasWindowExt && s.windowExt.x() != 0 && s.windowExt.y() != 0) {
            if (!m_hasDevice) {
                m_hasDevice = true;
                m_deviceExt = QPointF(std::abs(s.windowExt.x()), std::abs(s.windowExt.y()));
            }
            const QPointF vExt = s.hasViewportExt ? s.viewportExt : m_deviceExt;
            const QPointF vOrg = s.hasViewportExt ? s.viewportOrg : QPointF();
            t.translate(vOrg.x(), vOrg.y());
            t.scale(vExt.x() / s.windowExt.x(), vExt.y() / s.windowExt.y());
            t.translate(-s.windowOrg.x(), -s.windowOrg.y());
        } else {
            t.translate(-s.windowOrg.x(), -s.windowOrg.y());
        }
        m_painter.setWorldTransform(t);
    }

    void beginDrawing()
    {
        m_drew = true;
        if (m_bounds.isEmpty() && m_hasDevice) {
            const DcState &s = m_state;
            m_bounds = s.hasViewportExt ? QRectF(s.viewportOrg, QSizeF(s.viewportExt.x(), s.viewportExt.y())).normalized()
                                        : QRectF(QPointF(), QSizeF(m_deviceExt.x(), m_deviceExt.y()));
        }
        m_painter.setPen(m_state.pen);
        m_painter.setBrush(m_state.brush);
    }

    int addObject(const GdiObject &object)
    {
        for (int i = 0; i < int(m_objects.size()); ++i) {
            if (m_objects[i].kind == GdiObject::Empty) {
                m_objects[i] = object;
                return i;
            }
        }
        if (m_objects.size() < size_t(kMaxObjects))
            m_objects.push_back(object);
        return int(m_objects.size()) - 1;
    }

    void selectObject(quint16 index)
    {
        if (index >= m_objects.size())
            return;
        const GdiObject &o = m_objects[index];
        switch (o.kind) {
        case GdiObject::Pen: m_state.pen = o.pen; break;
        case GdiObject::Brush: m_state.brush = o.brush; break;
        case GdiObject::Font:
            m_state.font = o.font;
            m_state.fontHeight = o.fontHeight;
            m_state.escapement = o.escapement;
            break;
        default: break;
        }
    }

    static QPen penOf(const U_PEN &p)
    {
        const quint16 style = p.Style & 0x0F;
        if (style == U_PS_NULL)
            return QPen(Qt::NoPen);
        QPen pen(colourOf(p.Color), p.Widthw[0]);
        switch (style) {
        case U_PS_DASH: pen.setStyle(Qt::DashLine); break;
        case U_PS_DOT: pen.setStyle(Qt::DotLine); break;
        case U_PS_DASHDOT: pen.setStyle(Qt::DashDotLine); break;
        case U_PS_DASHDOTDOT: pen.setStyle(Qt::DashDotDotLine); break;
        default: break;
        }
        return pen;
    }

    static QBrush brushOf(const U_WLOGBRUSH &b)
    {
        switch (b.Style) {
        case U_BS_NULL: return QBrush(Qt::NoBrush);
        case U_BS_HATCHED: {
            static const Qt::BrushStyle hatches[] = {Qt::HorPattern, Qt::VerPattern,
                                                     Qt::FDiagPattern, Qt::BDiagPattern,
                                                     Qt::CrossPattern, Qt::DiagCrossPattern};
            return QBrush(colourOf(b.Color), b.Hatch < 6 ? hatches[b.Hatch] : Qt::SolidPattern);
        }
        default: return QBrush(colourOf(b.Color));
        }
    }

    QRectF rectOf(const U_RECT16 &r) const
    {
        return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom)).normalized();
    }

    void drawImage(const char *dib, const char *recordEnd, QPointF dst, QPointF dstSize,
                   QPointF src, QPointF srcSize, quint32 rop)
    {
        // Icons come as a mask ANDed onto the page, then the colours XORed
        // (or ORed) on top: without raster operations, leave the mask out
        // and let the colour image's black show the page.
        constexpr quint32 kSrcAnd = 0x008800C6;
        constexpr quint32 kSrcInvert = 0x00660046;
        constexpr quint32 kSrcPaint = 0x00EE0086;
        if (!dib || dib >= recordEnd || rop == kSrcAnd)
            return;
        QImage image = imageFromDib(QByteArray::fromRawData(dib, recordEnd - dib));
        if (image.isNull())
            return;
        if (rop == kSrcInvert || rop == kSrcPaint) {
            image = image.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < image.height(); ++y) {
                auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    if ((line[x] & 0x00FFFFFF) == 0)
                        line[x] = 0;
                }
            }
        }
        beginDrawing();
        const QRectF target = QRectF(dst, QSizeF(dstSize.x(), dstSize.y())).normalized();
        // Source rows count from the bottom of a bottom-up bitmap.
        QRectF source(src.x(), image.height() - src.y() - srcSize.y(), srcSize.x(), srcSize.y());
        if (source.isEmpty())
            source = image.rect();
        m_painter.drawImage(target, image, source.normalized());
    }

    void drawText(QPointF origin, const QByteArray &bytes, const QRectF &opaqueBox)
    {
        const QString text = QString::fromLatin1(bytes).remove(QChar(0));
        if (text.isEmpty())
            return;
        beginDrawing();
        if (!opaqueBox.isEmpty())
            m_painter.fillRect(opaqueBox, m_state.backColour);
        if (m_texts.size() < kMaxTexts && !text.trimmed().isEmpty())
            m_texts.append(text.simplified());

        // Pixel sizes are whole numbers; draw at a comfortable size and
        // scale down, so that small logical units keep their proportions.
        const double height = std::max(1.0, std::abs(m_state.fontHeight));
        const double factor = height / 100.0;
        QFont font = m_state.font;
        font.setPixelSize(100);
        const QFontMetricsF metrics(font);
        const quint16 align = m_state.textAlign;
        if (align & U_TA_UPDATECP)
            origin = m_state.position;
        double dx = 0;
        const double width = metrics.horizontalAdvance(text);
        if ((align & U_TA_CENTER) == U_TA_CENTER)
            dx = -width / 2;
        else if (align & U_TA_RIGHT)
            dx = -width;
        double dy = metrics.ascent();
        if ((align & U_TA_BASELINE) == U_TA_BASELINE)
            dy = 0;
        else if (align & U_TA_BOTTOM)
            dy = -metrics.descent();

        m_painter.save();
        m_painter.translate(origin);
        // The font's cell height counts with its internal leading.
        const double scale = m_state.fontHeight > 0 ? factor * 100.0 / metrics.height() : factor;
        m_painter.scale(scale, scale);
        if (m_state.escapement != 0)
            m_painter.rotate(-m_state.escapement / 10.0);
        m_painter.setFont(font);
        m_painter.setPen(m_state.textColour);
        m_painter.drawText(QPointF(dx, dy), text);
        m_painter.restore();
        if (align & U_TA_UPDATECP)
            m_state.position = origin + QPointF(width * scale, 0);
    }

    void arc(const char *rec, int kind)
    {
        U_POINT16 a, b;
        U_RECT16 r;
        if (kind == 0)
            U_WMRARC_get(rec, &a, &b, &r);
        else if (kind == 1)
            U_WMRPIE_get(rec, &a, &b, &r);
        else
            U_WMRCHORD_get(rec, &a, &b, &r);
        const QRectF box = rectOf(r);
        if (box.isEmpty())
            return;
        const QPointF c = box.center();
        auto angle = [&](const U_POINT16 &p) {
            return std::atan2(-(p.y - c.y()) / box.height(), (p.x - c.x()) / box.width()) * 180.0
                   / M_PI;
        };
        const double start = angle(a);
        double sweep = angle(b) - start;
        if (sweep <= 0)
            sweep += 360;
        QPainterPath path;
        if (kind == 1)
            path.moveTo(c);
        else
            path.arcMoveTo(box, start);
        path.arcTo(box, start, sweep);
        beginDrawing();
        if (kind == 0) {
            m_painter.strokePath(path, m_state.pen);
        } else {
            path.closeSubpath();
            m_painter.drawPath(path);
        }
    }

    void record(unsigned char type, const char *rec, const char *recEnd)
    {
        DcState &s = m_state;
        const size_t size = size_t(recEnd - rec);
        auto fits = [&](const char *p, size_t bytes) { return p >= rec && bytes <= size_t(recEnd - p); };
        switch (type) {
        case U_WMR_SETWINDOWORG: {
            U_POINT16 p;
            U_WMRSETWINDOWORG_get(rec, &p);
            s.windowOrg = QPointF(p.x, p.y);
            updateTransform();
            break;
        }
        case U_WMR_SETWINDOWEXT: {
            U_POINT16 p;
            U_WMRSETWINDOWEXT_get(rec, &p);
            s.windowExt = QPointF(p.x, p.y);
            s.hasWindowExt = true;
            updateTransform();
            break;
        }
        case U_WMR_SETVIEWPORTORG: {
            U_POINT16 p;
            U_WMRSETVIEWPORTORG_get(rec, &p);
            s.viewportOrg = QPointF(p.x, p.y);
            updateTransform();
            break;
        }
        case U_WMR_SETVIEWPORTEXT: {
            U_POINT16 p;
            U_WMRSETVIEWPORTEXT_get(rec, &p);
            s.viewportExt = QPointF(p.x, p.y);
            s.hasViewportExt = p.x != 0 && p.y != 0;
            updateTransform();
            break;
        }
        case U_WMR_OFFSETWINDOWORG: {
            U_POINT16 p;
            U_WMROFFSETWINDOWORG_get(rec, &p);
            s.windowOrg += QPointF(p.x, p.y);
            updateTransform();
            break;
        }
        case U_WMR_SETTEXTCOLOR: {
            U_COLORREF c;
            U_WMRSETTEXTCOLOR_get(rec, &c);
            s.textColour = colourOf(c);
            break;
        }
        case U_WMR_SETBKCOLOR: {
            U_COLORREF c;
            U_WMRSETBKCOLOR_get(rec, &c);
            s.backColour = colourOf(c);
            break;
        }
        case U_WMR_SETBKMODE: {
            uint16_t mode = 0;
            U_WMRSETBKMODE_get(rec, &mode);
            s.opaqueBack = mode == U_OPAQUE;
            break;
        }
        case U_WMR_SETTEXTALIGN: {
            uint16_t mode = 0;
            U_WMRSETTEXTALIGN_get(rec, &mode);
            s.textAlign = mode;
            break;
        }
        case U_WMR_SETPOLYFILLMODE: {
            uint16_t mode = 0;
            U_WMRSETPOLYFILLMODE_get(rec, &mode);
            s.fillRule = mode == U_WINDING ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        }
        case U_WMR_SAVEDC:
            if (m_saved.size() < size_t(kMaxSavedStates)) {
                m_saved.push_back(s);
                m_painter.save();
            }
            break;
        case U_WMR_RESTOREDC:
            if (!m_saved.empty()) {
                s = m_saved.back();
                m_saved.pop_back();
                m_painter.restore();
            }
            break;
        case U_WMR_INTERSECTCLIPRECT: {
            U_RECT16 r;
            U_WMRINTERSECTCLIPRECT_get(rec, &r);
            m_painter.setClipRect(rectOf(r), Qt::IntersectClip);
            break;
        }
        case U_WMR_SELECTCLIPREGION:
            m_painter.setClipping(false);
            break;
        case U_WMR_CREATEPENINDIRECT: {
            if (!fits(rec + 6, sizeof(U_PEN)))
                break;
            U_PEN pen;
            U_WMRCREATEPENINDIRECT_get(rec, &pen);
            GdiObject o;
            o.kind = GdiObject::Pen;
            o.pen = penOf(pen);
            addObject(o);
            break;
        }
        case U_WMR_CREATEBRUSHINDIRECT: {
            const char *data = nullptr;
            U_WMRCREATEBRUSHINDIRECT_get(rec, &data);
            GdiObject o;
            o.kind = GdiObject::Brush;
            if (data && fits(data, 8)) {
                U_WLOGBRUSH brush;
                std::memcpy(&brush, data, 8);
                o.brush = brushOf(brush);
            }
            addObject(o);
            break;
        }
        case U_WMR_DIBCREATEPATTERNBRUSH: {
            GdiObject o;
            o.kind = GdiObject::Brush;
            o.brush = QBrush(Qt::gray);
            if (size > 10) {
                const QImage pattern = imageFromDib(QByteArray::fromRawData(rec + 10, int(size - 10)));
                if (!pattern.isNull())
                    o.brush = QBrush(pattern);
            }
            addObject(o);
            break;
        }
        case U_WMR_CREATEFONTINDIRECT: {
            const char *data = nullptr;
            U_WMRCREATEFONTINDIRECT_get(rec, &data);
            GdiObject o;
            o.kind = GdiObject::Font;
            if (data && fits(data, 18)) {
                U_FONT f;
                std::memcpy(&f, data, 18);
                const qsizetype faceLength = qstrnlen(data + 18, std::min<size_t>(32, recEnd - data - 18));
                const QString face = QString::fromLatin1(data + 18, faceLength);
                if (!face.isEmpty())
                    o.font.setFamily(face);
                o.font.setWeight(QFont::Weight(std::clamp(int(f.Weight), 100, 900)));
                o.font.setItalic(f.Italic);
                o.font.setUnderline(f.Underline);
                o.font.setStrikeOut(f.StrikeOut);
                o.fontHeight = f.Height == 0 ? 12 : f.Height;
                o.escapement = f.Escapement;
            }
            addObject(o);
            break;
        }
        case U_WMR_CREATEPALETTE:
        case U_WMR_CREATEPATTERNBRUSH:
        case U_WMR_CREATEREGION: {
            GdiObject o;
            o.kind = type == U_WMR_CREATEPATTERNBRUSH ? GdiObject::Brush : GdiObject::Other;
            o.brush = QBrush(Qt::gray);
            addObject(o);
            break;
        }
        case U_WMR_SELECTOBJECT: {
            uint16_t index = 0;
            U_WMRSELECTOBJECT_get(rec, &index);
            selectObject(index);
            break;
        }
        case U_WMR_DELETEOBJECT: {
            uint16_t index = 0;
            U_WMRDELETEOBJECT_get(rec, &index);
            if (index < m_objects.size())
                m_objects[index] = GdiObject();
            break;
        }
        case U_WMR_MOVETO: {
            U_POINT16 p;
            U_WMRMOVETO_get(rec, &p);
            s.position = QPointF(p.x, p.y);
            break;
        }
        case U_WMR_LINETO: {
            U_POINT16 p;
            U_WMRLINETO_get(rec, &p);
            beginDrawing();
            m_painter.drawLine(s.position, QPointF(p.x, p.y));
            s.position = QPointF(p.x, p.y);
            break;
        }
        case U_WMR_RECTANGLE: {
            U_RECT16 r;
            U_WMRRECTANGLE_get(rec, &r);
            beginDrawing();
            m_painter.drawRect(rectOf(r));
            break;
        }
        case U_WMR_ROUNDRECT: {
            int16_t w = 0, h = 0;
            U_RECT16 r;
            U_WMRROUNDRECT_get(rec, &w, &h, &r);
            beginDrawing();
            m_painter.drawRoundedRect(rectOf(r), std::abs(w) / 2.0, std::abs(h) / 2.0);
            break;
        }
        case U_WMR_ELLIPSE: {
            U_RECT16 r;
            U_WMRELLIPSE_get(rec, &r);
            beginDrawing();
            m_painter.drawEllipse(rectOf(r));
            break;
        }
        case U_WMR_ARC: arc(rec, 0); break;
        case U_WMR_PIE: arc(rec, 1); break;
        case U_WMR_CHORD: arc(rec, 2); break;
        case U_WMR_POLYGON:
        case U_WMR_POLYLINE: {
            uint16_t count = 0;
            const char *data = nullptr;
            if (type == U_WMR_POLYGON)
                U_WMRPOLYGON_get(rec, &count, &data);
            else
                U_WMRPOLYLINE_get(rec, &count, &data);
            if (!data || !fits(data, size_t(count) * 4))
                break;
            QPolygonF polygon;
            polygon.reserve(count);
            for (int i = 0; i < count; ++i)
                polygon.append(pointAt(data + 4 * i));
            beginDrawing();
            if (type == U_WMR_POLYGON)
                m_painter.drawPolygon(polygon, s.fillRule);
            else
                m_painter.drawPolyline(polygon);
            break;
        }
        case U_WMR_POLYPOLYGON: {
            uint16_t polys = 0;
            const uint16_t *counts = nullptr;
            const char *points = nullptr;
            U_WMRPOLYPOLYGON_get(rec, &polys, &counts, &points);
            if (!counts || !points || !fits(reinterpret_cast<const char *>(counts), size_t(polys) * 2))
                break;
            QPainterPath path;
            path.setFillRule(s.fillRule);
            const char *p = points;
            for (int i = 0; i < polys; ++i) {
                const quint16 n = qFromLittleEndian<quint16>(reinterpret_cast<const char *>(counts) + 2 * i);
                if (!fits(p, size_t(n) * 4))
                    break;
                QPolygonF polygon;
                for (int k = 0; k < n; ++k)
                    polygon.append(pointAt(p + 4 * k));
                path.addPolygon(polygon);
                path.closeSubpath();
                p += 4 * size_t(n);
            }
            beginDrawing();
            m_painter.drawPath(path);
            break;
        }
        case U_WMR_PATBLT: {
            U_POINT16 dst, wh;
            uint32_t rop = 0;
            U_WMRPATBLT_get(rec, &dst, &wh, &rop);
            beginDrawing();
            m_painter.fillRect(QRectF(QPointF(dst.x, dst.y), QSizeF(wh.x, wh.y)).normalized(), s.brush);
            break;
        }
        case U_WMR_TEXTOUT: {
            // The position follows the string: check the length first.
            const qint16 claimed = qFromLittleEndian<qint16>(rec + 6);
            if (claimed <= 0 || 8 + ((size_t(claimed) + 1) & ~size_t(1)) + 4 > size)
                break;
            U_POINT16 dst;
            int16_t length = 0;
            const char *text = nullptr;
            U_WMRTEXTOUT_get(rec, &dst, &length, &text);
            if (text && length > 0 && fits(text, size_t(length)))
                drawText(QPointF(dst.x, dst.y), QByteArray(text, length), QRectF());
            break;
        }
        case U_WMR_EXTTEXTOUT: {
            U_POINT16 dst;
            int16_t length = 0;
            uint16_t options = 0;
            const char *text = nullptr;
            const int16_t *dx = nullptr;
            U_RECT16 r{};
            U_WMREXTTEXTOUT_get(rec, &dst, &length, &options, &text, &dx, &r);
            if (text && length > 0 && fits(text, size_t(length)))
                drawText(QPointF(dst.x, dst.y), QByteArray(text, length),
                         (options & U_ETO_OPAQUE) ? rectOf(r) : QRectF());
            break;
        }
        case U_WMR_STRETCHDIB: {
            U_POINT16 dst, cDst, src, cSrc;
            uint16_t usage = 0;
            uint32_t rop = 0;
            const char *dib = nullptr;
            U_WMRSTRETCHDIB_get(rec, &dst, &cDst, &src, &cSrc, &usage, &rop, &dib);
            drawImage(dib, recEnd, QPointF(dst.x, dst.y), QPointF(cDst.x, cDst.y),
                      QPointF(src.x, src.y), QPointF(cSrc.x, cSrc.y), rop);
            break;
        }
        case U_WMR_DIBSTRETCHBLT: {
            U_POINT16 dst, cDst, src, cSrc;
            uint32_t rop = 0;
            const char *dib = nullptr;
            U_WMRDIBSTRETCHBLT_get(rec, &dst, &cDst, &src, &cSrc, &rop, &dib);
            drawImage(dib, recEnd, QPointF(dst.x, dst.y), QPointF(cDst.x, cDst.y),
                      QPointF(src.x, src.y), QPointF(cSrc.x, cSrc.y), rop);
            break;
        }
        case U_WMR_DIBBITBLT: {
            U_POINT16 dst, wh, src;
            uint32_t rop = 0;
            const char *dib = nullptr;
            U_WMRDIBBITBLT_get(rec, &dst, &wh, &src, &rop, &dib);
            drawImage(dib, recEnd, QPointF(dst.x, dst.y), QPointF(wh.x, wh.y),
                      QPointF(src.x, src.y), QPointF(wh.x, wh.y), rop);
            break;
        }
        default:
            break;
        }
    }

    const QByteArray m_data;
    const qsizetype m_size;
    QPicture m_picture;
    QPainter m_painter;
    DcState m_state;
    std::vector<DcState> m_saved;
    std::vector<GdiObject> m_objects;
    QStringList m_texts;
    QRectF m_bounds;
    QPointF m_deviceExt;
    bool m_hasDevice = false;
    bool m_drew = false;
};

} // namespace

bool VisioWmfPlayer::looksLikeWmf(const QByteArray &data)
{
    if (data.size() < 18)
        return false;
    if (qFromLittleEndian<quint32>(data.constData()) == kPlaceableKey)
        return true;
    const quint16 type = qFromLittleEndian<quint16>(data.constData());
    const quint16 words = qFromLittleEndian<quint16>(data.constData() + 2);
    const quint16 version = qFromLittleEndian<quint16>(data.constData() + 4);
    return (type == 1 || type == 2) && words == 9 && (version == 0x0100 || version == 0x0300);
}

QSharedPointer<const VisioVectorPicture> VisioWmfPlayer::play(const QByteArray &data, QString *error)
{
    if (!looksLikeWmf(data)) {
        if (error)
            *error = QStringLiteral("not a Windows metafile");
        return {};
    }
    return Player(data).run(error);
}
