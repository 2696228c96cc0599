#include "VisioMasterPictures.h"

#include "ImportLimits.h"
#include "PackageRelationships.h"
#include "VisioDocumentModel.h"
#include "VisioPictureLoader.h"

#include <QFileInfo>
#include <QList>
#include <QXmlStreamReader>

#include <cmath>

namespace {

struct MasterEntry
{
    QString name;
    QString relId;
};

QString relIdOf(const QXmlStreamAttributes &attributes)
{
    for (const QXmlStreamAttribute &attribute : attributes) {
        if (attribute.name() == u"id")
            return attribute.value().toString();
    }
    return QString();
}

QList<MasterEntry> readMasterList(const QByteArray &data)
{
    QList<MasterEntry> masters;
    QXmlStreamReader xml(data);
    while (!xml.atEnd() && masters.size() <= ImportLimits::maxPages) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Master")
            continue;
        MasterEntry entry;
        entry.name = xml.attributes().value(QLatin1String("Name")).toString();
        if (entry.name.isEmpty())
            entry.name = xml.attributes().value(QLatin1String("NameU")).toString();
        while (xml.readNextStartElement()) {
            if (xml.name() == u"Rel")
                entry.relId = relIdOf(xml.attributes());
            xml.skipCurrentElement();
        }
        masters.append(entry);
    }
    return masters;
}

struct Picture
{
    QString relId;
    QSizeF size; // inches
};

// The first top-level shape of the master that holds a picture.
Picture findPicture(const QByteArray &data)
{
    QXmlStreamReader xml(data);
    int shapeDepth = 0;
    QSizeF size;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == u"Shape") {
            --shapeDepth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"Shape") {
            if (++shapeDepth == 1)
                size = QSizeF();
        } else if (shapeDepth == 1 && xml.name() == u"Cell") {
            const QStringView cell = xml.attributes().value(QLatin1String("N"));
            const double value = xml.attributes().value(QLatin1String("V")).toDouble();
            if (cell == u"Width")
                size.setWidth(value);
            else if (cell == u"Height")
                size.setHeight(value);
            xml.skipCurrentElement();
        } else if (shapeDepth == 1 && xml.name() == u"ForeignData") {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"Rel")
                    return Picture{relIdOf(xml.attributes()), size};
                xml.skipCurrentElement();
            }
        } else if (shapeDepth >= 1 && xml.name() == u"Section") {
            xml.skipCurrentElement();
        }
    }
    return Picture();
}

bool usableSize(const QSizeF &size)
{
    return std::isfinite(size.width()) && std::isfinite(size.height()) && size.width() > 0
           && size.height() > 0 && size.width() < 1000 && size.height() < 1000;
}

} // namespace

void VisioMasterPictures::fillEmptyMasters(const PackageParts &parts, const QByteArray &mastersPart,
                                           VisioDocumentModel *masters)
{
    if (!masters)
        return;
    bool anyEmpty = false;
    for (const VisioPage &page : std::as_const(masters->pages))
        anyEmpty = anyEmpty || (page.shapes.isEmpty() && page.texts.isEmpty() && page.images.isEmpty());
    if (!anyEmpty)
        return;

    const QList<MasterEntry> entries = readMasterList(parts.value(mastersPart));
    // libvisio gives the masters in the list's order; names confirm it.
    if (entries.size() != masters->pages.size())
        return;
    const PackageRelationships masterParts(parts, mastersPart);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        VisioPage &page = masters->pages[i];
        if (page.name != entries.at(i).name || !page.shapes.isEmpty() || !page.texts.isEmpty()
            || !page.images.isEmpty())
            continue;
        const QByteArray part = masterParts.target(entries.at(i).relId.toUtf8());
        const Picture picture = findPicture(parts.value(part));
        if (picture.relId.isEmpty() || !usableSize(picture.size))
            continue;
        const QByteArray media = PackageRelationships(parts, part).target(picture.relId.toUtf8());
        const QByteArray data = parts.value(media);
        VisioImage record;
        if (data.isEmpty()
            || !VisioPictureLoader::load(data, QFileInfo(QString::fromUtf8(media)).suffix().toLower(),
                                         picture.size, record))
            continue;
        record.id = QStringLiteral("image_master_%1").arg(i + 1);
        record.rect = QRectF(QPointF(0, 0), picture.size);
        page.images.append(record);
    }
}
