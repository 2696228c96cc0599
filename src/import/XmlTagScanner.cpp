#include "XmlTagScanner.h"

#include <QString>

#include <cstring>

namespace {

// Space, tab, line feed and carriage return, in one test: this runs on
// nearly every byte of a tag.
bool isSpace(char c)
{
    return uchar(c) <= ' ' && (quint64(0x100002600) >> uchar(c) & 1);
}

} // namespace

XmlTagScanner::Token XmlTagScanner::fail()
{
    m_pos = m_xml.size();
    return m_token = Error;
}

XmlTagScanner::Token XmlTagScanner::next()
{
    if (m_token == Error)
        return Error;
    const char *d = m_xml.data();
    const qsizetype n = m_xml.size();
    while (true) {
        const void *hit = m_pos < n ? std::memchr(d + m_pos, '<', size_t(n - m_pos)) : nullptr;
        if (!hit) {
            m_pos = n;
            return m_token = Finished;
        }
        const qsizetype i = static_cast<const char *>(hit) - d;
        if (i + 1 >= n)
            return fail();
        const char c = d[i + 1];
        if (c == '!' || c == '?') {
            const QByteArrayView rest = m_xml.sliced(i);
            qsizetype close = -1;
            if (rest.startsWith("<!--")) {
                close = m_xml.indexOf("-->", i + 4);
                close = close < 0 ? -1 : close + 3;
            } else if (rest.startsWith("<![CDATA[")) {
                close = m_xml.indexOf("]]>", i + 9);
                close = close < 0 ? -1 : close + 3;
            } else if (c == '?') {
                close = m_xml.indexOf("?>", i + 2);
                close = close < 0 ? -1 : close + 2;
            } else {
                // A declaration, with an internal subset in brackets.
                int brackets = 0;
                for (qsizetype j = i + 2; j < n; ++j) {
                    if (d[j] == '[')
                        ++brackets;
                    else if (d[j] == ']')
                        --brackets;
                    else if (d[j] == '>' && brackets <= 0) {
                        close = j + 1;
                        break;
                    }
                }
            }
            if (close < 0)
                return fail();
            m_pos = close;
            continue;
        }

        const bool endTag = c == '/';
        const qsizetype nameBegin = i + 1 + (endTag ? 1 : 0);
        qsizetype j = nameBegin;
        while (j < n && !isSpace(d[j]) && d[j] != '/' && d[j] != '>')
            ++j;
        if (j == nameBegin || j >= n)
            return fail();
        m_name = m_xml.sliced(nameBegin, j - nameBegin);
        const qsizetype attributesBegin = j;
        // The tag ends at the first '>' outside quotes; values are skipped whole.
        while (true) {
            while (j < n && d[j] != '>' && d[j] != '\'' && d[j] != '"')
                ++j;
            if (j >= n)
                return fail();
            if (d[j] == '>')
                break;
            const void *close = std::memchr(d + j + 1, d[j], size_t(n - j - 1));
            if (!close)
                return fail();
            j = static_cast<const char *>(close) - d + 1;
        }
        const bool empty = !endTag && d[j - 1] == '/';
        m_attributes = m_xml.sliced(attributesBegin, j - (empty ? 1 : 0) - attributesBegin);
        m_begin = i;
        m_end = m_pos = j + 1;
        return m_token = endTag ? EndTag : (empty ? EmptyTag : StartTag);
    }
}

QByteArrayView XmlTagScanner::attribute(QByteArrayView name) const
{
    QByteArrayView value;
    attributes({{name, &value}}, true);
    return value;
}

void XmlTagScanner::attributes(std::initializer_list<std::pair<QByteArrayView, QByteArrayView *>> wanted) const
{
    attributes(wanted, false);
}

