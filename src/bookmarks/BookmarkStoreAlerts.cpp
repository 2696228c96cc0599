#include "BookmarkStoreAlerts.h"

#include <QDir>

QList<BookmarkStoreAlerts::Alert> BookmarkStoreAlerts::afterOperation(bool succeeded)
{
    BookmarkManager *store = BookmarkManager::instance();
    const QString copy = store->takeDamagedCopy();
    return forOutcome(succeeded ? BookmarkManager::NoFailure : store->lastFailure(),
                      store->lastFailureReason(), copy);
}

QList<BookmarkStoreAlerts::Alert> BookmarkStoreAlerts::forOutcome(BookmarkManager::Failure failure,
                                                                  const QString &reason,
                                                                  const QString &damagedCopy)
{
    QList<Alert> alerts;
    if (!damagedCopy.isEmpty())
        alerts.append(damagedCopyKept(damagedCopy));

    const QString file = QDir::toNativeSeparators(BookmarkManager::instance()->filePath());
    switch (failure) {
    case BookmarkManager::ReadFailed:
        alerts.append({tr("Bookmarks Unavailable"),
                       tr("The bookmarks file \"%1\" could not be read: %2\n\nIt has been left "
                          "unchanged, and no bookmark was changed.")
                           .arg(file, reason)});
        break;
    case BookmarkManager::WriteFailed:
        alerts.append({tr("Bookmarks Not Saved"),
                       tr("The bookmarks file \"%1\" could not be written: %2\n\nYour earlier "
                          "bookmarks are unchanged.")
                           .arg(file, reason)});
        break;
    case BookmarkManager::LockFailed:
        alerts.append({tr("Bookmarks Not Saved"),
                       tr("Another window is changing the bookmarks right now. Please try again.")});
        break;
    case BookmarkManager::NoFailure:
        break;
    }
    return alerts;
}

BookmarkStoreAlerts::Alert BookmarkStoreAlerts::damagedCopyKept(const QString &copyPath)
{
    return {tr("Bookmarks File Damaged"),
            tr("The bookmarks file was damaged and could not be read. It has been kept as "
               "\"%1\", and new bookmarks start from an empty list.")
                .arg(QDir::toNativeSeparators(copyPath))};
}
