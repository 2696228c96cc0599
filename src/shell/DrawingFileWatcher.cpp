#include "DrawingFileWatcher.h"

#include <QFileInfo>
#include <QTimer>

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
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &DrawingFileWatcher::onFileChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &DrawingFileWatcher::onDirectoryChanged);
}

void DrawingFileWatcher::watch(const QString &path)
{
    if (path.isEmpty())
        return;
    Watched &watched = m_files[path];
    if (watched.users++ > 0)
        return;
    watched.seen = signatureOf(path);
    watched.quiet = new QTimer(this);
    watched.quiet->setSingleShot(true);
    connect(watched.quiet, &QTimer::timeout, this, [this, path] { emit settled(path); });
    if (watched.seen.exists)
        m_watcher.addPath(path);
    const QString directory = directoryOf(path);
    if (m_directoryUsers[directory]++ == 0)
        m_watcher.addPath(directory);
}

void DrawingFileWatcher::unwatch(const QString &path)
{
    auto it = m_files.find(path);
    if (it == m_files.end() || --it->users > 0)
        return;
    delete it->quiet;
    m_files.erase(it);
    m_watcher.removePath(path);
    const QString directory = directoryOf(path);
    if (--m_directoryUsers[directory] <= 0) {
        m_directoryUsers.remove(directory);
        m_watcher.removePath(directory);
    }
}

void DrawingFileWatcher::onFileChanged(const QString &path)
{
    if (!m_files.contains(path))
        return;
    // A deleted or replaced file drops out of the watch; the new one is
    // watched in its place.
    if (!m_watcher.files().contains(path))
        rewatch(path);
    noticeChange(path);
}

void DrawingFileWatcher::onDirectoryChanged(const QString &directory)
{
    // Most changes in a folder are other files': only a file whose entry
    // looks different counts.
    const QStringList paths = m_files.keys();
    for (const QString &path : paths) {
        if (directoryOf(path) != directory || signatureOf(path) == m_files.value(path).seen)
            continue;
        rewatch(path);
        noticeChange(path);
    }
}

void DrawingFileWatcher::rewatch(const QString &path)
{
    m_watcher.removePath(path);
    if (QFileInfo::exists(path))
        m_watcher.addPath(path);
}

void DrawingFileWatcher::noticeChange(const QString &path)
{
    auto it = m_files.find(path);
    if (it == m_files.end())
        return;
    it->seen = signatureOf(path);
    it->quiet->start(m_settleMs);
    emit changing(path);
}
