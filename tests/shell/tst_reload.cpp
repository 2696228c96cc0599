#include "BookmarkController.h"
#include "BrowserTabWidget.h"
#include "DocumentLoadController.h"
#include "DocumentReloadController.h"
#include "DocumentTabWidget.h"
#include "MainWindow.h"
#include "NativeMessageBox.h"
#include "PageSliceBuilder.h"
#include "ReloadBar.h"
#include "ThumbnailPanel.h"
#include "VdxGenerator.h"

#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kSample = QStringLiteral(PLANDRAW_TEST_DATA_DIR "/../../samples/plandraw-sample.vdx");
constexpr int SettleMs = 150;

QByteArray sampleBytes()
{
    QFile file(kSample);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The sample with its second page's caption changed.
QByteArray revisedSample()
{
    return sampleBytes().replace("<Text>Second page</Text>", "<Text>Revised page</Text>");
}

// The sample without its second page.
QByteArray onePageSample()
{
    QByteArray bytes = sampleBytes();
    const qsizetype start = bytes.indexOf("<Page ID='1'");
    const qsizetype end = bytes.indexOf("</Page>", start) + 7;
    return start < 0 || end < start ? QByteArray() : bytes.remove(start, end - start);
}

// The scene point at the viewport's centre, from the current page's top left.
QPointF centreInPage(DocumentGraphicsView *view)
{
    const QRectF page = view->getLayoutRects().value(view->getCurrentPageNumber());
    return view->mapToScene(view->viewport()->rect().center()) - page.topLeft();
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
    void aBurstOfWritesGivesOneReload();
    void aChangeDuringAReloadStartsItAgain();
    void replacedAndRecreatedFilesAreFollowed();
    void noSwapWhileTheSceneIsBeingWritten();

private:
    bool write(const QByteArray &bytes) const;
    DocumentTabWidget *openAndWait();

    QTemporaryDir m_dir;
    QString m_path;
    MainWindow *m_window = nullptr;
    BrowserTabWidget *m_tabs = nullptr;
    DocumentReloadController *m_reload = nullptr;
    QStringList m_alerts;
};

void TestReload::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(!onePageSample().isEmpty());
    qRegisterMetaType<DocumentTabWidget *>();
    NativeMessageBox::setPresenterForTesting(
        [this](NativeMessageBox::Icon, const QString &, const QString &text) { m_alerts << text; });
}

void TestReload::init()
{
    m_alerts.clear();
    m_path = m_dir.filePath(QStringLiteral("plan.vdx"));
    QVERIFY(write(sampleBytes()));
    m_window = new MainWindow(nullptr);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_tabs = m_window->findChild<BrowserTabWidget *>(QStringLiteral("tabWidget"));
    m_reload = m_window->findChild<DocumentReloadController *>();
    QVERIFY(m_tabs && m_reload);
    m_reload->watcher()->setSettleInterval(SettleMs);
}

void TestReload::cleanup()
{
    delete m_window;
    m_window = nullptr;
    QVERIFY(m_alerts.isEmpty());
}

