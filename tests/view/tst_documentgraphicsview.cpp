#include "DocumentGraphicsView.h"
#include "HandBuiltDocument.h"
#include "VectorPictureItem.h"

#include <QApplication>
#include <QPicture>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QWheelEvent>

#include <cmath>
#include <memory>

namespace {

bool near(const QRectF &a, const QRectF &b)
{
    auto close = [](double x, double y) { return std::abs(x - y) < 1e-6; };
    return close(a.x(), b.x()) && close(a.y(), b.y()) && close(a.width(), b.width())
           && close(a.height(), b.height());
}

#define COMPARE_RECT(actual, expected)                                                       \
    do {                                                                                     \
        const QRectF a_ = (actual), e_ = (expected);                                         \
        if (!near(a_, e_))                                                                   \
            QFAIL(qPrintable(QStringLiteral("%1: got (%2, %3, %4 x %5), expected (%6, %7, %8 x %9)") \
                                 .arg(QLatin1String(#actual))                                \
                                 .arg(a_.x()).arg(a_.y()).arg(a_.width()).arg(a_.height())  \
                                 .arg(e_.x()).arg(e_.y()).arg(e_.width()).arg(e_.height()))); \
    } while (false)

std::unique_ptr<DocumentGraphicsView> makeView(HandBuiltDocument &doc, QSize size = QSize(500, 700))
{
    auto view = std::make_unique<DocumentGraphicsView>();
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->resize(size);
    view->setScene(doc.scene);
    view->setPageRects(doc.rects);
    view->setPageGroups(doc.groups);
    view->setLayoutMode(DocumentGraphicsView::SingleColumn);
    view->show();
    QTest::qWait(0);
    return view;
}

// Scrolls so that the viewport centre lies at scene height y.
void centreAtSceneY(DocumentGraphicsView &view, double y)
{
    const QPoint centre((view.viewport()->width() - 1) / 2, (view.viewport()->height() - 1) / 2);
    const double now = view.mapToScene(centre).y();
    QScrollBar *bar = view.verticalScrollBar();
    bar->setValue(bar->value() + qRound((y - now) * view.zoomFactor()));
}

// The whole text selected and the keyboard focus on the item.
bool isHighlighted(QGraphicsTextItem *item)
{
    return item->scene() && item->scene()->focusItem() == item
           && item->textCursor().selectedText() == item->toPlainText();
}

void sendWheel(DocumentGraphicsView &view, int dy, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF pos(view.viewport()->width() / 2.0, view.viewport()->height() / 2.0);
    QWheelEvent event(pos, view.viewport()->mapToGlobal(pos), QPoint(), QPoint(0, dy),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &event);
}

} // namespace

class TestDocumentGraphicsView : public QObject
{
    Q_OBJECT

private slots:
    void twoColumnLayoutsWithOddPageCount();
    void rotationArithmeticAndRotatedLayout();
    void emptyAndDegenerateDocumentsAreHarmless();
    void manyPagesOfWildlyDifferentSizes();
    void navigationStepsAndRanges();
    void navigationWindowKeepsChosenPage();
    void scrollTrackingGapRule();
    void wheelPagingInSinglePageDisplay();
    void pageKeysPageOrScrollByDisplay();
    void fitsAgainstKnownViewport();
    void stepZoomAndClamp();
    void searchMatchesCaseInsensitivelyOncePerItem();
    void highlightStepsThroughEqualItemsAndWraps();
    void destructionDeletesTheScene();
    void repeatedReplacementsKeepTheViewStill();
};

void TestDocumentGraphicsView::twoColumnLayoutsWithOddPageCount()
{
    HandBuiltDocument doc({QSizeF(600, 800), QSizeF(400, 500), QSizeF(500, 700)});
    auto view = makeView(doc);
    // Before any change the builder's arrangement stands.
    QCOMPARE(view->getLayoutRects(), doc.rects);

    view->setLayoutMode(DocumentGraphicsView::TwoColumns);
    QList<QRectF> rects = view->getLayoutRects();
    QCOMPARE(rects.size(), 3);
    // Columns centred on widths 600 (left) and 400 (right) around a 20-unit gutter.
    COMPARE_RECT(rects[0], QRectF(-610, 0, 600, 800));
    COMPARE_RECT(rects[1], QRectF(10, 0, 400, 500));
    // The odd last page stands alone on the left, one row (800 + 30) down.
    COMPARE_RECT(rects[2], QRectF(-560, 830, 500, 700));
    QCOMPARE(view->pageRects(), doc.rects); // builder rectangles never change

    view->setViewMode(DocumentGraphicsView::SinglePage);
    rects = view->getLayoutRects();
    COMPARE_RECT(rects[0], QRectF(-610, 0, 600, 800));
    COMPARE_RECT(rects[1], QRectF(10, 0, 400, 500));
    COMPARE_RECT(rects[2], QRectF(-510, 830, 500, 700));
    QVERIFY(doc.groups[0]->isVisible() && doc.groups[1]->isVisible());
    QVERIFY(!doc.groups[2]->isVisible());
    COMPARE_RECT(view->scene()->sceneRect(), QRectF(-670, 0, 1340, 820));
    COMPARE_RECT(view->currentRowRect(), QRectF(-620, 0, 1040, 800));

    view->goToPage(2);
    QVERIFY(!doc.groups[0]->isVisible() && !doc.groups[1]->isVisible());
    QVERIFY(doc.groups[2]->isVisible());
    // Alone in its row, widened symmetrically about x = 0.
    COMPARE_RECT(view->scene()->sceneRect(), QRectF(-560, 830, 1120, 720));

    view->setLayoutMode(DocumentGraphicsView::SingleColumn);
    QVERIFY(!doc.groups[0]->isVisible() && doc.groups[2]->isVisible());
    COMPARE_RECT(view->scene()->sceneRect(), view->getLayoutRects().at(2));

    view->setViewMode(DocumentGraphicsView::Continuous);
    for (auto *group : doc.groups)
        QVERIFY(group->isVisible());
}

void TestDocumentGraphicsView::rotationArithmeticAndRotatedLayout()
{
    HandBuiltDocument doc({QSizeF(600, 800), QSizeF(400, 500), QSizeF(500, 700)});
    auto view = makeView(doc);
    QSignalSpy layoutSpy(view.get(), &DocumentGraphicsView::layoutUpdated);

    view->rotatePage(false);
    QCOMPARE(view->pageRotations(), QList<int>({270, 0, 0}));
    QCOMPARE(view->getRotatedPageSize(0), QSizeF(800, 600));
    QCOMPARE(layoutSpy.count(), 1);
    view->rotatePage(true);
    QCOMPARE(view->pageRotations().at(0), 0);

    for (int i = 0; i < 4; ++i)
        view->rotateAllPages(true);
    QCOMPARE(view->pageRotations(), QList<int>({0, 0, 0}));
    QCOMPARE(layoutSpy.count(), 6);

    view->rotatePage(true);
    const QList<QRectF> rects = view->getLayoutRects();
    // Centred on the widest rotated page (800), 30 units between pages.
    COMPARE_RECT(rects[0], QRectF(0, 0, 800, 600));
    COMPARE_RECT(rects[1], QRectF(200, 630, 400, 500));
    COMPARE_RECT(rects[2], QRectF(150, 1160, 500, 700));
    QCOMPARE(doc.groups[0]->rotation(), 90.0);

    // Same-length group lists keep the rotations; another length resets them.
    view->setPageGroups(doc.groups);
    QCOMPARE(view->pageRotations().at(0), 90);
    view->setPageGroups(doc.groups.mid(0, 2));
    QCOMPARE(view->pageRotations(), QList<int>({0, 0}));
}

void TestDocumentGraphicsView::emptyAndDegenerateDocumentsAreHarmless()
{
    DocumentGraphicsView bare;
    bare.resize(300, 300);
    bare.show();
    QSignalSpy pageSpy(&bare, &DocumentGraphicsView::currentPageChanged);
    QSignalSpy layoutSpy(&bare, &DocumentGraphicsView::layoutUpdated);
    bare.rotateAllPages(true);
    bare.rotatePage(false);
    bare.setLayoutMode(DocumentGraphicsView::TwoColumns);
    bare.setViewMode(DocumentGraphicsView::SinglePage);
    bare.setZoomMode(DocumentGraphicsView::FitPage);
    bare.fitToWidth();
    bare.fitToHeight();
    bare.goToFirstPage();
    bare.goToLastPage();
    bare.goToNextPage();
    bare.goToPreviousPage();
    QVERIFY(bare.searchText(QStringLiteral("x")).isEmpty());
    bare.highlightAndGoToItem(0, QStringLiteral("x"));
    QCOMPARE(layoutSpy.count(), 2);
    QCOMPARE(pageSpy.count(), 0);
    QCOMPARE(bare.getCurrentPageNumber(), 0);
    QCOMPARE(bare.currentPageRect(), QRectF(0, 0, 0, 0));
    QCOMPARE(bare.currentRowRect(), QRectF(0, 0, 0, 0));

    // A single page of zero size: fits leave a finite, unchanged transform.
    HandBuiltDocument zero({QSizeF(0, 0)});
    auto view = makeView(zero);
    const QTransform before = view->transform();
    view->setZoomMode(DocumentGraphicsView::FitPage);
    view->setLayoutMode(DocumentGraphicsView::TwoColumns);
    view->rotateAllPages(true);
    view->setViewMode(DocumentGraphicsView::SinglePage);
    QCOMPARE(view->transform(), before);
    QVERIFY(std::isfinite(view->zoomFactor()));
    sendWheel(*view, -120);
    sendWheel(*view, 120);
    QCOMPARE(view->getCurrentPageNumber(), 0);
    QVERIFY(view->searchText(QStringLiteral("a")).isEmpty());

    // A page beyond the int range of the zoomed view still scrolls forward.
    HandBuiltDocument far({QSizeF(400, 1.0e8), QSizeF(400, 300)});
    auto farView = makeView(far);
    for (int i = 0; i < 60; ++i)
        farView->zoomIn();
    farView->goToPage(1);
    QScrollBar *bar = farView->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
}

void TestDocumentGraphicsView::manyPagesOfWildlyDifferentSizes()
{
    QList<QSizeF> sizes;
    for (int i = 0; i < 500; ++i)
        sizes.append(i % 3 == 0 ? QSizeF(20000, 10) : QSizeF(3, 9000));
    HandBuiltDocument doc(sizes);
    auto view = makeView(doc);
    view->setLayoutMode(DocumentGraphicsView::TwoColumns);
    view->rotateAllPages(false);
    view->setZoomMode(DocumentGraphicsView::FitPage);
    view->goToLastPage();
    view->setViewMode(DocumentGraphicsView::SinglePage);
    view->goToPage(250);
    QCOMPARE(view->getCurrentPageNumber(), 250);
    QVERIFY(doc.groups[250]->isVisible() && doc.groups[251]->isVisible());
    QVERIFY(!doc.groups[249]->isVisible());
    const QTransform t = view->transform();
    QVERIFY(std::isfinite(t.m11()) && t.m11() > 0);
    // Rows never overlap: each left page starts below the previous row.
    const QList<QRectF> rects = view->getLayoutRects();
    for (int i = 2; i < rects.size(); i += 2)
        QVERIFY(rects[i].top() >= std::max(rects[i - 2].bottom(), rects[i - 1].bottom()));
}

void TestDocumentGraphicsView::navigationStepsAndRanges()
{
    HandBuiltDocument doc(HandBuiltDocument::repeated(6, QSizeF(400, 600)));
    auto view = makeView(doc);
    // Set up while hidden, shown at the first page's top.
    QCOMPARE(view->mapFromScene(doc.rects.at(0).topLeft()).y(), 0);
    QSignalSpy spy(view.get(), &DocumentGraphicsView::currentPageChanged);

    view->goToPage(-1);
    view->goToPage(6);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(view->getCurrentPageNumber(), 0);

    view->setLayoutMode(DocumentGraphicsView::TwoColumns);
    view->goToPage(1);
    spy.clear();
    view->goToPreviousPage(); // target -1
    QCOMPARE(spy.count(), 0);
    QCOMPARE(view->getCurrentPageNumber(), 1);
    view->goToNextPage();
    QCOMPARE(view->getCurrentPageNumber(), 3);
    view->goToNextPage();
    QCOMPARE(view->getCurrentPageNumber(), 5);
    view->goToNextPage(); // 7 is past the end
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 3);
    QCOMPARE(spy.at(1).at(0).toInt(), 5);

    view->setLayoutMode(DocumentGraphicsView::SingleColumn);
    view->setViewMode(DocumentGraphicsView::SinglePage);
    spy.clear();
    view->goToFirstPage();
    view->goToLastPage();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 5);
    QCOMPARE(view->currentPageRect(), doc.rects.at(5));

