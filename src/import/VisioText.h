#pragma once

#include "VisioLayer.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QString>
#include <Qt>

// Characters of a text block that share one character format.
struct VisioTextRun
{
    qsizetype start = 0; // index into VisioText::text
    qsizetype length = 0;
    QFont font;
    QColor color = Qt::black;
    QColor background = Qt::transparent;
};

// Paragraph formatting; a paragraph runs from its start to the next one's.
struct VisioTextParagraph
{
    qsizetype start = 0; // index into VisioText::text
    int alignment = 0;   // horizontal flags; 0 keeps the block's alignment
    // Share of the line's largest font size (1.2 is single spacing), or an
    // absolute height in inches.
    double lineHeight = 1.2;
    bool lineHeightAbsolute = false;
    QMarginsF margins; // inches: left, top (space before), right, bottom (space after)
    double textIndent = 0.0; // inches, first line
    double tabStopDistance = 0.0; // inches between tab stops; 0 leaves the default
};

struct VisioText
{
    QString id;
    // Paragraphs and line breaks are '\n', tabs '\t'.
    QString text;
    QRectF bounds = QRectF(0, 0, 0, 0); // inches
    QFont font;                         // of the first run
    QColor color = Qt::black;           // of the first run
    int alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    double rotation = 0.0; // degrees, as libvisio gives it
    QMarginsF padding;     // inches: left, top, right, bottom
    QString layer;
    int zIndex = 0;
    VisioDisplay display = VisioDisplay::Always;
    QList<int> layerEntries; // as for shapes
    // In text order, covering it; empty means all of it in font and color.
    QList<VisioTextRun> runs;
    QList<VisioTextParagraph> paragraphs;
};