void XmlTagScanner::attributes(std::initializer_list<std::pair<QByteArrayView, QByteArrayView *>> wanted,
                               bool firstOnly) const
{
    const char *d = m_attributes.data();
    const qsizetype n = m_attributes.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && isSpace(d[i]))
            ++i;
        const qsizetype nameBegin = i;
        while (i < n && d[i] != '=' && !isSpace(d[i]))
            ++i;
        const QByteArrayView found = m_attributes.sliced(nameBegin, i - nameBegin);
        while (i < n && (isSpace(d[i]) || d[i] == '='))
            ++i;
        if (i >= n || (d[i] != '\'' && d[i] != '"'))
            return;
        const char quote = d[i];
        const qsizetype valueBegin = ++i;
        const void *close = std::memchr(d + i, quote, size_t(n - i));
        i = close ? static_cast<const char *>(close) - d : n;
        for (const auto &w : wanted) {
            if (same(found, w.first)) {
                *w.second = QByteArrayView(d + valueBegin, i - valueBegin);
                if (firstOnly)
                    return;
            }
        }
        ++i;
    }
}

int XmlTagScanner::intAttribute(QByteArrayView name, int fallback) const
{
    return intValue(attribute(name), fallback);
}

int XmlTagScanner::intValue(QByteArrayView raw, int fallback)
{
    const QByteArrayView text = raw.trimmed();
    if (const std::optional<int> whole = wholeNumber(text))
        return *whole;
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok ? v : fallback;
}

std::optional<int> XmlTagScanner::wholeNumber(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int whole = 0;
    for (qsizetype i = text.front() == '-' ? 1 : 0; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        whole = whole * 10 + (text[i] - '0');
    }
    if (text == "-")
        return std::nullopt;
    return text.front() == '-' ? -whole : whole;
}

bool XmlTagScanner::skipFlatElement()
{
    if (m_token != StartTag)
        return m_token == EmptyTag;
    char buffer[64];
    if (m_name.size() + 2 > qsizetype(sizeof buffer))
        return skipElement();
    buffer[0] = '<';
    buffer[1] = '/';
    std::memcpy(buffer + 2, m_name.data(), size_t(m_name.size()));
    const QByteArrayView close(buffer, m_name.size() + 2);
    for (qsizetype at = m_xml.indexOf(close, m_pos); at >= 0; at = m_xml.indexOf(close, at + 1)) {
        qsizetype j = at + close.size();
        while (j < m_xml.size() && isSpace(m_xml[j]))
            ++j;
        if (j < m_xml.size() && m_xml[j] == '>') {
            m_name = m_xml.sliced(at + 2, close.size() - 2);
            m_attributes = QByteArrayView();
            m_begin = at;
            m_end = m_pos = j + 1;
            m_token = EndTag;
            return true;
        }
    }
    fail();
    return false;
}

bool XmlTagScanner::skipElement()
{
    if (m_token != StartTag)
        return m_token == EmptyTag;
    int depth = 1;
    while (depth > 0) {
        switch (next()) {
        case StartTag:
            ++depth;
            break;
        case EndTag:
            --depth;
            break;
        case EmptyTag:
            break;
        case Finished:
        case Error:
            return false;
        }
    }
    return true;
}

QByteArray XmlTagScanner::decoded(QByteArrayView raw)
{
    if (!raw.contains('&'))
        return raw.toByteArray();
    QByteArray out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const qsizetype semicolon = raw[i] == '&' ? raw.indexOf(';', i) : -1;
        if (semicolon < 0 || semicolon - i > 12) {
            out += raw[i];
            continue;
        }
        const QByteArrayView entity = raw.sliced(i + 1, semicolon - i - 1);
        if (entity == "amp")
            out += '&';
        else if (entity == "lt")
            out += '<';
        else if (entity == "gt")
            out += '>';
        else if (entity == "quot")
            out += '"';
        else if (entity == "apos")
            out += '\'';
        else if (entity.startsWith('#')) {
            bool ok = false;
            const uint code = entity.startsWith("#x") ? entity.sliced(2).toUInt(&ok, 16)
                                                      : entity.sliced(1).toUInt(&ok, 10);
            if (!ok || code == 0 || code > 0x10FFFF) {
                out += raw[i];
                continue;
            }
            const char32_t c = char32_t(code);
            out += QString::fromUcs4(&c, 1).toUtf8();
        } else {
            out += raw[i];
            continue;
        }
        i = semicolon;
    }
    return out;
}

QByteArray XmlTagScanner::escaped(QByteArrayView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}
