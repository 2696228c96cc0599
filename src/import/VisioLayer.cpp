#include "VisioLayer.h"

VisioLayer::Kind VisioLayer::kindFor(VisioDisplay display)
{
    switch (display) {
    case VisioDisplay::Never:
        return HiddenContent;
    case VisioDisplay::ScreenOnly:
        return ScreenOnlyContent;
    case VisioDisplay::PrintOnly:
        return PrintOnlyContent;
    case VisioDisplay::Always:
        break;
    }
    return Named;
}

VisioLayer VisioLayer::forKind(Kind kind)
{
    VisioLayer layer;
    layer.kind = kind;
    layer.visible = kind == Named || kind == ScreenOnlyContent;
    layer.printable = kind == Named || kind == PrintOnlyContent;
    return layer;
}

VisioDisplay VisioLayer::displayOf(const QList<VisioLayer> &table, const QList<int> &entries)
{
    if (entries.isEmpty())
        return VisioDisplay::Always;
    bool visible = false;
    bool printable = false;
    for (int entry : entries) {
        if (entry < 0 || entry >= table.size())
            continue;
        visible = visible || table.at(entry).visible;
        printable = printable || table.at(entry).printable;
    }
    if (visible)
        return printable ? VisioDisplay::Always : VisioDisplay::ScreenOnly;
    return printable ? VisioDisplay::PrintOnly : VisioDisplay::Never;
}