bool TestReload::write(const QByteArray &bytes) const
{
    QFile file(m_path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

DocumentTabWidget *TestReload::openAndWait()
{
    auto *loader = m_window->findChild<DocumentLoadController *>();
    QSignalSpy ready(loader, &DocumentLoadController::documentReady);
    if (!m_window->loadVisioFile(m_path) || !ready.wait(20000))
        return nullptr;
    return m_window->currentTabWidget();
}

void TestReload::reloadKeepsWhereTheUserWas()
{
    DocumentTabWidget *tab = openAndWait();
    QVERIFY(tab);
    DocumentGraphicsView *view = tab->view();
    QSignalSpy reloaded(m_reload, &DocumentReloadController::reloaded);
    // Pages of different widths stand where they were put until the user
    // changes the layout; a reload does not move them either.
    tab->goToPage(1);
    const QList<QRectF> unarranged = view->getLayoutRects();
    const QPointF unarrangedCentre = centreInPage(view);
    m_reload->reload(tab);
    QVERIFY(reloaded.wait(10000));
    QCOMPARE(view->getLayoutRects(), unarranged);
    QCOMPARE(tab->getDocumentPageNumber(), 1);
    QVERIFY((centreInPage(view) - unarrangedCentre).manhattanLength() < 2.0);

    tab->rotateCurrentPage(true);
    for (int i = 0; i < 4; ++i)
        tab->zoomIn();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() + 40);
    tab->openThumbnailPanel();
    tab->searchText(QStringLiteral("page"));
    const QGraphicsScene *oldScene = view->scene();
    const double zoom = view->zoomFactor();
    const QPointF centre = centreInPage(view);

    QVERIFY(write(revisedSample()));
    m_reload->reload(tab);
    QVERIFY(reloaded.wait(10000));
    QVERIFY(view->scene() != oldScene);
    QCOMPARE(view->pageCount(), 2);
    QCOMPARE(tab->getDocumentPageNumber(), 1);
    QCOMPARE(view->pageRotations(), (QList<int>{0, 90}));
    QCOMPARE(view->zoomFactor(), zoom);
    QVERIFY2((centreInPage(view) - centre).manhattanLength() < 2.0, qPrintable(QStringLiteral("%1,%2 vs %3,%4")
                                                                              .arg(centreInPage(view).x())
                                                                              .arg(centreInPage(view).y())
                                                                              .arg(centre.x())
                                                                              .arg(centre.y())));
    // The side panel and the listed results follow the new version.
    QCOMPARE(tab->thumbnailPanel()->thumbnailCount(), 2);
    QList<SearchResult> results = view->searchText(QStringLiteral("Revised"));
    QCOMPARE(results.size(), 1);
    QVERIFY(tab->thumbnailPanel()->isShowingSearchResults());

    // Bookmarks find the same tab by name and page.
    tab->goToPage(0);
    m_window->findChild<BookmarkController *>()->goToBookmarkedPage(QStringLiteral("plan.vdx"), 1);
    QCOMPARE(tab->getDocumentPageNumber(), 1);

    // A version with fewer pages keeps what it can.
    QVERIFY(write(onePageSample()));
    m_reload->reload(tab);
    QVERIFY(reloaded.wait(10000));
    QCOMPARE(view->pageCount(), 1);
    QCOMPARE(tab->getDocumentPageNumber(), 0);
    QCOMPARE(view->pageRotations(), QList<int>{0});
    QCOMPARE(tab->thumbnailPanel()->thumbnailCount(), 1);
    QCOMPARE(m_tabs->count(), 1);
}

void TestReload::aFailedReloadKeepsTheOldVersionAndSaysWhy()
{
    DocumentTabWidget *tab = openAndWait();
    QVERIFY(tab);
    const QGraphicsScene *scene = tab->view()->scene();
    QSignalSpy failed(m_reload, &DocumentReloadController::reloadFailed);
    QSignalSpy reloaded(m_reload, &DocumentReloadController::reloaded);

    const QList<std::pair<QByteArray, QString>> versions = {
        {QByteArray("not a drawing\n").repeated(20), QStringLiteral("It is not a Visio drawing.")},
        {sampleBytes().left(1200), QStringLiteral("The drawing has no pages.")},
        {QByteArray(), QStringLiteral("The file is empty.")},
    };
    for (const auto &[bytes, reason] : versions) {
        QVERIFY(write(bytes));
        m_reload->reload(tab);
        QTRY_COMPARE(failed.count(), 1);
        failed.clear();
        QCOMPARE(tab->view()->scene(), scene);
        QCOMPARE(tab->view()->pageCount(), 2);
        QVERIFY(tab->reloadBar() && tab->reloadBar()->isVisible());
        QCOMPARE(tab->reloadBar()->message(),
                 "plan.vdx could not be read again. " + reason + " The tab shows the version read before.");
    }

    QVERIFY(QFile::remove(m_path));
    m_reload->reload(tab);
    QVERIFY(tab->reloadBar()->message().contains(QStringLiteral("The file was not found.")));
    QCOMPARE(failed.count(), 1);

    // Retry reads the file once it is back, and the bar goes.
    QVERIFY(write(revisedSample()));
    tab->reloadBar()->retryButton()->click();
    QVERIFY(reloaded.wait(10000));
    QVERIFY(!tab->reloadBar()->isVisible());
    QCOMPARE(tab->view()->searchText(QStringLiteral("Revised")).size(), 1);
    QCOMPARE(m_tabs->count(), 1);
}

void TestReload::aBurstOfWritesGivesOneReload()
{
    DocumentTabWidget *tab = openAndWait();
    QVERIFY(tab);
    QSignalSpy started(m_reload, &DocumentReloadController::reloadStarted);
    QSignalSpy reloaded(m_reload, &DocumentReloadController::reloaded);
    QSignalSpy failed(m_reload, &DocumentReloadController::reloadFailed);
    // A copy in progress: a write every 10 ms, each leaving the file incomplete.
    const QByteArray revised = revisedSample();
    for (int i = 1; i <= 40; ++i) {
        QVERIFY(write(revised.left(revised.size() * i / 40)));
        QTest::qWait(10);
    }
    QCOMPARE(started.count(), 0);
    QVERIFY(reloaded.wait(10000));
    QTest::qWait(3 * SettleMs);
    QCOMPARE(started.count(), 1);
    QCOMPARE(reloaded.count(), 1);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(tab->view()->searchText(QStringLiteral("Revised")).size(), 1);

    // Writing the same bytes again changes the file's time: one more, no more.
    QVERIFY(write(revised));
    QVERIFY(reloaded.wait(10000));
    QTest::qWait(3 * SettleMs);
    QCOMPARE(started.count(), 2);
}

void TestReload::aChangeDuringAReloadStartsItAgain()
{
    DocumentTabWidget *tab = openAndWait();
    QVERIFY(tab);
    // Large enough that its reading is still under way when the file changes.
    QVERIFY(VdxGenerator::writeFile(m_path, 10, 500));
    QSignalSpy started(m_reload, &DocumentReloadController::reloadStarted);
    QSignalSpy reloaded(m_reload, &DocumentReloadController::reloaded);
    QVERIFY(started.wait(10000));
    QVERIFY(m_reload->isReloading(tab));
    QVERIFY(VdxGenerator::writeFile(m_path, 3, 40));
    QTRY_VERIFY_WITH_TIMEOUT(!m_reload->isReloading(tab), SettleMs);
    QVERIFY(reloaded.wait(20000));
    QCOMPARE(started.count(), 2);
    QCOMPARE(reloaded.count(), 1);
    QCOMPARE(tab->view()->pageCount(), 3);
}

void TestReload::replacedAndRecreatedFilesAreFollowed()
{
    DocumentTabWidget *tab = openAndWait();
    QVERIFY(tab);
    QSignalSpy reloaded(m_reload, &DocumentReloadController::reloaded);
    QSignalSpy failed(m_reload, &DocumentReloadController::reloadFailed);

    // Saved as editors do: a new file renamed over the old one.
    const QString temporary = m_path + QStringLiteral(".tmp");
    QFile next(temporary);
    QVERIFY(next.open(QIODevice::WriteOnly));
    next.write(revisedSample());
    next.close();
    QVERIFY(::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(m_path).constData()) == 0);
    QVERIFY(reloaded.wait(5000));
    QCOMPARE(tab->view()->searchText(QStringLiteral("Revised")).size(), 1);

    // Deleted: the old version stays and the bar says why.
    QVERIFY(QFile::remove(m_path));
    QVERIFY(failed.wait(5000));
    QCOMPARE(failed.first().at(1).value<OpenFailure::Reason>(), OpenFailure::NotFound);
    // Made again under the same name, it is read again; and its later
    // changes are still seen.
    QVERIFY(write(onePageSample()));
    QVERIFY(reloaded.wait(5000));
    QCOMPARE(tab->view()->pageCount(), 1);
    QVERIFY(!tab->reloadBar()->isVisible());
    QVERIFY(write(sampleBytes()));
    QVERIFY(reloaded.wait(5000));
    QCOMPARE(tab->view()->pageCount(), 2);

    // Other files in the folder are no change of this one.
    QFile other(m_dir.filePath(QStringLiteral("other.txt")));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("x");
    other.close();
    QVERIFY(!reloaded.wait(3 * SettleMs));
}

