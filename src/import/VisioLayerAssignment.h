#pragma once

#include "VisioLayer.h"
#include "VisioLayerReader.h"

#include <QList>
#include <QtGlobal>

struct VisioPage;

// Puts the items libvisio draws on the layers of the page they belong to.
//
// libvisio names the shape an item comes from only now and then: on a path,
// or on the shape grouping around a shape of several items. Items without a
// name are placed by order: libvisio draws shapes in the page's order, so an
// unnamed item comes from a shape between the named ones around it, and when
// all those shapes share their layers, so does the item. Whatever cannot be
// placed, and every placement that contradicts what libvisio says about the
// item's visibility, falls back on that visibility alone.
class VisioLayerAssignment
{
public:
    enum ItemKind { Shape, Text, Image };

    // pages in libvisio's order, from VisioLayerReader; may be empty.
    void setPages(const QList<VisioPageLayers> &pages) { m_pages = pages; }

    // A new page: takes the layers of the matching page, if any.
    void startPage(VisioPage &page);
    // The item just appended to the page's list of its kind; shapeId 0 when
    // libvisio did not say.
    void place(VisioPage &page, ItemKind kind, qsizetype index, VisioDisplay display,
               quint32 shapeId);
    void finishPage(VisioPage &page);

    // "id12" is shape 12; 0 for anything else.
    static quint32 shapeIdFrom(const QString &drawId);

private:
    struct Pending
    {
        ItemKind kind;
        qsizetype index;
        VisioDisplay display;
    };

    void resolvePending(VisioPage &page, quint32 nextShape);
    QList<int> &entriesOf(VisioPage &page, ItemKind kind, qsizetype index);
    void assign(VisioPage &page, ItemKind kind, qsizetype index, VisioDisplay display,
                const QList<int> *entries);
    bool sharedEntries(quint32 after, quint32 before, QList<int> *entries) const;

    QList<VisioPageLayers> m_pages;
    QList<bool> m_used;
    const VisioPageLayers *m_current = nullptr;
    QHash<quint32, qsizetype> m_position; // of each shape in m_current->order
    QList<Pending> m_pending;
    quint32 m_lastShape = 0;
};