    // In continuous display goToPage brings the page's top-left corner to
    // the viewport's top-left.
    view->setViewMode(DocumentGraphicsView::Continuous);
    view->goToPage(2);
    const QPoint corner = view->mapFromScene(view->getLayoutRects().at(2).topLeft());
    QCOMPARE(corner.y(), 0);
}

void TestDocumentGraphicsView::navigationWindowKeepsChosenPage()
{
    HandBuiltDocument doc(HandBuiltDocument::repeated(8, QSizeF(400, 300)));
    auto view = makeView(doc, QSize(500, 700));
    QSignalSpy spy(view.get(), &DocumentGraphicsView::currentPageChanged);

    view->goToPage(5);
    // The viewport centre now lies over page 6, but the programmatic scroll
    // must not take the page away from 5.
    const QPoint centre((view->viewport()->width() - 1) / 2, (view->viewport()->height() - 1) / 2);
    QVERIFY(view->getLayoutRects().at(6).contains(QPointF(200, view->mapToScene(centre).y())));
    QVERIFY(view->isNavigating());
    QCOMPARE(view->getCurrentPageNumber(), 5);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 5);

    QTRY_VERIFY_WITH_TIMEOUT(!view->isNavigating(), 2000);
    // Once the window closes, scrolling tracks again.
    centreAtSceneY(*view, doc.rects.at(3).center().y());
    QCOMPARE(view->getCurrentPageNumber(), 3);
}

