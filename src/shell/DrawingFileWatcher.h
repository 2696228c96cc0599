#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QString>

class QTimer;

// Tells when a drawing on disk has changed and the writing has stopped.
// Editors and sync tools often save by writing a new file and renaming it over
// the old one, and copies arrive in many small writes: the folder is watched
// as well as the file, so a replaced or re-created file is followed, and
// settled() comes once the file has been quiet for the settle interval.
// Network file systems do not report changes made on other machines, so the
// files are also looked at now and then, off the GUI thread.
class DrawingFileWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultSettleMs = 500;
    static constexpr int PollMs = 3000;

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
    ~DrawingFileWatcher() override;

    void setSettleInterval(int ms) { m_settleMs = ms; }
    void setPollInterval(int ms);
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
    // With what a look at the file has just found.
    void noticeChange(const QString &path, const Signature &now);
    void rewatch(const QString &path, bool exists);
    void poll();
    void onPolled();

    QFileSystemWatcher *m_watcher = nullptr;
    QHash<QString, Watched> m_files;
    QHash<QString, int> m_directoryUsers;
    int m_settleMs = DefaultSettleMs;
    QTimer *m_pollTimer = nullptr;
    QFutureWatcher<QHash<QString, Signature>> m_poll;
};
