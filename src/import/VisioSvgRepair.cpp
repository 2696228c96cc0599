#include "VisioSvgRepair.h"

#include <QSet>
#include <QStringDecoder>

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
    Repairer(const QByteArray &in, QStringList *texts)
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
        if (name == "text" && !selfClosing && m_textDepth++ == 0)
            m_text.clear();
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
        const QString text = QString::fromUtf8(m_text).simplified();
        if (!text.isEmpty())
            m_texts->append(text);
        m_text.clear();
    }

    const QByteArray &m_in;
    QStringList *m_texts;
    QByteArray m_out;
    QByteArray m_text;
    int m_textDepth = 0;
};

} // namespace

QByteArray VisioSvgRepair::repair(const QByteArray &svg, QStringList *texts)
{
    return Repairer(svg, texts).run();
}
