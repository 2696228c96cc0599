#include "VisioSvgRepair.h"

#include <QHash>
#include <QSet>
#include <QTransform>
#include <QStringDecoder>

#include <cmath>
#include <cstring>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isNameStart(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || u >= 0x80;
}

bool isXmlChar(uint code)
{
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF)
           || (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

// Length of a well-formed character or predefined entity reference at i
// (starting with '&'), with its character in *code; 0 when there is none.
qsizetype entityAt(const QByteArray &in, qsizetype i, uint *code)
{
    const qsizetype limit = std::min(in.size(), i + 12);
    qsizetype end = i + 1;
    while (end < limit && in.at(end) != ';')
        ++end;
    if (end >= limit || end == i + 1)
        return 0;
    const QByteArray name = in.mid(i + 1, end - i - 1);
    static const struct { const char *name; uint code; } predefined[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto &p : predefined) {
        if (name == p.name) {
            *code = p.code;
            return end - i + 1;
        }
    }
    if (name.startsWith('#')) {
        bool ok = false;
        const uint value = name.startsWith("#x") ? name.mid(2).toUInt(&ok, 16)
                                                 : name.mid(1).toUInt(&ok, 10);
        if (ok && isXmlChar(value)) {
            *code = value;
            return end - i + 1;
        }
    }
    return 0;
}

void appendCodePoint(QByteArray *out, uint code)
{
    const char32_t c = code;
    *out += QString::fromUcs4(&c, 1).toUtf8();
}

class Repairer
{
public:
    Repairer(const QByteArray &in, QList<VisioSvgRepair::TextRun> *texts)
        : m_in(in)
        , m_texts(texts)
    {
        m_out.reserve(in.size() + in.size() / 32);
    }

    QByteArray run()
    {
        const qsizetype n = m_in.size();
        qsizetype i = 0;
        while (i < n) {
            const char c = m_in.at(i);
            if (c == '<')
                i = markup(i);
            else if (c == '&')
                i = reference(i, true);
            else
                i = character(i, true);
        }
        flushText();
        // Invalid UTF-8 would make the parser give up on the whole picture.
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString decoded = decoder.decode(m_out);
        if (decoder.hasError())
            return decoded.toUtf8();
        return m_out;
    }

private:
    bool startsAt(const char *prefix, qsizetype i) const
    {
        const qsizetype length = qsizetype(qstrlen(prefix));
        return i + length <= m_in.size() && std::memcmp(m_in.constData() + i, prefix, length) == 0;
    }

    qsizetype copyUntil(qsizetype i, const char *terminator, qsizetype skip)
    {
        const qsizetype at = m_in.indexOf(terminator, i + skip);
        const qsizetype end = at < 0 ? m_in.size() : at + qsizetype(qstrlen(terminator));
        m_out.append(m_in.constData() + i, end - i);
        if (at < 0)
            m_out.append(terminator); // close what a truncated file left open
        return end;
    }

    qsizetype markup(qsizetype i)
    {
        if (startsAt("<!--", i))
            return copyUntil(i, "-->", 4);
        if (startsAt("<![CDATA[", i)) {
            const qsizetype at = m_in.indexOf("]]>", i + 9);
            const qsizetype stop = at < 0 ? m_in.size() : at;
            m_out += "<![CDATA[";
            for (qsizetype k = i + 9; k < stop;)
                k = character(k, true);
            m_out += "]]>";
            return at < 0 ? m_in.size() : at + 3;
        }
        if (startsAt("<?", i))
            return copyUntil(i, "?>", 2);
        if (startsAt("<!", i))
            return copyUntil(i, ">", 2);
        if (startsAt("</", i)) {
            const qsizetype at = m_in.indexOf('>', i);
            const qsizetype end = at < 0 ? m_in.size() : at + 1;
            const QByteArray name = m_in.mid(i + 2, (at < 0 ? end : at) - i - 2).trimmed();
            m_out += "</" + name + '>';
            if (name == "text" && m_textDepth > 0 && --m_textDepth == 0)
                flushText();
            if (m_transforms.size() > 1)
                m_transforms.removeLast();
            return end;
        }
        if (i + 1 < m_in.size() && isNameStart(m_in.at(i + 1)))
            return startTag(i);
        m_out += "&lt;";
        return i + 1;
    }

    qsizetype skipSpace(qsizetype j) const
    {
        while (j < m_in.size() && isSpace(m_in.at(j)))
            ++j;
        return j;
    }

    qsizetype startTag(qsizetype i)
    {
        const qsizetype n = m_in.size();
        qsizetype j = i + 1;
        while (j < n && !isSpace(m_in.at(j)) && m_in.at(j) != '>' && m_in.at(j) != '/')
            ++j;
        const QByteArray name = m_in.mid(i + 1, j - i - 1);
        m_out += '<' + name;

        QSet<QByteArray> seen;
        QHash<QByteArray, QByteArray> placement;
        bool selfClosing = false;
        while (true) {
            j = skipSpace(j);
            if (j >= n) {
                m_out += '>';
                break;
            }
            if (m_in.at(j) == '>') {
                m_out += '>';
                ++j;
                break;
            }
            if (startsAt("/>", j)) {
                m_out += "/>";
                j += 2;
                selfClosing = true;
                break;
            }
            qsizetype k = j;
            while (k < n && !isSpace(m_in.at(k)) && m_in.at(k) != '=' && m_in.at(k) != '>'
                   && m_in.at(k) != '/')
                ++k;
            if (k == j) { // a stray '/' or '='
                ++j;
                continue;
            }
            const QByteArray attribute = m_in.mid(j, k - j);
            j = skipSpace(k);
            if (j >= n || m_in.at(j) != '=')
                continue; // an attribute without a value is left out
            j = skipSpace(j + 1);
            if (j >= n)
                continue;
            qsizetype valueStart = j;
            qsizetype valueEnd;
            const char quote = m_in.at(j);
            if (quote == '"' || quote == '\'') {
                valueStart = j + 1;
                valueEnd = m_in.indexOf(quote, valueStart);
                if (valueEnd < 0)
                    valueEnd = n;
                j = std::min(n, valueEnd + 1);
            } else {
                valueEnd = j;
                while (valueEnd < n && !isSpace(m_in.at(valueEnd)) && m_in.at(valueEnd) != '>')
                    ++valueEnd;
                j = valueEnd;
            }
            if (seen.contains(attribute))
                continue;
            seen.insert(attribute);
            if (placementAttributes().contains(attribute))
                placement.insert(attribute, m_in.mid(valueStart, valueEnd - valueStart));
            m_out += ' ' + attribute + "=\"";
            for (qsizetype v = valueStart; v < valueEnd;) {
                const char c = m_in.at(v);
                if (c == '&') {
                    v = reference(v, false);
                } else if (c == '<' || c == '"') {
                    m_out += c == '<' ? "&lt;" : "&quot;";
                    ++v;
                } else {
                    v = character(v, false);
                }
            }
            m_out += '"';
        }
        const QTransform transform =
            parseTransform(placement.value("transform")) * m_transforms.last();
        if (!selfClosing)
            m_transforms.append(transform);
        if (name == "text" && !selfClosing && m_textDepth++ == 0) {
            m_text.clear();
            m_run = VisioSvgRepair::TextRun();
            m_run.origin = transform.map(QPointF(placement.value("x").toDouble(),
                                                 placement.value("y").toDouble()));
            const double scale = std::sqrt(std::abs(transform.determinant()));
            m_run.size = placement.value("font-size", "16").toDouble() * scale;
            m_run.angle = std::atan2(transform.m12(), transform.m11()) * 180.0 / M_PI;
            const QByteArray anchor = placement.value("text-anchor");
            m_run.anchor = anchor == "middle" ? Qt::AlignHCenter
                           : anchor == "end"  ? Qt::AlignRight
                                              : Qt::AlignLeft;
            m_run.family = QString::fromUtf8(placement.value("font-family"));
        }
        return j;
    }

    qsizetype reference(qsizetype i, bool content)
    {
        uint code = 0;
        const qsizetype length = entityAt(m_in, i, &code);
        if (length == 0) {
            m_out += "&amp;";
            if (content && m_textDepth > 0)
                m_text += '&';
            return i + 1;
        }
        m_out.append(m_in.constData() + i, length);
        if (content && m_textDepth > 0)
            appendCodePoint(&m_text, code);
        return i + length;
    }

    // Copies one byte, leaving out the control characters XML forbids.
    // Text (not attribute values) inside <text> is also collected.
    qsizetype character(qsizetype i, bool text)
    {
        const char c = m_in.at(i);
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\t' && c != '\n' && c != '\r')
            return i + 1;
        m_out += c;
        if (text && m_textDepth > 0)
            m_text += c;
        return i + 1;
    }

    void flushText()
    {
        if (!m_texts || m_text.isEmpty())
            return;
        m_run.text = QString::fromUtf8(m_text).simplified();
        if (!m_run.text.isEmpty() && std::isfinite(m_run.origin.x())
            && std::isfinite(m_run.origin.y()) && std::isfinite(m_run.size))
            m_texts->append(m_run);
        m_text.clear();
    }

    static const QSet<QByteArray> &placementAttributes()
    {
        static const QSet<QByteArray> names{"transform", "x", "y", "font-size", "text-anchor",
                                            "font-family"};
        return names;
    }

    // An SVG transform list: matrix, translate, scale and rotate.
    static QTransform parseTransform(const QByteArray &list)
    {
        QTransform total;
        qsizetype at = 0;
        while (at < list.size()) {
            const qsizetype open = list.indexOf('(', at);
            const qsizetype close = open < 0 ? -1 : list.indexOf(')', open);
            if (close < 0)
                break;
            const QByteArray name = list.mid(at, open - at).trimmed().replace(',', "").trimmed();
            QList<double> v;
            for (const QByteArray &part :
                 list.mid(open + 1, close - open - 1).replace(',', ' ').simplified().split(' '))
                v.append(part.toDouble());
            QTransform t;
            if (name == "matrix" && v.size() == 6)
                t = QTransform(v[0], v[1], v[2], v[3], v[4], v[5]);
            else if (name == "translate" && !v.isEmpty())
                t.translate(v[0], v.size() > 1 ? v[1] : 0);
            else if (name == "scale" && !v.isEmpty())
                t.scale(v[0], v.size() > 1 ? v[1] : v[0]);
            else if (name == "rotate" && !v.isEmpty()) {
                const QPointF c = v.size() > 2 ? QPointF(v[1], v[2]) : QPointF();
                t.translate(c.x(), c.y());
                t.rotate(v[0]);
                t.translate(-c.x(), -c.y());
            }
            // The rightmost applies first.
            total = t * total;
            at = close + 1;
        }
        return total;
    }

    const QByteArray &m_in;
    QList<VisioSvgRepair::TextRun> *m_texts;
    VisioSvgRepair::TextRun m_run;
    QList<QTransform> m_transforms{QTransform()};
    QByteArray m_out;
    QByteArray m_text;
    int m_textDepth = 0;
};

} // namespace

QByteArray VisioSvgRepair::repair(const QByteArray &svg, QList<TextRun> *texts)
{
    return Repairer(svg, texts).run();
}
