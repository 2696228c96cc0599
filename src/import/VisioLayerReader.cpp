#include "VisioLayerReader.h"

#include "ImportLimits.h"
#include "PackageRelationships.h"
#include "XmlTagScanner.h"

#include <QMap>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

struct ShapeEntry
{
    quint32 id = 0;
    quint32 parent = 0;
    quint32 master = 0;
    quint32 masterShape = 0;
    bool hasMember = false;
    QList<int> member; // layer row numbers (IX)
};

// A page or a master: its layer rows by IX and its shapes depth first.
struct Sheet
{
    quint32 id = 0;
    QString name;
    bool background = false;
    bool hasBackPage = false;
    quint32 backPage = 0;
    QString relId; // packages: the part holding the shapes
    QMap<int, VisioLayer> rows;
    QList<ShapeEntry> shapes;
};

quint32 toId(QStringView text, bool *ok = nullptr)
{
    bool valid = false;
    const uint value = text.trimmed().toUInt(&valid);
    if (ok)
        *ok = valid;
    return valid ? value : 0;
}

bool toFlag(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    bool ok = false;
    const double value = t.toDouble(&ok);
    return ok && value != 0.0;
}

// "0;2" lists layer rows.
QList<int> toMember(QStringView text)
{
    QList<int> rows;
    for (QStringView part : text.split(u';')) {
        bool ok = false;
        const int row = part.trimmed().toInt(&ok);
        if (ok && row >= 0 && !rows.contains(row) && rows.size() < VisioLayerReader::maxLayers)
            rows.append(row);
    }
    return rows;
}

QString sheetName(const QXmlStreamAttributes &attributes)
{
    const QStringView name = attributes.value(QLatin1String("Name"));
    return (name.isEmpty() ? attributes.value(QLatin1String("NameU")) : name).toString();
}

void readSheetAttributes(const QXmlStreamAttributes &attributes, Sheet *sheet)
{
    sheet->id = toId(attributes.value(QLatin1String("ID")));
    sheet->name = sheetName(attributes);
    sheet->background = toFlag(attributes.value(QLatin1String("Background")));
    if (attributes.hasAttribute(QLatin1String("BackPage")))
        sheet->backPage = toId(attributes.value(QLatin1String("BackPage")), &sheet->hasBackPage);
}

ShapeEntry shapeFromAttributes(const QXmlStreamAttributes &attributes, quint32 parent)
{
    ShapeEntry shape;
    shape.id = toId(attributes.value(QLatin1String("ID")));
    shape.parent = parent;
    shape.master = toId(attributes.value(QLatin1String("Master")));
    shape.masterShape = toId(attributes.value(QLatin1String("MasterShape")));
    return shape;
}

void addRow(Sheet *sheet, int ix, const VisioLayer &layer)
{
    if (ix >= 0 && sheet->rows.size() < VisioLayerReader::maxLayers)
        sheet->rows.insert(ix, layer);
}

// ---- packages (.vsdx and its kin): cells named by N, values in V -----------

// The Layer section of a page sheet; the reader stands on its start.
void readLayerSection(QXmlStreamReader &xml, Sheet *sheet)
{
    while (xml.readNextStartElement()) {
        if (xml.name() != u"Row") {
            xml.skipCurrentElement();
            continue;
        }
        bool ok = false;
        const int ix = xml.attributes().value(QLatin1String("IX")).toInt(&ok);
        const bool deleted = toFlag(xml.attributes().value(QLatin1String("Del")));
        VisioLayer layer;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"Cell") {
                const QStringView cell = xml.attributes().value(QLatin1String("N"));
                const QStringView value = xml.attributes().value(QLatin1String("V"));
                if (cell == u"Name")
                    layer.name = value.toString();
                else if (cell == u"Visible")
                    layer.visible = toFlag(value);
                else if (cell == u"Print")
                    layer.printable = toFlag(value);
            }
            xml.skipCurrentElement();
        }
        if (ok && !deleted)
            addRow(sheet, ix, layer);
    }
}

