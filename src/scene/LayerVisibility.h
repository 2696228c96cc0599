#pragma once

#include "VisioLayer.h"

#include <QList>
#include <QMetaType>

class QGraphicsItem;
class QGraphicsScene;

// Shows and hides the items of a page by its layers. The page group keeps
// the layer list and which layers the user shows; each item on a layer
// keeps its entries, so the view, printing and the export tools all work
// from the scene alone.
class LayerVisibility
{
public:
    enum Output {
        Screen, // the layers the user shows
        Paper   // the layers the drawing prints
    };

    struct PageLayers
    {
        QList<VisioLayer> layers;
        QList<bool> shown; // one per layer; starts as the file's visibility
    };

    // Scene building: the page's layers, and each item's place on them.
    static void setPageLayers(QGraphicsItem *page, const QList<VisioLayer> &layers);
    // Items on no layer and shown everywhere are left untagged. Sets the
    // visibility the file gives the item on screen.
    static void tagItem(QGraphicsItem *item, const QList<VisioLayer> &layers,
                        const QList<int> &entries, VisioDisplay display);

    static bool hasLayers(const QGraphicsItem *page);
    static PageLayers pageLayers(const QGraphicsItem *page);
    // Shows or hides one layer's items on screen.
    static void setShown(QGraphicsItem *page, int entry, bool shown);
    // Whether the layer's items go on paper; for leaving a layer out of an
    // export.
    static void setPrintable(QGraphicsItem *page, int entry, bool printable);
    static void apply(QGraphicsItem *page, Output output);
    // Whether an item of the page shows on the output, whatever the page is
    // switched to at the moment; items the layers don't govern answer by
    // their own visibility.
    static bool shows(const QGraphicsItem *item, const PageLayers &page, Output output);
    // A new version of the page takes over the layers the user turned on
    // the old one, where it still has them (by name); the rest start as the
    // file has them.
    static void carryOverChoices(const QGraphicsItem *from, QGraphicsItem *to);

    // Switches every page of the scene to the output while it lives, then
    // back to the screen.
    class Scope
    {
    public:
        Scope(QGraphicsScene *scene, Output output);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        QList<QGraphicsItem *> m_pages;
        Output m_output;
    };
};

Q_DECLARE_METATYPE(LayerVisibility::PageLayers)
