#include "AppMenu.h"
#include "BrowserTabWidget.h"
#include "DocumentLoadController.h"
#include "MainWindow.h"
#include "MenuBarController.h"
#include "NativeMessageBox.h"
#include "RecentFiles.h"
#include "RecentFilesMenu.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kSample = QStringLiteral(PLANDRAW_TEST_DATA_DIR "/../../samples/plandraw-sample.vdx");
}

// File > Open Recent, Close Tab and Close All Tabs, through the main window.
class TestRecentFilesMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void openedDrawingsAreListedNewestFirstAndOpenAgain();
    void goneAndUnreadableEntriesStayUntilRemoved();
    void closeTabAndCloseAllTabs();

private:
    QString copySample(const QString &name) const;
    bool waitForLoads() const;
    // The entries as "text|tool tip|enabled", after the menu has looked at the files.
    QStringList shownEntries() const;
    QAction *entry(const QString &text) const;
    QAction *fileItem(int data) const;

    QTemporaryDir m_dir;
    MainWindow *m_window = nullptr;
    BrowserTabWidget *m_tabs = nullptr;
    RecentFilesMenu *m_recent = nullptr;
    QStringList m_alerts;
};

void TestRecentFilesMenu::initTestCase()
{
    QVERIFY(m_dir.isValid());
    NativeMessageBox::setPresenterForTesting(
        [this](NativeMessageBox::Icon, const QString &, const QString &text) { m_alerts << text; });
}

void TestRecentFilesMenu::init()
{
    m_alerts.clear();
    RecentFiles().clear();
    m_window = new MainWindow(nullptr);
    m_tabs = m_window->findChild<BrowserTabWidget *>(QStringLiteral("tabWidget"));
    m_recent = m_window->findChild<RecentFilesMenu *>();
    QVERIFY(m_tabs && m_recent);
}

void TestRecentFilesMenu::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

QString TestRecentFilesMenu::copySample(const QString &name) const
{
    const QString target = m_dir.filePath(name);
    QFile::remove(target);
    return QFile::copy(kSample, target) ? target : QString();
}

bool TestRecentFilesMenu::waitForLoads() const
{
    auto *loader = m_window->findChild<DocumentLoadController *>();
    return QTest::qWaitFor([loader] { return loader->pendingCount() == 0; }, 20000);
}

QStringList TestRecentFilesMenu::shownEntries() const
{
    QSignalSpy checked(m_recent, &RecentFilesMenu::availabilityChecked);
    emit m_recent->menu()->aboutToShow();
    if (!checked.wait(5000))
        return {QStringLiteral("no availability check")};
    QStringList lines;
    for (const QAction *action : m_recent->menu()->actions()) {
        if (action->isSeparator())
            break;
        lines << action->text() + QLatin1Char('|') + action->toolTip() + QLatin1Char('|')
                     + (action->isEnabled() ? QStringLiteral("on") : QStringLiteral("off"));
    }
    return lines;
}