// pages.xml or masters.xml: one sheet per Page or Master element.
QList<Sheet> readSheetList(const QByteArray &data, QStringView sheetElement)
{
    QList<Sheet> sheets;
    QXmlStreamReader xml(data);
    while (!xml.atEnd() && sheets.size() <= ImportLimits::maxPages) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != sheetElement)
            continue;
        Sheet sheet;
        readSheetAttributes(xml.attributes(), &sheet);
        while (xml.readNextStartElement()) {
            if (xml.name() == u"PageSheet") {
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"Section" && xml.attributes().value(QLatin1String("N")) == u"Layer")
                        readLayerSection(xml, &sheet);
                    else
                        xml.skipCurrentElement();
                }
            } else if (xml.name() == u"Rel") {
                for (const QXmlStreamAttribute &attribute : xml.attributes()) {
                    if (attribute.name() == u"id")
                        sheet.relId = attribute.value().toString();
                }
                xml.skipCurrentElement();
            } else {
                xml.skipCurrentElement();
            }
        }
        sheets.append(sheet);
    }
    return xml.hasError() ? QList<Sheet>() : sheets;
}

quint32 idAttribute(const XmlTagScanner &tag, QByteArrayView key)
{
    return toId(QString::fromLatin1(tag.attribute(key)));
}

// A page or master part: every Shape with its LayerMember cell. Page parts
// are most of a package and hold far more than layers, so they are read tag
// by tag rather than with a full XML reader.
bool readPackageShapes(const QByteArray &data, Sheet *sheet)
{
    XmlTagScanner tag(data);
    // Per open element, the index of its shape or -1; cells count only
    // directly inside a shape, not in its sections.
    QList<qsizetype> open;
    QList<qsizetype> shapes;
    for (XmlTagScanner::Token token = tag.next();
         token != XmlTagScanner::Finished && token != XmlTagScanner::Error; token = tag.next()) {
        if (token == XmlTagScanner::EndTag) {
            if (open.isEmpty())
                return false;
            if (open.takeLast() >= 0)
                shapes.removeLast();
            continue;
        }
        const bool empty = token == XmlTagScanner::EmptyTag;
        if (XmlTagScanner::same(tag.name(), "Shape")) {
            if (sheet->shapes.size() >= ImportLimits::maxItemsPerPage)
                return true;
            ShapeEntry shape;
            shape.id = idAttribute(tag, "ID");
            shape.parent = shapes.isEmpty() ? 0 : sheet->shapes.at(shapes.last()).id;
            shape.master = idAttribute(tag, "Master");
            shape.masterShape = idAttribute(tag, "MasterShape");
            sheet->shapes.append(shape);
            if (!empty) {
                open.append(sheet->shapes.size() - 1);
                shapes.append(sheet->shapes.size() - 1);
            }
            continue;
        }
        if (XmlTagScanner::same(tag.name(), "Cell") && !open.isEmpty() && open.last() >= 0
            && XmlTagScanner::same(tag.attribute("N"), "LayerMember")) {
            ShapeEntry &shape = sheet->shapes[open.last()];
            shape.hasMember = true;
            shape.member = toMember(QString::fromLatin1(tag.attribute("V")));
        }
        if (!empty)
            open.append(-1);
    }
    return tag.token() == XmlTagScanner::Finished && open.isEmpty();
}

// The sheets' shapes from the parts their relationships name.
void readSheetParts(const PackageParts &parts, const QByteArray &listPart, QList<Sheet> *sheets,
                    const QSet<quint32> *only = nullptr)
{
    const PackageRelationships rels(parts, listPart);
    for (Sheet &sheet : *sheets) {
        const QByteArray part = rels.target(sheet.relId.toUtf8());
        if ((only && !only->contains(sheet.id)) || part.isEmpty())
            continue;
        const QByteArray data = parts.value(part);
        if (!readPackageShapes(data, &sheet))
            sheet.shapes.clear();
    }
}

// ---- XML drawings (.vdx): one element per cell -------------------------------

