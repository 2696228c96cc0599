#pragma once

#include <QByteArray>
#include <QString>

// Writes synthetic Visio XML drawings of a chosen size for benchmarks: every
// page holds a grid of shapes, three of every four a filled, outlined and
// labelled box, the fourth an arrow-ended line to the next box.
class VdxGenerator
{
public:
    // Larger requests are cut to these; 2,000 pages is the import's own cap.
    static constexpr int MaxPages = 2000;
    static constexpr int MaxShapesPerPage = 100000;

    static QByteArray generate(int pageCount, int shapesPerPage);
    static bool writeFile(const QString &path, int pageCount, int shapesPerPage);
};