void TestReload::noSwapWhileTheSceneIsBeingWritten()
{
    DocumentTabWidget *tab = openAndWait();
    QVERIFY(tab);
    QVERIFY(write(revisedSample()));
    QSignalSpy reloaded(m_reload, &DocumentReloadController::reloaded);
    QTemporaryDir out;
    bool built = false;
    bool swappedDuringExport = false;
    // The export's progress turns the event loop, as its dialog does; a
    // reload that is built meanwhile must wait for the export to end.
    const EmbeddedImageExporter::Result result = tab->exportImages(out.path(), [&](int done, int) {
        if (done > 1)
            return true;
        m_reload->reload(tab);
        // Built and waiting: the new scene is still the tab's, its builder gone.
        built = QTest::qWaitFor(
            [tab] { return tab->findChild<QGraphicsScene *>() && !tab->findChild<PageSliceBuilder *>(); }, 10000);
        QTest::qWait(300);
        swappedDuringExport = reloaded.count() > 0;
        return true;
    });
    QCOMPARE(result.outcome, EmbeddedImageExporter::Exported);
    QVERIFY(built);
    QVERIFY(!swappedDuringExport);
    QVERIFY(reloaded.wait(5000));
    QCOMPARE(tab->view()->searchText(QStringLiteral("Revised")).size(), 1);
}

QTEST_MAIN(TestReload)
#include "tst_reload.moc"
