#include "PackageRelationships.h"

#include <QVarLengthArray>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <string_view>

namespace {

const QString RelationshipsNamespace =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");

// False when the target climbs above the root; name, when given, gets the
// part it names. Backslashes separate too: some Windows tools write them,
// and libvisio reads them so.
bool resolveTarget(QByteArrayView source, QByteArrayView target, QByteArray *name)
{
    QVarLengthArray<QByteArrayView, 16> segments;
    const auto walk = [&segments](QByteArrayView path) {
        qsizetype start = 0;
        for (qsizetype i = 0; i <= path.size(); ++i) {
            if (i < path.size() && path.at(i) != '/' && path.at(i) != '\\')
                continue;
            const QByteArrayView segment = path.sliced(start, i - start);
            start = i + 1;
            if (segment == "..") {
                if (segments.isEmpty())
                    return false;
                segments.removeLast();
            } else if (!segment.isEmpty() && segment != ".") {
                segments.append(segment);
            }
        }
        return true;
    };
    if (!target.startsWith('/') && !walk(source.first(std::max<qsizetype>(source.lastIndexOf('/'), 0))))
        return false;
    if (!walk(target))
        return false;
    if (name) {
        name->clear();
        for (const QByteArrayView segment : segments) {
            if (!name->isEmpty())
                name->append('/');
            name->append(segment);
        }
    }
    return true;
}

// Whether a relationships part is UTF-8 without references, DTD or
// comments, so that every attribute value is the bytes between its quotes
// (whitespace aside) to libvisio's XML reader as to ours. Stencils hold a
// part like this per master: string_view's searches keep it cheap.
bool isPlainText(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    if (text.empty() || text.front() != '<' || text.find('\0') != text.npos
        || text.find('&') != text.npos || text.find("<!") != text.npos)
        return false;
    if (text.substr(0, 5) != "<?xml")
        return true;
    const std::string_view declaration = text.substr(0, text.find("?>"));
    if (declaration.size() == text.size())
        return false;
    return declaration.find("encoding") == text.npos
           || declaration.find("encoding=\"UTF-8\"") != text.npos
           || declaration.find("encoding='UTF-8'") != text.npos;
}

// Whether a plain relationships part may hold a target that climbs: each
// Target="..." in it, and anything that looks like one, is checked.
bool mayClimb(QByteArrayView source, std::string_view text)
{
    if (text.find("..") == text.npos)
        return false;
    const auto skipSpace = [text](size_t at) {
        while (at < text.size() && std::string_view(" \t\r\n").find(text[at]) != text.npos)
            ++at;
        return at;
    };
    for (size_t at = text.find("Target"); at != text.npos; at = text.find("Target", at + 1)) {
        size_t start = skipSpace(at + 6);
        if (start >= text.size() || text[start] != '=')
            continue;
        start = skipSpace(start + 1);
        if (start >= text.size() || (text[start] != '"' && text[start] != '\''))
            return true;
        const size_t end = text.find(text[start], start + 1);
        if (end == text.npos
            || !resolveTarget(source, QByteArrayView(text.data() + start + 1, qsizetype(end - start - 1)),
                              nullptr))
            return true;
    }
    return false;
}

// A relationships part with these relationships alone.
QByteArray relationshipsPart(const QList<QXmlStreamAttributes> &relationships)
{
    QByteArray bytes;
    QXmlStreamWriter out(&bytes);
    out.writeStartDocument();
    out.writeDefaultNamespace(RelationshipsNamespace);
    out.writeStartElement(QStringLiteral("Relationships"));
    for (const QXmlStreamAttributes &attributes : relationships) {
        out.writeEmptyElement(QStringLiteral("Relationship"));
        out.writeAttributes(attributes);
    }
    out.writeEndDocument();
    return bytes;
}

} // namespace

PackageRelationships::PackageRelationships(const PackageParts &parts, const QByteArray &source)
{
    const QByteArray bytes = parts.value(relationshipsPartOf(source));
    // Most parts have none, and setting a reader up costs more than reading
    // a small part: a stencil has one per master, so each thread keeps one.
    if (bytes.isEmpty())
        return;
    thread_local QXmlStreamReader xml;
    xml.clear();
    xml.addData(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Relationship")
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attributes.value(QLatin1String("TargetMode")) == u"External")
            continue;
        const QByteArray target = resolve(source, attributes.value(QLatin1String("Target")).toUtf8());
        if (target.isEmpty())
            continue;
        const Relationship relationship{attributes.value(QLatin1String("Id")).toUtf8(),
                                        attributes.value(QLatin1String("Type")).toUtf8(), target};
        m_byId.insert(relationship.id, m_relationships.size());
        m_relationships.append(relationship);
    }
    xml.clear(); // not to keep the part
}

