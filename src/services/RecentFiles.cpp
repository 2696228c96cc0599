#include "RecentFiles.h"

#include "AppConfig.h"

#include <QDir>
#include <QFileInfo>

RecentFiles::RecentFiles(AppConfig *config, QObject *parent)
    : QObject(parent)
    , m_config(config ? config : AppConfig::instance())
{
}

QString RecentFiles::normalised(const QString &path)
{
    if (path.isEmpty())
        return QString();
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QStringList RecentFiles::paths() const
{
    // The store may have been edited by hand or damaged: relative paths say
    // nothing about where the file was, so they go.
    QStringList clean;
    const QStringList stored = m_config->getRecentFiles();
    for (const QString &path : stored) {
        if (path.isEmpty() || QDir::isRelativePath(path) || path.contains(QChar(0)))
            continue;
        const QString entry = QDir::cleanPath(path);
        if (!clean.contains(entry))
            clean.append(entry);
        if (clean.size() == MaxEntries)
            break;
    }
    return clean;
}

void RecentFiles::add(const QString &path)
{
    const QString entry = normalised(path);
    if (entry.isEmpty())
        return;
    QStringList list = paths();
    list.removeAll(entry);
    list.prepend(entry);
    store(list.mid(0, MaxEntries));
}

void RecentFiles::remove(const QString &path)
{
    QStringList list = paths();
    if (list.removeAll(normalised(path)) > 0)
        store(list);
}

void RecentFiles::clear()
{
    store(QStringList());
}

void RecentFiles::store(const QStringList &paths)
{
    m_config->setRecentFiles(paths);
    emit changed();
}
