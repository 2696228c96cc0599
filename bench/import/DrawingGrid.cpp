#include "DrawingGrid.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double CellWidth = 1.25;
constexpr double CellHeight = 0.75;
constexpr double Margin = 0.5;

} // namespace

DrawingGrid::DrawingGrid(int shapesPerPage)
{
    const int boxes = shapesPerPage - shapesPerPage / 4;
    const int columns = std::max(1, int(std::ceil(std::sqrt(boxes * 1.4))));
    const int rows = (boxes + columns - 1) / columns;
    m_pageSize = QSizeF(columns * CellWidth + 2 * Margin, rows * CellHeight + 2 * Margin);

    auto cellX = [columns](int box) { return Margin + (box % columns) * CellWidth; };
    auto cellY = [columns, this](int box) {
        return m_pageSize.height() - Margin - (box / columns + 1) * CellHeight;
    };
    m_items.reserve(shapesPerPage);
    int box = 0;
    for (int s = 0; s < shapesPerPage; ++s) {
        Item item;
        if (s % 4 == 3) {
            // From the previous box to the next cell of its row.
            const double x = cellX(box - 1);
            item.arrow = true;
            item.x = x + BoxWidth;
            item.x2 = x + CellWidth;
            item.y = cellY(box - 1) + BoxHeight / 2;
        } else {
            item.x = cellX(box);
            item.y = cellY(box);
            item.label = ++box;
        }
        m_items.append(item);
    }
}
