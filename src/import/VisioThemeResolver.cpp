#include "VisioThemeResolver.h"

#include "ImportLimits.h"
#include "VisioTheme.h"
#include "VisioThemeFormula.h"

#include <QDir>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <deque>
#include <optional>
#include <vector>

namespace {

struct Cell
{
    QString v;
    QString f;
};

using CellMap = QHash<QString, Cell>;

// The cells of one style sheet, master shape or page shape that matter here.
struct Sheet
{
    CellMap cells;
    QMap<int, CellMap> charRows; // Character section rows by IX
    QMap<int, CellMap> gradientRows; // FillGradient section rows by IX; empty map for a deleted row
    bool hasCharSection = false;
    int styles[3] = {-1, -1, -1}; // line, fill and text style sheet IDs
    int masterId = -1;
    int masterShapeId = -1;
    const Sheet *master = nullptr;
    int page = -1; // index into the page sheets for values taken from the page
};

enum Category { LineCategory = 0, FillCategory = 1, TextCategory = 2 };

// Cells written by the resolver, with the theme property THEMEVAL() means in each.
const QHash<QString, QString> &cellProperties()
{
    static const QHash<QString, QString> map = {
        {QStringLiteral("LineColor"), QStringLiteral("LineColor")},
        {QStringLiteral("LineWeight"), QStringLiteral("LineWeight")},
        {QStringLiteral("LinePattern"), QStringLiteral("LinePattern")},
        {QStringLiteral("Rounding"), QStringLiteral("LineRounding")},
        {QStringLiteral("LineCap"), QStringLiteral("LineCap")},
        {QStringLiteral("LineColorTrans"), QStringLiteral("LineTransparency")},
        {QStringLiteral("BeginArrow"), QStringLiteral("BeginArrow")},
        {QStringLiteral("EndArrow"), QStringLiteral("EndArrow")},
        {QStringLiteral("BeginArrowSize"), QStringLiteral("BeginArrowSize")},
        {QStringLiteral("EndArrowSize"), QStringLiteral("EndArrowSize")},
        {QStringLiteral("FillForegnd"), QStringLiteral("FillColor")},
        {QStringLiteral("FillBkgnd"), QStringLiteral("FillColor2")},
        {QStringLiteral("FillPattern"), QStringLiteral("FillPattern")},
        {QStringLiteral("FillForegndTrans"), QStringLiteral("FillTransparency")},
        {QStringLiteral("FillBkgndTrans"), QStringLiteral("FillTransparency")},
        {QStringLiteral("ShdwForegnd"), QStringLiteral("ShadowColor")},
        {QStringLiteral("ShdwPattern"), QStringLiteral("ShadowPattern")},
        {QStringLiteral("ShdwForegndTrans"), QStringLiteral("ShadowTransparency")},
        {QStringLiteral("ShapeShdwOffsetX"), QStringLiteral("ShadowOffsetX")},
        {QStringLiteral("ShapeShdwOffsetY"), QStringLiteral("ShadowOffsetY")},
    };
    return map;
}

const QHash<QString, QString> &charProperties()
{
    static const QHash<QString, QString> map = {
        {QStringLiteral("Color"), QStringLiteral("TextColor")},
        {QStringLiteral("Font"), QStringLiteral("LatinFont")},
    };
    return map;
}

// The cells that decide which theme values a sheet gets.
const QSet<QString> &contextCells()
{
    static const QSet<QString> set = {
        QStringLiteral("QuickStyleLineColor"),   QStringLiteral("QuickStyleFillColor"),
        QStringLiteral("QuickStyleShadowColor"), QStringLiteral("QuickStyleFontColor"),
        QStringLiteral("QuickStyleLineMatrix"),  QStringLiteral("QuickStyleFillMatrix"),
        QStringLiteral("QuickStyleEffectsMatrix"), QStringLiteral("QuickStyleFontMatrix"),
        QStringLiteral("QuickStyleType"),        QStringLiteral("QuickStyleVariation"),
        QStringLiteral("ThemeIndex"),            QStringLiteral("VariationColorIndex"),
        QStringLiteral("VariationStyleIndex"),   QStringLiteral("BeginX"),
        QStringLiteral("FillGradientEnabled"),   QStringLiteral("FillGradientDir"),
        QStringLiteral("FillGradientAngle"),
    };
    return set;
}

// libvisio applies these raw theme colours itself, without matrices; once the
// values are resolved they would only repaint them wrongly.
bool consumedByResolution(const QString &cell)
{
    return cell == QLatin1String("QuickStyleLineColor") || cell == QLatin1String("QuickStyleFillColor")
           || cell == QLatin1String("QuickStyleShadowColor");
}

Category categoryOf(const QString &cell)
{
    if (cell.startsWith(QLatin1String("Line")) || cell.startsWith(QLatin1String("QuickStyleLine"))
        || cell == QLatin1String("Rounding") || cell.contains(QLatin1String("Arrow"))
        || cell == QLatin1String("BeginX"))
        return LineCategory;
    if (cell.startsWith(QLatin1String("QuickStyleFont")))
        return TextCategory;
    return FillCategory;
}

QString attribute(const QXmlStreamReader &reader, const char *name)
{
    return reader.attributes().value(QLatin1String(name)).toString();
}

int intAttribute(const QXmlStreamReader &reader, const char *name, int fallback = -1)
{
    bool ok = false;
    const int v = reader.attributes().value(QLatin1String(name)).toInt(&ok);
    return ok ? v : fallback;
}

// Relationship ID to target part, resolved against the source part's folder.
QHash<QString, QString> readRelationships(const PackageParts &parts, const QString &source,
                                          QString *themeTarget = nullptr)
{
    QHash<QString, QString> targets;
    const int slash = source.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QString() : source.left(slash);
    const QString relsName = (folder.isEmpty() ? QString() : folder + QLatin1Char('/'))
                             + QStringLiteral("_rels/") + source.mid(slash + 1) + QStringLiteral(".rels");
    QXmlStreamReader reader(parts.value(relsName.toUtf8()));
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement
            || reader.name() != QLatin1String("Relationship"))
            continue;
        QString target = attribute(reader, "Target");
        target = target.startsWith(QLatin1Char('/'))
                     ? target.mid(1)
                     : QDir::cleanPath(folder + QLatin1Char('/') + target);
        targets.insert(attribute(reader, "Id"), target);
        if (themeTarget && attribute(reader, "Type").endsWith(QLatin1String("/theme")))
            *themeTarget = target;
    }
    return targets;
}

