#include "BookmarkController.h"
#include "BookmarkDialog.h"
#include "BookmarkManager.h"
#include "BrowserTabWidget.h"
#include "DocumentLoadController.h"
#include "DocumentLoadingWidget.h"
#include "DocumentTabWidget.h"
#include "FileOpenFilter.h"
#include "ImageExtractionController.h"
#include "AppConfig.h"
#include "MainWindow.h"
#include "MenuBarController.h"
#include "NativeMessageBox.h"
#include "RecentFiles.h"
#include "RecentFilesMenu.h"
#include "SingleInstanceFileDispatcher.h"
#include "VdxGenerator.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileOpenEvent>
#include <QImage>
#include <QKeyEvent>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QElapsedTimer>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QToolButton>
#include <QUrl>

namespace {
const QString kSample = QStringLiteral(PLANDRAW_TEST_DATA_DIR "/../../samples/plandraw-sample.vdx");

struct Alert
{
    NativeMessageBox::Icon icon;
    QString title;
    QString text;
};
} // namespace

class TestShellMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyNamedPictureIsThereAndVisible();
    void toolbarFollowsTheStartPageAndTheFirstDocument();
    void failedOpenAlertsAndLeavesTheStateAlone_data();
    void failedOpenAlertsAndLeavesTheStateAlone();
    void dragEnterAcceptsOnlyDrawings_data();
    void dragEnterAcceptsOnlyDrawings();
    void dropOpensDrawingsInOrderAndSkipsTheRest();
    void searchBoxOpensAndClosesThePanel();
    void toggleButtonsFollowTheCurrentTab();
    void windowTitleFollowsTheCurrentTab();
    void commandLinePathsOpenInOrder();
    void fileOpenEventsReachTheWindow();
    void fixtureDrawingsOpen();
    void bookmarksAddAndJumpThroughTheTabs();
    void extractionWithoutPicturesOnlyTellsSo();
    void aFailedLoadTakesOnlyItsOwnTab();
    void cancelEndsALargeLoadAtOnce();
    void outputWaitsForEveryPage();
    void openRecentListsOpenedDrawingsAndOpensThem();
    void recentEntriesThatCannotOpenStayUntilRemoved();

private:
    QString copySample(const QString &name) const;
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    QStringList tabTitles() const;
    // Files open in the background; this waits until every one is read and built.
    bool waitForLoads() const;
    void sendDrop(QWidget *target, const QList<QUrl> &urls);
    // Open Recent's entries as "text|tool tip|enabled", once it has looked at the files.
    QStringList recentEntries() const;
    QAction *recentItem(const QString &text) const;

    QTemporaryDir m_dir;
    MainWindow *m_window = nullptr;
    BrowserTabWidget *m_tabs = nullptr;
    QStackedWidget *m_stack = nullptr;
    QList<Alert> m_alerts;
};

void TestShellMainWindow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(QFile::exists(kSample), qPrintable(kSample));
    NativeMessageBox::setPresenterForTesting(
        [this](NativeMessageBox::Icon icon, const QString &title, const QString &text) {
            m_alerts.append({icon, title, text});
        });
}

void TestShellMainWindow::init()
{
    m_alerts.clear();
    RecentFiles().clear();
    m_window = new MainWindow(nullptr);
    m_tabs = m_window->findChild<BrowserTabWidget *>(QStringLiteral("tabWidget"));
    m_stack = m_window->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    QVERIFY(m_tabs && m_stack);
}

void TestShellMainWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

QString TestShellMainWindow::copySample(const QString &name) const
{
    const QString target = m_dir.filePath(name);
    QFile::remove(target);
    if (!QFile::copy(kSample, target))
        return QString();
    return target;
}

QString TestShellMainWindow::writeFile(const QString &name, const QByteArray &bytes) const
{
    const QString target = m_dir.filePath(name);
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(bytes);
    return target;
}

QStringList TestShellMainWindow::tabTitles() const
{
    QStringList titles;
    for (int i = 0; i < m_tabs->count(); ++i)
        titles << m_tabs->tabText(i);
    return titles;
}

bool TestShellMainWindow::waitForLoads() const
{
    auto *loader = m_window->findChild<DocumentLoadController *>();
    return loader && QTest::qWaitFor([loader] { return loader->pendingCount() == 0; }, 20000);
}

