#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstring>
#include <initializer_list>
#include <optional>
#include <utility>

// Walks the tags of an XML part byte by byte, without building a string per
// name or attribute: fast enough to run over every sheet of a large drawing,
// and it tells where each tag lies, so that a rewrite can copy everything
// between its edits as it is. Text, comments, CDATA, processing instructions
// and the DOCTYPE are stepped over; markup it cannot read ends the walk with
// an error.
class XmlTagScanner
{
public:
    enum Token { StartTag, EndTag, EmptyTag, Finished, Error };

    explicit XmlTagScanner(QByteArrayView xml) : m_xml(xml) {}

    Token next();
    Token token() const { return m_token; }

    // Of the tag just read: its name as written (with any prefix), and where
    // it starts ('<') and ends (after '>').
    QByteArrayView name() const { return m_name; }
    qsizetype tagBegin() const { return m_begin; }
    qsizetype tagEnd() const { return m_end; }

    // An attribute of the tag just read, its entities left as they are; a
    // null view when the tag has none of that name. Well-formed XML names an
    // attribute once, so the walk stops at the first.
    QByteArrayView attribute(QByteArrayView name) const;
    template <size_t N>
    QByteArrayView attribute(const char (&name)[N]) const
    {
        return attribute(literal(name));
    }
    // Several attributes in one pass: each found one is stored through its pointer.
    void attributes(std::initializer_list<std::pair<QByteArrayView, QByteArrayView *>> wanted) const;
    // An attribute's whole number; fallback when it is missing or not one.
    int intAttribute(QByteArrayView name, int fallback = -1) const;
    template <size_t N>
    int intAttribute(const char (&name)[N], int fallback = -1) const
    {
        return intAttribute(literal(name), fallback);
    }

    // A view of a string literal whose length the compiler knows: Qt measures
    // a char array at run time, which on every tag and cell adds up.
    template <size_t N>
    static constexpr QByteArrayView literal(const char (&text)[N])
    {
        return QByteArrayView(text, qsizetype(N - 1));
    }

    // A raw attribute value's whole number; fallback when it is missing or not one.
    static int intValue(QByteArrayView raw, int fallback = -1);
    // A plain whole number of at most nine digits, as IDs, indices and most
    // cell values are, read for much less than toInt() costs; nothing for
    // anything else.
    static std::optional<int> wholeNumber(QByteArrayView text);

    // Byte equality that settles most mismatches on the length alone; the
    // names and attributes compared here rarely share one.
    static bool same(QByteArrayView a, QByteArrayView b)
    {
        if (a.size() != b.size())
            return false;
        // Short names: a loop beats a call to memcmp.
        if (a.size() > 8)
            return a.front() == b.front() && std::memcmp(a.data(), b.data(), size_t(a.size())) == 0;
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (a.data()[i] != b.data()[i])
                return false;
        }
        return true;
    }
    template <size_t N>
    static bool same(QByteArrayView a, const char (&b)[N])
    {
        return same(a, literal(b));
    }

    // After a StartTag: steps over the element's content and end tag. False
    // when the part ends first or is not well formed.
    bool skipElement();
    // The same for an element that never holds one of its own name (a
    // Section, a Text), found by its end tag alone: much faster.
    bool skipFlatElement();

    // The text of a raw attribute value with the five predefined entities and
    // character references replaced.
    static QByteArray decoded(QByteArrayView raw);
    // A value written into a double-quoted attribute.
    static QByteArray escaped(QByteArrayView text);

private:
    Token fail();
    void attributes(std::initializer_list<std::pair<QByteArrayView, QByteArrayView *>> wanted, bool firstOnly) const;

    QByteArrayView m_xml;
    qsizetype m_pos = 0;
    Token m_token = Finished;
    QByteArrayView m_name;
    QByteArrayView m_attributes; // between the name and the tag's end
    qsizetype m_begin = 0;
    qsizetype m_end = 0;
};
