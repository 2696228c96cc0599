#pragma once

#include "PackageParts.h"
#include "PackageRelationships.h"
#include "VisioLayer.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

// One page's layers as its file lists them, and the layers of each shape.
struct VisioPageLayers
{
    QString name;
    QList<VisioLayer> layers;
    // Every shape of the page by ID, with the indexes into layers of the
    // layers it is on; empty for none.
    QHash<quint32, QList<int>> membership;
    // Shape IDs depth first, groups before their members: libvisio's order.
    QList<quint32> order;
    QHash<quint32, quint32> parents; // the group of each member shape
    // libvisio draws a page's background pages into it, and their shape IDs
    // may repeat the page's own.
    bool hasBackground = false;
    QSet<quint32> backgroundIds;
};

// Reads what libvisio leaves out of its callbacks: layer names, their
// visible and print flags, and which shapes are on which layers. Knows the
// XML drawing and the package formats; binary drawings keep their layers in
// records it does not read.
class VisioLayerReader
{
public:
    // Pages in libvisio's order: foreground pages, then background pages.
    // Empty for anything it cannot read.
    static QList<VisioPageLayers> read(const PackageParts &parts,
                                       const PackageRelationships::DocumentParts &main);
    // From the text of an XML drawing (.vdx).
    static QList<VisioPageLayers> readXmlDrawing(const QByteArray &xml);

    // Largest number of layers kept per page and per shape.
    static constexpr int maxLayers = 1000;
};