void TestShellMainWindow::sendDrop(QWidget *target, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    drop.setAccepted(false);
    // Straight to the window's filter, as the event system would hand it over.
    QVERIFY(static_cast<QObject *>(m_window)->eventFilter(target, &drop));
    QVERIFY(drop.isAccepted());
}

void TestShellMainWindow::everyNamedPictureIsThereAndVisible()
{
    // A picture missing under its name shows as a blank button.
    QStringList names = {QStringLiteral(":/img/search.png"), QStringLiteral(":/img/icon.png")};
    const QRegularExpression url(QStringLiteral("url\\((:/img/[^)]+)\\)"));
    for (const QString &sheet : {m_window->styleSheet(), m_tabs->styleSheet()}) {
        for (auto it = url.globalMatch(sheet); it.hasNext();)
            names << it.next().captured(1);
    }
    names.removeDuplicates();
    QVERIFY(names.size() > 55);
    for (const QString &name : names) {
        const QImage image(name);
        QVERIFY2(!image.isNull(), qPrintable(name));
        bool painted = false;
        for (int y = 0; y < image.height() && !painted; ++y) {
            for (int x = 0; x < image.width() && !painted; ++x)
                painted = qAlpha(image.pixel(x, y)) > 0;
        }
        QVERIFY2(painted, qPrintable(name));
    }
}

void TestShellMainWindow::toolbarFollowsTheStartPageAndTheFirstDocument()
{
    QCOMPARE(m_stack->currentWidget()->objectName(), QStringLiteral("emptyPage"));
    const QList<QWidget *> widgets = m_window->findChild<QWidget *>(QStringLiteral("toolbarWidget"))->findChildren<QWidget *>();
    QVERIFY(widgets.size() > 20);
    for (QWidget *w : widgets)
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(m_window->findChild<QWidget *>(QStringLiteral("btnOpenFile"))->isEnabled());

    const QString path = copySample(QStringLiteral("plan.vdx"));
    QVERIFY(m_window->loadVisioFile(path));
    QVERIFY(waitForLoads());
    QVERIFY(m_alerts.isEmpty());
    QCOMPARE(m_stack->currentWidget()->objectName(), QStringLiteral("tabPage"));
    QCOMPARE(tabTitles(), QStringList{QStringLiteral("plan.vdx")});
    QCOMPARE(m_tabs->tabToolTip(0), QStringLiteral("plan.vdx"));
    QVERIFY(m_window->currentTabWidget());
    QCOMPARE(m_window->currentTabWidget()->view()->pageCount(), 2);

    for (const char *name : {"btnView", "btnZoomIn", "btnNextPage", "btnSinglePageRightRotate", "searchBox", "label_2",
                             "btnPrint", "btnSave", "btnExport", "label_10", "btnBookmarks"})
        QVERIFY2(m_window->findChild<QWidget *>(QLatin1String(name))->isEnabled(), name);

    QVERIFY(m_window->loadVisioFile(path));
    QCOMPARE(m_tabs->count(), 2); // the same file twice gives two tabs
    QCOMPARE(m_tabs->currentIndex(), 1);

    emit m_tabs->tabCloseRequested(0);
    QCOMPARE(m_stack->currentWidget()->objectName(), QStringLiteral("tabPage"));
    emit m_tabs->tabCloseRequested(0);
    QCOMPARE(m_stack->currentWidget()->objectName(), QStringLiteral("emptyPage"));
    QVERIFY(!m_window->currentTabWidget());
    for (const char *name : {"btnView", "btnZoomIn", "searchBox", "label_2", "label_11", "btnPrint", "btnExport"})
        QVERIFY2(!m_window->findChild<QWidget *>(QLatin1String(name))->isEnabled(), name);

    // Opening again brings the toolbar back.
    QVERIFY(m_window->loadVisioFile(path));
    QVERIFY(m_window->findChild<QWidget *>(QStringLiteral("btnZoomIn"))->isEnabled());
}

