#include "LayerVisibility.h"

#include <QGraphicsItem>
#include <QGraphicsScene>

#include <algorithm>

namespace {

// Key 0 holds a page group's index.
constexpr int PageLayersKey = 1;
constexpr int EntriesKey = 1;
// Items whose entries were never set follow their own display setting.
constexpr int DisplayKey = 2;

bool showsOn(const VisioDisplay display, LayerVisibility::Output output)
{
    switch (display) {
    case VisioDisplay::Always:
        return true;
    case VisioDisplay::ScreenOnly:
        return output == LayerVisibility::Screen;
    case VisioDisplay::PrintOnly:
        return output == LayerVisibility::Paper;
    case VisioDisplay::Never:
        break;
    }
    return false;
}

bool itemShows(const QGraphicsItem *item, const LayerVisibility::PageLayers &page,
               LayerVisibility::Output output)
{
    const QVariant entries = item->data(EntriesKey);
    if (!entries.isValid()) {
        const QVariant display = item->data(DisplayKey);
        return !display.isValid() || showsOn(VisioDisplay(display.toInt()), output);
    }
    for (int entry : entries.value<QList<int>>()) {
        if (entry < 0 || entry >= page.layers.size())
            continue;
        if (output == LayerVisibility::Screen ? page.shown.value(entry)
                                              : page.layers.at(entry).printable)
            return true;
    }
    return false;
}

// The same layer in another version of the page: the entry of the same kind
// and name, the nth of them when the name repeats. -1 when it has none.
int sameLayer(const QList<VisioLayer> &layers, const QList<VisioLayer> &oldLayers, int oldEntry)
{
    const VisioLayer &wanted = oldLayers.at(oldEntry);
    const auto same = [&wanted](const VisioLayer &layer) {
        return layer.kind == wanted.kind && layer.name == wanted.name;
    };
    const qsizetype occurrence =
        std::count_if(oldLayers.cbegin(), oldLayers.cbegin() + oldEntry, same);
    qsizetype seen = 0;
    for (int i = 0; i < layers.size(); ++i) {
        if (same(layers.at(i)) && seen++ == occurrence)
            return i;
    }
    return -1;
}

} // namespace

void LayerVisibility::setPageLayers(QGraphicsItem *page, const QList<VisioLayer> &layers)
{
    if (!page || layers.isEmpty())
        return;
    PageLayers state;
    state.layers = layers;
    for (const VisioLayer &layer : layers)
        state.shown.append(layer.visible);
    page->setData(PageLayersKey, QVariant::fromValue(state));
}

void LayerVisibility::tagItem(QGraphicsItem *item, const QList<VisioLayer> &layers,
                              const QList<int> &entries, VisioDisplay display)
{
    if (!item)
        return;
    if (!entries.isEmpty()) {
        item->setData(EntriesKey, QVariant::fromValue(entries));
        item->setVisible(showsOn(VisioLayer::displayOf(layers, entries), Screen));
    } else if (display != VisioDisplay::Always) {
        item->setData(DisplayKey, int(display));
        item->setVisible(showsOn(display, Screen));
    }
}

bool LayerVisibility::hasLayers(const QGraphicsItem *page)
{
    return page && page->data(PageLayersKey).canConvert<PageLayers>();
}

LayerVisibility::PageLayers LayerVisibility::pageLayers(const QGraphicsItem *page)
{
    return page ? page->data(PageLayersKey).value<PageLayers>() : PageLayers();
}

void LayerVisibility::setShown(QGraphicsItem *page, int entry, bool shown)
{
    PageLayers state = pageLayers(page);
    if (entry < 0 || entry >= state.shown.size() || state.shown.at(entry) == shown)
        return;
    state.shown[entry] = shown;
    page->setData(PageLayersKey, QVariant::fromValue(state));
    apply(page, Screen);
}

void LayerVisibility::setPrintable(QGraphicsItem *page, int entry, bool printable)
{
    PageLayers state = pageLayers(page);
    if (entry < 0 || entry >= state.layers.size())
        return;
    state.layers[entry].printable = printable;
    page->setData(PageLayersKey, QVariant::fromValue(state));
}

void LayerVisibility::apply(QGraphicsItem *page, Output output)
{
    if (!page)
        return;
    const PageLayers state = pageLayers(page);
    const QList<QGraphicsItem *> items = page->childItems();
    for (QGraphicsItem *item : items) {
        if (item->data(EntriesKey).isValid() || item->data(DisplayKey).isValid())
            item->setVisible(itemShows(item, state, output));
    }
}

bool LayerVisibility::shows(const QGraphicsItem *item, const PageLayers &page, Output output)
{
    if (!item)
        return false;
    if (item->data(EntriesKey).isValid() || item->data(DisplayKey).isValid())
        return itemShows(item, page, output);
    return item->parentItem() ? item->isVisibleTo(item->parentItem()) : item->isVisible();
}

void LayerVisibility::carryOverChoices(const QGraphicsItem *from, QGraphicsItem *to)
{
    const PageLayers old = pageLayers(from);
    PageLayers state = pageLayers(to);
    bool changed = false;
    for (int i = 0; i < old.layers.size() && i < old.shown.size(); ++i) {
        // Left as the file had it: the new version's own setting holds.
        if (old.shown.at(i) == old.layers.at(i).visible)
            continue;
        const int entry = sameLayer(state.layers, old.layers, i);
        if (entry >= 0 && entry < state.shown.size() && state.shown.at(entry) != old.shown.at(i)) {
            state.shown[entry] = old.shown.at(i);
            changed = true;
        }
    }
    if (!changed)
        return;
    to->setData(PageLayersKey, QVariant::fromValue(state));
    apply(to, Screen);
}

LayerVisibility::Scope::Scope(QGraphicsScene *scene, Output output)
    : m_output(output)
{
    if (!scene)
        return;
    const QList<QGraphicsItem *> items = scene->items();
    for (QGraphicsItem *item : items) {
        if (!item->parentItem())
            m_pages.append(item);
    }
    if (m_output != Screen) {
        for (QGraphicsItem *page : std::as_const(m_pages))
            apply(page, m_output);
    }
}

LayerVisibility::Scope::~Scope()
{
    if (m_output == Screen)
        return;
    for (QGraphicsItem *page : std::as_const(m_pages))
        apply(page, Screen);
}
