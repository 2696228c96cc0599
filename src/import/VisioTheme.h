#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <array>

// What a drawing's theme part (visio/theme/theme1.xml) says: the colour
// scheme with Visio's variations, and the fill, line, effect and font styles
// that the QuickStyle matrices pick from, once for shapes and once for
// connectors. Colours stay symbolic until a shape's own quick-style colour
// stands in for the placeholder.
class VisioTheme
{
public:
    struct Colour
    {
        enum Kind { Unset, Rgb, Scheme, Placeholder };
        Kind kind = Unset;
        QRgb rgb = 0;
        QString scheme; // dk1, lt1, accent1 …
        // DrawingML transforms in document order, values as fractions (0.8 = 80 %).
        QList<QPair<QString, double>> transforms;
    };

    struct Fill
    {
        enum Kind { NoFill, Solid, Gradient, Unknown };
        Kind kind = Unknown;
        Colour colour;                      // solid fills
        QList<QPair<double, Colour>> stops; // gradients: position 0..1 and colour
        double angle = 90.0;                // linear gradients, degrees
        bool radial = false;
    };

    struct Line
    {
        double width = -1; // inches; < 0 when not given
        Fill fill;
        QString dash;      // prstDash value
        QString cap;       // rnd, sq, flat
    };

    // Visio's own line extras (vt:lineEx): arrows, rounding, pattern.
    struct LineExtras
    {
        bool valid = false;
        int pattern = -1;
        double rounding = 0;
        int begin = 0, end = 0, beginSize = 2, endSize = 2;
    };

    struct Effect
    {
        bool shadow = false;
        Colour colour;
        double distance = 0;  // inches
        double direction = 0; // degrees, 0 = to the right, clockwise
    };

    struct FontStyle
    {
        bool valid = false;
        Colour colour;
        int style = 0; // Visio's Style cell: 1 bold, 2 italic, 4 underline
    };

    // The style lists of one scheme (shapes or connectors), indexed from 1 by the matrices.
    struct StyleLists
    {
        QList<Fill> fills;
        QList<Line> lines;
        QList<Effect> effects;
        QList<LineExtras> lineExtras;
        QList<FontStyle> fonts;
    };

    // fill, line, effect, font style indices of one variation style
    using VariationStyle = std::array<int, 4>;

    bool parse(const QByteArray &xml, QString *why = nullptr);
    bool isValid() const { return m_valid; }
    // Set when a list was longer than the import reads; the rest is ignored.
    bool wasTruncated() const { return m_truncated; }

    // A colour of the scheme by its DrawingML name (dk1, lt1, accent1 … bkgnd); invalid when unknown.
    QColor schemeColour(const QString &name) const;
    // A QuickStyle colour index: 0-8 the scheme, 100-106 and 200-206 the variation's colours.
    QColor quickStyleColour(int index, int variation) const;
    // Resolves a colour against this scheme, with placeholder standing in for phClr.
    QColor resolve(const Colour &colour, const QColor &placeholder) const;
    // The variation style's index for a matrix value of 100-103; -1 when there is none.
    int variationStyleIndex(int matrix, int variation, int which) const;

    const StyleLists &shapes() const { return m_shapes; }
    const StyleLists &connectors() const { return m_connectors; }
    QString minorLatinFont() const { return m_minorLatin; }

    // Applies one DrawingML colour transform.
    static QColor transform(const QColor &colour, const QString &name, double value);

private:
    bool m_valid = false;
    bool m_truncated = false;
    QHash<QString, QColor> m_scheme;
    QList<QList<QColor>> m_variationColours;
    QList<bool> m_monotone;
    QList<QList<VariationStyle>> m_variationStyles;
    StyleLists m_shapes;
    StyleLists m_connectors;
    QString m_minorLatin;
};
