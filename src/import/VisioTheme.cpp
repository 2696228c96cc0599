#include "VisioTheme.h"

#include "ImportLimits.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The theme part is small: read it whole into a tree of local names.
struct Node
{
    QString name;
    QHash<QString, QString> attributes;
    std::vector<Node> children;

    const Node *child(const QString &childName) const
    {
        for (const Node &c : children)
            if (c.name == childName)
                return &c;
        return nullptr;
    }
    // First element of that name below this one, depth first.
    const Node *find(const QString &descendant) const
    {
        for (const Node &c : children) {
            if (c.name == descendant)
                return &c;
            if (const Node *hit = c.find(descendant))
                return hit;
        }
        return nullptr;
    }
    QString attribute(const QString &key) const { return attributes.value(key); }
    double number(const QString &key, double fallback) const
    {
        bool ok = false;
        const double v = attributes.value(key).toDouble(&ok);
        return ok && std::isfinite(v) ? v : fallback;
    }
};

constexpr int maxDepth = 64;

bool readElement(QXmlStreamReader &reader, Node &node, int depth, int &count)
{
    node.name = reader.name().toString();
    for (const QXmlStreamAttribute &a : reader.attributes())
        node.attributes.insert(a.name().toString(), a.value().toString());
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::EndElement)
            return true;
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (++count > ImportLimits::maxThemeElements || depth >= maxDepth)
            return false;
        node.children.emplace_back();
        if (!readElement(reader, node.children.back(), depth + 1, count))
            return false;
    }
    return false;
}

constexpr double emuPerInch = 914400.0;

const QStringList colourElements = {QStringLiteral("srgbClr"), QStringLiteral("sysClr"),
                                    QStringLiteral("schemeClr"), QStringLiteral("prstClr"),
                                    QStringLiteral("scrgbClr"), QStringLiteral("hslClr")};

VisioTheme::Colour readColour(const Node *holder)
{
    VisioTheme::Colour colour;
    if (!holder)
        return colour;
    const Node *element = nullptr;
    for (const Node &c : holder->children) {
        if (colourElements.contains(c.name)) {
            element = &c;
            break;
        }
    }
    if (!element)
        return colour;
    if (element->name == QLatin1String("srgbClr") || element->name == QLatin1String("sysClr")) {
        const QString hex = element->name == QLatin1String("srgbClr")
                                ? element->attribute(QStringLiteral("val"))
                                : element->attribute(QStringLiteral("lastClr"));
        bool ok = false;
        const uint value = hex.toUInt(&ok, 16);
        if (ok && hex.size() == 6) {
            colour.kind = VisioTheme::Colour::Rgb;
            colour.rgb = qRgb(int(value >> 16) & 0xff, int(value >> 8) & 0xff, int(value) & 0xff);
        }
    } else if (element->name == QLatin1String("schemeClr")) {
        const QString val = element->attribute(QStringLiteral("val"));
        colour.kind = val == QLatin1String("phClr") ? VisioTheme::Colour::Placeholder
                                                    : VisioTheme::Colour::Scheme;
        colour.scheme = val;
    } else if (element->name == QLatin1String("prstClr")) {
        const QColor named(element->attribute(QStringLiteral("val")));
        if (named.isValid()) {
            colour.kind = VisioTheme::Colour::Rgb;
            colour.rgb = named.rgb();
        }
    } else if (element->name == QLatin1String("scrgbClr")) {
        const auto channel = [element](const char *key) {
            return std::clamp(element->number(QLatin1String(key), 0) / 100000.0, 0.0, 1.0);
        };
        colour.kind = VisioTheme::Colour::Rgb;
        colour.rgb = QColor::fromRgbF(float(channel("r")), float(channel("g")), float(channel("b"))).rgb();
    } else if (element->name == QLatin1String("hslClr")) {
        const double h = element->number(QStringLiteral("hue"), 0) / 60000.0 / 360.0;
        const double s = element->number(QStringLiteral("sat"), 0) / 100000.0;
        const double l = element->number(QStringLiteral("lum"), 0) / 100000.0;
        colour.kind = VisioTheme::Colour::Rgb;
        colour.rgb = QColor::fromHslF(float(std::fmod(std::max(h, 0.0), 1.0)),
                                      float(std::clamp(s, 0.0, 1.0)),
                                      float(std::clamp(l, 0.0, 1.0)))
                         .rgb();
    }
    for (const Node &t : element->children) {
        const bool angle = t.name == QLatin1String("hue") || t.name == QLatin1String("hueOff");
        const double raw = t.number(QStringLiteral("val"), angle ? 0 : 100000);
        colour.transforms.append({t.name, angle ? raw / 60000.0 : raw / 100000.0});
    }
    return colour;
}