class Package
{
public:
    explicit Package(const PackageParts &parts) : m_parts(parts) {}

    std::deque<Sheet> sheets;
    QHash<int, const Sheet *> styles;
    std::vector<Sheet *> pageSheets;
    // Per part: its style sheets or shapes in document order.
    QHash<QString, std::vector<Sheet *>> partSheets;
    QStringList order;

    void read(const QString &documentPart)
    {
        readPart(documentPart, -1, true);

        const QHash<QString, QString> documentRels = readRelationships(m_parts, documentPart);
        QString mastersPart = QStringLiteral("visio/masters/masters.xml");
        QString pagesPart = QStringLiteral("visio/pages/pages.xml");
        for (const QString &target : documentRels) {
            if (target.endsWith(QLatin1String("/masters.xml")))
                mastersPart = target;
            else if (target.endsWith(QLatin1String("/pages.xml")))
                pagesPart = target;
        }
        readMasters(mastersPart);
        readPages(pagesPart);
        for (Sheet &s : sheets) {
            if (s.masterId < 0)
                continue;
            const auto master = m_masterShapes.constFind(s.masterId);
            if (master == m_masterShapes.constEnd())
                continue;
            s.master = s.masterShapeId >= 0 ? master->value(s.masterShapeId) : m_masterTops.value(s.masterId);
        }
    }

private:
    const PackageParts &m_parts;
    QHash<int, QHash<int, const Sheet *>> m_masterShapes;
    QHash<int, const Sheet *> m_masterTops;

