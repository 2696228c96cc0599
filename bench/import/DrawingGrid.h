#pragma once

#include <QList>
#include <QSizeF>

// The layout of the generated benchmark pages: shapes come in runs of four,
// three boxes and an arrow joining the last box to the next cell of its row,
// on a grid about 1.4 times as wide as it is high. Inches, y going up from
// the page's bottom edge as Visio measures it.
class DrawingGrid
{
public:
    static constexpr double BoxWidth = 0.8;
    static constexpr double BoxHeight = 0.45;

    struct Item
    {
        bool arrow = false;
        // Box: its bottom-left corner. Arrow: from (x, y) to (x2, y).
        double x = 0;
        double y = 0;
        double x2 = 0;
        int label = 0; // boxes count from 1
    };

    explicit DrawingGrid(int shapesPerPage);

    QSizeF pageSize() const { return m_pageSize; }
    const QList<Item> &items() const { return m_items; }

private:
    QSizeF m_pageSize;
    QList<Item> m_items;
};
