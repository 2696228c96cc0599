#pragma once

#include <QColor>
#include <QFont>
#include <QMarginsF>
#include <QRectF>
#include <QString>
#include <Qt>

struct VisioText
{
    QString id;
    QString text;
    QRectF bounds = QRectF(0, 0, 0, 0); // inches
    QFont font;
    QColor color = Qt::black;
    int alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    double rotation = 0.0; // degrees, as libvisio gives it
    QMarginsF padding;     // inches: left, top, right, bottom
    QString layer;
    int zIndex = 0;
};
