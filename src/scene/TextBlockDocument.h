#pragma once

#include <QTextCharFormat>

#include <functional>

class QColor;
class QFont;
class QTextDocument;
struct VisioText;

// Writes a text block into a document: one character format per run, one
// block per paragraph with its alignment, spacing, indents and line height,
// and the box's padding around the whole.
class TextBlockDocument
{
public:
    TextBlockDocument() = delete;

    using FormatMaker = std::function<QTextCharFormat(const QFont &, const QColor &)>;

    // document is expected empty; the caller brackets this in an edit block.
    static void fill(QTextDocument *document, const VisioText &text, double dpi,
                     const FormatMaker &formatFor);
};
