#include "DrawingFileWatcher.h"

#include <QFileInfo>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace {
QString directoryOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}
} // namespace

bool DrawingFileWatcher::Signature::operator==(const Signature &other) const
{
    return exists == other.exists && size == other.size && modified == other.modified
           && metadataChanged == other.metadataChanged;
}

DrawingFileWatcher::Signature DrawingFileWatcher::signatureOf(const QString &path)
{
    const QFileInfo info(path);
    Signature signature;
    signature.exists = info.exists();
    if (signature.exists) {
        signature.size = info.size();
        signature.modified = info.lastModified();
        // A file renamed into place has the time it was written, perhaps
        // the old one's; its entry's change time is new.
        signature.metadataChanged = info.metadataChangeTime();
    }
    return signature;
}

DrawingFileWatcher::DrawingFileWatcher(QObject *parent)
    : QObject(parent)
    , m_watcher(new QFileSystemWatcher(this))
{
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &DrawingFileWatcher::onFileChanged);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &DrawingFileWatcher::onDirectoryChanged);
    connect(&m_poll, &QFutureWatcherBase::finished, this, &DrawingFileWatcher::onPolled);
    m_pollTimer = new QTimer(this);
    m_pollTimer->setInterval(PollMs);
    connect(m_pollTimer, &QTimer::timeout, this, &DrawingFileWatcher::poll);
}

DrawingFileWatcher::~DrawingFileWatcher()
{
    m_poll.disconnect(this);
    m_poll.waitForFinished();
}

void DrawingFileWatcher::setPollInterval(int ms)
{
    m_pollTimer->setInterval(ms);
}

void DrawingFileWatcher::poll()
{
    // A stalled share holds a look for as long as it likes: one at a time.
    if (m_poll.isRunning())
        return;
    const QStringList paths = m_files.keys();
    m_poll.setFuture(QtConcurrent::run([paths] {
        QHash<QString, Signature> signatures;
        for (const QString &path : paths)
            signatures.insert(path, signatureOf(path));
        return signatures;
    }));
}

void DrawingFileWatcher::onPolled()
{
    const QHash<QString, Signature> signatures = m_poll.result();
    for (auto it = signatures.cbegin(); it != signatures.cend(); ++it) {
        if (m_files.contains(it.key()) && it.value() != m_files.value(it.key()).seen) {
            rewatch(it.key(), it->exists);
            noticeChange(it.key(), it.value());
        }
    }
}

void DrawingFileWatcher::watch(const QString &path)
{
    if (path.isEmpty())
        return;
    Watched &watched = m_files[path];
    if (watched.users++ > 0)
        return;
    m_pollTimer->start();
    watched.seen = signatureOf(path);
    watched.quiet = new QTimer(this);
    watched.quiet->setSingleShot(true);
    connect(watched.quiet, &QTimer::timeout, this, [this, path] { emit settled(path); });
    if (watched.seen.exists)
        m_watcher->addPath(path);
    const QString directory = directoryOf(path);
    if (m_directoryUsers[directory]++ == 0)
        m_watcher->addPath(directory);
}

void DrawingFileWatcher::unwatch(const QString &path)
{
    auto it = m_files.find(path);
    if (it == m_files.end() || --it->users > 0)
        return;
    delete it->quiet;
    m_files.erase(it);
    if (m_files.isEmpty())
        m_pollTimer->stop();
    m_watcher->removePath(path);
    const QString directory = directoryOf(path);
    if (--m_directoryUsers[directory] <= 0) {
        m_directoryUsers.remove(directory);
        m_watcher->removePath(directory);
    }
}

void DrawingFileWatcher::onFileChanged(const QString &path)
{
    if (!m_files.contains(path))
        return;
    // A deleted or replaced file drops out of the watch; the new one is
    // watched in its place.
    const Signature now = signatureOf(path);
    if (!m_watcher->files().contains(path))
        rewatch(path, now.exists);
    noticeChange(path, now);
}

void DrawingFileWatcher::onDirectoryChanged(const QString &directory)
{
    // Most changes in a folder are other files': only a file whose entry
    // looks different counts.
    const QStringList paths = m_files.keys();
    for (const QString &path : paths) {
        if (directoryOf(path) != directory)
            continue;
        const Signature now = signatureOf(path);
        if (now == m_files.value(path).seen)
            continue;
        rewatch(path, now.exists);
        noticeChange(path, now);
    }
}

void DrawingFileWatcher::rewatch(const QString &path, bool exists)
{
    m_watcher->removePath(path);
    if (exists)
        m_watcher->addPath(path);
}

void DrawingFileWatcher::noticeChange(const QString &path, const Signature &now)
{
    auto it = m_files.find(path);
    if (it == m_files.end())
        return;
    it->seen = now;
    it->quiet->start(m_settleMs);
    emit changing(path);
}