    void readMasters(const QString &mastersPart)
    {
        const QHash<QString, QString> rels = readRelationships(m_parts, mastersPart);
        QXmlStreamReader reader(m_parts.value(mastersPart.toUtf8()));
        int masterId = -1;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (reader.name() == QLatin1String("Master")) {
                masterId = intAttribute(reader, "ID");
            } else if (reader.name() == QLatin1String("Rel") && masterId >= 0) {
                const QString part = rels.value(attribute(reader, "r:id"));
                if (!part.isEmpty() && m_parts.contains(part.toUtf8()) && !partSheets.contains(part)) {
                    readPart(part, masterId, false);
                    order.append(part);
                }
                masterId = -1;
            }
        }
    }

    void readPages(const QString &pagesPart)
    {
        const QHash<QString, QString> rels = readRelationships(m_parts, pagesPart);
        QXmlStreamReader reader(m_parts.value(pagesPart.toUtf8()));
        Sheet *pageSheet = nullptr;
        int depth = 0, sheetDepth = -1;
        while (!reader.atEnd()) {
            const auto token = reader.readNext();
            if (token == QXmlStreamReader::EndElement) {
                if (depth-- == sheetDepth)
                    sheetDepth = -1;
                continue;
            }
            if (token != QXmlStreamReader::StartElement)
                continue;
            ++depth;
            if (reader.name() == QLatin1String("Page")) {
                sheets.emplace_back();
                pageSheet = &sheets.back();
            } else if (reader.name() == QLatin1String("PageSheet") && pageSheet) {
                sheetDepth = depth;
                pageSheet->styles[LineCategory] = intAttribute(reader, "LineStyle");
                pageSheet->styles[FillCategory] = intAttribute(reader, "FillStyle");
                pageSheet->styles[TextCategory] = intAttribute(reader, "TextStyle");
            } else if (reader.name() == QLatin1String("Cell") && pageSheet && depth == sheetDepth + 1) {
                const QString name = attribute(reader, "N");
                if (contextCells().contains(name))
                    pageSheet->cells.insert(name, {attribute(reader, "V"), attribute(reader, "F")});
            } else if (reader.name() == QLatin1String("Rel") && pageSheet) {
                const QString part = rels.value(attribute(reader, "r:id"));
                const int index = int(pageSheets.size());
                pageSheets.push_back(pageSheet);
                pageSheet->page = index;
                if (!part.isEmpty() && m_parts.contains(part.toUtf8()) && !partSheets.contains(part)) {
                    readPart(part, -1, false, index);
                    order.append(part);
                }
                pageSheet = nullptr;
            }
        }
    }

    // One document, master or page part: every StyleSheet or Shape, in order.
    void readPart(const QString &part, int ownMaster, bool styleSheets, int page = -1)
    {
        std::vector<Sheet *> &list = partSheets[part];
        QXmlStreamReader reader(m_parts.value(part.toUtf8()));
        reader.setNamespaceProcessing(false);
        struct Open
        {
            Sheet *sheet;
            int depth;
            int contextMaster;
        };
        std::vector<Open> open;
        int depth = 0;
        int charSectionDepth = -1, gradientSectionDepth = -1, rowDepth = -1, rowIx = 0;
        bool gradientRow = false;
        const QString sheetElement = styleSheets ? QStringLiteral("StyleSheet") : QStringLiteral("Shape");
        while (!reader.atEnd()) {
            const auto token = reader.readNext();
            if (token == QXmlStreamReader::EndElement) {
                if (!open.empty() && open.back().depth == depth)
                    open.pop_back();
                if (depth == rowDepth)
                    rowDepth = -1;
                if (depth == charSectionDepth)
                    charSectionDepth = -1;
                if (depth == gradientSectionDepth)
                    gradientSectionDepth = -1;
                --depth;
                continue;
            }
            if (token != QXmlStreamReader::StartElement)
                continue;
            ++depth;
            const auto name = reader.name();
            if (name == sheetElement) {
                sheets.emplace_back();
                Sheet *sheet = &sheets.back();
                sheet->styles[LineCategory] = intAttribute(reader, "LineStyle");
                sheet->styles[FillCategory] = intAttribute(reader, "FillStyle");
                sheet->styles[TextCategory] = intAttribute(reader, "TextStyle");
                sheet->page = page;
                const int id = intAttribute(reader, "ID");
                int contextMaster = open.empty() ? -1 : open.back().contextMaster;
                if (ownMaster >= 0) {
                    m_masterShapes[ownMaster].insert(id, sheet);
                    if (open.empty() && !m_masterTops.contains(ownMaster))
                        m_masterTops.insert(ownMaster, sheet);
                } else if (styleSheets) {
                    styles.insert(id, sheet);
                } else {
                    const int master = intAttribute(reader, "Master");
                    if (master >= 0)
                        contextMaster = master;
                    sheet->masterId = contextMaster;
                    sheet->masterShapeId = intAttribute(reader, "MasterShape");
                    // A shape in a group of a master's instance that names no
                    // master shape of its own inherits nothing from the master.
                    if (master < 0 && sheet->masterShapeId < 0)
                        sheet->masterId = -1;
                }
                open.push_back({sheet, depth, contextMaster});
                list.push_back(sheet);
                continue;
            }
            if (open.empty())
                continue;
            Sheet *sheet = open.back().sheet;
            const int sheetDepth = open.back().depth;
            if (name == QLatin1String("Cell")) {
                const QString cell = attribute(reader, "N");
                if (depth == sheetDepth + 1) {
                    if (cellProperties().contains(cell) || contextCells().contains(cell))
                        sheet->cells.insert(cell, {attribute(reader, "V"), attribute(reader, "F")});
                } else if (depth == rowDepth + 1 && !gradientRow && charProperties().contains(cell)) {
                    sheet->charRows[rowIx].insert(cell, {attribute(reader, "V"), attribute(reader, "F")});
                } else if (depth == rowDepth + 1 && gradientRow) {
                    sheet->gradientRows[rowIx].insert(cell, {attribute(reader, "V"), attribute(reader, "F")});
                }
            } else if (name == QLatin1String("Section") && depth == sheetDepth + 1
                       && attribute(reader, "N") == QLatin1String("Character")) {
                charSectionDepth = depth;
                sheet->hasCharSection = true;
            } else if (name == QLatin1String("Section") && depth == sheetDepth + 1
                       && attribute(reader, "N") == QLatin1String("FillGradient")) {
                gradientSectionDepth = depth;
            } else if (name == QLatin1String("Row") && depth == charSectionDepth + 1) {
                rowDepth = depth;
                gradientRow = false;
                rowIx = intAttribute(reader, "IX", 0);
                sheet->charRows[rowIx];
            } else if (name == QLatin1String("Row") && depth == gradientSectionDepth + 1) {
                rowDepth = depth;
                gradientRow = true;
                rowIx = intAttribute(reader, "IX", 0);
                CellMap &row = sheet->gradientRows[rowIx];
                if (attribute(reader, "Del") == QLatin1String("1"))
                    row.insert(QStringLiteral("Del"), {QStringLiteral("1"), QString()});
            }
        }
    }
};

