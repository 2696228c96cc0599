#include "DocumentSummary.h"

#include "VisioDocumentModel.h"

#include <QJsonArray>
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
        entry.insert(QStringLiteral("layers"), QJsonArray::fromStringList(page.layers));
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
