#include "DocumentSummary.h"

#include "VisioDocumentModel.h"

#include <QJsonArray>
#include <QJsonValue>

QJsonObject DocumentSummary::toJson(const VisioDocumentModel &model)
{
    QJsonArray pages;
    for (int i = 0; i < model.pages.size(); ++i) {
        const VisioPage &page = model.pages.at(i);
        QJsonObject entry;
        entry.insert(QStringLiteral("number"), i + 1);
        entry.insert(QStringLiteral("name"), page.name);
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