void TestShellMainWindow::failedOpenAlertsAndLeavesTheStateAlone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("withOpenDocument");
    QTest::addColumn<QString>("reason");
    const QList<std::pair<const char *, const char *>> kinds = {
        {"empty", "empty.vsdx: The file is empty."},
        {"garbage", "garbage.vsd: It is not a Visio drawing."},
        {"truncated", "truncated.vdx: The drawing has no pages."},
        {"missing", "no-such-file.vsd: The file was not found."},
        {"folder", "folder.vsdx: It is a folder, not a drawing."},
        {"device", "null: It is not a file but a device or a pipe."},
    };
    for (bool open : {false, true}) {
        for (const auto &[kind, reason] : kinds) {
            QTest::newRow(qPrintable(QString::fromLatin1(kind) + (open ? " (with a document open)" : "")))
                << kind << open << reason;
        }
    }
}

void TestShellMainWindow::failedOpenAlertsAndLeavesTheStateAlone()
{
    QFETCH(QString, kind);
    QFETCH(bool, withOpenDocument);
    QFETCH(QString, reason);

    QString path;
    if (kind == QLatin1String("empty")) {
        path = writeFile(QStringLiteral("empty.vsdx"), QByteArray());
    } else if (kind == QLatin1String("garbage")) {
        path = writeFile(QStringLiteral("garbage.vsd"), QByteArray("this is not a drawing\n").repeated(50));
    } else if (kind == QLatin1String("truncated")) {
        // Cut before the first page, as a save in progress leaves it.
        QFile sample(kSample);
        QVERIFY(sample.open(QIODevice::ReadOnly));
        path = writeFile(QStringLiteral("truncated.vdx"), sample.readAll().left(1200));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.vsdx")));
        path = m_dir.filePath(QStringLiteral("folder.vsdx"));
    } else if (kind == QLatin1String("device")) {
        path = QStringLiteral("/dev/null");
    } else {
        path = m_dir.filePath(QStringLiteral("no-such-file.vsd"));
    }

    if (withOpenDocument) {
        QVERIFY(m_window->loadVisioFile(copySample(QStringLiteral("good.vdx"))));
        QVERIFY(waitForLoads());
    }
    const QString stackBefore = m_stack->currentWidget()->objectName();
    const QStringList tabsBefore = tabTitles();
    const bool toolbarBefore = m_window->findChild<QWidget *>(QStringLiteral("btnZoomIn"))->isEnabled();

    m_window->openFile(path);
    QVERIFY(waitForLoads());

    // The alert keeps its text and says which file and why.
    QCOMPARE(m_alerts.size(), 1);
    QCOMPARE(m_alerts[0].icon, NativeMessageBox::Critical);
    QCOMPARE(m_alerts[0].title, QStringLiteral("Open Failed"));
    QCOMPARE(m_alerts[0].text, "Unsupported file format or corrupted document.\n\n" + reason);
    QCOMPARE(m_stack->currentWidget()->objectName(), stackBefore);
    QCOMPARE(tabTitles(), tabsBefore);
    QCOMPARE(m_window->findChild<QWidget *>(QStringLiteral("btnZoomIn"))->isEnabled(), toolbarBefore);
}

void TestShellMainWindow::dragEnterAcceptsOnlyDrawings_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("upper-case suffix after a pdf") << QStringList{"notes.pdf", "PLAN.VSDX"} << true;
    QTest::newRow("mixed-case vdx") << QStringList{"flow.Vdx"} << true;
    QTest::newRow("binary vsd") << QStringList{"old.vsd"} << true;
    QTest::newRow("only other files") << QStringList{"notes.pdf", "picture.png", "plan.vsdx.txt"} << false;
    QTest::newRow("a folder with a drawing suffix") << QStringList{"folder.vsd/"} << false;
}

