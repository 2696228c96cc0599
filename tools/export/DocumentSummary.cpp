#include "DocumentSummary.h"

#include "VisioDocumentModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

QJsonObject DocumentSummary::toJson(const VisioDocumentModel &model)
{
    QJsonArray pages;
    // Backgrounds follow the pages, numbered on, so the numbers of the pages
    // stay the ones --pages and the viewer use.
    const qsizetype count = model.pages.size() + model.backgroundPages.size();
    for (qsizetype i = 0; i < count; ++i) {
        const bool background = i >= model.pages.size();
        const VisioPage &page = background ? model.backgroundPages.at(i - model.pages.size())
                                           : model.pages.at(i);
        QJsonObject entry;
        entry.insert(QStringLiteral("number"), int(i + 1));
        entry.insert(QStringLiteral("name"), page.name);
        entry.insert(QStringLiteral("background"), background);
        entry.insert(QStringLiteral("widthInches"), page.pageSize.width());
        entry.insert(QStringLiteral("heightInches"), page.pageSize.height());
        QStringList layers;
        for (const VisioLayer &layer : page.layerTable) {
            if (layer.kind == VisioLayer::Named)
                layers.append(layer.name);
        }
        entry.insert(QStringLiteral("layers"), QJsonArray::fromStringList(layers));
        entry.insert(QStringLiteral("shapes"), int(page.shapes.size()));
        entry.insert(QStringLiteral("texts"), int(page.texts.size()));
        entry.insert(QStringLiteral("images"), int(page.images.size()));
        pages.append(entry);
    }

    QJsonObject root;
    root.insert(QStringLiteral("fileName"), model.fileName);
    root.insert(QStringLiteral("title"), model.title);
    root.insert(QStringLiteral("creator"), model.creator);
    root.insert(QStringLiteral("creationDate"),
                model.creationDate.isValid()
                    ? QJsonValue(model.creationDate.toString(Qt::ISODate))
                    : QJsonValue(QJsonValue::Null));
    root.insert(QStringLiteral("pages"), pages);
    return root;
}

namespace {

QString quoted(const QString &text)
{
    // A one-element JSON array is the shortest way to JSON's string quoting.
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString kindLabel(VisioLayer::Kind kind)
{
    switch (kind) {
    case VisioLayer::HiddenContent:
        return QStringLiteral("[hidden, layers unknown]");
    case VisioLayer::ScreenOnlyContent:
        return QStringLiteral("[not printed, layers unknown]");
    case VisioLayer::PrintOnlyContent:
        return QStringLiteral("[printed only, layers unknown]");
    case VisioLayer::Named:
        break;
    }
    return QString();
}

} // namespace

QString DocumentSummary::layerListing(const VisioDocumentModel &model)
{
    QString out;
    for (int i = 0; i < model.pages.size(); ++i) {
        const VisioPage &page = model.pages.at(i);
        out += QStringLiteral("page %1 %2: %3 layer(s)\n")
                   .arg(i + 1)
                   .arg(quoted(page.name))
                   .arg(page.layerTable.size());
        for (int j = 0; j < page.layerTable.size(); ++j) {
            const VisioLayer &layer = page.layerTable.at(j);
            out += QStringLiteral("  %1 %2 %3 %4\n")
                       .arg(j + 1)
                       .arg(layer.kind == VisioLayer::Named ? quoted(layer.name) : kindLabel(layer.kind),
                            layer.visible ? QStringLiteral("visible") : QStringLiteral("hidden"),
                            layer.printable ? QStringLiteral("print") : QStringLiteral("no-print"));
        }
    }
    return out;
}
