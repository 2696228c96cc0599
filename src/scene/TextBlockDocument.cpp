#include "TextBlockDocument.h"

#include "VisioText.h"

#include <QTextBlock>
#include <QTextFragment>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Plain single spacing: 120 % of the font size, whatever the font's own
// line height (Carlito's is 150 %).
constexpr double kNormalLineSpacing = 1.2;

double scaled(double inches, double dpi)
{
    const double v = inches * dpi;
    return std::isfinite(v) ? v : 0.0;
}

// Visio measures a line in its largest font; Qt can only fix the height of a
// whole block, so the block's largest font stands in for each line's.
double fontPixels(const QFont &font, double dpi)
{
    return font.pixelSize() > 0 ? double(font.pixelSize()) : font.pointSizeF() * dpi / 72.0;
}

double largestFontPixels(const QTextBlock &block, double dpi)
{
    double largest = 0;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
        largest = std::max(largest, fontPixels(it.fragment().charFormat().font(), dpi));
    if (largest <= 0)
        largest = fontPixels(block.charFormat().font(), dpi);
    return std::isfinite(largest) ? std::max(largest, 0.0) : 0.0;
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
    // Qt drops the first block's space before and the last one's space after,
    // and overlaps the spaces between blocks; Visio adds them all up. So the
    // ends go on the document's frame, and each gap on the block below it.
    double spaceAfterPrevious = 0;
    double spaceBefore = 0;
    double spaceAfter = 0;
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
        if (index == 0)
            spaceBefore = m.top();
        else
            format.setTopMargin(scaled(spaceAfterPrevious + m.top(), dpi));
        spaceAfterPrevious = spaceAfter = m.bottom();
        if (p)
            format.setTextIndent(scaled(p->textIndent, dpi));
        const double lineHeight = p && p->lineHeightAbsolute
            ? scaled(p->lineHeight, dpi)
            : (p ? p->lineHeight : kNormalLineSpacing) * largestFontPixels(block, dpi);
        if (lineHeight > 0)
            format.setLineHeight(lineHeight, QTextBlockFormat::FixedHeight);
        QTextCursor(block).setBlockFormat(format);
    }
    QTextFrameFormat frame = document->rootFrame()->frameFormat();
    frame.setTopMargin(scaled(text.padding.top() + spaceBefore, dpi));
    frame.setBottomMargin(scaled(text.padding.bottom() + spaceAfter, dpi));
    document->rootFrame()->setFrameFormat(frame);
}