// Looks cells up along a sheet's inheritance: itself, its master shapes, then
// its style sheets.
class Inheritance
{
public:
    explicit Inheritance(const Package &package) : m_package(package) {}

    enum Source { Own, Master, Style };

    // The cell and where it comes from.
    const Cell *cell(const Sheet *sheet, const QString &name, Source *source = nullptr) const
    {
        const Category category = categoryOf(name);
        int style = -1;
        int depth = 0;
        for (const Sheet *s = sheet; s && depth < ImportLimits::maxInheritanceDepth; s = s->master, ++depth) {
            const auto it = s->cells.constFind(name);
            if (it != s->cells.constEnd()) {
                if (source)
                    *source = s == sheet ? Own : Master;
                return &*it;
            }
            if (style < 0)
                style = s->styles[category];
        }
        if (source)
            *source = Style;
        for (int steps = 0; style >= 0 && steps < ImportLimits::maxInheritanceDepth; ++steps) {
            const Sheet *s = m_package.styles.value(style);
            if (!s || s == sheet)
                break;
            const auto it = s->cells.constFind(name);
            if (it != s->cells.constEnd())
                return &*it;
            style = s->styles[category];
        }
        return nullptr;
    }

    const Cell *charCell(const Sheet *sheet, int row, const QString &name, Source *source) const
    {
        int style = -1;
        int depth = 0;
        for (const Sheet *s = sheet; s && depth < ImportLimits::maxInheritanceDepth; s = s->master, ++depth) {
            const auto rowIt = s->charRows.constFind(row);
            if (rowIt != s->charRows.constEnd()) {
                const auto it = rowIt->constFind(name);
                if (it != rowIt->constEnd()) {
                    *source = s == sheet ? Own : Master;
                    return &*it;
                }
            }
            if (style < 0)
                style = s->styles[TextCategory];
        }
        *source = Style;
        for (int steps = 0; style >= 0 && steps < ImportLimits::maxInheritanceDepth; ++steps) {
            const Sheet *s = m_package.styles.value(style);
            if (!s || s == sheet)
                break;
            const auto rowIt = s->charRows.constFind(0);
            if (rowIt != s->charRows.constEnd()) {
                const auto it = rowIt->constFind(name);
                if (it != rowIt->constEnd())
                    return &*it;
            }
            style = s->styles[TextCategory];
        }
        return nullptr;
    }

