#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// Turns the themed cells of a .vsdx package into ordinary ones before
// libvisio reads it. Visio 2013 and later leave most formatting to the theme
// (V='Themed', THEMEVAL(), the QuickStyle cells); libvisio reads little of
// that, so shapes would come out white with black lines. Each style sheet,
// master shape and page shape whose effective value is themed gets the value
// Visio computes for it, in its own context: its quick-style colours and
// matrices, its variation and whether it is a connector.
//
// A pure function from parts to parts: it reads no file and keeps no state.
class VisioThemeResolver
{
public:
    // Part name (as in the package, without a leading slash) to its bytes.
    using Parts = QHash<QString, QByteArray>;

    struct Result
    {
        // Only the parts that changed; every other part stays as it was.
        Parts rewritten;
        // At most one line per problem, for the log; the drawing opens regardless.
        QStringList warnings;
    };

    static Result resolve(const Parts &parts);
};
