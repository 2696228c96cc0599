#pragma once

#include <QList>
#include <QString>

// Where the drawing shows an item, from libvisio's "draw:display": the
// combined visible and print flags of the layers the item is on.
enum class VisioDisplay { Always, ScreenOnly, PrintOnly, Never };

// One entry of a page's layer list. Named entries are the layers the
// author defined; the others collect items whose layers could not be told
// but that the drawing keeps off the screen or off the paper.
struct VisioLayer
{
    enum Kind { Named, HiddenContent, ScreenOnlyContent, PrintOnlyContent };

    QString name; // Named only; may be empty or repeat another's
    bool visible = true;
    bool printable = true;
    Kind kind = Named;

    // The entry that collects items of this display, or Named for Always.
    static Kind kindFor(VisioDisplay display);
    static VisioLayer forKind(Kind kind);
    // What items on these entries show as: visible when any entry is, and
    // printed when any entry is.
    static VisioDisplay displayOf(const QList<VisioLayer> &table, const QList<int> &entries);
};
