#include "BatchInputCollector.h"

#include "DrawingFileTypes.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString errorString(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray baseName(QByteArray path)
{
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? path : path.mid(slash + 1);
}

} // namespace

BatchInputCollector::BatchInputCollector(bool recursive, const QByteArray &outDir)
    : m_recursive(recursive)
{
    struct stat st {};
    if (::stat(outDir.constData(), &st) == 0) {
        m_hasOutDir = true;
        m_outDir = {quint64(st.st_dev), quint64(st.st_ino)};
    }
}

QByteArray BatchInputCollector::rawArgument(const QString &decoded,
                                            const QList<QByteArray> &arguments, qsizetype *from)
{
    for (qsizetype i = from ? *from : 0; i < arguments.size(); ++i) {
        if (QFile::decodeName(arguments.at(i)) == decoded) {
            if (from)
                *from = i + 1;
            return arguments.at(i);
        }
    }
    return QFile::encodeName(decoded);
}

QByteArray BatchInputCollector::joined(const QByteArray &folder, const QByteArray &name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

void BatchInputCollector::add(const QByteArray &argument)
{
    struct stat st {};
    if (argument.isEmpty() || ::stat(argument.constData(), &st) != 0) {
        addRefused(argument, BatchItem::Failed,
                   tr("Cannot read it: %1").arg(errorString(argument.isEmpty() ? ENOENT : errno)));
        return;
    }
    if (S_ISDIR(st.st_mode)) {
        if (markSearched(argument, {quint64(st.st_dev), quint64(st.st_ino)}))
            addFolder(argument);
        return;
    }
    addFile(argument, QByteArray(), baseName(argument), false, S_ISREG(st.st_mode));
}

bool BatchInputCollector::markSearched(const QByteArray &path, const FileId &id)
{
    const auto it = m_searched.constFind(id);
    if (it != m_searched.cend()) {
        addRefused(path, BatchItem::Skipped,
                   tr("This folder is searched already as %1 (a symbolic link leads to it "
                      "again).")
                       .arg(QFile::decodeName(it.value())));
        return false;
    }
    m_searched.insert(id, path);
    return true;
}

void BatchInputCollector::addFolder(const QByteArray &root)
{
    struct Folder
    {
        QByteArray path;
        QByteArray relative;
    };
    // A stack rather than recursion: deep trees must not exhaust ours.
    std::vector<Folder> pending{{root, QByteArray()}};
    while (!pending.empty()) {
        const Folder folder = std::move(pending.back());
        pending.pop_back();
        DIR *dir = ::opendir(folder.path.constData());
        if (!dir) {
            addRefused(folder.path, BatchItem::Failed,
                       tr("Cannot read the folder: %1").arg(errorString(errno)));
            continue;
        }
        QList<QByteArray> names;
        while (const dirent *entry = ::readdir(dir)) {
            if (entry->d_name[0] != '.')
                names << QByteArray(entry->d_name);
        }
        ::closedir(dir);
        std::sort(names.begin(), names.end());

        std::vector<Folder> subfolders;
        for (const QByteArray &name : std::as_const(names)) {
            const QByteArray path = joined(folder.path, name);
            struct stat st {};
            if (::stat(path.constData(), &st) != 0) {
                // A dangling link, or a name we may not look at.
                if (DrawingFileTypes::hasDrawingSuffix(QFile::decodeName(name)))
                    addRefused(path, BatchItem::Failed, tr("Cannot read it: %1").arg(errorString(errno)));
                else
                    addRefused(path, BatchItem::Skipped, tr("Not a drawing."));
                continue;
            }
            if (S_ISDIR(st.st_mode)) {
                const FileId id{quint64(st.st_dev), quint64(st.st_ino)};
                if (!m_recursive || (m_hasOutDir && id == m_outDir) || !markSearched(path, id))
                    continue;
                subfolders.push_back({path, joined(folder.relative, name)});
                continue;
            }
            addFile(path, folder.relative, name, true, S_ISREG(st.st_mode));
        }
        // Popped in name order.
        pending.insert(pending.end(), subfolders.rbegin(), subfolders.rend());
    }
}

void BatchInputCollector::addFile(const QByteArray &path, const QByteArray &outputDir,
                                  const QByteArray &name, bool inFolder, bool isRegular)
{
    // Files named one by one are tried whatever their names; in folders, only
    // the drawing types are ours.
    if (inFolder && !DrawingFileTypes::hasDrawingSuffix(QFile::decodeName(name))) {
        addRefused(path, BatchItem::Skipped, tr("Not a drawing."));
        return;
    }
    // Reading a pipe or a device could wait forever.
    if (!isRegular) {
        addRefused(path, BatchItem::Failed, tr("Not a regular file."));
        return;
    }
    if (::access(path.constData(), R_OK) != 0) {
        addRefused(path, BatchItem::Failed, tr("Cannot read it: %1").arg(errorString(errno)));
        return;
    }
    struct stat st {};
    ::stat(path.constData(), &st);

    BatchItem item;
    item.path = path;
    item.outputDir = outputDir;
    const qsizetype dot = name.lastIndexOf('.');
    item.stem = dot > 0 ? name.left(dot) : name;
    item.suffix = dot > 0 ? name.mid(dot + 1) : QByteArray();
    item.size = qint64(st.st_size);
    item.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    m_items.append(item);
}

void BatchInputCollector::addRefused(const QByteArray &path, BatchItem::Status status,
                                     const QString &reason)
{
    BatchItem item;
    item.path = path;
    item.status = status;
    item.reason = reason;
    m_items.append(item);
}