void TestDocumentGraphicsView::scrollTrackingGapRule()
{
    HandBuiltDocument doc(HandBuiltDocument::repeated(4, QSizeF(400, 300)));
    auto view = makeView(doc, QSize(500, 400));
    // Room to scroll above the first and below the last page.
    view->setSceneRect(QRectF(-50, -2000, 500, 6000));
    QSignalSpy spy(view.get(), &DocumentGraphicsView::currentPageChanged);

    centreAtSceneY(*view, doc.rects.at(1).center().y());
    QCOMPARE(view->getCurrentPageNumber(), 1);
    centreAtSceneY(*view, doc.rects.at(1).bottom() + 24); // gap between 1 and 2
    QCOMPARE(view->getCurrentPageNumber(), 1);
    centreAtSceneY(*view, doc.rects.at(2).top() + 10);
    QCOMPARE(view->getCurrentPageNumber(), 2);
    centreAtSceneY(*view, doc.rects.at(3).bottom() + 500); // past the end
    QCOMPARE(view->getCurrentPageNumber(), 3);
    centreAtSceneY(*view, -1000); // above the first page
    QCOMPARE(view->getCurrentPageNumber(), 0);
    QCOMPARE(spy.count(), 4);

    // Single-page display does not track scrolling.
    view->setViewMode(DocumentGraphicsView::SinglePage);
    QTRY_VERIFY_WITH_TIMEOUT(!view->isNavigating(), 2000);
    spy.clear();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    QCOMPARE(spy.count(), 0);
}