    int number(const Sheet *sheet, const QString &name, int fallback) const
    {
        const Cell *c = cell(sheet, name);
        bool ok = false;
        const double v = c ? c->v.toDouble(&ok) : 0;
        return ok && std::isfinite(v) && std::abs(v) < 1e6 ? int(v) : fallback;
    }

    // 65534 in a sheet's theme cells stands for the page's value.
    int pageAware(const Sheet *sheet, const QString &name, int fallback) const
    {
        const int v = number(sheet, name, fallback);
        if (v != 65534)
            return v;
        const int page = sheet->page >= 0 ? sheet->page : 0;
        if (page >= int(m_package.pageSheets.size()))
            return fallback;
        const int fromPage = number(m_package.pageSheets[size_t(page)], name, fallback);
        return fromPage == 65534 ? fallback : fromPage;
    }

private:
    const Package &m_package;
};

struct Edits
{
    QHash<QString, QString> cells;
    QMap<int, QHash<QString, QString>> charRows;
    bool empty() const { return cells.isEmpty() && charRows.isEmpty(); }
};

VisioThemeFormula::Context contextFor(const Sheet *sheet, const Inheritance &inheritance)
{
    VisioThemeFormula::Context context;
    context.themed = inheritance.pageAware(sheet, QStringLiteral("ThemeIndex"), 0) != 0;
    context.variationColour = inheritance.pageAware(sheet, QStringLiteral("VariationColorIndex"), 0);
    context.variationStyle = inheritance.pageAware(sheet, QStringLiteral("VariationStyleIndex"), 0);
    context.lineColour = inheritance.number(sheet, QStringLiteral("QuickStyleLineColor"), -1);
    context.fillColour = inheritance.number(sheet, QStringLiteral("QuickStyleFillColor"), -1);
    context.shadowColour = inheritance.number(sheet, QStringLiteral("QuickStyleShadowColor"), -1);
    context.fontColour = inheritance.number(sheet, QStringLiteral("QuickStyleFontColor"), -1);
    context.lineMatrix = inheritance.number(sheet, QStringLiteral("QuickStyleLineMatrix"), 0);
    context.fillMatrix = inheritance.number(sheet, QStringLiteral("QuickStyleFillMatrix"), 0);
    context.effectsMatrix = inheritance.number(sheet, QStringLiteral("QuickStyleEffectsMatrix"), 0);
    context.fontMatrix = inheritance.number(sheet, QStringLiteral("QuickStyleFontMatrix"), 0);
    context.variationFlags = inheritance.number(sheet, QStringLiteral("QuickStyleVariation"), 0);
    const int type = inheritance.number(sheet, QStringLiteral("QuickStyleType"), 0);
    // 1 and 2 ask for one- and two-dimensional shape styles, 3 for a connector's.
    context.connector = type == 3 || (type == 0 && inheritance.cell(sheet, QStringLiteral("BeginX")));
    return context;
}

// Whether a cell's value must be worked out for the sheet at hand. The
// sheet's own value stands as Visio saved it unless it says 'Themed'; an
// inherited theme formula counts again for each sheet, in its own context.
bool needsResolving(const Cell &cell, Inheritance::Source source)
{
    if (cell.v == QLatin1String("Themed"))
        return true;
    return source != Inheritance::Own && cell.f.contains(QLatin1String("THEMEVAL"), Qt::CaseInsensitive);
}

QString formulaOf(const Cell &cell)
{
    if (cell.f.isEmpty() || cell.f == QLatin1String("Inh"))
        return QStringLiteral("THEMEVAL()");
    return cell.f;
}

QColor concreteColour(const Cell &cell)
{
    if (!cell.v.startsWith(QLatin1Char('#')) || cell.v.size() != 7)
        return QColor();
    return QColor(cell.v);
}

