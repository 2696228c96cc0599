#include "VisioThemeFormula.h"

#include <QList>

#include <algorithm>
#include <cmath>

namespace {

using Value = VisioThemeFormula::Value;

Value number(double v)
{
    Value value;
    value.kind = std::isfinite(v) ? Value::Number : Value::None;
    value.number = v;
    return value;
}

Value colour(const QColor &c)
{
    Value value;
    if (c.isValid()) {
        value.kind = Value::Colour;
        value.colour = c;
    }
    return value;
}

Value text(const QString &s)
{
    Value value;
    if (!s.isEmpty()) {
        value.kind = Value::Text;
        value.text = s;
    }
    return value;
}

double lightness(const QColor &c)
{
    return c.toHsl().lightnessF();
}

QColor withLightness(const QColor &c, double l)
{
    const QColor hsl = c.toHsl();
    return QColor::fromHslF(std::max(0.0f, hsl.hslHueF()), hsl.hslSaturationF(),
                            float(std::clamp(l, 0.0, 1.0)), hsl.alphaF())
        .toRgb();
}

int patternOfDash(const QString &dash)
{
    if (dash.isEmpty() || dash == QLatin1String("solid"))
        return 1;
    if (dash == QLatin1String("dash") || dash == QLatin1String("sysDash"))
        return 2;
    if (dash == QLatin1String("dot") || dash == QLatin1String("sysDot"))
        return 3;
    if (dash == QLatin1String("dashDot") || dash == QLatin1String("sysDashDot"))
        return 4;
    if (dash == QLatin1String("lgDash"))
        return 9;
    if (dash == QLatin1String("lgDashDot"))
        return 5;
    if (dash == QLatin1String("lgDashDotDot") || dash == QLatin1String("sysDashDotDot"))
        return 6;
    return 1;
}

QColor fillColour(const VisioTheme &theme, const VisioTheme::Fill &fill, const QColor &placeholder)
{
    if (fill.kind == VisioTheme::Fill::Gradient) {
        // libvisio draws no theme gradients: their mean colour is the closest solid.
        double r = 0, g = 0, b = 0, a = 0;
        int n = 0;
        for (const auto &stop : fill.stops) {
            const QColor c = theme.resolve(stop.second, placeholder);
            if (!c.isValid())
                continue;
            r += c.redF(), g += c.greenF(), b += c.blueF(), a += c.alphaF();
            ++n;
        }
        return n ? QColor::fromRgbF(float(r / n), float(g / n), float(b / n), float(a / n)) : QColor();
    }
    if (fill.kind == VisioTheme::Fill::NoFill)
        return placeholder;
    return theme.resolve(fill.colour, placeholder);
}

// A small recursive-descent reader of the formulas met in themed cells.
class Parser
{
public:
    Parser(const QString &source, const VisioThemeFormula &formula, const QString &cellProperty)
        : m_s(source), m_formula(formula), m_cellProperty(cellProperty)
    {
    }

    Value parse()
    {
        Value v = expression(0);
        skipSpace();
        return m_pos == m_s.size() ? v : Value();
    }

private:
    const QString &m_s;
    const VisioThemeFormula &m_formula;
    const QString &m_cellProperty;
    int m_pos = 0;

    static constexpr int maxNesting = 32;