void TestDocumentGraphicsView::wheelPagingInSinglePageDisplay()
{
    HandBuiltDocument doc({QSizeF(400, 680), QSizeF(400, 2000), QSizeF(400, 300)});
    auto view = makeView(doc, QSize(500, 700));
    view->setViewMode(DocumentGraphicsView::SinglePage);
    QSignalSpy spy(view.get(), &DocumentGraphicsView::currentPageChanged);

    sendWheel(*view, 120); // up on the first page: nothing before it
    QCOMPARE(view->getCurrentPageNumber(), 0);
    sendWheel(*view, -120); // page fits: down pages at once
    QCOMPARE(view->getCurrentPageNumber(), 1);

    // The tall page scrolls first and pages only at its bottom.
    QScrollBar *bar = view->verticalScrollBar();
    QVERIFY(bar->maximum() > bar->minimum());
    QCOMPARE(bar->value(), bar->minimum());
    sendWheel(*view, -120);
    QCOMPARE(view->getCurrentPageNumber(), 1);
    QVERIFY(bar->value() > bar->minimum());
    bar->setValue(bar->maximum());
    sendWheel(*view, -120);
    QCOMPARE(view->getCurrentPageNumber(), 2);

    sendWheel(*view, -120); // last page: accepted, no change
    QCOMPARE(view->getCurrentPageNumber(), 2);
    sendWheel(*view, 120);
    QCOMPARE(view->getCurrentPageNumber(), 1);
    QCOMPARE(spy.count(), 3);

    // Two columns page by pairs.
    HandBuiltDocument pairs(HandBuiltDocument::repeated(5, QSizeF(200, 150)));
    auto paired = makeView(pairs, QSize(600, 500));
    paired->setLayoutMode(DocumentGraphicsView::TwoColumns);
    paired->setViewMode(DocumentGraphicsView::SinglePage);
    paired->goToPage(0);
    sendWheel(*paired, -120);
    QCOMPARE(paired->getCurrentPageNumber(), 2);
    sendWheel(*paired, -120);
    QCOMPARE(paired->getCurrentPageNumber(), 4);
    sendWheel(*paired, -120);
    QCOMPARE(paired->getCurrentPageNumber(), 4);
}

