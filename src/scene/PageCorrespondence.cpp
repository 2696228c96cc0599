#include "PageCorrespondence.h"

#include <QGraphicsItemGroup>
#include <QHash>
#include <QSet>
#include <QVariant>

namespace {

// Keys 0 to 2 hold the page's index and its layers.
constexpr int PageNameKey = 3;

// Names given to one page only, with that page's index.
QHash<QString, int> namedOnce(const QList<QGraphicsItemGroup *> &pages)
{
    QHash<QString, int> index;
    QSet<QString> repeated;
    for (int i = 0; i < pages.size(); ++i) {
        const QString name = PageCorrespondence::pageName(pages.at(i));
        if (name.isEmpty() || repeated.contains(name))
            continue;
        if (index.remove(name) > 0)
            repeated.insert(name);
        else
            index.insert(name, i);
    }
    return index;
}

} // namespace

void PageCorrespondence::setPageName(QGraphicsItem *page, const QString &name)
{
    if (page)
        page->setData(PageNameKey, name);
}

QString PageCorrespondence::pageName(const QGraphicsItem *page)
{
    return page ? page->data(PageNameKey).toString() : QString();
}

QList<int> PageCorrespondence::match(const QList<QGraphicsItemGroup *> &from,
                                     const QList<QGraphicsItemGroup *> &to)
{
    const QHash<QString, int> oldNames = namedOnce(from);
    const QHash<QString, int> newNames = namedOnce(to);
    const auto followedByName = [&](const QGraphicsItem *page) {
        const QString name = pageName(page);
        return oldNames.contains(name) && newNames.contains(name);
    };
    QList<int> matches;
    matches.reserve(from.size());
    for (int i = 0; i < from.size(); ++i) {
        if (followedByName(from.at(i)))
            matches.append(newNames.value(pageName(from.at(i))));
        else if (i < to.size() && !followedByName(to.at(i)))
            matches.append(i);
        else
            matches.append(-1);
    }
    return matches;
}
