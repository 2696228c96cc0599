#pragma once

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QString>

// Makes libemf2svg's output well-formed enough for QSvgRenderer, which
// refuses a whole picture over one fault, and collects the picture's text on
// the same pass.
class VisioSvgRepair
{
public:
    // One <text> element, placed in the root's user units.
    struct TextRun
    {
        QString text;
        QPointF origin;  // the anchor on the baseline
        double size = 0; // font size
        double angle = 0; // degrees, clockwise
        Qt::Alignment anchor = Qt::AlignLeft;
        QString family;
    };

    // Drops repeated attributes of an element (the first one stays),
    // escapes stray '&' and '<', removes characters XML forbids and replaces
    // invalid UTF-8. texts, when given, receives each <text> element with
    // its placement, blanks simplified, empty ones left out.
    static QByteArray repair(const QByteArray &svg, QList<TextRun> *texts = nullptr);
};