void TestShellMainWindow::dragEnterAcceptsOnlyDrawings()
{
    QFETCH(QStringList, names);
    QFETCH(bool, accepted);
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.vsd")));

    QList<QUrl> urls;
    for (QString name : names)
        urls << QUrl::fromLocalFile(m_dir.filePath(name.remove(QLatin1Char('/'))));
    QMimeData data;
    data.setUrls(urls);
    QWidget *emptyPage = m_window->findChild<QWidget *>(QStringLiteral("emptyPage"));
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QVERIFY(static_cast<QObject *>(m_window)->eventFilter(emptyPage, &enter)); // consumed either way
    QCOMPARE(enter.isAccepted(), accepted);
    if (accepted)
        QCOMPARE(enter.dropAction(), Qt::CopyAction);

    // Text without URLs is not accepted either.
    QMimeData text;
    text.setText(QStringLiteral("plan.vsdx"));
    QDragEnterEvent textEnter(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    textEnter.setAccepted(false);
    QVERIFY(static_cast<QObject *>(m_window)->eventFilter(emptyPage, &textEnter));
    QVERIFY(!textEnter.isAccepted());
}

void TestShellMainWindow::dropOpensDrawingsInOrderAndSkipsTheRest()
{
    const QString upper = copySample(QStringLiteral("PLAN.VDX"));
    const QString pdf = writeFile(QStringLiteral("notes.pdf"), QByteArray("%PDF-1.4\n"));
    const QString lower = copySample(QStringLiteral("second.vdx"));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("drawings.vsdx")));
    const QString folder = m_dir.filePath(QStringLiteral("drawings.vsdx"));

    sendDrop(m_window->findChild<QWidget *>(QStringLiteral("emptyPage")),
             {QUrl::fromLocalFile(upper), QUrl::fromLocalFile(pdf), QUrl::fromLocalFile(folder),
              QUrl(QStringLiteral("https://example.com/remote.vsd")), QUrl::fromLocalFile(lower)});
    QCOMPARE(tabTitles(), (QStringList{QStringLiteral("PLAN.VDX"), QStringLiteral("second.vdx")}));
    QVERIFY(m_alerts.isEmpty());
    QCOMPARE(m_stack->currentWidget()->objectName(), QStringLiteral("tabPage"));

    // Dropped onto an open document, a file opens the same way.
    sendDrop(m_window->currentTabWidget()->view()->viewport(), {QUrl::fromLocalFile(upper)});
    QCOMPARE(m_tabs->count(), 3);
}

void TestShellMainWindow::searchBoxOpensAndClosesThePanel()
{
    auto *search = m_window->findChild<QLineEdit *>(QStringLiteral("searchBox"));
    auto *btnView = m_window->findChild<QToolButton *>(QStringLiteral("btnView"));

    // Without a document nothing happens.
    search->setText(QStringLiteral("Plandraw"));
    emit search->editingFinished();
    QVERIFY(!btnView->isChecked());

    QVERIFY(m_window->loadVisioFile(copySample(QStringLiteral("search.vdx"))));
    DocumentTabWidget *tab = m_window->currentTabWidget();
    QVERIFY(!tab->isThumbnailPanelOpen());

    emit search->editingFinished();
    QVERIFY(btnView->isChecked());
    QVERIFY(tab->isThumbnailPanelOpen());

    // Searching again keeps the panel open.
    emit search->editingFinished();
    QVERIFY(tab->isThumbnailPanelOpen());

    search->clear();
    emit search->editingFinished();
    QVERIFY(!btnView->isChecked());
    QVERIFY(!tab->isThumbnailPanelOpen());

    // Empty text with the panel closed leaves it closed.
    emit search->editingFinished();
    QVERIFY(!tab->isThumbnailPanelOpen());
}

void TestShellMainWindow::toggleButtonsFollowTheCurrentTab()
{
    auto *btnDouble = m_window->findChild<QToolButton *>(QStringLiteral("btnDoublePage"));
    auto *btnView = m_window->findChild<QToolButton *>(QStringLiteral("btnView"));
    QVERIFY(m_window->loadVisioFile(copySample(QStringLiteral("a.vdx"))));
    QVERIFY(m_window->loadVisioFile(copySample(QStringLiteral("b.vdx"))));

    btnDouble->click();
    btnView->click();
    QCOMPARE(m_window->currentTabWidget()->view()->layoutMode(), DocumentGraphicsView::TwoColumns);
    QVERIFY(m_window->currentTabWidget()->isThumbnailPanelOpen());

    m_tabs->setCurrentIndex(0);
    QVERIFY(!btnDouble->isChecked());
    QVERIFY(!btnView->isChecked());
    // So the next click turns two columns on here, not off.
    btnDouble->click();
    QCOMPARE(m_window->currentTabWidget()->view()->layoutMode(), DocumentGraphicsView::TwoColumns);

    m_tabs->setCurrentIndex(1);
    QVERIFY(btnDouble->isChecked());
    QVERIFY(btnView->isChecked());
}