VisioTheme::Fill readFill(const Node &node)
{
    VisioTheme::Fill fill;
    if (node.name == QLatin1String("noFill")) {
        fill.kind = VisioTheme::Fill::NoFill;
    } else if (node.name == QLatin1String("solidFill")) {
        fill.kind = VisioTheme::Fill::Solid;
        fill.colour = readColour(&node);
    } else if (node.name == QLatin1String("pattFill")) {
        fill.kind = VisioTheme::Fill::Solid;
        fill.colour = readColour(node.child(QStringLiteral("fgClr")));
    } else if (node.name == QLatin1String("gradFill")) {
        fill.kind = VisioTheme::Fill::Gradient;
        if (const Node *list = node.child(QStringLiteral("gsLst"))) {
            for (const Node &stop : list->children) {
                if (fill.stops.size() >= ImportLimits::maxThemeListEntries)
                    break;
                const double pos = std::clamp(stop.number(QStringLiteral("pos"), 0) / 100000.0, 0.0, 1.0);
                fill.stops.append({pos, readColour(&stop)});
            }
            std::stable_sort(fill.stops.begin(), fill.stops.end(),
                             [](const auto &a, const auto &b) { return a.first < b.first; });
        }
        if (const Node *lin = node.child(QStringLiteral("lin")))
            fill.angle = lin->number(QStringLiteral("ang"), 0) / 60000.0;
        fill.radial = node.child(QStringLiteral("path")) != nullptr;
        if (fill.stops.isEmpty())
            fill.kind = VisioTheme::Fill::Unknown;
    }
    return fill;
}

// The fill of a line or the first fill child of a holder.
VisioTheme::Fill firstFill(const Node &holder)
{
    for (const Node &c : holder.children) {
        VisioTheme::Fill fill = readFill(c);
        if (fill.kind != VisioTheme::Fill::Unknown)
            return fill;
    }
    return {};
}

void readStyleLists(const Node *scheme, VisioTheme::StyleLists &lists)
{
    if (!scheme)
        return;
    if (const Node *fills = scheme->child(QStringLiteral("fillStyleLst"))) {
        for (const Node &f : fills->children)
            if (lists.fills.size() < ImportLimits::maxThemeListEntries)
                lists.fills.append(readFill(f));
    }
    if (const Node *lines = scheme->child(QStringLiteral("lnStyleLst"))) {
        for (const Node &ln : lines->children) {
            if (lists.lines.size() >= ImportLimits::maxThemeListEntries)
                break;
            VisioTheme::Line line;
            const double w = ln.number(QStringLiteral("w"), -1);
            line.width = w >= 0 ? w / emuPerInch : -1;
            line.cap = ln.attribute(QStringLiteral("cap"));
            line.fill = firstFill(ln);
            if (const Node *dash = ln.child(QStringLiteral("prstDash")))
                line.dash = dash->attribute(QStringLiteral("val"));
            lists.lines.append(line);
        }
    }
    if (const Node *effects = scheme->child(QStringLiteral("effectStyleLst"))) {
        for (const Node &e : effects->children) {
            if (lists.effects.size() >= ImportLimits::maxThemeListEntries)
                break;
            VisioTheme::Effect effect;
            const Node *list = e.child(QStringLiteral("effectLst"));
            if (const Node *shadow = list ? list->child(QStringLiteral("outerShdw")) : nullptr) {
                effect.shadow = true;
                effect.colour = readColour(shadow);
                effect.distance = shadow->number(QStringLiteral("dist"), 0) / emuPerInch;
                effect.direction = shadow->number(QStringLiteral("dir"), 0) / 60000.0;
            }
            lists.effects.append(effect);
        }
    }
}