// libvisio reads no FillGradient section, only the old gradient patterns
// between FillForegnd and FillBkgnd: give those the first and last stops, and
// a shape Visio fills with a gradient the pattern closest to it.
void gradientColours(const Sheet *sheet, const Inheritance &inheritance, Edits &edits)
{
    const Cell *enabled = inheritance.cell(sheet, QStringLiteral("FillGradientEnabled"));
    if (!enabled || (enabled->v != QLatin1String("1") && enabled->v.compare(QLatin1String("TRUE"), Qt::CaseInsensitive)))
        return;
    bool ok = false;
    int pattern = edits.cells.value(QStringLiteral("FillPattern")).toInt(&ok);
    if (!ok) {
        const Cell *cell = inheritance.cell(sheet, QStringLiteral("FillPattern"));
        pattern = cell ? cell->v.toInt(&ok) : 1;
        ok = ok || !cell;
    }
    if (!ok || (pattern != 1 && (pattern < 25 || pattern > 40)))
        return;
    // Rows by IX: a sheet's own cells over its master's; Del removes a row.
    QMap<int, CellMap> rows;
    std::vector<const Sheet *> chain;
    for (const Sheet *s = sheet; s && int(chain.size()) < ImportLimits::maxInheritanceDepth; s = s->master)
        chain.push_back(s);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        for (auto row = (*it)->gradientRows.constBegin(); row != (*it)->gradientRows.constEnd(); ++row) {
            if (row->contains(QStringLiteral("Del"))) {
                rows.remove(row.key());
                continue;
            }
            CellMap &target = rows[row.key()];
            for (auto cell = row->constBegin(); cell != row->constEnd(); ++cell)
                target.insert(cell.key(), cell.value());
        }
    }
    QList<QPair<double, QColor>> stops;
    double previous = 0;
    for (const CellMap &row : rows) {
        const QColor c = concreteColour(row.value(QStringLiteral("GradientStopColor")));
        if (!c.isValid())
            return;
        bool positionOk = false;
        const double position = row.value(QStringLiteral("GradientStopPosition")).v.toDouble(&positionOk);
        previous = positionOk && std::isfinite(position) ? position : previous;
        stops.append({previous, c});
    }
    if (stops.size() < 2)
        return;
    std::stable_sort(stops.begin(), stops.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    if (pattern == 1) {
        bool dirOk = false;
        const Cell *dir = inheritance.cell(sheet, QStringLiteral("FillGradientDir"));
        const int direction = dir ? dir->v.toInt(&dirOk) : 0;
        if (dirOk && direction != 0) {
            pattern = 40; // the radial ones, centred
        } else {
            const Cell *angleCell = inheritance.cell(sheet, QStringLiteral("FillGradientAngle"));
            bool angleOk = false;
            const double radians = angleCell ? angleCell->v.toDouble(&angleOk) : 0;
            const double degrees = angleOk && std::isfinite(radians) ? radians * 180.0 / M_PI : 0;
            // Visio measures from the x axis, counter-clockwise; libvisio's
            // patterns run top to bottom at 0 and turn the same way.
            static const int byEighths[] = {30, 34, 27, 32, 28, 31, 25, 33};
            const long eighth = std::lround((degrees + 90.0) / 45.0);
            pattern = byEighths[((eighth % 8) + 8) % 8];
        }
        edits.cells.insert(QStringLiteral("FillPattern"), QString::number(pattern));
    }
    // Linear patterns run from FillBkgnd to FillForegnd; axial, radial and
    // rectangular ones put FillForegnd where the gradient begins.
    const bool fromForeground = pattern == 26 || pattern == 29 || pattern >= 35;
    edits.cells.insert(QStringLiteral("FillForegnd"), (fromForeground ? stops.first() : stops.last()).second.name());
    edits.cells.insert(QStringLiteral("FillBkgnd"), (fromForeground ? stops.last() : stops.first()).second.name());
}

