#include "VisioBackgroundPages.h"

#include "ImportLimits.h"
#include "VisioDocumentModel.h"

#include <librevenge-stream/librevenge-stream.h>

#include <QXmlStreamReader>

#include <memory>

namespace {

QByteArray readAll(librevenge::RVNGInputStream *stream, qint64 limit)
{
    QByteArray bytes;
    if (!stream || stream->seek(0, librevenge::RVNG_SEEK_SET) != 0)
        return bytes;
    while (!stream->isEnd() && bytes.size() < limit) {
        unsigned long got = 0;
        const unsigned char *data = stream->read(1 << 20, got);
        if (!data || got == 0)
            break;
        bytes.append(reinterpret_cast<const char *>(data), qsizetype(got));
    }
    return bytes;
}

} // namespace

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

QList<bool> VisioBackgroundPages::read(librevenge::RVNGInputStream *stream)
{
    if (!stream)
        return {};
    try {
        if (stream->isStructured()) {
            const char *name = "visio/pages/pages.xml";
            if (!stream->existsSubStream(name))
                return {};
            const std::unique_ptr<librevenge::RVNGInputStream> pages(stream->getSubStreamByName(name));
            return fromPageList(readAll(pages.get(), ImportLimits::maxInputBytes));
        }
        // A .vdx is one XML document; binary drawings begin otherwise.
        stream->seek(0, librevenge::RVNG_SEEK_SET);
        unsigned long got = 0;
        const unsigned char *head = stream->read(5, got);
        if (!head || got < 5 || QByteArray(reinterpret_cast<const char *>(head), 5) != "<?xml")
            return {};
        return fromPageList(readAll(stream, ImportLimits::maxInputBytes));
    } catch (...) {
        return {};
    }
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
