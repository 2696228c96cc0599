#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QString>

class QTimer;

// Tells when a drawing on disk has changed and the writing has stopped.
// Editors and sync tools often save by writing a new file and renaming it over
// the old one, and copies arrive in many small writes: the folder is watched
// as well as the file, so a replaced or re-created file is followed, and
// settled() comes once the file has been quiet for the settle interval.
class DrawingFileWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultSettleMs = 500;

    // What a look at the file's entry says, enough to tell a change of the
    // file from a change of something else in its folder.
    struct Signature
    {
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        QDateTime metadataChanged;
        bool operator==(const Signature &other) const;
        bool operator!=(const Signature &other) const { return !(*this == other); }
    };
    static Signature signatureOf(const QString &path);

    explicit DrawingFileWatcher(QObject *parent = nullptr);

    void setSettleInterval(int ms) { m_settleMs = ms; }
    // Counted: a path watched twice needs two unwatch() calls.
    void watch(const QString &path);
    void unwatch(const QString &path);
    bool isWatching(const QString &path) const { return m_files.contains(path); }

signals:
    // The file changed, went or came back; more may follow.
    void changing(const QString &path);
    // Nothing more has happened to the file for the settle interval.
    void settled(const QString &path);

private:
    struct Watched
    {
        int users = 0;
        Signature seen;
        QTimer *quiet = nullptr;
    };

    void onFileChanged(const QString &path);
    void onDirectoryChanged(const QString &directory);
    void noticeChange(const QString &path);
    void rewatch(const QString &path);

    QFileSystemWatcher m_watcher;
    QHash<QString, Watched> m_files;
    QHash<QString, int> m_directoryUsers;
    int m_settleMs = DefaultSettleMs;
};