void readLineExtras(const Node *holder, QList<VisioTheme::LineExtras> &out)
{
    if (!holder)
        return;
    for (const Node &style : holder->children) {
        if (out.size() >= ImportLimits::maxThemeListEntries)
            break;
        VisioTheme::LineExtras extras;
        if (const Node *ex = style.child(QStringLiteral("lineEx"))) {
            extras.valid = true;
            extras.pattern = int(ex->number(QStringLiteral("pattern"), -1));
            extras.rounding = ex->number(QStringLiteral("rndg"), 0) / emuPerInch;
            extras.begin = int(ex->number(QStringLiteral("start"), 0));
            extras.end = int(ex->number(QStringLiteral("end"), 0));
            extras.beginSize = int(ex->number(QStringLiteral("startSize"), 2));
            extras.endSize = int(ex->number(QStringLiteral("endSize"), 2));
        }
        out.append(extras);
    }
}

void readFontStyles(const Node *holder, QList<VisioTheme::FontStyle> &out)
{
    if (!holder)
        return;
    for (const Node &props : holder->children) {
        if (out.size() >= ImportLimits::maxThemeListEntries)
            break;
        VisioTheme::FontStyle font;
        font.valid = true;
        font.style = int(props.number(QStringLiteral("style"), 0));
        font.colour = readColour(props.child(QStringLiteral("color")));
        out.append(font);
    }
}

} // namespace

