#include "AppConfig.h"
#include "RecentFiles.h"
#include "UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

// Per-user folders and the settings store; HOME and XDG_* point at a scratch
// folder for this test (set by the build), and each case sets its own.
class TestSettings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;

    void setXdg(const QByteArray &config, const QByteArray &state, const QByteArray &cache)
    {
        auto set = [](const char *name, const QByteArray &value) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        };
        set("XDG_CONFIG_HOME", config);
        set("XDG_STATE_HOME", state);
        set("XDG_CACHE_HOME", cache);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
    }

    void foldersFollowXdgVariables()
    {
        const QString base = m_home.filePath(QStringLiteral("xdg"));
        setXdg(QFile::encodeName(base + "/cfg"), QFile::encodeName(base + "/state"),
               QFile::encodeName(base + "/cache"));
        QCOMPARE(UserFolders::configDir(), base + "/cfg/Bramwick/Plandraw/");
        QCOMPARE(UserFolders::logDir(), base + "/state/Bramwick/Plandraw/log/");
        QCOMPARE(UserFolders::tempDir(), base + "/cache/Bramwick/Plandraw/");
        QCOMPARE(UserFolders::path(UserFolders::Log), UserFolders::logDir());

        UserFolders::createAll();
        QVERIFY(QDir(UserFolders::configDir()).exists());
        QVERIFY(QDir(UserFolders::logDir()).exists());
        QVERIFY(QDir(UserFolders::tempDir()).exists());
        // A second start leaves existing folders and their files alone.
        QFile keep(UserFolders::configDir() + "keep.json");
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.close();
        UserFolders::createAll();
        QVERIFY(keep.exists());
    }

    void foldersFallBackToHomeDefaults()
    {
        const QString home = QDir::homePath();
        QCOMPARE(home, m_home.path());
        setXdg(QByteArray(), QByteArray(), QByteArray());
        QCOMPARE(UserFolders::configDir(), home + "/.config/Bramwick/Plandraw/");
        QCOMPARE(UserFolders::logDir(), home + "/.local/state/Bramwick/Plandraw/log/");
        QCOMPARE(UserFolders::tempDir(), home + "/.cache/Bramwick/Plandraw/");

        // Empty and relative values are invalid and count as unset.
        setXdg(QByteArray(""), QByteArray("relative/state"), QByteArray("./cache"));
        QCOMPARE(UserFolders::configDir(), home + "/.config/Bramwick/Plandraw/");
        QCOMPARE(UserFolders::logDir(), home + "/.local/state/Bramwick/Plandraw/log/");
        QCOMPARE(UserFolders::tempDir(), home + "/.cache/Bramwick/Plandraw/");
    }

    // Whoever can create or enter the runtime folder can take over the
    // single-window socket.
    void runtimeFolderIsPrivateToTheUser()
    {
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QFile::Permissions everyone = QFile::Permissions(0x7777);
        const QFile::Permissions others = QFile::Permissions(0x0077);
        const QString xdg = scratch.filePath(QStringLiteral("run"));
        QVERIFY(QDir().mkdir(xdg));
        QVERIFY(QFile::setPermissions(xdg, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(xdg));
        qputenv("TMPDIR", QFile::encodeName(scratch.path()));
        QCOMPARE(UserFolders::runtimeDir(), xdg + QLatin1Char('/'));

        // An open runtime folder is passed over for one of our own.
        QVERIFY(QFile::setPermissions(xdg, everyone));
        const QString own = scratch.filePath(QStringLiteral("plandraw-%1").arg(::geteuid()));
        QCOMPARE(UserFolders::runtimeDir(), own + QLatin1Char('/'));
        QCOMPARE(QFileInfo(own).permissions() & others, QFile::Permissions());

        // That folder is refused once others can enter it, or when it is
        // someone else's.
        QVERIFY(QFile::setPermissions(own, everyone));
        QCOMPARE(UserFolders::runtimeDir(), QString());
        if (::geteuid() == 0) {
            QVERIFY(QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            QCOMPARE(::chown(QFile::encodeName(own).constData(), 65534, 65534), 0);
            QCOMPARE(UserFolders::runtimeDir(), QString());
        }
        qunsetenv("XDG_RUNTIME_DIR");
        qunsetenv("TMPDIR");
    }

    void configDefaultsAndRoundTrip()
    {
        setXdg(QFile::encodeName(m_home.filePath(QStringLiteral("settings"))), QByteArray(),
               QByteArray());
        {
            AppConfig fresh;
            QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Bramwick"));
            QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("BramwickPlandraw"));
            QCOMPARE(fresh.getLanguageVal(), 1);
            QCOMPARE(fresh.getLastOpenPath(), QDir::homePath());
            QCOMPARE(fresh.getLastSavePath(), QDir::homePath());

            fresh.setLanguageVal(5);
            fresh.setLastOpenPath(QStringLiteral("/data/drawings"));
            fresh.setLastSavePath(QStringLiteral("/data/pdf out"));
        }
        AppConfig reread;
        QCOMPARE(reread.getLanguageVal(), 5);
        QCOMPARE(reread.getLastOpenPath(), QStringLiteral("/data/drawings"));
        QCOMPARE(reread.getLastSavePath(), QStringLiteral("/data/pdf out"));
        QVERIFY(QFile::exists(m_home.filePath(QStringLiteral("settings/Bramwick/BramwickPlandraw.conf"))));

        // The process-wide instance reads the same store.
        QCOMPARE(AppConfig::instance(), AppConfig::instance());
        QCOMPARE(AppConfig::instance()->getLanguageVal(), 5);
    }

    // The recently opened drawings, newest first.
    void recentFilesOrderMergingAndCap()
    {
        AppConfig config;
        RecentFiles recent(&config);
        recent.clear();
        for (int i = 1; i <= 12; ++i)
            recent.add(QStringLiteral("/plans/p%1.vsdx").arg(i));
        QCOMPARE(recent.paths().size(), RecentFiles::MaxEntries);
        QCOMPARE(recent.paths().first(), QStringLiteral("/plans/p12.vsdx"));
        QCOMPARE(recent.paths().last(), QStringLiteral("/plans/p3.vsdx"));

        // The same file by another spelling moves up instead of appearing twice.
        recent.add(QStringLiteral("/plans/sub/../p5.vsdx"));
        recent.add(QStringLiteral("/plans/./p7.vsdx"));
        QCOMPARE(recent.paths().mid(0, 3), (QStringList{"/plans/p7.vsdx", "/plans/p5.vsdx", "/plans/p12.vsdx"}));
        QCOMPARE(recent.paths().size(), RecentFiles::MaxEntries);
        // What is stored is what the next start reads.
        QCOMPARE(RecentFiles(new AppConfig(this)).paths(), recent.paths());
    }

    void recentFilesSurviveADamagedStore()
    {
        const QString file = QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Bramwick"),
                                       QStringLiteral("BramwickPlandraw"))
                                 .fileName();
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        QFile conf(file);
        QVERIFY(conf.open(QIODevice::WriteOnly | QIODevice::Truncate));
        // A count that lies, entries of the wrong type, relative and empty
        // paths, a duplicate, unnumbered and far-off entries, and binary junk.
        conf.write("[General]\nlanguage=3\n\x01\x02\xff\xfe junk ===\n"
                   "[RecentFiles]\n"
                   "size=99999\n"
                   "3\\path=/b/second.vsd\n"
                   "1\\path=/a/first.vsdx\n"
                   "2\\path=@Variant(\\0\\0\\0\\x7f\\0\\0)\n"
                   "4\\path=one, two\n"
                   "5\\path=relative/plan.vsd\n"
                   "6\\path=\n"
                   "7\\path=/a/../a/first.vsdx\n"
                   "x\\path=/x/unnumbered.vsd\n"
                   "-1\\path=/x/negative.vsd\n"
                   "100000\\path=/x/far.vsd\n"
                   "10\\path=/c/third.vdx\n");
        conf.close();

        AppConfig config;
        RecentFiles recent(&config);
        QCOMPARE(recent.paths(), (QStringList{"/a/first.vsdx", "/b/second.vsd", "/c/third.vdx"}));
        QCOMPARE(config.getLanguageVal(), 3);

        // The next change writes a clean list.
        recent.add(QStringLiteral("/d/new.vsdx"));
        QCOMPARE(config.getRecentFiles(),
                 (QStringList{"/d/new.vsdx", "/a/first.vsdx", "/b/second.vsd", "/c/third.vdx"}));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