void readXmlShapes(QXmlStreamReader &xml, Sheet *sheet)
{
    QList<qsizetype> open;
    // Stands on <Shapes>; ends on its end.
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            if (xml.name() == u"Shape" && !open.isEmpty())
                open.removeLast();
            else if (xml.name() == u"Shapes")
                --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"Shapes") {
            ++depth;
        } else if (xml.name() == u"Shape") {
            if (sheet->shapes.size() >= ImportLimits::maxItemsPerPage) {
                xml.skipCurrentElement();
                continue;
            }
            sheet->shapes.append(shapeFromAttributes(
                xml.attributes(), open.isEmpty() ? 0 : sheet->shapes.at(open.last()).id));
            open.append(sheet->shapes.size() - 1);
        } else if (xml.name() == u"LayerMem" && !open.isEmpty()) {
            ShapeEntry &shape = sheet->shapes[open.last()];
            while (xml.readNextStartElement()) {
                if (xml.name() == u"LayerMember") {
                    shape.hasMember = true;
                    shape.member = toMember(xml.readElementText());
                } else {
                    xml.skipCurrentElement();
                }
            }
        } else if (!open.isEmpty()) {
            xml.skipCurrentElement();
        }
    }
}

void readXmlLayer(QXmlStreamReader &xml, Sheet *sheet)
{
    bool ok = false;
    const int ix = xml.attributes().value(QLatin1String("IX")).toInt(&ok);
    const bool deleted = toFlag(xml.attributes().value(QLatin1String("Del")));
    VisioLayer layer;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"Name")
            layer.name = xml.readElementText();
        else if (xml.name() == u"Visible")
            layer.visible = toFlag(xml.readElementText());
        else if (xml.name() == u"Print")
            layer.printable = toFlag(xml.readElementText());
        else
            xml.skipCurrentElement();
    }
    if (ok && !deleted)
        addRow(sheet, ix, layer);
}

void readXmlSheet(QXmlStreamReader &xml, Sheet *sheet)
{
    readSheetAttributes(xml.attributes(), sheet);
    while (xml.readNextStartElement()) {
        if (xml.name() == u"PageSheet") {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"Layer")
                    readXmlLayer(xml, sheet);
                else
                    xml.skipCurrentElement();
            }
        } else if (xml.name() == u"Shapes") {
            readXmlShapes(xml, sheet);
        } else {
            xml.skipCurrentElement();
        }
    }
}

// ---- both ----------------------------------------------------------------

// The page layer a master's layer row stands for: the one of the same name,
// as Visio adds a master's layers to the page it is dropped on.
int pageLayerForMasterRow(const Sheet &page, const Sheet &master, int masterRow,
                          const QList<int> &pageRows)
{
    if (!master.rows.contains(masterRow))
        return page.rows.contains(masterRow) ? int(pageRows.indexOf(masterRow)) : -1;
    const QString name = master.rows.value(masterRow).name;
    for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (int i = 0; i < pageRows.size(); ++i) {
            if (page.rows.value(pageRows.at(i)).name.compare(name, cs) == 0)
                return i;
        }
    }
    return -1;
}

const ShapeEntry *masterShapeFor(const Sheet &master, quint32 masterShape)
{
    for (const ShapeEntry &shape : master.shapes) {
        if (masterShape ? shape.id == masterShape : shape.parent == 0)
            return &shape;
    }
    return nullptr;
}

VisioPageLayers resolvePage(const Sheet &page, const QHash<quint32, const Sheet *> &masters,
                            const QHash<quint32, const Sheet *> &pages)
{
    VisioPageLayers result;
    result.name = page.name;
    const QList<int> rows = page.rows.keys();
    for (int row : rows)
        result.layers.append(page.rows.value(row));

    QHash<quint32, quint32> masterOf; // instance shape to its master
    result.order.reserve(page.shapes.size());
    for (const ShapeEntry &shape : page.shapes) {
        result.order.append(shape.id);
        if (shape.parent)
            result.parents.insert(shape.id, shape.parent);
        const quint32 master = shape.master ? shape.master : masterOf.value(shape.parent);
        if (master)
            masterOf.insert(shape.id, master);

        QList<int> entries;
        if (shape.hasMember) {
            for (int row : shape.member) {
                const int entry = int(rows.indexOf(row));
                if (entry >= 0)
                    entries.append(entry);
            }
        } else if (const Sheet *sheet = masters.value(master);
                   sheet && (shape.master || shape.masterShape)) {
            // Sub-shapes of an instance name their master shape; the instance
            // itself stands for the master's top shape.
            const ShapeEntry *source =
                masterShapeFor(*sheet, shape.master ? 0 : shape.masterShape);
            if (source && source->hasMember) {
                for (int row : source->member) {
                    const int entry = pageLayerForMasterRow(page, *sheet, row, rows);
                    if (entry >= 0 && !entries.contains(entry))
                        entries.append(entry);
                }
            }
        }
        result.membership.insert(shape.id, entries);
    }

    // Background pages are drawn into the page, and theirs into them.
    QSet<quint32> seen;
    const Sheet *back = page.hasBackPage ? pages.value(page.backPage) : nullptr;
    result.hasBackground = page.hasBackPage;
    while (back && !seen.contains(back->id)) {
        seen.insert(back->id);
        for (const ShapeEntry &shape : back->shapes)
            result.backgroundIds.insert(shape.id);
        back = back->hasBackPage ? pages.value(back->backPage) : nullptr;
    }
    return result;
}

