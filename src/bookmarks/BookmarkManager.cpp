#include "BookmarkManager.h"

#include "Log.h"
#include "LogStream.h"
#include "UserFolders.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLockFile>
#include <QSaveFile>

namespace {

const QString kBookmarks = QStringLiteral("bookmarks");
const QString kFileName = QStringLiteral("fileName");
const QString kChildren = QStringLiteral("children");
const QString kTitle = QStringLiteral("title");
const QString kPage = QStringLiteral("page");
const QString kPath = QStringLiteral("path");

// Far beyond any real store, small enough to read in one go.
constexpr qint64 kMaxStoreBytes = 256LL * 1024 * 1024;
// Another copy of the program holds the lock only while it rewrites the file.
constexpr int kLockWaitMs = 3000;
constexpr int kMaxCopyNameAttempts = 100;

QString translate(const char *text)
{
    return QCoreApplication::translate("BookmarkManager", text);
}

enum class StoreState { Missing, Loaded, Damaged, Unreadable };

struct StoreContents
{
    StoreState state = StoreState::Missing;
    QJsonObject root;
    QString reason;
};

StoreContents readStore(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {StoreState::Unreadable, {}, file.errorString()};
    if (file.size() > kMaxStoreBytes)
        return {StoreState::Unreadable, {}, translate("The file is too large.")};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {StoreState::Unreadable, {}, file.errorString()};

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return {StoreState::Damaged, {}, {}};
    return {StoreState::Loaded, document.object(), {}};
}

// Renames the damaged file beside itself, so that no bookmark in it is lost
// when a fresh store starts.
QString keepDamagedFileAside(const QString &path)
{
    const QString stem = path + BookmarkManager::damagedCopyPrefix()
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int attempt = 1; attempt <= kMaxCopyNameAttempts; ++attempt) {
        const QString copy = attempt == 1 ? stem : stem + QLatin1Char('-') + QString::number(attempt);
        if (QFileInfo::exists(copy))
            continue;
        if (!QFile::rename(path, copy))
            break;
        LogStream(Log::warn) << "The bookmarks file was damaged and has been kept as" << copy;
        return copy;
    }
    LogStream(Log::warn) << "The bookmarks file is damaged and could not be kept aside:" << path;
    return {};
}

struct Position
{
    int entry = -1;
    int child = -1;
    bool isValid() const { return entry >= 0; }
};

// The first bookmark of fileName on page, and with title when one is given.
Position findBookmark(const QJsonArray &list, const QString &fileName, int page,
                      const QString *title, bool firstEntryOnly)
{
    for (int i = 0; i < list.size(); ++i) {
        const QJsonObject entry = list.at(i).toObject();
        if (entry.value(kFileName).toString() != fileName)
            continue;
        const QJsonArray children = entry.value(kChildren).toArray();
        for (int j = 0; j < children.size(); ++j) {
            const QJsonObject child = children.at(j).toObject();
            if (child.value(kPage).toInt() == page
                && (!title || child.value(kTitle).toString() == *title))
                return {i, j};
        }
        if (firstEntryOnly)
            break;
    }
    return {};
}

int findEntry(const QJsonArray &list, const QString &fileName)
{
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).toObject().value(kFileName).toString() == fileName)
            return i;
    }
    return -1;
}

void renameAt(QJsonObject &root, Position at, const QString &newTitle)
{
    QJsonArray list = root.value(kBookmarks).toArray();
    QJsonObject entry = list.at(at.entry).toObject();
    QJsonArray children = entry.value(kChildren).toArray();
    QJsonObject child = children.at(at.child).toObject();
    child.insert(kTitle, newTitle);
    children.replace(at.child, child);
    entry.insert(kChildren, children);
    list.replace(at.entry, entry);
    root.insert(kBookmarks, list);
}

void removeAt(QJsonObject &root, Position at)
{
    QJsonArray list = root.value(kBookmarks).toArray();
    QJsonObject entry = list.at(at.entry).toObject();
    QJsonArray children = entry.value(kChildren).toArray();
    children.removeAt(at.child);
    if (children.isEmpty()) {
        list.removeAt(at.entry);
    } else {
        entry.insert(kChildren, children);
        list.replace(at.entry, entry);
    }
    root.insert(kBookmarks, list);
}

} // namespace

BookmarkManager *BookmarkManager::instance()
{
    static BookmarkManager manager;
    return &manager;
}

void BookmarkManager::setName(const QString &name)
{
    m_name = name;
}

QString BookmarkManager::filePath() const
{
    return UserFolders::configDir() + m_name + QStringLiteral("_bookmarks.json");
}

void BookmarkManager::fail(Failure failure, const QString &reason)
{
    m_lastFailure = failure;
    m_lastFailureReason = reason;
    LogStream(Log::warn) << "Bookmarks:" << filePath() << "-" << reason;
}

QString BookmarkManager::takeDamagedCopy()
{
    QString copy;
    copy.swap(m_damagedCopy);
    return copy;
}

QJsonObject BookmarkManager::loadData()
{
    const Snapshot snapshot = readSnapshot();
    m_lastFailure = snapshot.failure;
    m_lastFailureReason = snapshot.reason;
    if (!snapshot.damagedCopy.isEmpty())
        m_damagedCopy = snapshot.damagedCopy;
    return snapshot.root;
}