void TestShellMainWindow::windowTitleFollowsTheCurrentTab()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Bramwick Plandraw"));
    QVERIFY(m_window->loadVisioFile(copySample(QStringLiteral("plan.vdx"))));
    QVERIFY(m_window->loadVisioFile(copySample(QStringLiteral("site.vdx"))));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("site.vdx \u2013 Bramwick Plandraw"));
    m_tabs->setCurrentIndex(0);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("plan.vdx \u2013 Bramwick Plandraw"));

    // The Window menu lists the tabs and checks the current one.
    auto *menus = m_window->findChild<MenuBarController *>();
    QVERIFY(menus);
    menus->updateWindowMenu();
    QStringList entries;
    for (const QAction *action : menus->windowMenu()->actions()) {
        if (action->isSeparator())
            break;
        entries << action->text() + (action->isChecked() ? QStringLiteral(" *") : QString());
    }
    QCOMPARE(entries, QStringList({"plan.vdx *", "site.vdx"}));
    emit m_tabs->tabCloseRequested(0);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("site.vdx \u2013 Bramwick Plandraw"));
    emit m_tabs->tabCloseRequested(0);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Bramwick Plandraw"));
}

void TestShellMainWindow::commandLinePathsOpenInOrder()
{
    const QString a = copySample(QStringLiteral("alpha.vdx"));
    const QString b = copySample(QStringLiteral("beta.vdx"));
    const QString c = copySample(QStringLiteral("gamma.vdx"));
    const QString empty = writeFile(QStringLiteral("empty.vsdx"), QByteArray());
    // Bad files among them raise one alert each and do not stop the others.
    QList<QByteArray> arguments = {"plandraw", QFile::encodeName(b), "--verbose",
                                   QFile::encodeName(m_dir.filePath(QStringLiteral("missing.vsdx"))),
                                   QFile::encodeName(a), QFile::encodeName(empty), QFile::encodeName(c)};
    QList<char *> argv;
    for (QByteArray &argument : arguments)
        argv.append(argument.data());
    SingleInstanceFileDispatcher dispatcher(QString(), int(argv.size()), argv.data());
    QVERIFY(dispatcher.isPrimary());
    connect(&dispatcher, &SingleInstanceFileDispatcher::openPstFile, m_window, &MainWindow::openFile);

    dispatcher.processStartupFiles();
    QCOMPARE(m_tabs->count(), 0); // not before the event loop runs
    // Tabs come one per event-loop turn and the empty file's tab goes when
    // its load fails, so only the final list is compared.
    QTRY_COMPARE(tabTitles(), (QStringList{QStringLiteral("beta.vdx"), QStringLiteral("alpha.vdx"),
                                           QStringLiteral("gamma.vdx")}));
    QVERIFY(waitForLoads());
    QCOMPARE(m_alerts.size(), 2);
    // Each alert names its own file.
    QStringList named;
    for (const Alert &alert : std::as_const(m_alerts))
        named << alert.text.section(QStringLiteral("\n\n"), 1).section(QLatin1Char(':'), 0, 0);
    named.sort();
    QCOMPARE(named, (QStringList{QStringLiteral("empty.vsdx"), QStringLiteral("missing.vsdx")}));
    QCOMPARE(m_tabs->currentIndex(), 2);
}

void TestShellMainWindow::fileOpenEventsReachTheWindow()
{
    FileOpenFilter filter;
    connect(&filter, &FileOpenFilter::fileOpened, m_window, &MainWindow::openFile);
    QSignalSpy opened(&filter, &FileOpenFilter::fileOpened);
    const QString odd = copySample(QStringLiteral("Grundriss Büro 2.vdx"));
    QFileOpenEvent event(odd);
    QObject target;
    target.installEventFilter(&filter);
    QApplication::sendEvent(&target, &event);
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.first().first().toString(), odd);
    QCOMPARE(tabTitles(), QStringList{QStringLiteral("Grundriss Büro 2.vdx")});

    QEvent other(QEvent::User);
    QApplication::sendEvent(&target, &other);
    QCOMPARE(opened.count(), 1);
}

