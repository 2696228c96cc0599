#pragma once

#include "BookmarkManager.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// What the bookmark dialogs owe the user after touching the store: word of a
// damaged file that was kept aside, and the operation's own failure.
class BookmarkStoreAlerts
{
    Q_DECLARE_TR_FUNCTIONS(BookmarkStoreAlerts)

public:
    struct Alert
    {
        QString title;
        QString text;
    };

    // Takes the damaged-copy notice from the store, so it is told only once.
    static QList<Alert> afterOperation(bool succeeded);
    static QList<Alert> forOutcome(BookmarkManager::Failure failure, const QString &reason,
                                   const QString &damagedCopy);
    static Alert damagedCopyKept(const QString &copyPath);
};