Edits editsFor(const Sheet *sheet, const Inheritance &inheritance, const VisioTheme &theme)
{
    Edits edits;
    VisioThemeFormula::Context context = contextFor(sheet, inheritance);
    context.themed = context.themed && theme.isValid();
    if (!context.themed) {
        gradientColours(sheet, inheritance, edits);
        return edits;
    }
    const VisioThemeFormula formula(theme, context);
    for (auto it = cellProperties().constBegin(); it != cellProperties().constEnd(); ++it) {
        Inheritance::Source source = Inheritance::Own;
        const Cell *cell = inheritance.cell(sheet, it.key(), &source);
        if (!cell || !needsResolving(*cell, source))
            continue;
        const std::optional<QString> value = formula.evaluate(formulaOf(*cell), it.value());
        if (value)
            edits.cells.insert(it.key(), *value);
    }
    // Rows of the sheet's own, else the master's, else the style's first.
    QList<int> rows;
    for (const Sheet *s = sheet; s && rows.isEmpty(); s = s->master)
        rows = s->charRows.keys();
    if (rows.isEmpty())
        rows.append(0);
    for (int row : rows) {
        for (auto it = charProperties().constBegin(); it != charProperties().constEnd(); ++it) {
            Inheritance::Source source = Inheritance::Own;
            const Cell *cell = inheritance.charCell(sheet, row, it.key(), &source);
            if (!cell || !needsResolving(*cell, source))
                continue;
            const std::optional<QString> value = formula.evaluate(formulaOf(*cell), it.value());
            if (value)
                edits.charRows[row].insert(it.key(), *value);
        }
    }
    gradientColours(sheet, inheritance, edits);
    return edits;
}

void writeCell(QXmlStreamWriter &writer, const QString &name, const QString &value)
{
    writer.writeEmptyElement(QStringLiteral("Cell"));
    writer.writeAttribute(QStringLiteral("N"), name);
    writer.writeAttribute(QStringLiteral("V"), value);
}

void writeRowCells(QXmlStreamWriter &writer, QHash<QString, QString> &cells)
{
    for (auto it = cells.constBegin(); it != cells.constEnd(); ++it)
        writeCell(writer, it.key(), it.value());
    cells.clear();
}

// Copies a part, replacing and adding the cells of each sheet's edits and
// dropping the quick-style colours libvisio would misapply.
QByteArray rewritePart(const QByteArray &source, const std::vector<Sheet *> &sheets,
                       const QHash<const Sheet *, Edits> &edits, bool styleSheets, bool dropQuickStyle)
{
    QByteArray out;
    out.reserve(source.size() + source.size() / 4);
    QXmlStreamReader reader(source);
    reader.setNamespaceProcessing(false);
    QXmlStreamWriter writer(&out);
    const QString sheetElement = styleSheets ? QStringLiteral("StyleSheet") : QStringLiteral("Shape");

    struct Open
    {
        Edits edits;
        int depth;
        bool flushed;
        bool hasCharSection;
    };
    std::vector<Open> open;
    size_t next = 0;
    int depth = 0;
    int charSectionDepth = -1, rowDepth = -1;
    QHash<QString, QString> *row = nullptr;

    const auto flush = [&writer](Open &o) {
        if (o.flushed)
            return;
        o.flushed = true;
        writeRowCells(writer, o.edits.cells);
        if (!o.hasCharSection && !o.edits.charRows.isEmpty()) {
            writer.writeStartElement(QStringLiteral("Section"));
            writer.writeAttribute(QStringLiteral("N"), QStringLiteral("Character"));
            for (auto it = o.edits.charRows.begin(); it != o.edits.charRows.end(); ++it) {
                writer.writeStartElement(QStringLiteral("Row"));
                writer.writeAttribute(QStringLiteral("IX"), QString::number(it.key()));
                writeRowCells(writer, it.value());
                writer.writeEndElement();
            }
            writer.writeEndElement();
            o.edits.charRows.clear();
        }
    };

    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::Invalid)
            break;
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            const auto name = reader.name();
            Open *top = open.empty() ? nullptr : &open.back();
            const bool inSheet = top && depth == top->depth + 1;
            if (inSheet && name != QLatin1String("Cell"))
                flush(*top);
            if (name == sheetElement) {
                const Sheet *sheet = next < sheets.size() ? sheets[next] : nullptr;
                ++next;
                open.push_back({edits.value(sheet), depth, false, sheet && sheet->hasCharSection});
                writer.writeCurrentToken(reader);
                continue;
            }
            if (name == QLatin1String("Cell") && (inSheet || (row && depth == rowDepth + 1))) {
                const QString cell = attribute(reader, "N");
                QHash<QString, QString> &pending = inSheet ? top->edits.cells : *row;
                const auto it = pending.find(cell);
                if (it != pending.end() || (inSheet && dropQuickStyle && consumedByResolution(cell))) {
                    if (it != pending.end()) {
                        writeCell(writer, cell, *it);
                        pending.erase(it);
                    }
                    reader.skipCurrentElement();
                    --depth;
                    continue;
                }
            } else if (inSheet && name == QLatin1String("Section")
                       && attribute(reader, "N") == QLatin1String("Character")) {
                charSectionDepth = depth;
            } else if (top && name == QLatin1String("Row") && depth == charSectionDepth + 1) {
                rowDepth = depth;
                row = &top->edits.charRows[intAttribute(reader, "IX", 0)];
            }
            writer.writeCurrentToken(reader);
        } else if (token == QXmlStreamReader::EndElement) {
            if (!open.empty()) {
                Open &top = open.back();
                if (row && depth == rowDepth) {
                    writeRowCells(writer, *row);
                    row = nullptr;
                    rowDepth = -1;
                } else if (depth == charSectionDepth) {
                    for (auto it = top.edits.charRows.begin(); it != top.edits.charRows.end(); ++it) {
                        if (it.value().isEmpty())
                            continue;
                        writer.writeStartElement(QStringLiteral("Row"));
                        writer.writeAttribute(QStringLiteral("IX"), QString::number(it.key()));
                        writeRowCells(writer, it.value());
                        writer.writeEndElement();
                    }
                    top.edits.charRows.clear();
                    charSectionDepth = -1;
                } else if (depth == top.depth) {
                    flush(top);
                    open.pop_back();
                }
            }
            --depth;
            writer.writeCurrentToken(reader);
        } else {
            writer.writeCurrentToken(reader);
        }
        if (out.size() > ImportLimits::maxResolvedPartBytes)
            return QByteArray();
    }
    if (reader.hasError())
        return QByteArray();
    return out;
}

} // namespace

