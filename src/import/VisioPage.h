#pragma once

#include "VisioImage.h"
#include "VisioLayer.h"
#include "VisioShape.h"
#include "VisioText.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

struct VisioPage
{
    QString name;
    QSizeF pageSize = QSizeF(-1, -1); // inches
    QList<VisioShape> shapes;
    QList<VisioText> texts;
    QList<VisioImage> images;
    QStringList layers;
    // The layers a user can show and hide, which items' layerEntries index.
    // libvisio's own layers above are shape groupings without names.
    QList<VisioLayer> layerTable;

    // Union of every item's extent in inches; null for a page without items.
    QRectF contentBounds() const;
};
