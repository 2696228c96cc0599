#include "TextBlockDocument.h"

#include "VisioText.h"

#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Drawings count line spacing in font sizes, where 120 % is plain single
// spacing; Qt counts in the font's own line height.
constexpr double kNormalLineSpacing = 1.2;

double scaled(double inches, double dpi)
{
    const double v = inches * dpi;
    return std::isfinite(v) ? v : 0.0;
}

} // namespace

void TextBlockDocument::fill(QTextDocument *document, const VisioText &text, double dpi,
                             const FormatMaker &formatFor)
{
    const qsizetype length = text.text.size();

    // A '\n' that ends a paragraph starts a new block; the others are line
    // breaks inside one.
    std::vector<bool> paragraphBreak(size_t(length), false);
    for (const VisioTextParagraph &p : text.paragraphs)
        if (p.start > 0 && p.start <= length && text.text.at(p.start - 1) == QLatin1Char('\n'))
            paragraphBreak[size_t(p.start - 1)] = true;
    const bool oneParagraphEach = text.paragraphs.size() <= 1;
    QString shown = text.text;
    if (!oneParagraphEach) {
        for (qsizetype i = 0; i < length; ++i)
            if (shown.at(i) == QLatin1Char('\n') && !paragraphBreak[size_t(i)])
                shown[i] = QChar::LineSeparator;
    }

    QTextOption option = document->defaultTextOption();
    // Visio breaks a word that is wider than its text block, down to one
    // character a line in a block without width (where Qt's word-first
    // wrapping would still keep pieces of words together).
    option.setWrapMode(text.bounds.width() > 0 ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                               : QTextOption::WrapAnywhere);
    if (!text.paragraphs.isEmpty() && text.paragraphs.first().tabStopDistance > 0)
        option.setTabStopDistance(scaled(text.paragraphs.first().tabStopDistance, dpi));
    document->setDefaultTextOption(option);

    QTextCursor cursor(document);
    if (text.runs.isEmpty()) {
        cursor.insertText(shown, formatFor(text.font, text.color));
    } else {
        qsizetype done = 0;
        for (const VisioTextRun &run : text.runs) {
            const qsizetype start = std::clamp(run.start, done, length);
            const qsizetype end = std::clamp(run.start + run.length, start, length);
            QTextCharFormat format = formatFor(run.font, run.color);
            if (run.background.alpha() > 0)
                format.setBackground(run.background);
            // A gap between runs takes the next run's format.
            cursor.insertText(shown.mid(done, end - done), format);
            done = end;
        }
        if (done < length)
            cursor.insertText(shown.mid(done), formatFor(text.font, text.color));
    }

    // Paragraph i is block i when the text keeps its line breaks inside
    // paragraphs; a text without paragraphs is formatted as one.
    const int blocks = document->blockCount();
    int index = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next(), ++index) {
        const VisioTextParagraph *p = nullptr;
        if (!text.paragraphs.isEmpty())
            p = &text.paragraphs.at(std::min<qsizetype>(oneParagraphEach ? 0 : index,
                                                       text.paragraphs.size() - 1));
        QTextBlockFormat format;
        const int horizontal = p && p->alignment ? p->alignment : text.alignment;
        format.setAlignment(Qt::Alignment(horizontal & Qt::AlignHorizontal_Mask));
        const QMarginsF m = p ? p->margins : QMarginsF();
        format.setLeftMargin(scaled(text.padding.left() + m.left(), dpi));
        format.setRightMargin(scaled(text.padding.right() + m.right(), dpi));
        format.setTopMargin(scaled((index == 0 ? text.padding.top() : 0.0) + m.top(), dpi));
        format.setBottomMargin(
            scaled((index == blocks - 1 ? text.padding.bottom() : 0.0) + m.bottom(), dpi));
        if (p) {
            format.setTextIndent(scaled(p->textIndent, dpi));
            if (p->lineHeightAbsolute)
                format.setLineHeight(scaled(p->lineHeight, dpi), QTextBlockFormat::FixedHeight);
            else if (std::abs(p->lineHeight - kNormalLineSpacing) > 1e-6)
                format.setLineHeight(p->lineHeight / kNormalLineSpacing * 100.0,
                                     QTextBlockFormat::ProportionalHeight);
        }
        QTextCursor(block).setBlockFormat(format);
    }
}