bool VisioTheme::parse(const QByteArray &xml, QString *why)
{
    *this = VisioTheme();
    const auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (xml.trimmed().isEmpty())
        return fail(QStringLiteral("the theme part is empty"));

    QXmlStreamReader reader(xml);
    Node root;
    int count = 0;
    bool complete = false;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement) {
            complete = readElement(reader, root, 1, count);
            break;
        }
    }
    if (reader.hasError() || !complete)
        return fail(reader.hasError() ? QStringLiteral("the theme part is not XML: %1").arg(reader.errorString())
                                      : QStringLiteral("the theme part is too large or incomplete"));
    const Node *elements = root.child(QStringLiteral("themeElements"));
    const Node *colours = elements ? elements->child(QStringLiteral("clrScheme")) : nullptr;
    if (root.name != QLatin1String("theme") || !colours)
        return fail(QStringLiteral("the theme part has no colour scheme"));

    static const QStringList names = {QStringLiteral("dk1"), QStringLiteral("lt1"), QStringLiteral("dk2"),
                                      QStringLiteral("lt2"), QStringLiteral("accent1"), QStringLiteral("accent2"),
                                      QStringLiteral("accent3"), QStringLiteral("accent4"), QStringLiteral("accent5"),
                                      QStringLiteral("accent6"), QStringLiteral("hlink"), QStringLiteral("folHlink")};
    for (const QString &name : names) {
        const Colour c = readColour(colours->child(name));
        if (c.kind == Colour::Rgb)
            m_scheme.insert(name, QColor(c.rgb));
    }
    if (m_scheme.isEmpty())
        return fail(QStringLiteral("the theme's colour scheme has no colours"));
    const Colour background = readColour(colours->find(QStringLiteral("bkgnd")));
    if (background.kind == Colour::Rgb)
        m_scheme.insert(QStringLiteral("bkgnd"), QColor(background.rgb));

    if (const Node *list = colours->find(QStringLiteral("variationClrSchemeLst"))) {
        for (const Node &scheme : list->children) {
            if (m_variationColours.size() >= ImportLimits::maxThemeListEntries)
                break;
            QList<QColor> seven;
            for (int i = 1; i <= 7; ++i) {
                const Colour c = readColour(scheme.child(QStringLiteral("varColor%1").arg(i)));
                seven.append(c.kind == Colour::Rgb ? QColor(c.rgb) : QColor());
            }
            m_variationColours.append(seven);
            m_monotone.append(scheme.attribute(QStringLiteral("monotone")) == QLatin1String("1"));
        }
    }

    if (const Node *fonts = elements->child(QStringLiteral("fontScheme"))) {
        const Node *minor = fonts->child(QStringLiteral("minorFont"));
        if (const Node *latin = minor ? minor->child(QStringLiteral("latin")) : nullptr)
            m_minorLatin = latin->attribute(QStringLiteral("typeface"));
    }

    readStyleLists(elements->child(QStringLiteral("fmtScheme")), m_shapes);
    const Node *extensions = elements->child(QStringLiteral("extLst"));
    if (extensions) {
        readStyleLists(extensions->find(QStringLiteral("fmtConnectorScheme")), m_connectors);
        if (const Node *lineStyles = extensions->find(QStringLiteral("lineStyles"))) {
            readLineExtras(lineStyles->child(QStringLiteral("fmtSchemeLineStyles")), m_shapes.lineExtras);
            readLineExtras(lineStyles->child(QStringLiteral("fmtConnectorSchemeLineStyles")),
                           m_connectors.lineExtras);
        }
        if (const Node *group = extensions->find(QStringLiteral("fontStylesGroup"))) {
            readFontStyles(group->child(QStringLiteral("fontStyles")), m_shapes.fonts);
            readFontStyles(group->child(QStringLiteral("connectorFontStyles")), m_connectors.fonts);
        }
        if (const Node *list = extensions->find(QStringLiteral("variationStyleSchemeLst"))) {
            for (const Node &scheme : list->children) {
                if (m_variationStyles.size() >= ImportLimits::maxThemeListEntries)
                    break;
                QList<VariationStyle> four;
                for (const Node &style : scheme.children) {
                    if (four.size() >= 4)
                        break;
                    four.append({int(style.number(QStringLiteral("fillIdx"), 0)),
                                 int(style.number(QStringLiteral("lineIdx"), 0)),
                                 int(style.number(QStringLiteral("effectIdx"), 0)),
                                 int(style.number(QStringLiteral("fontIdx"), 0))});
                }
                m_variationStyles.append(four);
            }
        }
    }
    // Lists cut at the cap: count what the part holds against what was kept.
    const auto longer = [](const Node *list) {
        return list && list->children.size() > size_t(ImportLimits::maxThemeListEntries);
    };
    const Node *format = elements->child(QStringLiteral("fmtScheme"));
    m_truncated = longer(colours->find(QStringLiteral("variationClrSchemeLst")))
                  || (extensions && longer(extensions->find(QStringLiteral("variationStyleSchemeLst"))))
                  || (format && (longer(format->child(QStringLiteral("fillStyleLst")))
                                 || longer(format->child(QStringLiteral("lnStyleLst")))));
    m_valid = true;
    return true;
}

QColor VisioTheme::schemeColour(const QString &name) const
{
    static const QHash<QString, QString> aliases = {{QStringLiteral("tx1"), QStringLiteral("dk1")},
                                                    {QStringLiteral("bg1"), QStringLiteral("lt1")},
                                                    {QStringLiteral("tx2"), QStringLiteral("dk2")},
                                                    {QStringLiteral("bg2"), QStringLiteral("lt2")}};
    const QString key = aliases.value(name, name);
    if (key == QLatin1String("bkgnd") && !m_scheme.contains(key))
        return m_scheme.value(QStringLiteral("lt1"));
    return m_scheme.value(key);
}