QAction *TestRecentFilesMenu::entry(const QString &text) const
{
    for (QAction *action : m_recent->menu()->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QAction *TestRecentFilesMenu::fileItem(int data) const
{
    // Open Recent hangs off the File menu.
    const auto *file = qobject_cast<QMenu *>(m_recent->menu()->parent());
    if (!file)
        return nullptr;
    for (QAction *action : file->actions()) {
        if (!action->isSeparator() && !action->menu() && action->data().toInt() == data)
            return action;
    }
    return nullptr;
}

void TestRecentFilesMenu::openedDrawingsAreListedNewestFirstAndOpenAgain()
{
    const QString plan = copySample(QStringLiteral("plan.vdx"));
    const QString odd = copySample(QStringLiteral("R&D site.vdx"));
    for (const QString &path : {plan, odd, plan}) {
        QVERIFY(m_window->loadVisioFile(path));
        QVERIFY(waitForLoads());
    }
    QCoreApplication::processEvents();
    // Opened twice, listed once; the name is no mnemonic; the path is the tip.
    QCOMPARE(shownEntries(), (QStringList{"plan.vdx|" + plan + "|on", "R&&D site.vdx|" + odd + "|on"}));
    QVERIFY(entry(QStringLiteral("Clear Recent"))->isEnabled());
    QVERIFY(!entry(QStringLiteral("Remove Missing Drawings"))->isVisible());

    // A new window reads the same list, and an entry opens its drawing.
    delete m_window;
    m_window = new MainWindow(nullptr);
    m_tabs = m_window->findChild<BrowserTabWidget *>(QStringLiteral("tabWidget"));
    m_recent = m_window->findChild<RecentFilesMenu *>();
    QCOMPARE(shownEntries().size(), 2);
    entry(QStringLiteral("R&&D site.vdx"))->trigger();
    QCOMPARE(m_tabs->count(), 1);
    QCOMPARE(m_tabs->tabText(0), QStringLiteral("R&D site.vdx"));
    QVERIFY(waitForLoads());
    QCoreApplication::processEvents();
    QCOMPARE(shownEntries().first(), "R&&D site.vdx|" + odd + "|on");
    QVERIFY(m_alerts.isEmpty());
}

void TestRecentFilesMenu::goneAndUnreadableEntriesStayUntilRemoved()
{
    const QString gone = copySample(QStringLiteral("gone.vdx"));
    const QString folder = m_dir.filePath(QStringLiteral("now-a-folder.vsdx"));
    const QString damaged = m_dir.filePath(QStringLiteral("now-garbage.vsd"));
    QVERIFY(QDir().mkpath(folder));
    QFile garbage(damaged);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray("not a drawing\n").repeated(30));
    garbage.close();
    RecentFiles list;
    for (const QString &path : {damaged, QStringLiteral("/dev/null"), folder, gone})
        list.add(path);
    QVERIFY(QFile::remove(gone));

    QCOMPARE(shownEntries(), (QStringList{"gone.vdx|" + gone + " (not found)|off", "now-a-folder.vsdx|" + folder + "|on",
                                          "null|/dev/null|on", "now-garbage.vsd|" + damaged + "|on"}));
    QVERIFY(entry(QStringLiteral("Remove Missing Drawings"))->isVisible());

    // Each readable-looking entry that cannot be opened says why; nothing
    // else changes and the entry stays.
    for (const char *text : {"now-a-folder.vsdx", "null", "now-garbage.vsd"})
        entry(QString::fromUtf8(text))->trigger();
    QVERIFY(waitForLoads());
    QCOMPARE(m_alerts.size(), 3);
    QVERIFY2(m_alerts[0].endsWith(QStringLiteral("now-a-folder.vsdx: It is a folder, not a drawing.")),
             qPrintable(m_alerts[0]));
    QVERIFY2(m_alerts[1].endsWith(QStringLiteral("null: It is not a file but a device or a pipe.")),
             qPrintable(m_alerts[1]));
    QVERIFY2(m_alerts[2].endsWith(QStringLiteral("now-garbage.vsd: It is not a Visio drawing.")), qPrintable(m_alerts[2]));
    QCOMPARE(m_tabs->count(), 0);
    QCOMPARE(RecentFiles().paths().size(), 4);

    entry(QStringLiteral("Remove Missing Drawings"))->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(RecentFiles().paths(), (QStringList{folder, QStringLiteral("/dev/null"), damaged}));
    // Delete on the highlighted entry takes it off the list.
    m_recent->menu()->setActiveAction(entry(QStringLiteral("null")));
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QCoreApplication::sendEvent(m_recent->menu(), &del);
    QCOMPARE(RecentFiles().paths(), (QStringList{folder, damaged}));
    entry(QStringLiteral("Clear Recent"))->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(shownEntries(), QStringList());
    QVERIFY(!entry(QStringLiteral("Clear Recent"))->isEnabled());
}

void TestRecentFilesMenu::closeTabAndCloseAllTabs()
{
    QAction *closeTab = fileItem(AppMenu::FileCloseTab);
    QAction *closeAll = fileItem(AppMenu::FileCloseAllTabs);
    QVERIFY(closeTab && closeAll);
    QVERIFY(!closeTab->isEnabled() && !closeAll->isEnabled());
    for (const char *name : {"a.vdx", "b.vdx", "c.vdx"})
        QVERIFY(m_window->loadVisioFile(copySample(QString::fromUtf8(name))));
    QVERIFY(closeTab->isEnabled() && closeAll->isEnabled());
    m_tabs->setCurrentIndex(1);
    closeTab->trigger();
    QCOMPARE(m_tabs->count(), 2);
    QCOMPARE(m_tabs->tabText(0) + m_tabs->tabText(1), QStringLiteral("a.vdxc.vdx"));
    QSignalSpy allClosed(m_tabs, &BrowserTabWidget::allTabClosed);
    closeAll->trigger();
    QCOMPARE(m_tabs->count(), 0);
    QCOMPARE(allClosed.count(), 1);
    QVERIFY(!closeTab->isEnabled());
    QVERIFY(m_alerts.isEmpty());
}

QTEST_MAIN(TestRecentFilesMenu)
#include "tst_recentfilesmenu.moc"
