#pragma once

#include "VisioTheme.h"

#include <QColor>
#include <QString>

#include <optional>

// Evaluates the theme formulas of Visio's cells (THEMEVAL, THEMEGUARD and the
// colour functions found around them) for one shape, given what decides its
// theme values: its quick-style colours and matrices, its variation and
// whether it is a connector.
class VisioThemeFormula
{
public:
    struct Context
    {
        bool themed = false;
        int variationColour = 0;
        int variationStyle = 0;
        int lineColour = -1, fillColour = -1, shadowColour = -1, fontColour = -1;
        int lineMatrix = 0, fillMatrix = 0, effectsMatrix = 0, fontMatrix = 0;
        int variationFlags = 0; // QuickStyleVariation
        bool connector = false;
    };

    struct Value
    {
        enum Kind { None, Colour, Number, Text };
        Kind kind = None;
        QColor colour;
        double number = 0;
        QString text;
    };

    VisioThemeFormula(const VisioTheme &theme, const Context &context);

    // The cell value (as Visio writes it in V) of a formula; cellProperty is
    // the theme property THEMEVAL() without arguments stands for. Nothing
    // when the formula is malformed or the theme lacks what it asks for.
    std::optional<QString> evaluate(const QString &formula, const QString &cellProperty) const;

    // One theme property (FillColor, LineWeight, ConnectorEnd …) for this shape.
    Value property(const QString &name) const;

private:
    const VisioTheme &m_theme;
    Context m_context;

    Value themeProperty(const QString &name, bool connector) const;
    const VisioTheme::StyleLists &lists(bool connector) const;
    int styleIndex(int matrix, int which) const;
    QColor textColour() const;
};
