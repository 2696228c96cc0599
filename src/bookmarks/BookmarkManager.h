#pragma once

#include <QJsonObject>
#include <QString>

#include <functional>

// Named pages of documents, kept per user in one JSON file. Every operation
// reads the file, changes it and writes it back whole, so running copies of
// the program see each other's changes. Nothing but the name is cached.
//
// The user's bookmarks are never thrown away: writes are atomic, a changing
// operation holds a lock beside the file, a file that can't be read is left
// alone, and a damaged one is kept aside before a fresh store starts.
class BookmarkManager
{
public:
    enum Failure { NoFailure, ReadFailed, WriteFailed, LockFailed };

    static BookmarkManager *instance();

    void setName(const QString &name);
    QString name() const { return m_name; }
    QString filePath() const;

    // The root object; empty when there is no file or it can't be read (see
    // lastFailure()). A damaged file is kept aside first.
    QJsonObject loadData();

    // What loadData() reads and why it failed, without touching the
    // instance, so that a large store can be read on a worker thread.
    struct Snapshot
    {
        QJsonObject root;
        Failure failure = NoFailure;
        QString reason;
        QString damagedCopy;
    };
    Snapshot readSnapshot() const;
    bool saveData(const QJsonObject &root);

    // documentPath, when given, is remembered as the file entry's latest path.
    bool addBookmark(const QString &fileName, int page, const QString &title,
                     const QString &documentPath = QString());
    // (file, page) act on the first bookmark of that page; page -1 removes the
    // whole file entry. The forms with a title pick out one of several
    // bookmarks on the same page.
    bool renameBookmark(const QString &fileName, int page, const QString &newTitle);
    bool renameBookmark(const QString &fileName, int page, const QString &oldTitle,
                        const QString &newTitle);
    bool removeBookmark(const QString &fileName, int page);
    bool removeBookmark(const QString &fileName, int page, const QString &title);

    // Why the last operation returned false or loadData() came back empty.
    Failure lastFailure() const { return m_lastFailure; }
    QString lastFailureReason() const { return m_lastFailureReason; }

    // The copy a damaged file was renamed to, once; empty when there is none.
    QString takeDamagedCopy();

    // For the start-up check on a worker thread: keeps a damaged file aside
    // and returns the copy's path. Touches no state of the instance.
    QString setAsideIfDamaged() const;

    static QString damagedCopyPrefix() { return QStringLiteral(".damaged-"); }

private:
    BookmarkManager() = default;

    // Locks the store, reads it and lets change() edit the root; writes it
    // back when change() returns true.
    bool changeStore(const std::function<bool(QJsonObject &root)> &change);
    void fail(Failure failure, const QString &reason);

    QString m_name;
    Failure m_lastFailure = NoFailure;
    QString m_lastFailureReason;
    QString m_damagedCopy;
};