QByteArray PackageRelationships::target(QByteArrayView id) const
{
    const auto found = m_byId.constFind(id.toByteArray());
    return found == m_byId.constEnd() ? QByteArray() : m_relationships.at(*found).target;
}

QByteArray PackageRelationships::targetOfType(QByteArrayView type) const
{
    for (auto it = m_relationships.crbegin(); it != m_relationships.crend(); ++it) {
        if (it->type == type)
            return it->target;
    }
    return QByteArray();
}

PackageRelationships::DocumentParts PackageRelationships::documentParts(const PackageParts &parts)
{
    // Visio's own names where the relationships say nothing.
    DocumentParts main{"visio/document.xml", "visio/pages/pages.xml", "visio/masters/masters.xml", {}};
    const auto take = [](QByteArray *name, const QByteArray &target) {
        if (!target.isEmpty())
            *name = target;
    };
    take(&main.document, PackageRelationships(parts, QByteArray()).targetOfType(documentType));
    const PackageRelationships document(parts, main.document);
    take(&main.pages, document.targetOfType(pagesType));
    take(&main.masters, document.targetOfType(mastersType));
    for (const Relationship &relationship : document.all()) {
        if (relationship.type.endsWith("/theme"))
            main.theme = relationship.target;
    }
    return main;
}

QByteArray PackageRelationships::relationshipsPartOf(const QByteArray &source)
{
    const qsizetype slash = source.lastIndexOf('/');
    return source.left(slash + 1) + "_rels/" + source.mid(slash + 1) + ".rels";
}

bool PackageRelationships::sourceOf(const QByteArray &relationshipsPart, QByteArray *source)
{
    const qsizetype slash = relationshipsPart.lastIndexOf('/');
    if (!relationshipsPart.endsWith(".rels") || slash < 0)
        return false;
    const QByteArray folder = relationshipsPart.left(slash);
    if (folder != "_rels" && !folder.endsWith("/_rels"))
        return false;
    *source = folder.chopped(5) + relationshipsPart.mid(slash + 1).chopped(5);
    return true;
}

QByteArray PackageRelationships::resolve(const QByteArray &source, const QByteArray &target)
{
    QByteArray name;
    return resolveTarget(source, target, &name) ? name : QByteArray();
}

PackageParts PackageRelationships::withoutClimbingTargets(const PackageParts &parts,
                                                          QStringList *warnings)
{
    PackageParts result = parts;
    for (const QByteArray &name : parts.names()) {
        QByteArray source;
        if (!sourceOf(name, &source))
            continue;
        const QByteArray bytes = parts.value(name);
        const std::string_view text(bytes.constData(), size_t(bytes.size()));
        if (text.empty() || (isPlainText(text) && !mayClimb(source, text)))
            continue;
        // libvisio reads every relationship, external ones too, and reads on
        // past damaged XML: a part we cannot read to its end, or whose DTD
        // may change what it says, is served as we read it.
        QList<QXmlStreamAttributes> kept;
        QStringList climbing;
        bool hasDtd = false;
        QXmlStreamReader xml(bytes);
        while (!xml.atEnd()) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            hasDtd = hasDtd || token == QXmlStreamReader::DTD;
            if (token != QXmlStreamReader::StartElement || xml.name() != u"Relationship")
                continue;
            const QXmlStreamAttributes attributes = xml.attributes();
            if (resolveTarget(source, attributes.value(QLatin1String("Target")).toUtf8(), nullptr))
                kept.append(attributes);
            else
                climbing.append(attributes.value(QLatin1String("Id")).toString());
        }
        if (climbing.isEmpty() && !xml.hasError() && !hasDtd)
            continue;
        result.insert(name, relationshipsPart(kept));
        if (!warnings)
            continue;
        const QString part = QString::fromUtf8(name);
        if (!climbing.isEmpty())
            warnings->append(QStringLiteral("part %1: relationships %2 left out: their targets climb above the package")
                                 .arg(part, climbing.join(QLatin1String(", "))));
        if (xml.hasError())
            warnings->append(QStringLiteral("part %1: relationships after line %2 left out: %3")
                                 .arg(part)
                                 .arg(xml.lineNumber())
                                 .arg(xml.errorString()));
    }
    return result;
}