void TestDocumentGraphicsView::pageKeysPageOrScrollByDisplay()
{
    HandBuiltDocument doc({QSizeF(400, 2000), QSizeF(400, 300), QSizeF(400, 300)});
    auto view = makeView(doc, QSize(500, 700));
    view->setViewMode(DocumentGraphicsView::SinglePage);
    QTest::keyClick(view.get(), Qt::Key_PageDown); // the tall page does not hold it back
    QCOMPARE(view->getCurrentPageNumber(), 1);
    QTest::keyClick(view.get(), Qt::Key_End);
    QCOMPARE(view->getCurrentPageNumber(), 2);
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    QCOMPARE(view->getCurrentPageNumber(), 2);
    QTest::keyClick(view.get(), Qt::Key_PageUp);
    QCOMPARE(view->getCurrentPageNumber(), 1);
    QTest::keyClick(view.get(), Qt::Key_Home);
    QCOMPARE(view->getCurrentPageNumber(), 0);

    // Continuous display scrolls a screen at a time, and Home and End still jump.
    view->setViewMode(DocumentGraphicsView::Continuous);
    view->goToFirstPage();
    QScrollBar *bar = view->verticalScrollBar();
    const int top = bar->value();
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    QCOMPARE(bar->value(), top + bar->pageStep());
    QTest::keyClick(view.get(), Qt::Key_End);
    QCOMPARE(view->getCurrentPageNumber(), 2);
}

void TestDocumentGraphicsView::fitsAgainstKnownViewport()
{
    HandBuiltDocument doc({QSizeF(600, 800), QSizeF(400, 500)});
    auto view = makeView(doc, QSize(504, 404));
    const double vw = view->viewport()->width();
    const double vh = view->viewport()->height();
    QCOMPARE(view->availableViewportWidth(), vw - 4);

    view->fitToWidth(); // widest content is 600
    QVERIFY(qFuzzyCompare(view->zoomFactor(), (vw - 4) / 600.0));
    QVERIFY(qFuzzyCompare(view->transform().m11(), view->zoomFactor()));
    QCOMPARE(view->zoomMode(), DocumentGraphicsView::ActualSize);

    view->goToPage(1);
    view->fitToHeight(); // current page is 500 high
    QVERIFY(qFuzzyCompare(view->zoomFactor(), (vh - 4) / 500.0));

    // Fit page on a landscape viewport follows the height.
    view->setZoomMode(DocumentGraphicsView::FitPage);
    QVERIFY(qFuzzyCompare(view->zoomFactor(), (vh - 4) / 500.0));
    view->resize(1004, 3004);
    const double tallWidth = view->viewport()->width();
    QVERIFY(qFuzzyCompare(view->zoomFactor(), (tallWidth - 4) / 600.0));

    // Two columns: the row is both pages with the gutter.
    view->setLayoutMode(DocumentGraphicsView::TwoColumns);
    view->resize(1504, 404);
    QVERIFY(qFuzzyCompare(view->zoomFactor(), (view->viewport()->height() - 4) / 800.0));

    view->setZoomMode(DocumentGraphicsView::ActualSize);
    QVERIFY(qFuzzyCompare(view->zoomFactor(), DocumentGraphicsView::actualSizeScale()));
}

