#pragma once

#include <QByteArray>
#include <QString>

// Writes synthetic Visio XML drawings of a chosen size for benchmarks: every
// page holds a grid of shapes, three of every four a filled, outlined and
// labelled box, the fourth an arrow-ended line to the next box.
class VdxGenerator
{
public:
    static QByteArray generate(int pageCount, int shapesPerPage);
    static bool writeFile(const QString &path, int pageCount, int shapesPerPage);
};
