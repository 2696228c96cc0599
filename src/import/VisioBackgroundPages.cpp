#include "VisioBackgroundPages.h"

#include "ImportLimits.h"
#include "VisioDocumentModel.h"

#include <QXmlStreamReader>

QList<bool> VisioBackgroundPages::fromPageList(const QByteArray &xml)
{
    QList<bool> flags;
    // Most drawings have no background: spare them the XML reading.
    if (!xml.contains("Background"))
        return flags;
    QXmlStreamReader reader(xml);
    bool any = false;
    while (!reader.atEnd() && flags.size() <= ImportLimits::maxPages) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != QLatin1String("Page"))
            continue;
        const bool background = reader.attributes().value(QLatin1String("Background")) == QLatin1String("1")
                                || reader.attributes().value(QLatin1String("Background")) == QLatin1String("true");
        any = any || background;
        flags.append(background);
    }
    if (reader.hasError() || !any)
        flags.clear();
    return flags;
}

void VisioBackgroundPages::separate(VisioDocumentModel &model, const QList<bool> &backgrounds)
{
    if (backgrounds.size() != model.pages.size())
        return;
    const int count = int(backgrounds.count(true));
    if (count == 0 || count >= model.pages.size())
        return;
    // libvisio draws the foreground pages in order, then the backgrounds.
    model.backgroundPages = model.pages.mid(model.pages.size() - count);
    model.pages.resize(model.pages.size() - count);
}
