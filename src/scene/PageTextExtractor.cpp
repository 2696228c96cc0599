#include "PageTextExtractor.h"

#include "VectorPictureItem.h"

#include <QGraphicsItemGroup>
#include <QGraphicsTextItem>

#include <algorithm>

namespace {

QString itemText(const QGraphicsItem *item)
{
    if (item->type() == VectorPictureItem::Type)
        return static_cast<const VectorPictureItem *>(item)->text();
    if (const auto *text = qgraphicsitem_cast<const QGraphicsTextItem *>(item))
        return text->toPlainText();
    return QString();
}

void collect(const QGraphicsItem *item, QList<PageTextExtractor::Block> *blocks)
{
    const QList<QGraphicsItem *> children = item->childItems();
    for (const QGraphicsItem *child : children) {
        // Items on hidden layers are not in the PDF either.
        if (!child->isVisible())
            continue;
        const QString text = PageTextExtractor::cleaned(itemText(child));
        if (!text.isEmpty())
            blocks->append({text, child->sceneBoundingRect()});
        collect(child, blocks);
    }
}

} // namespace

QString PageTextExtractor::cleaned(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            out += QLatin1Char('\n');
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            out += QLatin1Char('\n');
        } else if (c == QChar::Nbsp) {
            out += QLatin1Char(' ');
        } else if (c != QLatin1Char('\n') && c != QLatin1Char('\t')
                   && (c.category() == QChar::Other_Control)) {
            out += QLatin1Char(' ');
        } else {
            out += c;
        }
    }
    QStringList lines = out.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        qsizetype end = line.size();
        while (end > 0 && line.at(end - 1).isSpace())
            --end;
        line.truncate(end);
    }
    while (!lines.isEmpty() && lines.first().trimmed().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

QList<PageTextExtractor::Block> PageTextExtractor::readingOrder(const QGraphicsItemGroup *page)
{
    QList<Block> blocks;
    if (!page)
        return blocks;
    collect(page, &blocks);
    std::stable_sort(blocks.begin(), blocks.end(), [](const Block &a, const Block &b) {
        return a.bounds.top() < b.bounds.top();
    });

    QList<Block> ordered;
    ordered.reserve(blocks.size());
    qsizetype rowStart = 0;
    while (rowStart < blocks.size()) {
        const QRectF &first = blocks.at(rowStart).bounds;
        const double middle = first.top() + first.height() / 2;
        qsizetype rowEnd = rowStart + 1;
        while (rowEnd < blocks.size() && blocks.at(rowEnd).bounds.top() < middle)
            ++rowEnd;
        std::stable_sort(blocks.begin() + rowStart, blocks.begin() + rowEnd,
                         [](const Block &a, const Block &b) {
                             return a.bounds.left() < b.bounds.left();
                         });
        for (qsizetype i = rowStart; i < rowEnd; ++i)
            ordered.append(blocks.at(i));
        rowStart = rowEnd;
    }
    return ordered;
}

QString PageTextExtractor::documentText(const QList<QGraphicsItemGroup *> &pages,
                                        const QStringList &pageNames, int first, int last)
{
    QString text;
    first = std::max(first, 0);
    last = std::min(last, int(pages.size()) - 1);
    for (int i = first; i <= last; ++i) {
        QString name = cleaned(pageNames.value(i)).simplified();
        if (name.isEmpty())
            name = tr("Page %1").arg(i + 1);
        text += name;
        text += QLatin1Char('\n');
        const QList<Block> blocks = readingOrder(pages.at(i));
        for (const Block &block : blocks) {
            text += QLatin1Char('\n');
            text += block.text;
            text += QLatin1Char('\n');
        }
        text += QLatin1Char('\f');
    }
    return text;
}
