#include "BookmarkController.h"
#include "DocumentLoadController.h"
#include "DocumentReloadController.h"
#include "DocumentTabWidget.h"
#include "MainWindow.h"
#include "NativeMessageBox.h"
#include "PageSliceBuilder.h"
#include "ReloadBar.h"
#include "ThumbnailPanel.h"
#include "VdxGenerator.h"

#include <QFile>
#include <QFileSystemWatcher>
#include <QGraphicsScene>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int SettleMs = 150;

QByteArray sample()
{
    QFile file(QStringLiteral(PLANDRAW_TEST_DATA_DIR "/../../samples/plandraw-sample.vdx"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray revised()
{
    return sample().replace("<Text>Second page</Text>", "<Text>Revised page</Text>");
}

QByteArray firstPageOnly()
{
    QByteArray bytes = sample();
    const qsizetype start = bytes.indexOf("<Page ID='1'");
    return bytes.remove(start, bytes.indexOf("</Page>", start) + 7 - start);
}

// The scene point at the viewport's centre, from the current page's top left.
QPointF centreInPage(DocumentGraphicsView *view)
{
    return view->mapToScene(view->viewport()->rect().center())
           - view->getLayoutRects().value(view->getCurrentPageNumber()).topLeft();
}
} // namespace

// Reading a drawing again, by request and when it changes on disk.
class TestReload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reloadKeepsWhereTheUserWas();
    void aFailedReloadKeepsTheOldVersionAndSaysWhy();
    void changesSettleBeforeOneReload();
    void replacedAndRecreatedFilesAreFollowed();
    void noSwapWhileTheSceneIsBeingWritten();
    void changesTheSystemDoesNotReportAreFound();

private:
    bool write(const QByteArray &bytes) const
    {
        QFile file(m_path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }
    DocumentTabWidget *openAndWait();
    int searchHits(const QString &text) const { return int(m_tab->view()->searchText(text).size()); }

    QTemporaryDir m_dir;
    QString m_path;
    MainWindow *m_window = nullptr;
    DocumentTabWidget *m_tab = nullptr;
    DocumentReloadController *m_reload = nullptr;
    QStringList m_alerts;
};

void TestReload::initTestCase()
{
    qRegisterMetaType<DocumentTabWidget *>();
    NativeMessageBox::setPresenterForTesting(
        [this](NativeMessageBox::Icon, const QString &, const QString &text) { m_alerts << text; });
}

void TestReload::init()
{
    m_path = m_dir.filePath(QStringLiteral("plan.vdx"));
    QVERIFY(write(sample()));
    m_window = new MainWindow(nullptr);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_reload = m_window->findChild<DocumentReloadController *>();
    m_reload->watcher()->setSettleInterval(SettleMs);
    m_tab = openAndWait();
    QVERIFY(m_tab);
}

void TestReload::cleanup()
{
    delete m_window;
    QVERIFY(m_alerts.isEmpty());
}

DocumentTabWidget *TestReload::openAndWait()
{
    QSignalSpy ready(m_window->findChild<DocumentLoadController *>(), &DocumentLoadController::documentReady);
    return m_window->loadVisioFile(m_path) && ready.wait(20000) ? m_window->currentTabWidget() : nullptr;
}

void TestReload::reloadKeepsWhereTheUserWas()
{
    DocumentGraphicsView *view = m_tab->view();
    QSignalSpy reloaded(m_reload, &DocumentReloadController::reloaded);
    // Pages of different widths stand where they were put until the user
    // changes the layout; a reload does not move them either.
    m_tab->goToPage(1);
    const QList<QRectF> unarranged = view->getLayoutRects();
    m_reload->reload(m_tab);
    QVERIFY(reloaded.wait(10000));
    QCOMPARE(view->getLayoutRects(), unarranged);

    m_tab->rotateCurrentPage(true);
    for (int i = 0; i < 4; ++i)
        m_tab->zoomIn();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() + 40);
    m_tab->openThumbnailPanel();
    m_tab->searchText(QStringLiteral("page"));
    const QGraphicsScene *oldScene = view->scene();
    const double zoom = view->zoomFactor();
    const QPointF centre = centreInPage(view);
    QVERIFY(write(revised()));
    m_reload->reload(m_tab);
    QVERIFY(reloaded.wait(10000));
    QVERIFY(view->scene() != oldScene);
    QCOMPARE(m_tab->getDocumentPageNumber(), 1);
    QCOMPARE(view->pageRotations(), (QList<int>{0, 90}));
    QCOMPARE(view->zoomFactor(), zoom);
    QVERIFY((centreInPage(view) - centre).manhattanLength() < 2.0);
    // The side panel and the listed results follow the new version.
    QCOMPARE(m_tab->thumbnailPanel()->thumbnailCount(), 2);
    QCOMPARE(searchHits(QStringLiteral("Revised")), 1);
    QVERIFY(m_tab->thumbnailPanel()->isShowingSearchResults());
    // Bookmarks find the same tab by name and page.
    m_tab->goToPage(0);
    m_window->findChild<BookmarkController *>()->goToBookmarkedPage(QStringLiteral("plan.vdx"), 1);
    QCOMPARE(m_tab->getDocumentPageNumber(), 1);

    // A version with fewer pages keeps what it can.
    QVERIFY(write(firstPageOnly()));
    m_reload->reload(m_tab);
    QVERIFY(reloaded.wait(10000));
    QCOMPARE(m_tab->getDocumentPageNumber(), 0);
    QCOMPARE(view->pageRotations(), QList<int>{0});
    QCOMPARE(m_tab->thumbnailPanel()->thumbnailCount(), 1);
}

void TestReload::aFailedReloadKeepsTheOldVersionAndSaysWhy()
{
    const QGraphicsScene *scene = m_tab->view()->scene();
    QSignalSpy failed(m_reload, &DocumentReloadController::reloadFailed);
    const QList<std::pair<QByteArray, QString>> versions = {
        {QByteArray("not a drawing\n").repeated(20), QStringLiteral("It is not a Visio drawing.")},
        {sample().left(1200), QStringLiteral("The drawing has no pages.")},
        {QByteArray(), QStringLiteral("The file is empty.")},
        {QByteArray("-"), QStringLiteral("The file was not found.")},
    };
    for (const auto &[bytes, reason] : versions) {
        QVERIFY(bytes == "-" ? QFile::remove(m_path) : write(bytes));
        m_reload->reload(m_tab);
        QTRY_COMPARE(failed.count(), 1);
        failed.clear();
        QCOMPARE(m_tab->view()->scene(), scene);
        QVERIFY(m_tab->reloadBar()->isVisible());
        QCOMPARE(m_tab->reloadBar()->message(),
                 "plan.vdx could not be read again. " + reason + " The tab shows the version read before.");
    }
    // Retry reads the file once it is back, and the bar goes.
    QSignalSpy reloaded(m_reload, &DocumentReloadController::reloaded);
    QVERIFY(write(revised()));
    m_tab->reloadBar()->retryButton()->click();
    QVERIFY(reloaded.wait(10000));
    QVERIFY(!m_tab->reloadBar()->isVisible());
    QCOMPARE(searchHits(QStringLiteral("Revised")), 1);
}

void TestReload::changesSettleBeforeOneReload()
{
    QSignalSpy started(m_reload, &DocumentReloadController::reloadStarted);
    QSignalSpy reloaded(m_reload, &DocumentReloadController::reloaded);
    // A copy in progress: a write every 10 ms, each leaving the file incomplete.
    const QByteArray bytes = revised();
    for (int i = 1; i <= 40; ++i) {
        QVERIFY(write(bytes.left(bytes.size() * i / 40)));
        QTest::qWait(10);
    }
    QCOMPARE(started.count(), 0);
    QVERIFY(reloaded.wait(10000));
    QTest::qWait(3 * SettleMs);
    QCOMPARE(started.count(), 1);
    QCOMPARE(searchHits(QStringLiteral("Revised")), 1);

    // A change while a long reload reads ends it; the next starts once quiet.
    QVERIFY(VdxGenerator::writeFile(m_path, 10, 500));
    QVERIFY(started.wait(10000));
    QVERIFY(m_reload->isReloading(m_tab));
    QVERIFY(VdxGenerator::writeFile(m_path, 3, 40));
    QTRY_VERIFY_WITH_TIMEOUT(!m_reload->isReloading(m_tab), SettleMs);
    QVERIFY(reloaded.wait(20000));
    QCOMPARE(started.count(), 3);
    QCOMPARE(reloaded.count(), 2);
    QCOMPARE(m_tab->view()->pageCount(), 3);
}

void TestReload::replacedAndRecreatedFilesAreFollowed()
{
    QSignalSpy reloaded(m_reload, &DocumentReloadController::reloaded);
    QSignalSpy failed(m_reload, &DocumentReloadController::reloadFailed);
    // Saved as editors do: a new file renamed over the old one.
    QFile next(m_path + QStringLiteral(".tmp"));
    QVERIFY(next.open(QIODevice::WriteOnly) && next.write(revised()) > 0);
    next.close();
    QVERIFY(::rename(QFile::encodeName(next.fileName()).constData(), QFile::encodeName(m_path).constData()) == 0);
    QVERIFY(reloaded.wait(5000));
    QCOMPARE(searchHits(QStringLiteral("Revised")), 1);

    // Deleted, the old version stays; made again, it is read again, and its
    // later changes are still seen.
    QVERIFY(QFile::remove(m_path));
    QVERIFY(failed.wait(5000));
    QVERIFY(write(firstPageOnly()));
    QVERIFY(reloaded.wait(5000));
    QCOMPARE(m_tab->view()->pageCount(), 1);
    QVERIFY(write(sample()));
    QVERIFY(reloaded.wait(5000));
    QCOMPARE(m_tab->view()->pageCount(), 2);

    // Other files in the folder are no change of this one.
    QFile other(m_dir.filePath(QStringLiteral("other.txt")));
    QVERIFY(other.open(QIODevice::WriteOnly) && other.write("x") == 1);
    other.close();
    QVERIFY(!reloaded.wait(3 * SettleMs));
}

void TestReload::noSwapWhileTheSceneIsBeingWritten()
{
    QVERIFY(write(revised()));
    QSignalSpy reloaded(m_reload, &DocumentReloadController::reloaded);
    QTemporaryDir out;
    bool builtAndWaiting = false;
    // The export's progress turns the event loop, as its dialog does; a
    // reload built meanwhile must wait for the export to end.
    const auto result = m_tab->exportImages(out.path(), [&](int done, int) {
        if (done == 1) {
            m_reload->reload(m_tab);
            // Built: the new scene is still the tab's and its builder is gone.
            const bool built = QTest::qWaitFor([this] {
                return m_tab->findChild<QGraphicsScene *>() && !m_tab->findChild<PageSliceBuilder *>();
            }, 10000);
            QTest::qWait(300);
            builtAndWaiting = built && m_tab->findChild<QGraphicsScene *>() && reloaded.isEmpty();
        }
        return true;
    });
    QCOMPARE(result.outcome, EmbeddedImageExporter::Exported);
    QVERIFY(builtAndWaiting);
    QVERIFY(reloaded.wait(5000));
    QCOMPARE(searchHits(QStringLiteral("Revised")), 1);
}

void TestReload::changesTheSystemDoesNotReportAreFound()
{
    // As on a network share, where changes from other machines go unreported.
    m_reload->watcher()->findChild<QFileSystemWatcher *>()->blockSignals(true);
    m_reload->watcher()->setPollInterval(100);
    QSignalSpy reloaded(m_reload, &DocumentReloadController::reloaded);
    QVERIFY(write(revised()));
    QVERIFY(reloaded.wait(5000));
    QCOMPARE(searchHits(QStringLiteral("Revised")), 1);
}

QTEST_MAIN(TestReload)
#include "tst_reload.moc"
