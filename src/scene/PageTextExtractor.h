#pragma once

#include <QCoreApplication>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class QGraphicsItemGroup;

// The words of built pages as plain text, for search indexers and text
// export. It reads the same items that PDF output paints: text boxes, and
// the words of pictures whose text we can read.
class PageTextExtractor
{
    Q_DECLARE_TR_FUNCTIONS(PageTextExtractor)

public:
    struct Block
    {
        QString text;
        QRectF bounds; // scene coordinates
    };

    // The visible text blocks of one page group, in reading order: rows from
    // top to bottom, and left to right within a row. A block joins a row when
    // it starts above the middle of the row's first block.
    static QList<Block> readingOrder(const QGraphicsItemGroup *page);

    // Pages first..last (0-based, inclusive), each headed by its name and
    // ended by a form feed, as pdftotext ends its pages. Blocks are
    // separated by blank lines.
    static QString documentText(const QList<QGraphicsItemGroup *> &pages,
                                const QStringList &pageNames, int first, int last);

    // Line ends made '\n'; other control characters, which would split pages
    // or upset a terminal, made spaces; blank edges trimmed.
    static QString cleaned(const QString &text);
};
