#include "UserFolders.h"

#include "ProductConstants.h"

#include <QDir>

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
