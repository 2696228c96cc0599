#include "UserFolders.h"

#include "ProductConstants.h"

#include <QDir>

namespace {

#if !defined(Q_OS_MACOS)
// XDG variable, or its documented default under the home directory when unset
// or not absolute.
QString xdgBase(const char *variable, const QString &fallback)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QDir::homePath() + fallback;
}

QString productFolder(const QString &base)
{
    return QDir::cleanPath(base + QLatin1Char('/') + g_organization + QStringLiteral("/Plandraw"))
        + QLatin1Char('/');
}
#endif

} // namespace

QString UserFolders::configDir()
{
#if defined(Q_OS_MACOS)
    return QDir::toNativeSeparators(QDir::homePath() + g_configDirPath);
#else
    return productFolder(xdgBase("XDG_CONFIG_HOME", QStringLiteral("/.config")));
#endif
}

QString UserFolders::logDir()
{
#if defined(Q_OS_MACOS)
    return QDir::toNativeSeparators(QDir::homePath() + g_logDirPath);
#else
    return productFolder(xdgBase("XDG_STATE_HOME", QStringLiteral("/.local/state")))
        + QStringLiteral("log/");
#endif
}

QString UserFolders::tempDir()
{
#if defined(Q_OS_MACOS)
    return QDir::toNativeSeparators(QDir::homePath() + g_tempDirPath);
#else
    return productFolder(xdgBase("XDG_CACHE_HOME", QStringLiteral("/.cache")));
#endif
}

void UserFolders::createAll()
{
    for (const QString &path : {logDir(), configDir(), tempDir()}) {
        QDir dir(path);
        if (!dir.exists())
            dir.mkpath(QStringLiteral("."));
    }
}
