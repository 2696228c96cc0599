#pragma once

#include <QByteArray>
#include <QStringList>

// Makes libemf2svg's output well-formed enough for QSvgRenderer, which
// refuses a whole picture over one fault, and collects the picture's text on
// the same pass.
class VisioSvgRepair
{
public:
    // Drops repeated attributes of an element (the first one stays),
    // escapes stray '&' and '<', removes characters XML forbids and replaces
    // invalid UTF-8. texts, when given, receives the text of each <text>
    // element, trimmed, empty ones left out.
    static QByteArray repair(const QByteArray &svg, QStringList *texts = nullptr);
};
