#pragma once

#include "VisioDocumentModel.h"

#include <QCoreApplication>

// Lays out a stencil's masters like a stencil panel: each master scaled to
// fit a cell of a sheet, its name under it, as many cells per sheet as stay
// readable. The sheets are ordinary pages, so viewing, searching, printing
// and exporting need nothing of their own.
class VisioStencilGrid
{
    Q_DECLARE_TR_FUNCTIONS(VisioStencilGrid)

public:
    static constexpr double sheetWidth = 8.5; // inches
    static constexpr double sheetHeight = 11.0;
    static constexpr int columns = 4;
    static constexpr int rows = 5;
    static constexpr int cellsPerSheet = columns * rows;
    // Masters are never drawn larger than this many times their size.
    static constexpr double maxScale = 4.0;

    // masters holds one page per master, as libvisio's stencil parse gives
    // them. Without any, one sheet says that the stencil has none.
    static VisioDocumentModel arrange(VisioDocumentModel masters);
};
