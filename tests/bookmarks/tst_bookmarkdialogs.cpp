#include "BookmarkDialog.h"
#include "BookmarkListDialog.h"
#include "BookmarkManager.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

// The add overlay and the bookmark list, on the offscreen platform.
class TestBookmarkDialogs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    BookmarkManager *m_store = BookmarkManager::instance();

    QJsonArray storedList() const { return m_store->loadData().value(QStringLiteral("bookmarks")).toArray(); }

    QStringList titlesOf(int entry) const
    {
        QStringList titles;
        for (const QJsonValue &child : storedList().at(entry)[QStringLiteral("children")].toArray())
            titles << child[QStringLiteral("title")].toString();
        return titles;
    }

    QModelIndex row(const BookmarkListDialog &dialog, int file, int bookmark = -1) const
    {
        const QModelIndex fileIndex = dialog.model()->index(file, 0);
        return bookmark < 0 ? fileIndex : dialog.model()->index(bookmark, 0, fileIndex);
    }

    // Delete, Rename, Open as enabled for the row made current.
    QString buttonsFor(const BookmarkListDialog &dialog, const QModelIndex &index) const
    {
        dialog.treeView()->setCurrentIndex(index);
        QString states;
        for (QPushButton *button : {dialog.deleteButton(), dialog.renameButton(), dialog.openButton()})
            states += button->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return states;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path()));
        m_store->setName(QStringLiteral("Bramwick Plandraw"));
    }

    void init()
    {
        QDir(QFileInfo(m_store->filePath()).absolutePath()).removeRecursively();
        m_store->takeDamagedCopy();
    }

    void addOverlayFollowsItsWindowAndStoresTheName()
    {
        QWidget window;
        window.resize(800, 600);
        window.show();
        auto *dialog = new BookmarkDialog(QStringLiteral("a.b.vsdx"), 0, &window);
        dialog->setDocumentPath(QStringLiteral("/docs/a.b.vsdx"));
        QSignalSpy closed(dialog, &QObject::destroyed);
        dialog->show();
        QCOMPARE(dialog->geometry(), window.rect());
        window.resize(1000, 700);
        QCOMPARE(dialog->geometry(), window.rect());
        QCOMPARE(dialog->nameEdit()->text(), QStringLiteral("a_0"));

        dialog->nameEdit()->clear();
        dialog->addButton()->click();
        QVERIFY(dialog->isVisible());
        QVERIFY(!QFile::exists(m_store->filePath()));

        QTest::keyClicks(dialog->nameEdit(), QStringLiteral(" Front "));
        QTest::keyClick(dialog->nameEdit(), Qt::Key_Return);
        QTRY_COMPARE(closed.count(), 1);
        QCOMPARE(storedList().size(), 1);
        QCOMPARE(storedList().at(0)[QStringLiteral("fileName")].toString(), QStringLiteral("a.b.vsdx"));
        QCOMPARE(storedList().at(0)[QStringLiteral("path")].toString(), QStringLiteral("/docs/a.b.vsdx"));
        QCOMPARE(titlesOf(0), QStringList{QStringLiteral(" Front ")});

        auto *cancelled = new BookmarkDialog(QStringLiteral("plan.vsdx"), 3, &window);
        QSignalSpy cancelledClosed(cancelled, &QObject::destroyed);
        cancelled->show();
        QCOMPARE(cancelled->nameEdit()->text(), QStringLiteral("plan_3"));
        QTest::keyClick(cancelled->nameEdit(), Qt::Key_Escape);
        QTRY_COMPARE(cancelledClosed.count(), 1);
        QCOMPARE(storedList().size(), 1);
    }

    void failedAddStaysOpenAndReports()
    {
        QVERIFY(QDir().mkpath(m_store->filePath())); // unreadable store
        QWidget window;
        window.show();
        auto *dialog = new BookmarkDialog(QStringLiteral("plan.vsdx"), 0, &window);
        QSignalSpy problems(dialog, &BookmarkDialog::storeProblem);
        dialog->show();
        dialog->addButton()->click();
        QCOMPARE(problems.count(), 1);
        QVERIFY(problems.at(0).at(1).toString().contains(QDir::toNativeSeparators(m_store->filePath())));
        QVERIFY(dialog->isVisible());
        QVERIFY(QFileInfo(m_store->filePath()).isDir());
    }

    void listButtonsAndOpenFollowTheRow()
    {
        QTemporaryDir documents;
        const QString closedPath = documents.filePath(QStringLiteral("closed.vsdx"));
        QFile(closedPath).open(QIODevice::WriteOnly);
        QVERIFY(m_store->addBookmark(QStringLiteral("open.vsdx"), 3, QStringLiteral("one")));
        QVERIFY(m_store->addBookmark(QStringLiteral("closed.vsdx"), 1, QStringLiteral("kept"), closedPath));
        QVERIFY(m_store->addBookmark(QStringLiteral("gone.vsdx"), 2, QStringLiteral("lost"),
                                     documents.filePath(QStringLiteral("gone.vsdx"))));
        QVERIFY(m_store->addBookmark(QStringLiteral("old.vsdx"), 2, QStringLiteral("no path")));

        BookmarkListDialog dialog({QStringLiteral("open.vsdx")});
        QVERIFY(QSignalSpy(&dialog, &BookmarkListDialog::treeLoaded).wait());
        QCOMPARE(dialog.model()->rowCount(), 4);
        QCOMPARE(buttonsFor(dialog, QModelIndex()), QStringLiteral("000"));
        QCOMPARE(buttonsFor(dialog, row(dialog, 0)), QStringLiteral("100"));
        QCOMPARE(buttonsFor(dialog, row(dialog, 0, 0)), QStringLiteral("111"));
        QCOMPARE(buttonsFor(dialog, row(dialog, 1, 0)), QStringLiteral("111"));
        QCOMPARE(buttonsFor(dialog, row(dialog, 2, 0)), QStringLiteral("110"));
        QCOMPARE(buttonsFor(dialog, row(dialog, 3, 0)), QStringLiteral("110"));

        QSignalSpy jumps(&dialog, &BookmarkListDialog::jumpToPage);
        QSignalSpy opens(&dialog, &BookmarkListDialog::openDocumentAtPage);
        buttonsFor(dialog, row(dialog, 0, 0));
        dialog.openButton()->click();
        QCOMPARE(jumps.count(), 1);
        QCOMPARE(jumps.at(0), (QList<QVariant>{QStringLiteral("open.vsdx"), 3}));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        emit dialog.treeView()->doubleClicked(row(dialog, 1, 0));
        QCOMPARE(opens.count(), 1);
        QCOMPARE(opens.at(0), (QList<QVariant>{closedPath, 1}));
        emit dialog.treeView()->doubleClicked(row(dialog, 2, 0));
        QCOMPARE(jumps.count() + opens.count(), 2);
    }

    void listRenameAndDeleteActOnTheirOwnRow()
    {
        for (const char *title : {"A", "B", "C"})
            QVERIFY(m_store->addBookmark(QStringLiteral("plan.vsdx"), 2, QLatin1String(title)));
        QVERIFY(m_store->addBookmark(QStringLiteral("other.vsdx"), 0, QStringLiteral("x")));

        BookmarkListDialog dialog({});
        QSignalSpy loaded(&dialog, &BookmarkListDialog::treeLoaded);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(loaded.count() == 1 || loaded.wait());

        // In place, as the editor commits it.
        dialog.model()->itemFromIndex(row(dialog, 0, 1))->setText(QStringLiteral("B2"));
        QCOMPARE(titlesOf(0), (QStringList{"A", "B2", "C"}));
        dialog.model()->itemFromIndex(row(dialog, 0, 1))->setText(QString());
        QCOMPARE(titlesOf(0), (QStringList{"A", "", "C"}));

        // F2 edits the current bookmark; Delete removes it, not the first of its page.
        dialog.treeView()->setFocus();
        buttonsFor(dialog, row(dialog, 0, 1));
        QTest::keyClick(dialog.treeView(), Qt::Key_F2);
        QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        dialog.treeView()->setFocus();
        QTest::keyClick(dialog.treeView(), Qt::Key_Delete);
        QCOMPARE(titlesOf(0), (QStringList{"A", "C"}));
        QCOMPARE(dialog.model()->rowCount(row(dialog, 0)), 2);
        QCOMPARE(row(dialog, 0, 1).data().toString(), QStringLiteral("C"));

        buttonsFor(dialog, row(dialog, 0));
        dialog.deleteButton()->click();
        QCOMPARE(storedList().size(), 1);
        QCOMPARE(row(dialog, 0).data().toString(), QStringLiteral("other.vsdx"));
        QCOMPARE(dialog.deleteButton()->isEnabled(), dialog.treeView()->currentIndex().isValid());
    }

    void listTellsOfADamagedStoreOnceShown()
    {
        QDir().mkpath(QFileInfo(m_store->filePath()).absolutePath());
        QFile file(m_store->filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"bookmarks\": [");
        file.close();

        BookmarkListDialog dialog({});
        QSignalSpy problems(&dialog, &BookmarkListDialog::storeProblem);
        dialog.show();
        QTRY_COMPARE(problems.count(), 1);
        const QStringList copies = QDir(QFileInfo(m_store->filePath()).absolutePath())
                                       .entryList({QStringLiteral("*.damaged-*")});
        QCOMPARE(copies.size(), 1);
        QVERIFY(problems.at(0).at(1).toString().contains(copies.first()));
        QCOMPARE(dialog.model()->rowCount(), 0);
        QTest::qWait(20);
        QCOMPARE(problems.count(), 1);
    }
};

QTEST_MAIN(TestBookmarkDialogs)
#include "tst_bookmarkdialogs.moc"
