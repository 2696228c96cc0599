#include "VisioPackage.h"

#include "ImportLimits.h"

#include <librevenge-stream/librevenge-stream.h>

#include <QStringList>
#include <QXmlStreamReader>

#include <memory>

namespace {

QString relationshipsOf(const QString &part)
{
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1)
           + QStringLiteral(".rels");
}

} // namespace

bool VisioPackage::isPackage(librevenge::RVNGInputStream *input)
{
    return input && input->isStructured() && input->existsSubStream("[Content_Types].xml");
}

QByteArray VisioPackage::readAll(librevenge::RVNGInputStream *stream)
{
    QByteArray data;
    if (!stream)
        return data;
    stream->seek(0, librevenge::RVNG_SEEK_SET);
    while (!stream->isEnd() && data.size() < ImportLimits::maxInputBytes) {
        unsigned long got = 0;
        const unsigned char *bytes = stream->read(1 << 16, got);
        if (!bytes || got == 0)
            break;
        data.append(reinterpret_cast<const char *>(bytes), qsizetype(got));
    }
    return data;
}

QByteArray VisioPackage::readPart(librevenge::RVNGInputStream *package, const QString &name)
{
    const QByteArray encoded = name.toUtf8();
    if (!package || name.isEmpty() || !package->existsSubStream(encoded.constData()))
        return QByteArray();
    std::unique_ptr<librevenge::RVNGInputStream> part(
        package->getSubStreamByName(encoded.constData()));
    return readAll(part.get());
}

QHash<QString, QString> VisioPackage::relationships(librevenge::RVNGInputStream *package,
                                                    const QString &part, bool byType)
{
    QHash<QString, QString> targets;
    QXmlStreamReader xml(readPart(package, relationshipsOf(part)));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Relationship")
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const QString key =
            attributes.value(byType ? QLatin1String("Type") : QLatin1String("Id")).toString();
        if (!targets.contains(key))
            targets.insert(key, resolve(part, attributes.value(QLatin1String("Target")).toString()));
    }
    return targets;
}

QString VisioPackage::documentPart(librevenge::RVNGInputStream *package)
{
    return relationships(package, QString(), true)
        .value(QString::fromLatin1(documentRelationship));
}

QString VisioPackage::resolve(const QString &fromPart, const QString &target)
{
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1);
    QStringList parts = fromPart.split(QLatin1Char('/'));
    parts.removeLast();
    for (const QString &piece : target.split(QLatin1Char('/'))) {
        if (piece == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (!piece.isEmpty() && piece != QLatin1String(".")) {
            parts.append(piece);
        }
    }
    return parts.join(QLatin1Char('/'));
}