BookmarkManager::Snapshot BookmarkManager::readSnapshot() const
{
    Snapshot snapshot;
    StoreContents contents = readStore(filePath());
    if (contents.state == StoreState::Damaged) {
        snapshot.damagedCopy = setAsideIfDamaged();
        // Another copy of the program may have mended it meanwhile.
        contents = readStore(filePath());
    }
    switch (contents.state) {
    case StoreState::Missing:
    case StoreState::Loaded:
        snapshot.root = contents.root;
        return snapshot;
    case StoreState::Damaged:
        snapshot.reason = translate("The file is damaged and could not be kept aside.");
        break;
    case StoreState::Unreadable:
        snapshot.reason = contents.reason;
        break;
    }
    snapshot.failure = ReadFailed;
    LogStream(Log::warn) << "Bookmarks:" << filePath() << "-" << snapshot.reason;
    return snapshot;
}

QString BookmarkManager::setAsideIfDamaged() const
{
    const QString path = filePath();
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs))
        return {};
    if (readStore(path).state != StoreState::Damaged)
        return {};
    return keepDamagedFileAside(path);
}

bool BookmarkManager::saveData(const QJsonObject &root)
{
    const QString path = filePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Written beside the old file and renamed over it: a crash or a full
    // disk leaves the previous bookmarks as they were.
    // Unbuffered, because a buffered short write (a full disk) can still
    // commit a truncated file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        fail(WriteFailed, file.errorString());
        return false;
    }
    const QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Indented);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        fail(WriteFailed, translate("The disk may be full."));
        return false;
    }
    if (!file.commit()) {
        fail(WriteFailed, file.errorString());
        return false;
    }
    return true;
}

bool BookmarkManager::changeStore(const std::function<bool(QJsonObject &)> &change)
{
    m_lastFailure = NoFailure;
    m_lastFailureReason.clear();
    const QString path = filePath();
    QDir().mkpath(QFileInfo(path).absolutePath());

    // Without the lock two running copies could each read, add and write,
    // and the later write would drop the other's bookmark.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        if (lock.error() == QLockFile::LockFailedError)
            fail(LockFailed, translate("Another window is changing the bookmarks."));
        else
            fail(WriteFailed, translate("The folder can't be written to."));
        return false;
    }

    const StoreContents contents = readStore(path);
    if (contents.state == StoreState::Unreadable) {
        // Treating it as empty would overwrite every bookmark in it.
        fail(ReadFailed, contents.reason);
        return false;
    }
    if (contents.state == StoreState::Damaged) {
        const QString copy = keepDamagedFileAside(path);
        if (copy.isEmpty()) {
            fail(ReadFailed, translate("The file is damaged and could not be kept aside."));
            return false;
        }
        m_damagedCopy = copy;
    }

    QJsonObject root = contents.root;
    if (!change(root))
        return true;
    return saveData(root);
}

bool BookmarkManager::addBookmark(const QString &fileName, int page, const QString &title,
                                  const QString &documentPath)
{
    return changeStore([&](QJsonObject &root) {
        QJsonArray list = root.value(kBookmarks).toArray();
        const QJsonObject bookmark{{kTitle, title}, {kPage, page}};
        const int index = findEntry(list, fileName);
        if (index >= 0) {
            QJsonObject entry = list.at(index).toObject();
            QJsonArray children = entry.value(kChildren).toArray();
            bool exists = false;
            for (const QJsonValue &value : std::as_const(children)) {
                const QJsonObject child = value.toObject();
                if (child.value(kTitle).toString() == title && child.value(kPage).toInt() == page) {
                    exists = true;
                    break;
                }
            }
            if (!exists)
                children.append(bookmark);
            entry.insert(kChildren, children);
            if (!documentPath.isEmpty())
                entry.insert(kPath, documentPath);
            list.replace(index, entry);
        } else {
            QJsonObject entry{{kFileName, fileName}, {kChildren, QJsonArray{bookmark}}};
            if (!documentPath.isEmpty())
                entry.insert(kPath, documentPath);
            list.append(entry);
        }
        root.insert(kBookmarks, list);
        return true;
    });
}

bool BookmarkManager::renameBookmark(const QString &fileName, int page, const QString &newTitle)
{
    return changeStore([&](QJsonObject &root) {
        const Position at = findBookmark(root.value(kBookmarks).toArray(), fileName, page, nullptr, false);
        if (!at.isValid())
            return false;
        renameAt(root, at, newTitle);
        return true;
    });
}

bool BookmarkManager::renameBookmark(const QString &fileName, int page, const QString &oldTitle,
                                     const QString &newTitle)
{
    return changeStore([&](QJsonObject &root) {
        const Position at = findBookmark(root.value(kBookmarks).toArray(), fileName, page, &oldTitle, false);
        if (!at.isValid())
            return false;
        renameAt(root, at, newTitle);
        return true;
    });
}

bool BookmarkManager::removeBookmark(const QString &fileName, int page)
{
    return changeStore([&](QJsonObject &root) {
        QJsonArray list = root.value(kBookmarks).toArray();
        if (page == -1) {
            const int index = findEntry(list, fileName);
            if (index < 0)
                return false;
            list.removeAt(index);
            root.insert(kBookmarks, list);
            return true;
        }
        const Position at = findBookmark(list, fileName, page, nullptr, true);
        if (!at.isValid())
            return false;
        removeAt(root, at);
        return true;
    });
}

bool BookmarkManager::removeBookmark(const QString &fileName, int page, const QString &title)
{
    return changeStore([&](QJsonObject &root) {
        const Position at = findBookmark(root.value(kBookmarks).toArray(), fileName, page, &title, false);
        if (!at.isValid())
            return false;
        removeAt(root, at);
        return true;
    });
}