QList<VisioPageLayers> resolve(const QList<Sheet> &pages, const QList<Sheet> &masters)
{
    QHash<quint32, const Sheet *> masterById;
    for (const Sheet &master : masters)
        masterById.insert(master.id, &master);
    QHash<quint32, const Sheet *> pageById;
    for (const Sheet &page : pages)
        pageById.insert(page.id, &page);

    QList<VisioPageLayers> result;
    for (bool background : {false, true}) {
        for (const Sheet &page : pages) {
            if (page.background == background)
                result.append(resolvePage(page, masterById, pageById));
        }
    }
    return result;
}

// Masters matter only where an instance on a page with layers takes its
// layers from its master.
QSet<quint32> mastersNeeded(const QList<Sheet> &pages)
{
    QSet<quint32> needed;
    // Sub-shapes name their master through the instance that holds them.
    for (const Sheet &page : pages) {
        if (page.rows.isEmpty())
            continue;
        QHash<quint32, quint32> masterOf;
        for (const ShapeEntry &shape : page.shapes) {
            const quint32 master = shape.master ? shape.master : masterOf.value(shape.parent);
            if (master)
                masterOf.insert(shape.id, master);
            if (!shape.hasMember && master && (shape.master || shape.masterShape))
                needed.insert(master);
        }
    }
    return needed;
}

} // namespace

QList<VisioPageLayers> VisioLayerReader::readXmlDrawing(const QByteArray &data)
{
    // Most drawings have no layers; they are not parsed a second time.
    if (!data.contains("<Layer"))
        return {};
    QList<Sheet> pages;
    QList<Sheet> masters;
    QXmlStreamReader xml(data);
    if (!xml.readNextStartElement() || xml.name() != u"VisioDocument")
        return {};
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const bool page = xml.name() == u"Page";
        if (!page && xml.name() != u"Master")
            continue;
        QList<Sheet> &list = page ? pages : masters;
        if (list.size() > ImportLimits::maxPages) {
            xml.skipCurrentElement();
            continue;
        }
        Sheet sheet;
        readXmlSheet(xml, &sheet);
        list.append(sheet);
    }
    if (xml.hasError())
        return {};
    bool anyLayers = false;
    for (const Sheet &sheet : std::as_const(pages))
        anyLayers = anyLayers || !sheet.rows.isEmpty();
    return anyLayers ? resolve(pages, masters) : QList<VisioPageLayers>();
}

QList<VisioPageLayers> VisioLayerReader::read(const PackageParts &parts,
                                              const PackageRelationships::DocumentParts &main)
{
    QList<Sheet> pages = readSheetList(parts.value(main.pages), u"Page");
    bool anyLayers = false;
    for (const Sheet &page : std::as_const(pages))
        anyLayers = anyLayers || !page.rows.isEmpty();
    if (!anyLayers)
        return {};
    readSheetParts(parts, main.pages, &pages);

    QList<Sheet> masters;
    const QSet<quint32> needed = mastersNeeded(pages);
    if (!needed.isEmpty()) {
        masters = readSheetList(parts.value(main.masters), u"Master");
        readSheetParts(parts, main.masters, &masters, &needed);
    }
    return resolve(pages, masters);
}