void TestDocumentGraphicsView::stepZoomAndClamp()
{
    HandBuiltDocument doc({QSizeF(600, 800)});
    auto view = makeView(doc);
    view->setZoomMode(DocumentGraphicsView::FitPage);
    const double before = view->zoomFactor();
    view->zoomIn();
    view->zoomIn();
    view->zoomOut();
    QVERIFY(qFuzzyCompare(view->zoomFactor(), before * 1.1 * 1.1 * 0.9));
    QVERIFY(qFuzzyCompare(view->transform().m11(), view->zoomFactor()));
    QCOMPARE(view->zoomMode(), DocumentGraphicsView::ActualSize);
    view->resize(300, 300); // no refit any more
    QVERIFY(qFuzzyCompare(view->zoomFactor(), before * 1.1 * 1.1 * 0.9));

    const double actual = DocumentGraphicsView::actualSizeScale();
    for (int i = 0; i < 200; ++i)
        view->zoomIn();
    QVERIFY(qFuzzyCompare(view->zoomFactor(), actual * 64.0));
    for (int i = 0; i < 50; ++i)
        sendWheel(*view, 120, Qt::ControlModifier);
    QVERIFY(qFuzzyCompare(view->zoomFactor(), actual * 64.0));
    for (int i = 0; i < 400; ++i)
        sendWheel(*view, -120, Qt::ControlModifier);
    QVERIFY(qFuzzyCompare(view->zoomFactor(), actual * 0.01));
    sendWheel(*view, 0, Qt::ControlModifier); // a zero delta zooms out, still bounded
    QVERIFY(qFuzzyCompare(view->zoomFactor(), actual * 0.01));
    sendWheel(*view, 120, Qt::ControlModifier);
    QVERIFY(qFuzzyCompare(view->zoomFactor(), actual * 0.011));

    // A fit beyond the bounds is allowed; stepping never goes further out.
    HandBuiltDocument huge({QSizeF(4.0e6, 10)});
    auto wide = makeView(huge);
    wide->fitToWidth();
    const double fitted = wide->zoomFactor();
    QVERIFY(fitted < actual * 0.01);
    wide->zoomOut();
    QCOMPARE(wide->zoomFactor(), fitted);
    wide->zoomIn();
    QVERIFY(qFuzzyCompare(wide->zoomFactor(), fitted * 1.1));
}

void TestDocumentGraphicsView::searchMatchesCaseInsensitivelyOncePerItem()
{
    HandBuiltDocument doc(HandBuiltDocument::repeated(3, QSizeF(400, 300)));
    doc.addText(0, QStringLiteral("plain"));
    doc.addText(1, QStringLiteral("xABCx"));
    doc.addText(1, QStringLiteral("abc abc abc"), QPointF(10, 100));
    QGraphicsTextItem *outer = doc.addText(2, QStringLiteral("nothing here"));
    auto *nested = new QGraphicsTextItem(QStringLiteral("abc nested"), outer); // not a page child
    Q_UNUSED(nested);
    doc.addText(2, QStringLiteral("last Abc"), QPointF(10, 200));
    // Words drawn inside a picture are found too, and the hit focuses the picture.
    auto *picture = new VectorPictureItem(
        VisioVectorPicture::fromPicture(QPicture(), QRectF(0, 0, 10, 10),
                                        {QStringLiteral("Abc"), QStringLiteral("inside")}),
        QSizeF(50, 50));
    doc.groups[0]->addToGroup(picture);
    auto view = makeView(doc);

    const QList<SearchResult> results = view->searchText(QStringLiteral("abc"));
    QCOMPARE(results.size(), 4);
    QCOMPARE(results[0].pageIndex, 0);
    QCOMPARE(results[0].text, QStringLiteral("Abc inside"));
    QCOMPARE(results[1].pageIndex, 1);
    QCOMPARE(results[1].text, QStringLiteral("xABCx"));
    QCOMPARE(results[2].pageIndex, 1);
    QCOMPARE(results[2].text, QStringLiteral("abc abc abc"));
    QCOMPARE(results[3].pageIndex, 2);
    QCOMPARE(results[3].text, QStringLiteral("last Abc"));
    view->highlightAndGoToItem(0, results[0].text);
    QCOMPARE(picture->scene()->focusItem(), picture);

    QVERIFY(view->searchText(QString()).isEmpty());
    QVERIFY(view->searchText(QStringLiteral("zzz")).isEmpty());
    // The query is not trimmed.
    QCOMPARE(view->searchText(QStringLiteral(" abc")).size(), 2);
}

