#include "VisioThemeResolver.h"

#include "ImportLimits.h"
#include "PackageRelationships.h"
#include "VisioTheme.h"
#include "VisioThemeFormula.h"
#include "XmlTagScanner.h"

#include <QMap>
#include <QSet>
#include <QVarLengthArray>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <vector>

namespace {

// A cell's V and F as written, entities and all: views into the part's
// bytes, so that reading thousands of sheets copies no text.
struct Cell
{
    QByteArray v;
    QByteArray f;
};

bool same(QByteArrayView a, QByteArrayView b)
{
    return XmlTagScanner::same(a, b);
}

template <size_t N>
bool same(QByteArrayView a, const char (&b)[N])
{
    return XmlTagScanner::same(a, b);
}

QByteArray rawView(QByteArrayView view)
{
    return QByteArray::fromRawData(view.data(), view.size());
}

using CellMap = QHash<QString, Cell>;

// The cells a sheet keeps, by their number in keptCells(): a sheet holds a
// few dozen of them and is looked up hundreds of times, mostly for cells it
// lacks, which the mask answers at once.
class SheetCells
{
public:
    const Cell *find(int index) const
    {
        if (index < 0 || !(m_present >> index & 1))
            return nullptr;
        for (const auto &entry : m_cells) {
            if (entry.first == index)
                return &entry.second;
        }
        return nullptr;
    }
    void insert(int index, const Cell &cell)
    {
        if (index < 0 || index >= 64)
            return;
        if (m_present >> index & 1) {
            for (auto &entry : m_cells) {
                if (entry.first == index)
                    entry.second = cell;
            }
            return;
        }
        m_present |= quint64(1) << index;
        if (m_cells.empty())
            m_cells.reserve(16); // a themed shape keeps a few dozen
        m_cells.emplace_back(index, cell);
    }

private:
    quint64 m_present = 0;
    std::vector<std::pair<int, Cell>> m_cells;
};

// A sheet's Character rows by IX, each with the one or two cells kept of
// it: every shape of a page has them, and a hash per row cost more to build
// and free than the lookups it saved.
class CharRows
{
public:
    using Row = std::vector<std::pair<QString, Cell>>;

    // The row of that IX, added empty if missing.
    Row &operator[](int ix) { return m_rows[ix]; }
    const Row *find(int ix) const
    {
        const auto it = m_rows.find(ix);
        return it != m_rows.end() ? &it->second : nullptr;
    }
    // In IX order.
    QList<int> keys() const
    {
        QList<int> list;
        for (const auto &row : m_rows)
            list.append(row.first);
        return list;
    }