PackageParts VisioThemeResolver::resolve(const PackageParts &parts, QStringList *warnings)
{
    const auto warn = [warnings](const QString &line) {
        if (warnings)
            warnings->append(line);
    };
    const QString documentPart = QStringLiteral("visio/document.xml");
    if (!parts.contains(documentPart.toUtf8()))
        return parts;
    QString themePart;
    readRelationships(parts, documentPart, &themePart);

    // Without a theme libvisio's defaults are Visio's too; only gradients may
    // still need their colours.
    VisioTheme theme;
    if (!themePart.isEmpty()) {
        QString why;
        if (!parts.contains(themePart.toUtf8()))
            warn(QStringLiteral("theme part %1 is missing; themed formatting keeps its defaults").arg(themePart));
        else if (!theme.parse(parts.value(themePart.toUtf8()), &why))
            warn(QStringLiteral("theme part %1 cannot be used (%2); themed formatting keeps its defaults")
                     .arg(themePart, why));
        else if (theme.wasTruncated())
            warn(QStringLiteral("theme part %1 has more entries than are read; the rest are ignored").arg(themePart));
    }
    if (!theme.isValid()) {
        bool gradients = false;
        for (const QByteArray &name : parts.names())
            gradients = gradients || (name.endsWith(".xml") && parts.value(name).contains("FillGradientEnabled"));
        if (!gradients)
            return parts;
    }

    Package package(parts);
    package.read(documentPart);
    const Inheritance inheritance(package);

    PackageParts result = parts;
    QStringList partOrder = package.order;
    partOrder.prepend(documentPart);
    for (const QString &part : partOrder) {
        const std::vector<Sheet *> &sheets = package.partSheets.value(part);
        QHash<const Sheet *, Edits> edits;
        for (const Sheet *sheet : sheets) {
            Edits e = editsFor(sheet, inheritance, theme);
            if (!e.empty())
                edits.insert(sheet, std::move(e));
        }
        const QByteArray source = parts.value(part.toUtf8());
        const bool dropQuickStyle = theme.isValid() && source.contains("QuickStyle");
        if (edits.isEmpty() && !dropQuickStyle)
            continue;
        const QByteArray rewritten = rewritePart(source, sheets, edits, part == documentPart, dropQuickStyle);
        if (rewritten.isEmpty()) {
            warn(QStringLiteral("part %1 could not be rewritten for its theme; it keeps its defaults").arg(part));
            continue;
        }
        result.insert(part.toUtf8(), rewritten);
    }
    return result;
}