void TestDocumentGraphicsView::highlightStepsThroughEqualItemsAndWraps()
{
    HandBuiltDocument doc(HandBuiltDocument::repeated(4, QSizeF(400, 300)));
    QGraphicsTextItem *padded = doc.addText(2, QStringLiteral("  Valve  "), QPointF(10, 10));
    doc.addText(2, QStringLiteral("valve"), QPointF(10, 60));
    QGraphicsTextItem *second = doc.addText(2, QStringLiteral("Valve"), QPointF(10, 110));
    QGraphicsTextItem *pumpA = doc.addText(3, QStringLiteral("Pump"), QPointF(10, 10));
    QGraphicsTextItem *pumpB = doc.addText(3, QStringLiteral("Pump"), QPointF(10, 60));
    auto view = makeView(doc);

    view->highlightAndGoToItem(2, QStringLiteral("Valve"));
    QCOMPARE(view->getCurrentPageNumber(), 2);
    QVERIFY(isHighlighted(padded));
    QVERIFY(!isHighlighted(second));

    view->highlightAndGoToItem(2, QStringLiteral("Valve"));
    QVERIFY(isHighlighted(second));
    QVERIFY(!isHighlighted(padded));

    view->highlightAndGoToItem(2, QStringLiteral("Valve"));
    QVERIFY(isHighlighted(padded));
    view->highlightAndGoToItem(2, QStringLiteral("Valve"));
    QVERIFY(isHighlighted(second));

    // The counter is shared: index 1 plus one wraps on a page with two items.
    view->highlightAndGoToItem(3, QStringLiteral("Pump"));
    QVERIFY(isHighlighted(pumpA));
    QCOMPARE(view->getCurrentPageNumber(), 3);

    // A stale text still navigates; invalid pages do nothing.
    view->highlightAndGoToItem(1, QStringLiteral("gone"));
    QCOMPARE(view->getCurrentPageNumber(), 1);
    view->highlightAndGoToItem(4, QStringLiteral("Pump"));
    view->highlightAndGoToItem(-1, QStringLiteral("Pump"));
    QCOMPARE(view->getCurrentPageNumber(), 1);

    // A page hidden by single-page display is shown first: a hidden item
    // takes no focus.
    view->setViewMode(DocumentGraphicsView::SinglePage);
    QVERIFY(!doc.groups[3]->isVisible());
    view->highlightAndGoToItem(3, QStringLiteral("Pump"));
    QVERIFY(doc.groups[3]->isVisible());
    QVERIFY(isHighlighted(pumpB));
}

void TestDocumentGraphicsView::destructionDeletesTheScene()
{
    HandBuiltDocument doc(HandBuiltDocument::repeated(2, QSizeF(100, 100)));
    QPointer<QGraphicsScene> scene(doc.scene);
    auto view = makeView(doc);

    // Replacing the scene drops the old one and its page lists.
    HandBuiltDocument next(HandBuiltDocument::repeated(1, QSizeF(100, 100)));
    view->setScene(next.scene);
    QVERIFY(scene.isNull());
    QVERIFY(view->pageGroups().isEmpty());
    QVERIFY(view->searchText(QStringLiteral("a")).isEmpty());

    QPointer<QGraphicsScene> nextScene(next.scene);
    view.reset();
    QVERIFY(nextScene.isNull());
}

// A drawing that is saved again and again must not creep across the screen.
void TestDocumentGraphicsView::repeatedReplacementsKeepTheViewStill()
{
    const QList<QSizeF> sizes{QSizeF(1600, 1200), QSizeF(1600, 1200)};
    HandBuiltDocument first(sizes);
    auto view = makeView(first);
    view->zoomIn();
    view->horizontalScrollBar()->setValue(333);
    view->verticalScrollBar()->setValue(777);
    const QPoint scroll(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    for (int i = 0; i < 5; ++i) {
        HandBuiltDocument next(sizes);
        view->replaceScene(next.scene, next.rects, next.groups);
    }
    QCOMPARE(QPoint(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value()), scroll);
}

QTEST_MAIN(TestDocumentGraphicsView)
#include "tst_documentgraphicsview.moc"
