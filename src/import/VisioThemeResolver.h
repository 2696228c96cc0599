#pragma once

#include "PackageParts.h"
#include "PackageRelationships.h"

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
    // The package's parts with its style sheets, masters and pages rewritten;
    // the same parts when there is nothing to resolve. warnings gets at most
    // one line per problem, for the log: the drawing opens regardless.
    static PackageParts resolve(const PackageParts &parts, QStringList *warnings = nullptr);
    // The same for a caller that has found the package's main parts.
    static PackageParts resolve(const PackageParts &parts,
                                const PackageRelationships::DocumentParts &main,
                                QStringList *warnings = nullptr);
};
