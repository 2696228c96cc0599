#include "UserFolders.h"

#include "ProductConstants.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#if !defined(Q_OS_WIN)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#if !defined(Q_OS_MACOS)
// XDG variable, or its documented default under the home directory when unset
// or not absolute (relative values are invalid by the convention).
QString xdgBase(const char *variable, const QString &fallback)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QDir::homePath() + fallback;
}

QString productFolder(const QString &base, const QString &sub = QString())
{
    QString path = base + QLatin1Char('/') + g_organization + QStringLiteral("/Plandraw");
    if (!sub.isEmpty())
        path += QLatin1Char('/') + sub;
    return QDir::cleanPath(path) + QLatin1Char('/');
}
#endif

} // namespace

QString UserFolders::path(Folder folder)
{
#if defined(Q_OS_MACOS)
    const QString &relative = folder == Config ? g_configDirPath
                              : folder == Log  ? g_logDirPath
                                               : g_tempDirPath;
    return QDir::toNativeSeparators(QDir::homePath() + relative);
#else
    switch (folder) {
    case Config:
        return productFolder(xdgBase("XDG_CONFIG_HOME", QStringLiteral("/.config")));
    case Log:
        return productFolder(xdgBase("XDG_STATE_HOME", QStringLiteral("/.local/state")),
                             QStringLiteral("log"));
    case Temp:
        break;
    }
    return productFolder(xdgBase("XDG_CACHE_HOME", QStringLiteral("/.cache")));
#endif
}

void UserFolders::createAll()
{
    for (Folder folder : {Log, Config, Temp}) {
        const QString dir = path(folder);
        if (!QDir(dir).exists())
            QDir().mkpath(dir);
    }
}

namespace {

#if !defined(Q_OS_WIN)
// A folder that others could have made or can write into would let them
// plant a socket we talk to: it must be a real folder of ours, closed to
// group and others.
bool isPrivateFolder(const QString &path)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}
#endif

} // namespace

QString UserFolders::runtimeDir()
{
#if defined(Q_OS_WIN)
    return QDir::tempPath() + QLatin1Char('/');
#else
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg) && isPrivateFolder(xdg))
        return QDir::cleanPath(xdg) + QLatin1Char('/');

    const QString own = QDir::tempPath() + QStringLiteral("/plandraw-") + QString::number(::geteuid());
    // mkdir with 0700 fails if the name exists; then the check decides.
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    if (!isPrivateFolder(own))
        return QString();
    return own + QLatin1Char('/');
#endif
}
