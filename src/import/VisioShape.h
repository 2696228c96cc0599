#pragma once

#include "VisioStyle.h"

#include <QPainterPath>
#include <QString>

struct VisioShape
{
    QString id;
    QPainterPath path; // inches, never empty once stored
    VisioStyle style;
    QString layer;
    int zIndex = 0;
};