    static void insert(Row &row, const QString &name, const Cell &cell)
    {
        for (auto &entry : row) {
            if (entry.first == name) {
                entry.second = cell;
                return;
            }
        }
        row.emplace_back(name, cell);
    }
    static const Cell *cell(const Row &row, const QString &name)
    {
        for (const auto &entry : row) {
            if (entry.first == name)
                return &entry.second;
        }
        return nullptr;
    }

private:
    std::map<int, Row> m_rows; // stays cheap for thousands of rows in any order
};

// The cells of one style sheet, master shape or page shape that matter here.
struct Sheet
{
    SheetCells cells;
    CharRows charRows;
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

// The name of a cell that a sheet keeps, as a shared string, or a null one.
QString keptName(QByteArrayView name, const QHash<QByteArray, QString> &names)
{
    return names.value(rawView(name));
}

QHash<QByteArray, QString> latin1Keys(const QList<QString> &names)
{
    QHash<QByteArray, QString> map;
    for (const QString &name : names)
        map.insert(name.toLatin1(), name);
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

Category categoryOf(const QString &cell);

struct KeptCell
{
    QString name;
    Category category;
};

// The cells a sheet keeps, numbered; at most 64.
const std::vector<KeptCell> &keptCells()
{
    static const std::vector<KeptCell> cells = [] {
        std::vector<KeptCell> list;
        for (const QString &name : cellProperties().keys() + contextCells().values())
            list.push_back({name, categoryOf(name)});
        Q_ASSERT(list.size() <= 64);
        return list;
    }();
    return cells;
}

const QHash<QByteArray, int> &keptIndexByLatin1()
{
    static const QHash<QByteArray, int> map = [] {
        QHash<QByteArray, int> m;
        for (size_t i = 0; i < keptCells().size(); ++i)
            m.insert(keptCells()[i].name.toLatin1(), int(i));
        return m;
    }();
    return map;
}

// Called for every cell of every sheet: buckets by length and last letter
// instead of hashing the whole name.
int keptIndex(QByteArrayView name)
{
    using Bucket = std::vector<std::pair<QByteArray, int>>;
    static const std::vector<Bucket> buckets = [] {
        std::vector<Bucket> table(32 * 64);
        for (auto it = keptIndexByLatin1().constBegin(); it != keptIndexByLatin1().constEnd(); ++it)
            table[size_t(it.key().size() % 32 * 64 + uchar(it.key().back()) % 64)].emplace_back(it.key(), it.value());
        return table;
    }();
    if (name.isEmpty())
        return -1;
    for (const auto &entry : buckets[size_t(name.size() % 32 * 64 + uchar(name.back()) % 64)]) {
        if (same(entry.first, name))
            return entry.second;
    }
    return -1;
}

int keptIndex(const QString &name)
{
    static const QHash<QString, int> map = [] {
        QHash<QString, int> m;
        for (size_t i = 0; i < keptCells().size(); ++i)
            m.insert(keptCells()[i].name, int(i));
        return m;
    }();
    return map.value(name, -1);
}

const QHash<QByteArray, QString> &charCellNames()
{
    static const QHash<QByteArray, QString> map = latin1Keys(charProperties().keys());
    return map;
}

// libvisio applies these raw theme colours itself, without matrices; once the
// values are resolved they would only repaint them wrongly.
bool consumedByResolution(QByteArrayView cell)
{
    return same(cell, "QuickStyleLineColor") || same(cell, "QuickStyleFillColor") || same(cell, "QuickStyleShadowColor");
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

    void read(const PackageRelationships::DocumentParts &main)
    {
        readPart(QString::fromUtf8(main.document), -1, true);
        readMasters(QString::fromUtf8(main.masters));
        readPages(QString::fromUtf8(main.pages));
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
    QList<QByteArray> m_read;

    void readMasters(const QString &mastersPart)
    {
        const PackageRelationships rels(m_parts, mastersPart.toUtf8());
        QXmlStreamReader reader(m_parts.value(mastersPart.toUtf8()));
        int masterId = -1;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (reader.name() == QLatin1String("Master")) {
                masterId = intAttribute(reader, "ID");
            } else if (reader.name() == QLatin1String("Rel") && masterId >= 0) {
                const QString part = QString::fromUtf8(rels.target(attribute(reader, "r:id").toUtf8()));
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
        const PackageRelationships rels(m_parts, pagesPart.toUtf8());
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
                    pageSheet->cells.insert(keptIndex(name), {attribute(reader, "V").toUtf8(), attribute(reader, "F").toUtf8()});
            } else if (reader.name() == QLatin1String("Rel") && pageSheet) {
                const QString part = QString::fromUtf8(rels.target(attribute(reader, "r:id").toUtf8()));
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

    // Where a walk over a part stands.
    struct Walk
    {
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
    };

    // One document, master or page part: every StyleSheet or Shape, in order.
    void readPart(const QString &part, int ownMaster, bool styleSheets, int page = -1)
    {
        std::vector<Sheet *> &list = partSheets[part];
        const QByteArray bytes = m_parts.value(part.toUtf8());
        m_read.append(bytes); // the cells point into them
        XmlTagScanner xml(bytes);
        Walk walk;
        for (auto token = xml.next(); token != XmlTagScanner::Finished && token != XmlTagScanner::Error;
             token = xml.next()) {
            if (token != XmlTagScanner::EndTag) {
                ++walk.depth;
                const bool skipped = readElement(xml, walk, ownMaster, styleSheets, page, list);
                if (token == XmlTagScanner::StartTag && !skipped)
                    continue;
            }
            if (!walk.open.empty() && walk.open.back().depth == walk.depth)
                walk.open.pop_back();
            for (int *d : {&walk.rowDepth, &walk.charSectionDepth, &walk.gradientSectionDepth}) {
                if (*d == walk.depth)
                    *d = -1;
            }
            --walk.depth;
        }
    }

    // True when the element was stepped over, its end tag and all.
    bool readElement(XmlTagScanner &xml, Walk &walk, int ownMaster, bool styleSheets, int page,
                     std::vector<Sheet *> &list)
    {
        const QByteArrayView sheetElement = styleSheets ? "StyleSheet" : "Shape";
        auto &open = walk.open;
        const int depth = walk.depth;
        const QByteArrayView name = xml.name();
        if (same(name, sheetElement)) {
            sheets.emplace_back();
            Sheet *sheet = &sheets.back();
            // All of the tag's numbers in one walk over its attributes.
            QByteArrayView lineStyle, fillStyle, textStyle, idText, masterText, masterShapeText;
            xml.attributes({{XmlTagScanner::literal("LineStyle"), &lineStyle},
                            {XmlTagScanner::literal("FillStyle"), &fillStyle},
                            {XmlTagScanner::literal("TextStyle"), &textStyle},
                            {XmlTagScanner::literal("ID"), &idText},
                            {XmlTagScanner::literal("Master"), &masterText},
                            {XmlTagScanner::literal("MasterShape"), &masterShapeText}});
            sheet->styles[LineCategory] = XmlTagScanner::intValue(lineStyle);
            sheet->styles[FillCategory] = XmlTagScanner::intValue(fillStyle);
            sheet->styles[TextCategory] = XmlTagScanner::intValue(textStyle);
            sheet->page = page;
            const int id = XmlTagScanner::intValue(idText);
            int contextMaster = open.empty() ? -1 : open.back().contextMaster;
            if (ownMaster >= 0) {
                m_masterShapes[ownMaster].insert(id, sheet);
                if (open.empty() && !m_masterTops.contains(ownMaster))
                    m_masterTops.insert(ownMaster, sheet);
            } else if (styleSheets) {
                styles.insert(id, sheet);
            } else {
                const int master = XmlTagScanner::intValue(masterText);
                if (master >= 0)
                    contextMaster = master;
                sheet->masterId = contextMaster;
                sheet->masterShapeId = XmlTagScanner::intValue(masterShapeText);
                // A shape in a group of a master's instance that names no
                // master shape of its own inherits nothing from the master.
                if (master < 0 && sheet->masterShapeId < 0)
                    sheet->masterId = -1;
            }
            open.push_back({sheet, depth, contextMaster});
            list.push_back(sheet);
            return false;
        }
        if (open.empty())
            return false;
        Sheet *sheet = open.back().sheet;
        const int sheetDepth = open.back().depth;
        if (same(name, "Cell")) {
            const bool inRow = depth == walk.rowDepth + 1;
            if (depth != sheetDepth + 1 && !inRow)
                return false;
            QByteArrayView cell, v, f;
            xml.attributes({{XmlTagScanner::literal("N"), &cell},
                            {XmlTagScanner::literal("V"), &v},
                            {XmlTagScanner::literal("F"), &f}});
            const auto value = [&v, &f] { return Cell{rawView(v), rawView(f)}; };
            if (!inRow) {
                const int kept = keptIndex(cell);
                if (kept >= 0)
                    sheet->cells.insert(kept, value());
            } else if (!walk.gradientRow) {
                const QString kept = keptName(cell, charCellNames());
                if (!kept.isNull())
                    CharRows::insert(sheet->charRows[walk.rowIx], kept, value());
            } else {
                sheet->gradientRows[walk.rowIx].insert(QString::fromLatin1(cell), value());
            }
        } else if (same(name, "Section") && depth == sheetDepth + 1) {
            const QByteArrayView section = xml.attribute("N");
            if (same(section, "Character")) {
                walk.charSectionDepth = depth;
                sheet->hasCharSection = true;
            } else if (same(section, "FillGradient")) {
                walk.gradientSectionDepth = depth;
            } else {
                // Geometry and the rest hold nothing themed: most of a page's bytes.
                return xml.skipFlatElement();
            }
        } else if (same(name, "Text") && depth == sheetDepth + 1) {
            return xml.skipFlatElement();
        } else if (same(name, "Row") && depth == walk.charSectionDepth + 1) {
            walk.rowDepth = depth;
            walk.gradientRow = false;
            walk.rowIx = xml.intAttribute("IX", 0);
            sheet->charRows[walk.rowIx];
        } else if (same(name, "Row") && depth == walk.gradientSectionDepth + 1) {
            walk.rowDepth = depth;
            walk.gradientRow = true;
            walk.rowIx = xml.intAttribute("IX", 0);
            CellMap &row = sheet->gradientRows[walk.rowIx];
            if (xml.attribute("Del") == "1")
                row.insert(QStringLiteral("Del"), {QByteArray("1"), QByteArray()});
        }
        return false;
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
        return cell(sheet, keptIndex(name), source);
    }

    const Cell *cell(const Sheet *sheet, int index, Source *source = nullptr) const
    {
        if (index < 0)
            return nullptr;
        const Category category = keptCells()[size_t(index)].category;
        int style = -1;
        int depth = 0;
        for (const Sheet *s = sheet; s && depth < ImportLimits::maxInheritanceDepth; s = s->master, ++depth) {
            if (const Cell *found = s->cells.find(index)) {
                if (source)
                    *source = s == sheet ? Own : Master;
                return found;
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
            if (const Cell *found = s->cells.find(index))
                return found;
            style = s->styles[category];
        }
        return nullptr;
    }

    const Cell *charCell(const Sheet *sheet, int row, const QString &name, Source *source) const
    {
        int style = -1;
        int depth = 0;
        for (const Sheet *s = sheet; s && depth < ImportLimits::maxInheritanceDepth; s = s->master, ++depth) {
            if (const CharRows::Row *found = s->charRows.find(row)) {
                if (const Cell *cell = CharRows::cell(*found, name)) {
                    *source = s == sheet ? Own : Master;
                    return cell;
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
            if (const CharRows::Row *found = s->charRows.find(0)) {
                if (const Cell *cell = CharRows::cell(*found, name))
                    return cell;
            }
            style = s->styles[TextCategory];
        }
        return nullptr;
    }

    int number(const Sheet *sheet, int index, int fallback) const
    {
        const Cell *c = cell(sheet, index);
        if (!c)
            return fallback;
        const std::optional<int> whole = XmlTagScanner::wholeNumber(c->v);
        if (whole && std::abs(*whole) < 1000000)
            return *whole;
        bool ok = false;
        const double v = c->v.toDouble(&ok);
        return ok && std::isfinite(v) && std::abs(v) < 1e6 ? int(v) : fallback;
    }

    // 65534 in a sheet's theme cells stands for the page's value.
    int pageAware(const Sheet *sheet, int index, int fallback) const
    {
        const int v = number(sheet, index, fallback);
        if (v != 65534)
            return v;
        const int page = sheet->page >= 0 ? sheet->page : 0;
        if (page >= int(m_package.pageSheets.size()))
            return fallback;
        const int fromPage = number(m_package.pageSheets[size_t(page)], index, fallback);
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
    static const int themeIndex = keptIndex(QStringLiteral("ThemeIndex"));
    static const int variationColour = keptIndex(QStringLiteral("VariationColorIndex"));
    static const int variationStyle = keptIndex(QStringLiteral("VariationStyleIndex"));
    static const int lineColour = keptIndex(QStringLiteral("QuickStyleLineColor"));
    static const int fillColour = keptIndex(QStringLiteral("QuickStyleFillColor"));
    static const int shadowColour = keptIndex(QStringLiteral("QuickStyleShadowColor"));
    static const int fontColour = keptIndex(QStringLiteral("QuickStyleFontColor"));
    static const int lineMatrix = keptIndex(QStringLiteral("QuickStyleLineMatrix"));
    static const int fillMatrix = keptIndex(QStringLiteral("QuickStyleFillMatrix"));
    static const int effectsMatrix = keptIndex(QStringLiteral("QuickStyleEffectsMatrix"));
    static const int fontMatrix = keptIndex(QStringLiteral("QuickStyleFontMatrix"));
    static const int variation = keptIndex(QStringLiteral("QuickStyleVariation"));
    static const int type = keptIndex(QStringLiteral("QuickStyleType"));
    static const int beginX = keptIndex(QStringLiteral("BeginX"));
    VisioThemeFormula::Context context;
    context.themed = inheritance.pageAware(sheet, themeIndex, 0) != 0;
    context.variationColour = inheritance.pageAware(sheet, variationColour, 0);
    context.variationStyle = inheritance.pageAware(sheet, variationStyle, 0);
    context.lineColour = inheritance.number(sheet, lineColour, -1);
    context.fillColour = inheritance.number(sheet, fillColour, -1);
    context.shadowColour = inheritance.number(sheet, shadowColour, -1);
    context.fontColour = inheritance.number(sheet, fontColour, -1);
    context.lineMatrix = inheritance.number(sheet, lineMatrix, 0);
    context.fillMatrix = inheritance.number(sheet, fillMatrix, 0);
    context.effectsMatrix = inheritance.number(sheet, effectsMatrix, 0);
    context.fontMatrix = inheritance.number(sheet, fontMatrix, 0);
    context.variationFlags = inheritance.number(sheet, variation, 0);
    const int quickStyleType = inheritance.number(sheet, type, 0);
    // 1 and 2 ask for one- and two-dimensional shape styles, 3 for a connector's.
    context.connector = quickStyleType == 3 || (quickStyleType == 0 && inheritance.cell(sheet, beginX));
    return context;
}

// Whether a cell's value must be worked out for the sheet at hand. The
// sheet's own value stands as Visio saved it unless it says 'Themed'; an
// inherited theme formula counts again for each sheet, in its own context.
bool needsResolving(const Cell &cell, Inheritance::Source source)
{
    if (cell.v == "Themed")
        return true;
    if (source == Inheritance::Own)
        return false;
    const QByteArrayView themeVal = "THEMEVAL";
    for (qsizetype i = 0; i + themeVal.size() <= cell.f.size(); ++i) {
        if (qstrnicmp(cell.f.constData() + i, themeVal.size(), themeVal.data(), themeVal.size()) == 0)
            return true;
    }
    return false;
}

QString formulaOf(const Cell &cell)
{
    if (cell.f.isEmpty() || cell.f == "Inh")
        return QStringLiteral("THEMEVAL()");
    return QString::fromUtf8(XmlTagScanner::decoded(cell.f));
}

QColor concreteColour(const Cell &cell)
{
    if (!cell.v.startsWith('#') || cell.v.size() != 7)
        return QColor();
    return QColor::fromString(QLatin1String(cell.v));
}

// libvisio reads no FillGradient section, only the old gradient patterns
// between FillForegnd and FillBkgnd: give those the first and last stops, and
// a shape Visio fills with a gradient the pattern closest to it.
void gradientColours(const Sheet *sheet, const Inheritance &inheritance, Edits &edits)
{
    const Cell *enabled = inheritance.cell(sheet, QStringLiteral("FillGradientEnabled"));
    if (!enabled || (enabled->v != "1" && enabled->v.compare("TRUE", Qt::CaseInsensitive)))
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

// QByteArray::append goes through insert, which costs more than the copy
// for the short spans a rewrite is made of; the output's room is reserved.
void appendBytes(QByteArray &out, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    const qsizetype at = out.size();
    out.resize(at + bytes.size());
    std::memcpy(out.data() + at, bytes.data(), size_t(bytes.size()));
}

// A drawing's shapes mostly share a few contexts and formulas, so each
// combination is worked out once; the key lists the context's values and
// every cell to resolve with its formula.
using EditsCache = QHash<QByteArray, Edits>;

Edits editsFor(const Sheet *sheet, const Inheritance &inheritance, const VisioTheme &theme, EditsCache &cache)
{
    Edits edits;
    VisioThemeFormula::Context context = contextFor(sheet, inheritance);
    context.themed = context.themed && theme.isValid();
    if (!context.themed) {
        gradientColours(sheet, inheritance, edits);
        return edits;
    }
    struct Pending
    {
        int row; // -1 for a cell of the sheet itself
        const QString *name;
        const QString *property;
        const Cell *cell;
    };
    std::vector<Pending> pending;
    static const std::vector<int> propertyIndices = [] {
        std::vector<int> indices;
        for (auto it = cellProperties().constBegin(); it != cellProperties().constEnd(); ++it)
            indices.push_back(keptIndex(it.key()));
        return indices;
    }();
    int property = 0;
    for (auto it = cellProperties().constBegin(); it != cellProperties().constEnd(); ++it, ++property) {
        Inheritance::Source source = Inheritance::Own;
        const Cell *cell = inheritance.cell(sheet, propertyIndices[size_t(property)], &source);
        if (cell && needsResolving(*cell, source))
            pending.push_back({-1, &it.key(), &it.value(), cell});
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
            if (cell && needsResolving(*cell, source))
                pending.push_back({row, &it.key(), &it.value(), cell});
        }
    }

    const int fields[] = {context.variationColour, context.variationStyle, context.lineColour,
                          context.fillColour,      context.shadowColour,   context.fontColour,
                          context.lineMatrix,      context.fillMatrix,     context.effectsMatrix,
                          context.fontMatrix,      context.variationFlags, context.connector};
    // Built on the stack and looked up in place: nearly every sheet finds
    // its key in the cache, and only a new one is copied.
    QVarLengthArray<char, 2048> bytes;
    bytes.append(reinterpret_cast<const char *>(fields), sizeof fields);
    for (const Pending &p : pending) {
        // The property's address names it: the map of properties stays put.
        const quintptr name = quintptr(p.name);
        bytes.append(reinterpret_cast<const char *>(&p.row), sizeof p.row);
        bytes.append(reinterpret_cast<const char *>(&name), sizeof name);
        bytes.append(p.cell->f.constData(), p.cell->f.size());
        bytes.append('\0');
    }
    const QByteArray key = QByteArray::fromRawData(bytes.constData(), bytes.size());
    const auto cached = cache.constFind(key);
    if (cached != cache.constEnd()) {
        edits = *cached;
    } else {
        const VisioThemeFormula formula(theme, context);
        for (const Pending &p : pending) {
            const std::optional<QString> value = formula.evaluate(formulaOf(*p.cell), *p.property);
            if (value && p.row < 0)
                edits.cells.insert(*p.name, *value);
            else if (value)
                edits.charRows[p.row].insert(*p.name, *value);
        }
        if (cache.size() < ImportLimits::maxThemeEvaluationsCached)
            cache.insert(QByteArray(bytes.constData(), bytes.size()), edits);
    }
    gradientColours(sheet, inheritance, edits);
    return edits;
}

// Cell names are ASCII; values are escaped for a double-quoted attribute.
// Written straight into the output's spare room, one character at a time
// through QByteArray would cost more than the rest of the rewrite.
void appendCell(QByteArray &out, const QString &name, const QString &value)
{
    bool ascii = true;
    for (const QChar c : value)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        const qsizetype start = out.size();
        out.resize(start + 24 + name.size() + 6 * value.size());
        char *p = out.data() + start;
        const auto put = [&p](QByteArrayView text) {
            std::memcpy(p, text.data(), size_t(text.size()));
            p += text.size();
        };
        put(XmlTagScanner::literal("<Cell N=\""));
        for (const QChar c : name)
            *p++ = char(c.unicode());
        put(XmlTagScanner::literal("\" V=\""));
        for (const QChar c : value) {
            const char b = char(c.unicode());
            if (b == '&')
                put(XmlTagScanner::literal("&amp;"));
            else if (b == '<')
                put(XmlTagScanner::literal("&lt;"));
            else if (b == '>')
                put(XmlTagScanner::literal("&gt;"));
            else if (b == '"')
                put(XmlTagScanner::literal("&quot;"));
            else
                *p++ = b;
        }
        put(XmlTagScanner::literal("\"/>"));
        out.truncate(p - out.constData());
        return;
    }
    out += "<Cell N=\"" + name.toLatin1() + "\" V=\"" + XmlTagScanner::escaped(value.toUtf8()) + "\"/>";
}

// The cells of an edit not yet written, and marks them written.
void appendCells(QByteArray &out, const QHash<QString, QString> &cells, std::vector<const void *> &written)
{
    for (auto it = cells.constBegin(); it != cells.constEnd(); ++it) {
        if (std::find(written.begin(), written.end(), &it.key()) != written.end())
            continue;
        appendCell(out, it.key(), it.value());
        written.push_back(&it.key());
    }
}

void appendRows(QByteArray &out, const QMap<int, QHash<QString, QString>> &rows,
                std::vector<const void *> &written)
{
    for (auto it = rows.constBegin(); it != rows.constEnd(); ++it) {
        QByteArray cells;
        appendCells(cells, it.value(), written);
        if (!cells.isEmpty())
            out += "<Row IX=\"" + QByteArray::number(it.key()) + "\">" + cells + "</Row>";
    }
}

// Copies a part, replacing and adding the cells of each sheet's edits and
// dropping the quick-style colours libvisio would misapply. Everything else
// is copied byte for byte.
QByteArray rewritePart(const QByteArray &source, const std::vector<Sheet *> &sheets,
                       const QHash<const Sheet *, Edits> &edits, bool styleSheets, bool dropQuickStyle)
{
    QByteArray out;
    out.reserve(source.size() + source.size() / 4);
    qsizetype copied = 0; // source bytes before this are in out, or dropped
    const auto copyTo = [&](qsizetype pos) {
        appendBytes(out, QByteArrayView(source.constData() + copied, pos - copied));
        copied = pos;
    };
    XmlTagScanner xml(source);
    const QByteArrayView sheetElement = styleSheets ? "StyleSheet" : "Shape";

    struct Open
    {
        const Edits *edits;
        int depth;
        bool flushed;
        bool hasCharSection;
        std::vector<const void *> written; // keys of the edits already in out
    };
    static const Edits noEdits;
    std::vector<Open> open;
    size_t next = 0;
    int depth = 0;
    int charSectionDepth = -1, rowDepth = -1;
    const QHash<QString, QString> *row = nullptr;

    // A sheet's remaining cells, and a Character section if it has none.
    const auto flush = [](Open &o) {
        QByteArray text;
        if (o.flushed)
            return text;
        o.flushed = true;
        appendCells(text, o.edits->cells, o.written);
        if (!o.hasCharSection) {
            QByteArray rows;
            appendRows(rows, o.edits->charRows, o.written);
            if (!rows.isEmpty())
                text += "<Section N=\"Character\">" + rows + "</Section>";
        }
        return text;
    };
    // Puts text at the end of the element just read; an empty tag opens up for it.
    const auto insertAtEnd = [&](const QByteArray &text, XmlTagScanner::Token token) {
        if (text.isEmpty())
            return;
        copyTo(xml.tagBegin());
        if (token == XmlTagScanner::EmptyTag) {
            const QByteArrayView tag(source.constData() + xml.tagBegin(), xml.tagEnd() - xml.tagBegin());
            out += tag.chopped(2);
            out += '>' + text + "</";
            out += xml.name();
            out += '>';
            copied = xml.tagEnd();
        } else {
            out += text;
        }
    };

    for (auto token = xml.next(); token != XmlTagScanner::Finished; token = xml.next()) {
        if (token == XmlTagScanner::Error)
            return QByteArray();
        if (token != XmlTagScanner::EndTag) {
            ++depth;
            const QByteArrayView name = xml.name();
            Open *top = open.empty() ? nullptr : &open.back();
            const bool inSheet = top && depth == top->depth + 1;
            if (inSheet && !same(name, "Cell")) {
                const QByteArray text = flush(*top);
                if (!text.isEmpty()) {
                    copyTo(xml.tagBegin());
                    out += text;
                }
            }
            if (same(name, sheetElement)) {
                const Sheet *sheet = next < sheets.size() ? sheets[next] : nullptr;
                ++next;
                const auto found = edits.constFind(sheet);
                open.push_back({found != edits.constEnd() ? &*found : &noEdits, depth, false,
                                sheet && sheet->hasCharSection, {}});
            } else if (same(name, "Cell") && (inSheet || (row && depth == rowDepth + 1))) {
                const QByteArrayView cell = xml.attribute("N");
                const QHash<QString, QString> &pending = inSheet ? top->edits->cells : *row;
                // Every cell the edits name is a kept one.
                const int kept = inSheet ? keptIndex(cell) : -1;
                const QString key = inSheet ? (kept >= 0 ? keptCells()[size_t(kept)].name : QString())
                                            : keptName(cell, charCellNames());
                const auto it = key.isNull() ? pending.constEnd() : pending.constFind(key);
                const bool edited = it != pending.constEnd()
                                    && std::find(top->written.begin(), top->written.end(), &it.key())
                                           == top->written.end();
                if (edited || (inSheet && dropQuickStyle && consumedByResolution(cell))) {
                    copyTo(xml.tagBegin());
                    if (edited) {
                        appendCell(out, it.key(), it.value());
                        top->written.push_back(&it.key());
                    }
                    if (token == XmlTagScanner::StartTag && !xml.skipElement())
                        return QByteArray();
                    copied = xml.tagEnd();
                    --depth;
                    continue;
                }
            } else if (inSheet && same(name, "Section") && same(xml.attribute("N"), "Character")) {
                charSectionDepth = depth;
            } else if (inSheet && (same(name, "Section") || same(name, "Text"))) {
                // Copied as they are; found by their end tags alone.
                if (token == XmlTagScanner::StartTag && !xml.skipFlatElement())
                    return QByteArray();
                --depth;
                continue;
            } else if (top && same(name, "Row") && depth == charSectionDepth + 1) {
                const auto found = top->edits->charRows.constFind(xml.intAttribute("IX", 0));
                row = found != top->edits->charRows.constEnd() ? &*found : nullptr;
                rowDepth = row ? depth : -1;
            }
            if (token == XmlTagScanner::StartTag)
                continue;
        }
        // The end of an element, or an empty one.
        if (!open.empty()) {
            Open &top = open.back();
            if (row && depth == rowDepth) {
                QByteArray text;
                appendCells(text, *row, top.written);
                insertAtEnd(text, token);
                row = nullptr;
                rowDepth = -1;
            } else if (depth == charSectionDepth) {
                QByteArray text;
                appendRows(text, top.edits->charRows, top.written);
                insertAtEnd(text, token);
                charSectionDepth = -1;
            } else if (depth == top.depth) {
                insertAtEnd(flush(top), token);
                open.pop_back();
            }
        }
        --depth;
        if (out.size() > ImportLimits::maxResolvedPartBytes)
            return QByteArray();
    }
    copyTo(source.size());
    if (out.size() > ImportLimits::maxResolvedPartBytes)
        return QByteArray();
    return out;
}

} // namespace

PackageParts VisioThemeResolver::resolve(const PackageParts &parts, QStringList *warnings)
{
    return resolve(parts, PackageRelationships::documentParts(parts), warnings);
}

PackageParts VisioThemeResolver::resolve(const PackageParts &parts,
                                         const PackageRelationships::DocumentParts &main,
                                         QStringList *warnings)
{
    const auto warn = [warnings](const QString &line) {
        if (warnings)
            warnings->append(line);
    };
    const QString documentPart = QString::fromUtf8(main.document);
    if (!parts.contains(main.document))
        return parts;
    const QString themePart = QString::fromUtf8(main.theme);

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
    package.read(main);
    const Inheritance inheritance(package);

    PackageParts result = parts;
    EditsCache cache;
    QStringList partOrder = package.order;
    partOrder.prepend(documentPart);
    for (const QString &part : partOrder) {
        const std::vector<Sheet *> &sheets = package.partSheets.value(part);
        QHash<const Sheet *, Edits> edits;
        for (const Sheet *sheet : sheets) {
            Edits e = editsFor(sheet, inheritance, theme, cache);
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