void TestShellMainWindow::fixtureDrawingsOpen()
{
    const QDir fixtures(QStringLiteral(PLANDRAW_FIXTURES_DIR));
    if (!fixtures.exists())
        QSKIP("third-party sample drawings are not available");
    const QStringList names = {QStringLiteral("BasicShapes.vdx"), QStringLiteral("blue-box.vsdx"),
                               QStringLiteral("Visio11FormatLine.vsd")};
    QStringList present;
    for (const QString &name : names) {
        if (fixtures.exists(name))
            present << name;
    }
    if (present.isEmpty())
        QSKIP("none of the chosen sample drawings is present");
    QList<QUrl> urls;
    for (const QString &name : present)
        urls << QUrl::fromLocalFile(fixtures.filePath(name));
    sendDrop(m_window->findChild<QWidget *>(QStringLiteral("emptyPage")), urls);
    QVERIFY(waitForLoads());
    QCOMPARE(tabTitles(), present);
    QVERIFY(m_alerts.isEmpty());
    for (int i = 0; i < m_tabs->count(); ++i)
        QVERIFY(qobject_cast<DocumentTabWidget *>(m_tabs->widget(i))->view()->pageCount() > 0);
}

void TestShellMainWindow::extractionWithoutPicturesOnlyTellsSo()
{
    QVERIFY(m_window->loadVisioFile(QStringLiteral(PLANDRAW_TEST_DATA_DIR "/export/two-pages.vdx")));
    QVERIFY(waitForLoads());
    QTemporaryDir base;
    AppConfig::instance()->setLastSavePath(QStringLiteral("/earlier"));
    ImageExtractionController extraction(m_window);

    QVERIFY(!extraction.extractInto(m_window->currentTabWidget(), base.filePath("missing")));
    QCOMPARE(AppConfig::instance()->getLastSavePath(), QStringLiteral("/earlier"));
    QVERIFY(!extraction.extractInto(m_window->currentTabWidget(), base.path()));
    QCOMPARE(m_alerts.size(), 2);
    QCOMPARE(m_alerts[1].text, QStringLiteral("This document does not contain any images."));
    // No empty folder is left behind.
    QVERIFY(QDir(base.path()).isEmpty());
    QCOMPARE(AppConfig::instance()->getLastSavePath(), base.path());
}

void TestShellMainWindow::aFailedLoadTakesOnlyItsOwnTab()
{
    const QString good = copySample(QStringLiteral("good.vdx"));
    const QString bad = writeFile(QStringLiteral("bad.vsd"), QByteArray("not a drawing\n").repeated(40));
    m_window->openFile(good);
    m_window->openFile(bad);
    // Both tabs are there at once, in the order asked for, while they load.
    QCOMPARE(tabTitles(), (QStringList{QStringLiteral("good.vdx"), QStringLiteral("bad.vsd")}));
    QVERIFY(m_window->currentTabWidget()->isLoading());
    QVERIFY(waitForLoads());
    QCOMPARE(m_alerts.size(), 1);
    QCOMPARE(tabTitles(), QStringList{QStringLiteral("good.vdx")});
    QVERIFY(!m_window->currentTabWidget()->isLoading());
    QCOMPARE(m_window->currentTabWidget()->view()->pageCount(), 2);
    QCOMPARE(m_tabs->tabIcon(0).isNull(), true); // no longer busy
}

void TestShellMainWindow::cancelEndsALargeLoadAtOnce()
{
    const QString big = m_dir.filePath(QStringLiteral("big.vdx"));
    QVERIFY(VdxGenerator::writeFile(big, 20, 500));
    m_window->openFile(big);
    DocumentTabWidget *tab = m_window->currentTabWidget();
    QVERIFY(tab && tab->isLoading());
    QVERIFY(!m_tabs->tabIcon(0).isNull());
    QTRY_VERIFY_WITH_TIMEOUT(tab->loadingWidget()->progressValue() > 0, 20000);

    QElapsedTimer clock;
    clock.start();
    tab->loadingWidget()->cancelButton()->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_tabs->count(), 0, 200);
    // The parse notices at its next read and gives up.
    QVERIFY(QThreadPool::globalInstance()->waitForDone(200));
    QVERIFY2(clock.elapsed() < 200, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(m_alerts.isEmpty());
    QCOMPARE(m_stack->currentWidget()->objectName(), QStringLiteral("emptyPage"));

    // Closing the window while three load ends all three as promptly.
    for (int i = 0; i < 3; ++i)
        m_window->openFile(big);
    // Two cores read two of them; the third waits its turn.
    auto *first = qobject_cast<DocumentTabWidget *>(m_tabs->widget(0));
    QTRY_VERIFY_WITH_TIMEOUT(first->loadingWidget()->progressValue() > 0, 20000);
    delete m_window;
    m_window = nullptr;
    QVERIFY(QThreadPool::globalInstance()->waitForDone(500));
    QVERIFY(m_alerts.isEmpty());
}

