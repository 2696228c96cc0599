#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One text-search hit: the 0-based page and the whole text of the item.
struct SearchResult
{
    int pageIndex = -1;
    QString text;
};

Q_DECLARE_METATYPE(SearchResult)
