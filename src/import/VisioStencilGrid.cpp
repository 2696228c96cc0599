#include "VisioStencilGrid.h"

#include <QPainterPath>
#include <QSet>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

constexpr double margin = 0.5;
constexpr double cellPadding = 0.1;
constexpr double labelHeight = 0.45;
constexpr double labelPointSize = 8.0;
const QColor frameColour(0xd5, 0xd5, 0xd5);
const QColor labelColour(0x33, 0x33, 0x33);

void scaleFont(QFont &font, double s)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(0.01, font.pointSizeF() * s));
}

QMarginsF scaled(const QMarginsF &m, double s)
{
    return QMarginsF(m.left() * s, m.top() * s, m.right() * s, m.bottom() * s);
}

// Every length of the records goes through the one transform, so the
// master looks as it does at its own size.
void placeShape(VisioShape &shape, const QTransform &t, double s)
{
    shape.path = t.map(shape.path);
    VisioStyle &style = shape.style;
    style.strokeWidth *= s;
    for (double &dash : style.dashPattern)
        dash *= s;
    style.dashOffset *= s;
    style.markerEndWidth *= s;
    style.markerStartWidth *= s;
    style.shadowOffset *= s;
    style.hatchDistance *= s;
}

void placeText(VisioText &text, const QTransform &t, double s)
{
    text.bounds = t.mapRect(text.bounds);
    scaleFont(text.font, s);
    for (VisioTextRun &run : text.runs)
        scaleFont(run.font, s);
    text.padding = scaled(text.padding, s);
    for (VisioTextParagraph &paragraph : text.paragraphs) {
        paragraph.margins = scaled(paragraph.margins, s);
        paragraph.textIndent *= s;
        paragraph.tabStopDistance *= s;
        if (paragraph.lineHeightAbsolute)
            paragraph.lineHeight *= s;
    }
}

// The master's layer entries as entries of the sheet, shared by kind.
QList<int> mergeLayers(const QList<VisioLayer> &from, QList<VisioLayer> *into)
{
    QList<int> map;
    for (const VisioLayer &layer : from) {
        int found = -1;
        for (int i = 0; i < into->size() && found < 0 && layer.kind != VisioLayer::Named; ++i) {
            if (into->at(i).kind == layer.kind)
                found = i;
        }
        if (found < 0) {
            into->append(layer);
            found = int(into->size() - 1);
        }
        map.append(found);
    }
    return map;
}

void remapEntries(QList<int> &entries, const QList<int> &map)
{
    for (int &entry : entries)
        entry = entry >= 0 && entry < map.size() ? map.at(entry) : -1;
    entries.removeAll(-1);
}

VisioText label(const QString &text, const QRectF &box, double pointSize, int alignment)
{
    VisioText record;
    record.text = text;
    record.bounds = box;
    record.font.setPointSizeF(pointSize);
    record.color = labelColour;
    record.alignment = alignment;
    return record;
}

void addMaster(VisioPage &sheet, VisioPage master, const QRectF &cell, QSet<QString> *layerNames)
{
    // The frame, as a stencil panel outlines its items.
    VisioShape frame;
    frame.path.addRoundedRect(cell.adjusted(0.05, 0.05, -0.05, -0.05), 0.06, 0.06);
    frame.style.strokeColor = frameColour;
    frame.style.strokeWidth = 0.01;
    frame.style.strokeType = VisioStyle::SolidStroke;
    frame.zIndex = -1;
    sheet.shapes.append(frame);

    const QRectF box(cell.left() + cellPadding, cell.top() + cellPadding,
                     cell.width() - 2 * cellPadding, cell.height() - 2 * cellPadding - labelHeight);
    QRectF bounds = master.contentBounds();
    if (!(bounds.width() > 0) && !(bounds.height() > 0))
        bounds = QRectF(QPointF(0, 0), master.pageSize);
    const double sx = bounds.width() > 0 ? box.width() / bounds.width() : INFINITY;
    const double sy = bounds.height() > 0 ? box.height() / bounds.height() : INFINITY;
    double s = std::min({sx, sy, VisioStencilGrid::maxScale});
    if (!std::isfinite(s) || !(s > 0))
        s = 1.0;
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-bounds.center().x(), -bounds.center().y());

    const QList<int> entryMap = mergeLayers(master.layerTable, &sheet.layerTable);
    for (const QString &name : std::as_const(master.layers)) {
        if (!layerNames->contains(name)) {
            layerNames->insert(name);
            sheet.layers.append(name);
        }
    }
    for (VisioShape &shape : master.shapes) {
        placeShape(shape, t, s);
        remapEntries(shape.layerEntries, entryMap);
        sheet.shapes.append(std::move(shape));
    }
    for (VisioText &text : master.texts) {
        placeText(text, t, s);
        remapEntries(text.layerEntries, entryMap);
        sheet.texts.append(std::move(text));
    }
    for (VisioImage &image : master.images) {
        image.rect = t.mapRect(image.rect);
        remapEntries(image.layerEntries, entryMap);
        sheet.images.append(std::move(image));
    }

    const QRectF labelBox(cell.left() + cellPadding, box.bottom() + 0.05, box.width(),
                          labelHeight - 0.05);
    sheet.texts.append(label(master.name, labelBox, labelPointSize,
                             Qt::AlignHCenter | Qt::AlignTop));
}

} // namespace

VisioDocumentModel VisioStencilGrid::arrange(VisioDocumentModel masters)
{
    VisioDocumentModel grid;
    grid.fileName = masters.fileName;
    grid.title = masters.title;
    grid.creator = masters.creator;
    grid.creationDate = masters.creationDate;

    const double cellWidth = (sheetWidth - 2 * margin) / columns;
    const double cellHeight = (sheetHeight - 2 * margin) / rows;
    const qsizetype count = masters.pages.size();
    if (count == 0) {
        VisioPage sheet;
        sheet.pageSize = QSizeF(sheetWidth, sheetHeight);
        sheet.texts.append(label(tr("This stencil has no masters."),
                                 QRectF(margin, margin, sheetWidth - 2 * margin, 1.0), 12.0,
                                 Qt::AlignHCenter | Qt::AlignTop));
        grid.pages.append(sheet);
        return grid;
    }

    for (qsizetype first = 0; first < count; first += cellsPerSheet) {
        const qsizetype last = std::min(count, first + cellsPerSheet);
        VisioPage sheet;
        sheet.name = tr("Masters %1\u2013%2").arg(first + 1).arg(last);
        sheet.pageSize = QSizeF(sheetWidth, sheetHeight);
        QSet<QString> layerNames;
        for (qsizetype i = first; i < last; ++i) {
            const int cell = int(i - first);
            const QRectF box(margin + (cell % columns) * cellWidth,
                             margin + (cell / columns) * cellHeight, cellWidth, cellHeight);
            addMaster(sheet, std::move(masters.pages[i]), box, &layerNames);
        }
        grid.pages.append(std::move(sheet));
    }
    return grid;
}