void TestShellMainWindow::outputWaitsForEveryPage()
{
    // Printing a drawing whose later pages are still placeholders would put
    // blank sheets on paper.
    const QString big = m_dir.filePath(QStringLiteral("big-output.vdx"));
    QVERIFY(VdxGenerator::writeFile(big, 20, 500));
    auto *loader = m_window->findChild<DocumentLoadController *>();
    QSignalSpy ready(loader, &DocumentLoadController::documentReady);
    m_window->openFile(big);
    DocumentTabWidget *tab = m_window->currentTabWidget();
    QVERIFY(!loader->completeForOutput(tab));
    QCOMPARE(m_alerts.size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!tab->isLoading(), 60000);
    QVERIFY(loader->completeForOutput(tab));
    QCOMPARE(ready.count(), 1);
    QCOMPARE(m_alerts.size(), 1);
}

QStringList TestShellMainWindow::recentEntries() const
{
    auto *recent = m_window->findChild<RecentFilesMenu *>();
    QSignalSpy checked(recent, &RecentFilesMenu::availabilityChecked);
    emit recent->menu()->aboutToShow();
    if (!checked.wait(5000))
        return {QStringLiteral("not checked")};
    QStringList lines;
    for (const QAction *action : recent->menu()->actions()) {
        if (action->isSeparator())
            break;
        lines << QStringList{action->text(), action->toolTip(), action->isEnabled() ? "on" : "off"}.join('|');
    }
    return lines;
}

