#pragma once

#include <librevenge/librevenge.h>

#include <QColor>
#include <QPainterPath>
#include <QString>

// Readers for libvisio's property lists. Every reader falls back to the
// caller's default instead of failing; numbers come back in the unit the file
// stored them in (libvisio uses inches), never converted. Values that are not
// finite (NaN, infinity) count as absent, so they never reach geometry.
class VisioUtils
{
public:
    VisioUtils() = delete;

    static QString getStringProp(const librevenge::RVNGPropertyList &props, const char *key);
    // The property's text as libvisio stores it (UTF-8); empty when absent.
    // For comparing with keywords without converting to QString.
    static librevenge::RVNGString getRawStringProp(const librevenge::RVNGPropertyList &props,
                                                   const char *key);
    // True when the property's text is exactly keyword.
    static bool isKeyword(const librevenge::RVNGString &value, const char *keyword);
    static int getIntProp(const librevenge::RVNGPropertyList &props, const char *key, int def);
    static double getDoubleProp(const librevenge::RVNGPropertyList &props, const char *key,
                                double def);
    static double getInchProp(const librevenge::RVNGPropertyList &props, const char *key,
                              double def);
    // Percent number as written (50 for "50%"); callers divide by 100.
    static double getPercentProp(const librevenge::RVNGPropertyList &props, const char *key,
                                 double def);

    static QColor parseColor(const QString &s);
    static QColor applyTintShade(const QColor &c, double tint, double shade);

    // Suffix written after a number of this unit (" in", "%", " pt", " twip",
    // nothing for generic numbers); unitName, when given, receives the unit's
    // plain name ("inches", ..., "generic", "unknown unit").
    static QString unitSuffix(librevenge::RVNGUnit unit, QString *unitName = nullptr);

    // Writes every key of props, and of its child lists, to the debug output.
    static void getPropertyKeys(const librevenge::RVNGPropertyList &props, const QString &indent);

    // General SVG path data (commas, glued letters, implicit repetition).
    // Supports M, L, H, V, C, S, Q, T and Z; other commands (A) are skipped
    // with their numbers.
    static QPainterPath parseSvgPath(const QString &d);
};
