#pragma once

#include <QList>
#include <QString>

class QGraphicsItem;
class QGraphicsItemGroup;

// Which page of a new version of a drawing is which page of the old one, so
// that what the user did to a page stays with it through a reload even when
// pages were added or removed before it: a page is followed by its name
// where each version gives that name to one page only, and by its place
// where names don't tell.
class PageCorrespondence
{
public:
    static void setPageName(QGraphicsItem *page, const QString &name);
    static QString pageName(const QGraphicsItem *page);

    // For each old page, the index of the same page among the new ones, or
    // -1 when it has none.
    static QList<int> match(const QList<QGraphicsItemGroup *> &from,
                            const QList<QGraphicsItemGroup *> &to);
};
