#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace librevenge {
class RVNGInputStream;
}

// Parts of a drawing package (.vsdx and its kin) read through librevenge's
// zip support, for what libvisio does not report.
class VisioPackage
{
public:
    static constexpr const char *documentRelationship =
        "http://schemas.microsoft.com/visio/2010/relationships/document";
    static constexpr const char *pagesRelationship =
        "http://schemas.microsoft.com/visio/2010/relationships/pages";
    static constexpr const char *mastersRelationship =
        "http://schemas.microsoft.com/visio/2010/relationships/masters";

    static bool isPackage(librevenge::RVNGInputStream *input);
    // The whole part; empty when it is missing.
    static QByteArray readPart(librevenge::RVNGInputStream *package, const QString &name);
    // The stream from its start, up to the import's size limit.
    static QByteArray readAll(librevenge::RVNGInputStream *stream);
    // The targets of a part's relationships, as part names, by ID or, with
    // byType, by type (the first of each).
    static QHash<QString, QString> relationships(librevenge::RVNGInputStream *package,
                                                 const QString &part, bool byType);
    // The main document part; empty when there is none.
    static QString documentPart(librevenge::RVNGInputStream *package);
    // A target relative to the folder of the part that names it.
    static QString resolve(const QString &fromPart, const QString &target);
};
