#include "AppConfig.h"
#include "RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

// The recently opened drawings in the settings store.
class TestRecentFiles : public QObject
{
    Q_OBJECT

private slots:
    void orderMergingAndCap();
    void damagedStoreKeepsWhatIsGood();
};

void TestRecentFiles::orderMergingAndCap()
{
    AppConfig config;
    RecentFiles recent(&config);
    QSignalSpy changed(&recent, &RecentFiles::changed);
    recent.clear();
    for (int i = 1; i <= 12; ++i)
        recent.add(QStringLiteral("/plans/p%1.vsdx").arg(i));
    QStringList expected;
    for (int i = 12; i >= 3; --i)
        expected << QStringLiteral("/plans/p%1.vsdx").arg(i);
    QCOMPARE(recent.paths(), expected);

    // The same file by another spelling moves up instead of appearing twice.
    recent.add(QStringLiteral("/plans/sub/../p5.vsdx"));
    recent.add(QStringLiteral("/plans/./p7.vsdx"));
    QCOMPARE(recent.paths().mid(0, 3),
             (QStringList{"/plans/p7.vsdx", "/plans/p5.vsdx", "/plans/p12.vsdx"}));
    QCOMPARE(recent.paths().size(), RecentFiles::MaxEntries);
    QCOMPARE(recent.paths().count(QStringLiteral("/plans/p5.vsdx")), 1);

    // A relative path is taken from where the program runs.
    recent.add(QStringLiteral("here.vsd"));
    QCOMPARE(recent.paths().first(), QDir::current().absoluteFilePath(QStringLiteral("here.vsd")));

    recent.remove(QStringLiteral("/plans/p7.vsdx"));
    recent.add(QString());
    QVERIFY(!recent.paths().contains(QStringLiteral("/plans/p7.vsdx")));
    QCOMPARE(recent.paths().size(), RecentFiles::MaxEntries - 1);

    // What is stored is what the next start reads.
    const QStringList before = recent.paths();
    QCOMPARE(RecentFiles(new AppConfig(this)).paths(), before);
    recent.clear();
    QVERIFY(recent.paths().isEmpty());
    QCOMPARE(changed.count(), 12 + 2 + 1 + 1 + 1 + 1);
}

void TestRecentFiles::damagedStoreKeepsWhatIsGood()
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

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
