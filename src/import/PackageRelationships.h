#pragma once

#include "PackageParts.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QStringList>

// The relationships of one part of a package, or of the package itself,
// from the .rels part beside it, with their targets as part names. Every
// reader of a package finds its parts through here.
class PackageRelationships
{
public:
    static constexpr const char *documentType =
        "http://schemas.microsoft.com/visio/2010/relationships/document";
    static constexpr const char *pagesType =
        "http://schemas.microsoft.com/visio/2010/relationships/pages";
    static constexpr const char *mastersType =
        "http://schemas.microsoft.com/visio/2010/relationships/masters";

    struct Relationship
    {
        QByteArray id;
        QByteArray type;
        QByteArray target; // a part name
    };

    // The relationships of source, or of the package when source is empty.
    // External targets and targets that climb above the package's root are
    // left out.
    PackageRelationships(const PackageParts &parts, const QByteArray &source);

    const QList<Relationship> &all() const { return m_relationships; }
    // Of several with one ID or type, the last counts, as for libvisio.
    // Empty when there is none.
    QByteArray target(QByteArrayView id) const;
    QByteArray targetOfType(QByteArrayView type) const;

    // The drawing's main parts, named by the package's relationships or else
    // by Visio's usual names; parts may still lack them.
    struct DocumentParts
    {
        QByteArray document;
        QByteArray pages;
        QByteArray masters;
        QByteArray theme; // empty when there is none
    };
    static DocumentParts documentParts(const PackageParts &parts);

    // "visio/_rels/document.xml.rels" for "visio/document.xml", and
    // "_rels/.rels" for the package itself.
    static QByteArray relationshipsPartOf(const QByteArray &source);
    // The other way round; false for a part that holds no relationships.
    static bool sourceOf(const QByteArray &relationshipsPart, QByteArray *source);
    // A target as a part name: relative to the folder of source, or to the
    // package's root when it starts with a slash. Empty when it climbs above
    // the root or names no part.
    static QByteArray resolve(const QByteArray &source, const QByteArray &target);

    // The parts with every relationship whose target climbs above the root
    // taken out of its .rels part: libvisio follows such a target into
    // undefined behaviour. warnings gets one line per part changed.
    static PackageParts withoutClimbingTargets(const PackageParts &parts,
                                               QStringList *warnings = nullptr);

private:
    QList<Relationship> m_relationships;
    QHash<QByteArray, qsizetype> m_byId;
};