    void skipSpace()
    {
        while (m_pos < m_s.size() && m_s.at(m_pos).isSpace())
            ++m_pos;
    }
    bool take(QChar c)
    {
        skipSpace();
        if (m_pos < m_s.size() && m_s.at(m_pos) == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    bool peek(QChar c)
    {
        skipSpace();
        return m_pos < m_s.size() && m_s.at(m_pos) == c;
    }

    Value expression(int nesting)
    {
        if (nesting > maxNesting)
            return {};
        Value left = term(nesting);
        while (true) {
            if (take(QLatin1Char('+'))) {
                const Value right = term(nesting);
                left = (left.kind == Value::Number && right.kind == Value::Number)
                           ? number(left.number + right.number)
                           : Value();
            } else if (take(QLatin1Char('-'))) {
                const Value right = term(nesting);
                left = (left.kind == Value::Number && right.kind == Value::Number)
                           ? number(left.number - right.number)
                           : Value();
            } else {
                return left;
            }
        }
    }

    Value term(int nesting)
    {
        Value left = unary(nesting);
        while (true) {
            if (take(QLatin1Char('*'))) {
                const Value right = unary(nesting);
                left = (left.kind == Value::Number && right.kind == Value::Number)
                           ? number(left.number * right.number)
                           : Value();
            } else if (take(QLatin1Char('/'))) {
                const Value right = unary(nesting);
                left = (left.kind == Value::Number && right.kind == Value::Number && right.number != 0)
                           ? number(left.number / right.number)
                           : Value();
            } else {
                return left;
            }
        }
    }

    Value unary(int nesting)
    {
        if (take(QLatin1Char('-'))) {
            const Value v = unary(nesting + 1);
            return v.kind == Value::Number ? number(-v.number) : Value();
        }
        return primary(nesting);
    }

    Value primary(int nesting)
    {
        skipSpace();
        if (m_pos >= m_s.size())
            return {};
        const QChar c = m_s.at(m_pos);
        if (c == QLatin1Char('(')) {
            ++m_pos;
            const Value v = expression(nesting + 1);
            return take(QLatin1Char(')')) ? v : Value();
        }
        if (c == QLatin1Char('"')) {
            QString s;
            ++m_pos;
            while (m_pos < m_s.size()) {
                if (m_s.at(m_pos) == QLatin1Char('"')) {
                    if (m_pos + 1 < m_s.size() && m_s.at(m_pos + 1) == QLatin1Char('"')) {
                        s += QLatin1Char('"');
                        m_pos += 2;
                        continue;
                    }
                    ++m_pos;
                    Value v;
                    v.kind = Value::Text;
                    v.text = s;
                    return v;
                }
                s += m_s.at(m_pos++);
            }
            return {};
        }
        if (c.isDigit() || c == QLatin1Char('.')) {
            const int start = m_pos;
            while (m_pos < m_s.size() && (m_s.at(m_pos).isDigit() || m_s.at(m_pos) == QLatin1Char('.')
                                          || m_s.at(m_pos) == QLatin1Char('E') || m_s.at(m_pos) == QLatin1Char('e')))
                ++m_pos;
            bool ok = false;
            const double v = m_s.mid(start, m_pos - start).toDouble(&ok);
            // A unit (pt, in, mm …) after a number: Visio stores lengths in inches.
            const int unitStart = m_pos;
            while (m_pos < m_s.size() && m_s.at(m_pos).isLetter())
                ++m_pos;
            const QString unit = m_s.mid(unitStart, m_pos - unitStart).toLower();
            if (!ok)
                return {};
            if (unit.isEmpty() || unit == QLatin1String("in") || unit == QLatin1String("dl"))
                return number(v);
            if (unit == QLatin1String("pt"))
                return number(v / 72.0);
            if (unit == QLatin1String("mm"))
                return number(v / 25.4);
            if (unit == QLatin1String("cm"))
                return number(v / 2.54);
            return {};
        }
        if (!c.isLetter() && c != QLatin1Char('_'))
            return {};
        const int start = m_pos;
        while (m_pos < m_s.size() && (m_s.at(m_pos).isLetterOrNumber() || m_s.at(m_pos) == QLatin1Char('_')))
            ++m_pos;
        const QString name = m_s.mid(start, m_pos - start).toUpper();
        if (!take(QLatin1Char('(')))
            return {};
        QList<Value> args;
        QList<bool> given;
        if (!take(QLatin1Char(')'))) {
            while (true) {
                if (peek(QLatin1Char(',')) || peek(QLatin1Char(')'))) {
                    args.append(Value());
                    given.append(false);
                } else {
                    args.append(expression(nesting + 1));
                    given.append(true);
                }
                if (take(QLatin1Char(')')))
                    break;
                if (!take(QLatin1Char(',')) || args.size() > 8)
                    return {};
            }
        }
        return call(name, args, given);
    }

    Value call(const QString &name, const QList<Value> &args, const QList<bool> &given)
    {
        const auto num = [&args](int i) { return i < args.size() && args[i].kind == Value::Number; };
        const auto col = [&args](int i) { return i < args.size() && args[i].kind == Value::Colour; };
        if (name == QLatin1String("THEMEGUARD") || name == QLatin1String("GUARD"))
            return args.size() == 1 ? args.first() : Value();
        if (name == QLatin1String("THEMEVAL")) {
            const bool named = !args.isEmpty() && given.value(0);
            if (named && args.first().kind != Value::Text)
                return {};
            const Value v = m_formula.property(named ? args.first().text : m_cellProperty);
            if (v.kind != Value::None)
                return v;
            return args.size() > 1 ? args.at(1) : Value();
        }
        if (name == QLatin1String("RGB") && num(0) && num(1) && num(2))
            return colour(QColor(std::clamp(int(args[0].number), 0, 255), std::clamp(int(args[1].number), 0, 255),
                                 std::clamp(int(args[2].number), 0, 255)));
        if (name == QLatin1String("HSL") && num(0) && num(1) && num(2))
            return colour(QColor::fromHslF(float(std::clamp(args[0].number / 240.0, 0.0, 1.0)),
                                           float(std::clamp(args[1].number / 240.0, 0.0, 1.0)),
                                           float(std::clamp(args[2].number / 240.0, 0.0, 1.0)))
                              .toRgb());
        if ((name == QLatin1String("MSOTINT") || name == QLatin1String("MSOSHADE")) && col(0) && num(1)) {
            // Percent towards white (tint) or black (shade) in lightness.
            double amount = std::clamp(args[1].number, -100.0, 100.0) / 100.0;
            if (name == QLatin1String("MSOSHADE"))
                amount = -amount;
            const double l = lightness(args[0].colour);
            return colour(withLightness(args[0].colour, amount >= 0 ? l + (1 - l) * amount : l * (1 + amount)));
        }
        if ((name == QLatin1String("TINT") || name == QLatin1String("SHADE")) && col(0) && num(1)) {
            const double step = std::clamp(args[1].number, -240.0, 240.0) / 240.0;
            const double l = lightness(args[0].colour);
            return colour(withLightness(args[0].colour, name == QLatin1String("TINT") ? l + step : l - step));
        }
        return {};
    }
};

} // namespace

VisioThemeFormula::VisioThemeFormula(const VisioTheme &theme, const Context &context)
    : m_theme(theme), m_context(context)
{
}

std::optional<QString> VisioThemeFormula::evaluate(const QString &formula, const QString &cellProperty) const
{
    if (formula.size() > 4096)
        return std::nullopt;
    Parser parser(formula, *this, cellProperty);
    const Value v = parser.parse();
    switch (v.kind) {
    case Value::Colour:
        return v.colour.name(QColor::HexRgb);
    case Value::Number:
        return QString::number(v.number, 'g', 15);
    case Value::Text:
        return v.text;
    case Value::None:
        break;
    }
    return std::nullopt;
}

const VisioTheme::StyleLists &VisioThemeFormula::lists(bool connector) const
{
    return connector ? m_theme.connectors() : m_theme.shapes();
}

int VisioThemeFormula::styleIndex(int matrix, int which) const
{
    if (matrix >= 1 && matrix <= 6)
        return matrix;
    if (matrix >= 100 && matrix <= 103)
        return m_theme.variationStyleIndex(matrix, m_context.variationStyle, which);
    return -1;
}

VisioThemeFormula::Value VisioThemeFormula::property(const QString &name) const
{
    if (!m_context.themed || !m_theme.isValid())
        return {};
    static const QHash<QString, QString> connectorNames = {
        {QStringLiteral("ConnectorColor"), QStringLiteral("LineColor")},
        {QStringLiteral("ConnectorWeight"), QStringLiteral("LineWeight")},
        {QStringLiteral("ConnectorPattern"), QStringLiteral("LinePattern")},
        {QStringLiteral("ConnectorRounding"), QStringLiteral("LineRounding")},
        {QStringLiteral("ConnectorBegin"), QStringLiteral("BeginArrow")},
        {QStringLiteral("ConnectorEnd"), QStringLiteral("EndArrow")},
        {QStringLiteral("ConnectorBeginSize"), QStringLiteral("BeginArrowSize")},
        {QStringLiteral("ConnectorEndSize"), QStringLiteral("EndArrowSize")},
        {QStringLiteral("ConnectorTransparency"), QStringLiteral("LineTransparency")},
    };
    const auto connectorName = connectorNames.constFind(name);
    if (connectorName != connectorNames.constEnd())
        return themeProperty(*connectorName, !lists(true).lines.isEmpty());
    if (name == QLatin1String("TextColor"))
        return colour(textColour());
    return themeProperty(name, m_context.connector && !lists(true).lines.isEmpty());
}

VisioThemeFormula::Value VisioThemeFormula::themeProperty(const QString &name, bool connector) const
{
    const VisioTheme::StyleLists &styles = lists(connector);
    if (name == QLatin1String("FillColor") || name == QLatin1String("FillColor2")
        || name == QLatin1String("FillPattern") || name == QLatin1String("FillTransparency")) {
        const int i = styleIndex(m_context.fillMatrix, 0);
        if (i < 1 || i > styles.fills.size())
            return {};
        const VisioTheme::Fill &fill = styles.fills.at(i - 1);
        if (name == QLatin1String("FillPattern"))
            return number(fill.kind == VisioTheme::Fill::NoFill ? 0 : 1);
        const QColor c = fillColour(m_theme, fill, m_theme.quickStyleColour(m_context.fillColour,
                                                                             m_context.variationColour));
        if (!c.isValid())
            return {};
        if (name == QLatin1String("FillTransparency"))
            return number(1.0 - c.alphaF());
        return colour(QColor(c.rgb()));
    }
    if (name.startsWith(QLatin1String("Line")) || name.contains(QLatin1String("Arrow"))) {
        const int i = styleIndex(m_context.lineMatrix, 1);
        if (i < 1 || i > styles.lines.size())
            return {};
        const VisioTheme::Line &line = styles.lines.at(i - 1);
        // Visio's line extras keep a first entry for matrix 0, so they count from 0.
        const VisioTheme::LineExtras extras = styles.lineExtras.value(i);
        if (name == QLatin1String("LineColor") || name == QLatin1String("LineTransparency")) {
            const QColor c = fillColour(m_theme, line.fill, m_theme.quickStyleColour(m_context.lineColour,
                                                                                      m_context.variationColour));
            if (!c.isValid())
                return {};
            if (name == QLatin1String("LineTransparency"))
                return number(1.0 - c.alphaF());
            return colour(QColor(c.rgb()));
        }
        if (name == QLatin1String("LineWeight"))
            return line.width >= 0 ? number(line.width) : Value();
        if (name == QLatin1String("LinePattern")) {
            if (line.fill.kind == VisioTheme::Fill::NoFill)
                return number(0);
            return number(extras.valid && extras.pattern >= 0 ? extras.pattern : patternOfDash(line.dash));
        }
        if (name == QLatin1String("LineCap"))
            return number(line.cap == QLatin1String("sq") ? 2 : line.cap == QLatin1String("flat") ? 1 : 0);
        if (name == QLatin1String("LineRounding"))
            return number(extras.rounding);
        if (!extras.valid)
            return {};
        if (name == QLatin1String("BeginArrow"))
            return number(extras.begin);
        if (name == QLatin1String("EndArrow"))
            return number(extras.end);
        if (name == QLatin1String("BeginArrowSize"))
            return number(extras.beginSize);
        if (name == QLatin1String("EndArrowSize"))
            return number(extras.endSize);
        return {};
    }
    if (name.startsWith(QLatin1String("Shadow"))) {
        const int i = styleIndex(m_context.effectsMatrix, 2);
        if (i < 1 || i > styles.effects.size())
            return {};
        const VisioTheme::Effect &effect = styles.effects.at(i - 1);
        if (name == QLatin1String("ShadowPattern"))
            return number(effect.shadow ? 1 : 0);
        if (!effect.shadow)
            return {};
        const QColor c = m_theme.resolve(effect.colour, m_theme.quickStyleColour(m_context.shadowColour,
                                                                                   m_context.variationColour));
        if (!c.isValid())
            return {};
        if (name == QLatin1String("ShadowColor"))
            return colour(QColor(c.rgb()));
        if (name == QLatin1String("ShadowTransparency"))
            return number(1.0 - c.alphaF());
        // DrawingML measures the direction clockwise with y down; Visio's y grows upwards.
        const double radians = effect.direction * M_PI / 180.0;
        if (name == QLatin1String("ShadowOffsetX"))
            return number(effect.distance * std::cos(radians));
        if (name == QLatin1String("ShadowOffsetY"))
            return number(-effect.distance * std::sin(radians));
        return {};
    }
    if (name == QLatin1String("BackgroundColor"))
        return colour(m_theme.schemeColour(QStringLiteral("bkgnd")));
    if (name.startsWith(QLatin1String("AccentColor"))) {
        const QString n = name.mid(11);
        return colour(m_theme.schemeColour(QStringLiteral("accent") + (n.isEmpty() ? QStringLiteral("1") : n)));
    }
    if (name == QLatin1String("Dark1") || name == QLatin1String("Light1")
        || name == QLatin1String("Dark2") || name == QLatin1String("Light2"))
        return colour(m_theme.schemeColour((name.startsWith(QLatin1Char('D')) ? QStringLiteral("dk")
                                                                              : QStringLiteral("lt"))
                                           + name.right(1)));
    if (name == QLatin1String("LatinFont"))
        return text(m_theme.minorLatinFont());
    return {};
}

QColor VisioThemeFormula::textColour() const
{
    const VisioTheme::StyleLists &styles = lists(m_context.connector && !lists(true).fonts.isEmpty());
    const int i = styleIndex(m_context.fontMatrix, 3);
    if (i < 1 || i > styles.fonts.size() || !styles.fonts.at(i - 1).valid)
        return QColor();
    QColor text = m_theme.resolve(styles.fonts.at(i - 1).colour,
                                  m_theme.quickStyleColour(m_context.fontColour, m_context.variationColour));
    if (!text.isValid() || !(m_context.variationFlags & 2))
        return text;
    // Text kept legible against the page: Visio swaps a colour too close to the background.
    const QColor background = m_theme.schemeColour(QStringLiteral("bkgnd"));
    if (!background.isValid())
        return text;
    const double lb = lightness(background);
    if (std::abs(lightness(text) - lb) >= 0.1666)
        return text;
    if (lb <= 0.7292)
        return QColor(Qt::white);
    QColor best = text;
    for (const QString &other : {QStringLiteral("FillColor"), QStringLiteral("LineColor")}) {
        const Value v = themeProperty(other, m_context.connector);
        if (v.kind == Value::Colour && std::abs(lightness(v.colour) - lb) > std::abs(lightness(best) - lb))
            best = v.colour;
    }
    return best;
}
