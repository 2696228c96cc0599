#include "BookmarkManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

// The bookmark store, in a private config folder per case.
class TestBookmarkManager : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    BookmarkManager *m_store = BookmarkManager::instance();
    const QString m_plan = QStringLiteral("plan.vsdx");

    QString storePath() const { return m_store->filePath(); }
    QString configDir() const { return QFileInfo(storePath()).absolutePath(); }

    QByteArray storeBytes() const
    {
        QFile file(storePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeStore(const QByteArray &bytes) const
    {
        QDir().mkpath(configDir());
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    // (title, page) of every bookmark of the first entry named fileName.
    QList<QPair<QString, int>> bookmarksOf(const QString &fileName) const
    {
        QList<QPair<QString, int>> result;
        const QJsonArray list = m_store->loadData().value(QStringLiteral("bookmarks")).toArray();
        for (const QJsonValue &entry : list) {
            if (entry[QStringLiteral("fileName")].toString() != fileName)
                continue;
            for (const QJsonValue &child : entry[QStringLiteral("children")].toArray())
                result.append({child[QStringLiteral("title")].toString(), child[QStringLiteral("page")].toInt()});
            break;
        }
        return result;
    }

    QStringList damagedCopies() const
    {
        return QDir(configDir()).entryList({QFileInfo(storePath()).fileName() + QStringLiteral(".damaged-*")},
                                           QDir::Files);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path()));
        m_store->setName(QStringLiteral("Bramwick Plandraw"));
        QCOMPARE(QFileInfo(storePath()).fileName(), QStringLiteral("Bramwick Plandraw_bookmarks.json"));
    }

    void init()
    {
        QDir(configDir()).removeRecursively();
        m_store->takeDamagedCopy();
    }

    void addKeepsOneEntryPerFileInTheStoredFormat()
    {
        QVERIFY(m_store->addBookmark(m_plan, 2, QStringLiteral("A"), QStringLiteral("/old/plan.vsdx")));
        const QByteArray first = storeBytes();
        QCOMPARE(QJsonDocument::fromJson(first).toJson(QJsonDocument::Indented), first);
        QCOMPARE(QJsonDocument::fromJson(first).object(),
                 QJsonObject({{"bookmarks", QJsonArray{QJsonObject{
                     {"fileName", m_plan}, {"path", "/old/plan.vsdx"},
                     {"children", QJsonArray{QJsonObject{{"title", "A"}, {"page", 2}}}}}}}}));

        // The same bookmark again: no second copy, but the latest path wins.
        QVERIFY(m_store->addBookmark(m_plan, 2, QStringLiteral("A"), QStringLiteral("/new/plan.vsdx")));
        QCOMPARE(bookmarksOf(m_plan), (QList<QPair<QString, int>>{{"A", 2}}));
        QCOMPARE(m_store->loadData()["bookmarks"][0]["path"].toString(), QStringLiteral("/new/plan.vsdx"));

        QVERIFY(m_store->addBookmark(m_plan, 2, QStringLiteral("B")));
        QVERIFY(m_store->addBookmark(QStringLiteral("other.vsd"), 0, QStringLiteral("A")));
        QCOMPARE(bookmarksOf(m_plan), (QList<QPair<QString, int>>{{"A", 2}, {"B", 2}}));
        QCOMPARE(m_store->loadData()["bookmarks"][0]["path"].toString(), QStringLiteral("/new/plan.vsdx"));
        QCOMPARE(m_store->loadData()["bookmarks"].toArray().size(), 2);
    }

    void sameTitleAndPageActOnTheirOwnBookmark()
    {
        for (const char *title : {"A", "B", "C"})
            QVERIFY(m_store->addBookmark(m_plan, 2, QLatin1String(title)));

        // The second row acts on the second bookmark, not the first of its page.
        QVERIFY(m_store->renameBookmark(m_plan, 2, QStringLiteral("B"), QStringLiteral("B2")));
        QCOMPARE(bookmarksOf(m_plan), (QList<QPair<QString, int>>{{"A", 2}, {"B2", 2}, {"C", 2}}));
        QVERIFY(m_store->removeBookmark(m_plan, 2, QStringLiteral("B2")));
        QCOMPARE(bookmarksOf(m_plan), (QList<QPair<QString, int>>{{"A", 2}, {"C", 2}}));

        // Without a title the first of the page is meant.
        QVERIFY(m_store->renameBookmark(m_plan, 2, QStringLiteral("D")));
        QVERIFY(m_store->removeBookmark(m_plan, 2));
        QCOMPARE(bookmarksOf(m_plan), (QList<QPair<QString, int>>{{"C", 2}}));
    }

    void removingEmptiesAndDropsEntries()
    {
        QVERIFY(m_store->addBookmark(m_plan, 1, QStringLiteral("A")));
        QVERIFY(m_store->addBookmark(QStringLiteral("b.vsd"), 0, QStringLiteral("x")));
        QVERIFY(m_store->addBookmark(QStringLiteral("b.vsd"), 3, QStringLiteral("y")));

        QVERIFY(m_store->removeBookmark(m_plan, 1));
        QCOMPARE(m_store->loadData()["bookmarks"][0]["fileName"].toString(), QStringLiteral("b.vsd"));
        QVERIFY(m_store->removeBookmark(QStringLiteral("b.vsd"), -1));
        QCOMPARE(storeBytes(), QJsonDocument(QJsonObject{{"bookmarks", QJsonArray()}}).toJson());
    }

    void unmatchedChangesLeaveTheFileUntouched()
    {
        QVERIFY(m_store->addBookmark(m_plan, 1, QStringLiteral("A")));
        const QByteArray before = storeBytes();
        const QDateTime stamp = QDateTime::currentDateTime().addDays(-1);
        {
            QFile file(storePath());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
        }
        QVERIFY(m_store->renameBookmark(m_plan, 5, QStringLiteral("X")));
        QVERIFY(m_store->renameBookmark(m_plan, 1, QStringLiteral("B"), QStringLiteral("X")));
        QVERIFY(m_store->removeBookmark(m_plan, 5));
        QVERIFY(m_store->removeBookmark(m_plan, 1, QStringLiteral("B")));
        QVERIFY(m_store->removeBookmark(QStringLiteral("none.vsd"), -1));
        QCOMPARE(storeBytes(), before);
        QCOMPARE(QFileInfo(storePath()).lastModified(), stamp);
    }

    void oddEntriesAndUnknownKeysSurviveARewrite()
    {
        const QJsonObject odd{
            {"version", 7},
            {"bookmarks", QJsonArray{
                QJsonObject{{"fileName", 42}, {"children", QJsonArray{QJsonObject{{"title", "n"}}}}},
                QJsonObject{{"fileName", "nochildren.vsd"}, {"color", "red"}},
                QJsonObject{{"fileName", m_plan}, {"pinned", true},
                            {"children", QJsonArray{QJsonObject{{"title", "p"}, {"page", "seven"}, {"note", "x"}},
                                                    QJsonObject{{"title", "q"}}}}}}}};
        writeStore(QJsonDocument(odd).toJson());

        // A page that is missing or not a number reads as 0.
        QCOMPARE(bookmarksOf(m_plan), (QList<QPair<QString, int>>{{"p", 0}, {"q", 0}}));
        const QString title = QStringLiteral("\"quoted\"\nשלום 🎉 \\ end");
        QVERIFY(m_store->addBookmark(m_plan, 4, title));
        QVERIFY(m_store->renameBookmark(m_plan, 0, QStringLiteral("q"), QStringLiteral("q2")));
        QVERIFY(m_store->addBookmark(QStringLiteral("nochildren.vsd"), 1, QStringLiteral("c")));

        const QJsonObject root = m_store->loadData();
        QCOMPARE(root["version"].toInt(), 7);
        QCOMPARE(root["bookmarks"][0].toObject(), odd["bookmarks"][0].toObject());
        QCOMPARE(root["bookmarks"][1]["color"].toString(), QStringLiteral("red"));
        const QJsonObject plan = root["bookmarks"][2].toObject();
        QVERIFY(plan["pinned"].toBool());
        QCOMPARE(plan["children"][0].toObject(), (QJsonObject{{"title", "p"}, {"page", "seven"}, {"note", "x"}}));
        QCOMPARE(bookmarksOf(m_plan), (QList<QPair<QString, int>>{{"p", 0}, {"q2", 0}, {title, 4}}));
        QCOMPARE(bookmarksOf(QStringLiteral("nochildren.vsd")), (QList<QPair<QString, int>>{{"c", 1}}));
    }

    void damagedFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << QByteArray("{\"bookmarks\": [{\"fileName\": \"plan.vsdx\", \"chi");
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe{\x01\x02", 6);
        QTest::newRow("array") << QByteArray("[{\"fileName\": \"plan.vsdx\"}]");
    }

    void damagedFileIsKeptAside()
    {
        QFETCH(QByteArray, content);
        writeStore(content);

        QVERIFY(m_store->addBookmark(m_plan, 0, QStringLiteral("fresh")));
        const QStringList copies = damagedCopies();
        QCOMPARE(copies.size(), 1);
        QVERIFY(copies.first().contains(QRegularExpression(QStringLiteral("\\.damaged-\\d{8}-\\d{6}$"))));
        QFile copy(QDir(configDir()).filePath(copies.first()));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), content);
        QCOMPARE(m_store->takeDamagedCopy(), copy.fileName());
        QVERIFY(m_store->takeDamagedCopy().isEmpty()); // told once
        QCOMPARE(bookmarksOf(m_plan), (QList<QPair<QString, int>>{{"fresh", 0}}));

        // Damaged again within the same second: the first copy stays as it was.
        writeStore(content);
        QVERIFY(!m_store->setAsideIfDamaged().isEmpty());
        QCOMPARE(damagedCopies().size(), 2);
        QVERIFY(!QFile::exists(storePath()));
        QVERIFY(m_store->setAsideIfDamaged().isEmpty());
    }

    void unreadableFileIsLeftAlone()
    {
        // A folder where the file should be cannot be read, even by root.
        QVERIFY(QDir().mkpath(storePath()));
        QVERIFY(!m_store->addBookmark(m_plan, 0, QStringLiteral("A")));
        QCOMPARE(m_store->lastFailure(), BookmarkManager::ReadFailed);
        QVERIFY(m_store->loadData().isEmpty());
        QCOMPARE(m_store->lastFailure(), BookmarkManager::ReadFailed);
        QVERIFY(QFileInfo(storePath()).isDir());
        QVERIFY(damagedCopies().isEmpty());
    }

    void failedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("read-only folder") << false;
        QTest::newRow("disk full") << true;
    }

    void failedWriteKeepsTheOldFile()
    {
        QFETCH(bool, diskFull);
        QVERIFY(m_store->addBookmark(m_plan, 0, QStringLiteral("kept")));
        const QByteArray before = storeBytes();
        const QString longTitle(4096, QLatin1Char('x'));

        bool added = true;
        if (diskFull) {
            // Writes past this size fail as on a full disk.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit old {};
            getrlimit(RLIMIT_FSIZE, &old);
            rlimit limited = old;
            limited.rlim_cur = rlim_t(before.size() + 100);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
            added = m_store->addBookmark(m_plan, 1, longTitle);
            setrlimit(RLIMIT_FSIZE, &old);
        } else {
            QFile::setPermissions(configDir(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            QFile probe(configDir() + QStringLiteral("/probe"));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QFile::setPermissions(configDir(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
                QSKIP("This user may write into read-only folders.");
            }
            added = m_store->addBookmark(m_plan, 1, longTitle);
            QFile::setPermissions(configDir(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        QVERIFY(!added);
        QCOMPARE(m_store->lastFailure(), BookmarkManager::WriteFailed);
        QVERIFY(!m_store->lastFailureReason().isEmpty());
        QCOMPARE(storeBytes(), before);
        QCOMPARE(QDir(configDir()).entryList(QDir::Files), QStringList{QFileInfo(storePath()).fileName()});
    }

    void heldLockKeepsOtherWritersOut()
    {
        QVERIFY(m_store->addBookmark(m_plan, 0, QStringLiteral("A")));
        const QByteArray before = storeBytes();
        QLockFile otherWindow(storePath() + QStringLiteral(".lock"));
        QVERIFY(otherWindow.tryLock(0));
        QVERIFY(!m_store->addBookmark(m_plan, 1, QStringLiteral("B")));
        QCOMPARE(m_store->lastFailure(), BookmarkManager::LockFailed);
        QCOMPARE(storeBytes(), before);
        otherWindow.unlock();
        QVERIFY(m_store->addBookmark(m_plan, 1, QStringLiteral("B")));
    }
};

QTEST_GUILESS_MAIN(TestBookmarkManager)
#include "tst_bookmarkmanager.moc"
