#pragma once

#include "VisioLayer.h"
#include "VisioStyle.h"

#include <QList>

#include <QPainterPath>
#include <QString>

struct VisioShape
{
    QString id;
    QPainterPath path; // inches, never empty once stored
    VisioStyle style;
    QString layer;
    int zIndex = 0;
    VisioDisplay display = VisioDisplay::Always;
    // Entries of the page's layerTable the shape is on; empty for none.
    QList<int> layerEntries;
};