QAction *TestShellMainWindow::recentItem(const QString &text) const
{
    for (QAction *action : m_window->findChild<RecentFilesMenu *>()->menu()->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void TestShellMainWindow::openRecentListsOpenedDrawingsAndOpensThem()
{
    const QString plan = copySample(QStringLiteral("plan.vdx"));
    const QString odd = copySample(QStringLiteral("R&D site.vdx"));
    for (const QString &path : {plan, odd, plan}) {
        QVERIFY(m_window->loadVisioFile(path));
        QVERIFY(waitForLoads());
    }
    // Opened twice, listed once; the name is no mnemonic; the path is the tip.
    QCOMPARE(recentEntries(), (QStringList{"plan.vdx|" + plan + "|on", "R&&D site.vdx|" + odd + "|on"}));
    QVERIFY(!recentItem(QStringLiteral("Remove Missing Drawings"))->isVisible());
    recentItem(QStringLiteral("R&&D site.vdx"))->trigger();
    QCOMPARE(m_tabs->tabText(m_tabs->currentIndex()), QStringLiteral("R&D site.vdx"));
    QVERIFY(waitForLoads());
    QCOMPARE(recentEntries().first(), "R&&D site.vdx|" + odd + "|on");
    QVERIFY(m_alerts.isEmpty());

    // Drawings of one name are told apart by their folders.
    const QString elsewhere = m_dir.filePath(QStringLiteral("B & C/plan.vdx"));
    RecentFiles().add(elsewhere);
    QCOMPARE(recentEntries(), (QStringList{QString::fromUtf8("plan.vdx \u2014 B && C|") + elsewhere + " (not found)|off",
                                           "R&&D site.vdx|" + odd + "|on",
                                           QString::fromUtf8("plan.vdx \u2014 ") + QDir(m_dir.path()).dirName() + "|" + plan + "|on"}));
}

void TestShellMainWindow::recentEntriesThatCannotOpenStayUntilRemoved()
{
    const QString gone = copySample(QStringLiteral("gone.vdx"));
    const QString folder = m_dir.filePath(QStringLiteral("now-a-folder.vsdx"));
    const QString garbage = writeFile(QStringLiteral("now-garbage.vsd"), QByteArray("not a drawing\n").repeated(30));
    QVERIFY(QDir().mkpath(folder));
    RecentFiles list;
    for (const QString &path : {garbage, QStringLiteral("/dev/null"), folder, gone})
        list.add(path);
    QVERIFY(QFile::remove(gone));
    QCOMPARE(recentEntries(), (QStringList{"gone.vdx|" + gone + " (not found)|off", "now-a-folder.vsdx|" + folder + "|on",
                                           "null|/dev/null|on", "now-garbage.vsd|" + garbage + "|on"}));

    // Each entry that cannot be opened says why; nothing else changes and
    // the entry stays.
    for (const char *text : {"now-a-folder.vsdx", "null", "now-garbage.vsd"})
        recentItem(QString::fromUtf8(text))->trigger();
    QVERIFY(waitForLoads());
    QCOMPARE(m_alerts.size(), 3);
    QVERIFY(m_alerts[0].text.endsWith(QStringLiteral("now-a-folder.vsdx: It is a folder, not a drawing.")));
    QVERIFY(m_alerts[1].text.endsWith(QStringLiteral("null: It is not a file but a device or a pipe.")));
    QVERIFY(m_alerts[2].text.endsWith(QStringLiteral("now-garbage.vsd: It is not a Visio drawing.")));
    QCOMPARE(m_tabs->count(), 0);
    QCOMPARE(list.paths().size(), 4);

    recentItem(QStringLiteral("Remove Missing Drawings"))->trigger();
    QCOMPARE(list.paths(), (QStringList{folder, QStringLiteral("/dev/null"), garbage}));
    // Delete on the highlighted entry takes it off the list.
    QCoreApplication::processEvents();
    auto *menu = m_window->findChild<RecentFilesMenu *>()->menu();
    menu->setActiveAction(recentItem(QStringLiteral("null")));
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &del);
    QCOMPARE(list.paths(), (QStringList{folder, garbage}));
    recentItem(QStringLiteral("Clear Recent"))->trigger();
    QCOMPARE(recentEntries(), QStringList());
}

QTEST_MAIN(TestShellMainWindow)
#include "tst_mainwindow.moc"

void TestShellMainWindow::bookmarksAddAndJumpThroughTheTabs()
{
    BookmarkManager::instance()->setName(QStringLiteral("shell-test"));
    QFile::remove(BookmarkManager::instance()->filePath());
    auto *bookmarks = m_window->findChild<BookmarkController *>();
    QVERIFY(bookmarks);
    const QString plan = copySample(QStringLiteral("plan.vdx"));
    const QString other = copySample(QStringLiteral("other.vdx"));
    QVERIFY(m_window->loadVisioFile(plan));
    QVERIFY(m_window->loadVisioFile(other));
    QVERIFY(m_window->loadVisioFile(plan));
    QVERIFY(waitForLoads());

    // The toolbar button adds for the current tab and keeps the document's path.
    m_window->currentTabWidget()->goToPage(1);
    m_window->findChild<QToolButton *>(QStringLiteral("btnBookmarks"))->click();
    auto *overlay = m_window->findChild<BookmarkDialog *>();
    QVERIFY(overlay);
    QCOMPARE(overlay->nameEdit()->text(), QStringLiteral("plan_1"));
    overlay->addButton()->click();
    const QJsonObject entry = BookmarkManager::instance()->loadData()[QStringLiteral("bookmarks")][0].toObject();
    QCOMPARE(entry[QStringLiteral("fileName")].toString(), QStringLiteral("plan.vdx"));
    QCOMPARE(entry[QStringLiteral("path")].toString(), plan);
    QCOMPARE(entry[QStringLiteral("children")][0][QStringLiteral("page")].toInt(), 1);

    // Every tab of that name goes to the page; the later one ends current.
    m_window->currentTabWidget()->goToPage(0);
    m_tabs->setCurrentIndex(1);
    bookmarks->goToBookmarkedPage(QStringLiteral("plan.vdx"), 1);
    QCOMPARE(m_tabs->currentIndex(), 2);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(qobject_cast<DocumentTabWidget *>(m_tabs->widget(i))->getDocumentPageNumber(), i == 1 ? 0 : 1);

    // A closed document opens again, at the page.
    emit m_tabs->tabCloseRequested(1);
    bookmarks->openClosedDocumentAtPage(other, 1);
    QCOMPARE(m_tabs->tabText(m_tabs->currentIndex()), QStringLiteral("other.vdx"));
    QVERIFY(waitForLoads());
    QTRY_COMPARE(m_window->currentTabWidget()->getDocumentPageNumber(), 1);
    QVERIFY(m_alerts.isEmpty());
}