QColor VisioTheme::quickStyleColour(int index, int variation) const
{
    static const char *const scheme[] = {"dk1", "lt1", "accent1", "accent2", "accent3",
                                         "accent4", "accent5", "accent6", "bkgnd"};
    if (index >= 0 && index <= 8)
        return schemeColour(QLatin1String(scheme[index]));
    const int slot = index >= 200 ? index - 200 : index - 100;
    if (slot < 0 || slot > 6 || m_variationColours.isEmpty())
        return QColor();
    if (variation < 0 || variation >= m_variationColours.size())
        variation = 0;
    // A monotone variation draws its four shape variants (100-103) in its
    // first colour; the 200s name each of its colours.
    if (index < 200 && slot <= 3 && m_monotone.value(variation))
        return m_variationColours.at(variation).value(0);
    return m_variationColours.at(variation).value(slot);
}

int VisioTheme::variationStyleIndex(int matrix, int variation, int which) const
{
    const int slot = matrix - 100;
    if (slot < 0 || slot > 3 || which < 0 || which > 3 || m_variationStyles.isEmpty())
        return -1;
    if (variation < 0 || variation >= m_variationStyles.size())
        variation = 0;
    const QList<VariationStyle> &styles = m_variationStyles.at(variation);
    return slot < styles.size() ? styles.at(slot)[size_t(which)] : -1;
}

QColor VisioTheme::resolve(const Colour &colour, const QColor &placeholder) const
{
    QColor c;
    switch (colour.kind) {
    case Colour::Rgb:
        c = QColor(colour.rgb);
        break;
    case Colour::Scheme:
        c = schemeColour(colour.scheme);
        break;
    case Colour::Placeholder:
        c = placeholder;
        break;
    case Colour::Unset:
        break;
    }
    if (!c.isValid())
        return c;
    for (const auto &t : colour.transforms)
        c = transform(c, t.first, t.second);
    return c;
}

namespace {

double toLinear(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double toGamma(double c)
{
    c = std::clamp(c, 0.0, 1.0);
    return c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
}

} // namespace

QColor VisioTheme::transform(const QColor &colour, const QString &name, double value)
{
    if (!std::isfinite(value))
        return colour;
    // Office tints and shades in linear light (a white shaded 58 % is c7c7c7,
    // as Visio draws it), and works the other transforms in HSL.
    if (name == QLatin1String("tint") || name == QLatin1String("shade")) {
        const double v = std::clamp(value, 0.0, 1.0);
        const auto apply = [&](double c) {
            const double linear = toLinear(c);
            return toGamma(name == QLatin1String("shade") ? linear * v : linear * v + (1 - v));
        };
        return QColor::fromRgbF(float(apply(colour.redF())), float(apply(colour.greenF())),
                                float(apply(colour.blueF())), colour.alphaF());
    }
    float hf = 0, sf = 0, lf = 0, af = 0;
    colour.toHsl().getHslF(&hf, &sf, &lf, &af);
    double h = hf < 0 ? 0 : hf, s = sf, l = lf, a = af;
    if (name == QLatin1String("lumMod"))
        l *= value;
    else if (name == QLatin1String("lumOff"))
        l += value;
    else if (name == QLatin1String("satMod"))
        s *= value;
    else if (name == QLatin1String("satOff"))
        s += value;
    else if (name == QLatin1String("hueOff"))
        h += value / 360.0;
    else if (name == QLatin1String("hue"))
        h = value / 360.0;
    else if (name == QLatin1String("hueMod"))
        h *= value;
    else if (name == QLatin1String("alpha"))
        a = value;
    else if (name == QLatin1String("alphaMod"))
        a *= value;
    else if (name == QLatin1String("alphaOff"))
        a += value;
    else
        return colour;
    h = std::fmod(h, 1.0);
    if (h < 0)
        h += 1.0;
    return QColor::fromHslF(float(h), float(std::clamp(s, 0.0, 1.0)), float(std::clamp(l, 0.0, 1.0)),
                            float(std::clamp(a, 0.0, 1.0)))
        .toRgb();
}
