#include "AppInitialization.h"
#include "AppShutdownGuard.h"
#include "CrashReporter.h"
#include "ServiceFoundation.h"
#include "UpdatesService.h"
#include "UserFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

namespace {
QStringList logLines()
{
    QFile file(UserFolders::logDir() + QStringLiteral("plandraw.log"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void throwingMain()
{
    AppShutdownGuard guard;
    throw std::runtime_error("boom");
}
} // namespace

class TestAppInitialization : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;

private slots:
    void init()
    {
        // A fresh per-user tree for every case.
        static int round = 0;
        const QByteArray base = QFile::encodeName(m_root.filePath(QString::number(++round)));
        qputenv("XDG_CONFIG_HOME", base + "/config");
        qputenv("XDG_STATE_HOME", base + "/state");
        qputenv("XDG_CACHE_HOME", base + "/cache");
    }

    void startUpAndShutDown()
    {
        QVERIFY(!AppInitialization::exists());
        AppInitialization *first = AppInitialization::instance();
        QCOMPARE(AppInitialization::instance(), first);

        QVERIFY(QDir(UserFolders::configDir()).exists());
        QVERIFY(QDir(UserFolders::logDir()).exists());
        QVERIFY(QDir(UserFolders::tempDir()).exists());

        auto meta = UpdatesService::shared().productMeta();
        QVERIFY(meta);
        QCOMPARE(meta->productId(), QStringLiteral("10013"));
        QCOMPARE(meta->version(), QStringLiteral("5.0.0"));
        QCOMPARE(meta->company(), QStringLiteral("Bramwick"));
        QVERIFY(UpdatesService::shared().isEnabled());
        QVERIFY(CrashReporter::isRunning());
        QCOMPARE(CrashReporter::crashLogPath(), UserFolders::logDir() + QStringLiteral("crash.log"));
        QVERIFY(ServiceFoundation::isStarted());

        UpdatesService::shared().checkUpdates();
        AppInitialization::release();
        QVERIFY(!AppInitialization::exists());
        QVERIFY(!CrashReporter::isRunning());
        QVERIFY(!ServiceFoundation::isStarted());

        const QStringList lines = logLines();
        QVERIFY(lines.size() >= 3);
        QVERIFY2(lines.first().endsWith(QStringLiteral("[info] Program startup: initialization in progress...")),
                 qPrintable(lines.first()));
        QVERIFY(lines.join('\n').contains(QStringLiteral("Update check requested for product 10013 version 5.0.0")));
        QVERIFY2(lines.last().endsWith(QStringLiteral("[info] Program is exiting.")), qPrintable(lines.last()));
    }

    void guardReleasesWhenMainThrows()
    {
        AppInitialization::instance();
        try {
            throwingMain();
            QFAIL("no exception");
        } catch (const std::runtime_error &) {
        }
        QVERIFY(!AppInitialization::exists());
        QVERIFY(!CrashReporter::isRunning());
        QVERIFY(logLines().last().endsWith(QStringLiteral("Program is exiting.")));
    }
};

QTEST_GUILESS_MAIN(TestAppInitialization)
#include "tst_appinitialization.moc"
