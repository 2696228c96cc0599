#include "DocumentTabWidget.h"
#include "HandBuiltDocument.h"
#include "LayerVisibility.h"
#include "LayerPanel.h"
#include "NoDragFilter.h"
#include "PageSliceBuilder.h"
#include "PageThumbnailPainter.h"
#include "ThumbnailPanel.h"
#include "VisioSceneBuilder.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QSplitterHandle>
#include <QStackedWidget>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

QListWidget *listOf(QWidget *panel)
{
    return panel->findChild<QListWidget *>(QStringLiteral("thumbnailList"));
}

QTableWidget *tableOf(QWidget *panel)
{
    return panel->findChild<QTableWidget *>(QStringLiteral("resultTable"));
}

QImage iconImage(QListWidget *list, int row)
{
    const QIcon icon = list->item(row)->icon();
    const QList<QSize> sizes = icon.availableSizes();
    if (sizes.isEmpty())
        return QImage();
    return icon.pixmap(sizes.first()).toImage();
}

bool isReddish(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
}

bool isBluish(QRgb c)
{
    return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80;
}

std::unique_ptr<DocumentTabWidget> makeTab(HandBuiltDocument &doc,
                                           const QString &name = QStringLiteral("plan.vsdx"))
{
    auto tab = std::make_unique<DocumentTabWidget>();
    tab->resize(900, 600);
    tab->initDocumentView(name, doc.scene, doc.rects, doc.groups);
    tab->show();
    QTest::qWait(0);
    return tab;
}

// One page whose layers each hold a box of their colour, labelled with the
// layer's name.
VisioDocumentModel layeredPage(const QList<std::pair<VisioLayer, QColor>> &layers)
{
    VisioPage page;
    page.pageSize = QSizeF(4, 4);
    for (int i = 0; i < layers.size(); ++i) {
        page.layerTable.append(layers.at(i).first);
        VisioShape box;
        box.path.addRect(QRectF(0.5 + i, 1, 0.8, 2));
        box.style.filled = true;
        box.style.fillType = VisioStyle::SolidFill;
        box.style.fillColor = layers.at(i).second;
        box.layerEntries = {i};
        page.shapes.append(box);
        VisioText label;
        label.text = layers.at(i).first.name + QStringLiteral(" label");
        label.bounds = QRectF(0.5 + i, 0.2, 0.8, 0.5);
        label.layerEntries = {i};
        page.texts.append(label);
    }
    VisioDocumentModel model;
    model.pages.append(page);
    return model;
}

bool showsColour(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (QColor(image.pixel(x, y)) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

class TestPanelAndTab : public QObject
{
    Q_OBJECT

private slots:
    void thumbnailSizes();
    void thumbnailsAppearAtOnceAndPaintLazily();
    void thumbnailShowsOnlyItsOwnPageEvenWhenHidden();
    void thumbnailPaintedInSlicesMatchesOneGo();
    void selectionIndexBounds();
    void resultTableRowsAndClicks();
    void tabStartsClosedAndHandleCannotBeDragged();
    void tabForwardsSearchRotationAndPageChanges();
    void tabFileNameAndTeardown();
    void pagesArrivingLaterKeepTheViewStill();
    void layerPanelTurnsTheCurrentPagesLayers();
    void layerChoicesHoldThroughOutputAndReload();
};

void TestPanelAndTab::thumbnailSizes()
{
    // Degenerate page sizes give an empty or bounded thumbnail, never garbage.
    QCOMPARE(ThumbnailPanel::thumbnailSize(QSizeF(0, 500)), QSize(0, 0));
    QCOMPARE(ThumbnailPanel::thumbnailSize(QSizeF(NAN, 500)), QSize(0, 0));
    QCOMPARE(ThumbnailPanel::thumbnailSize(QSizeF(1e300, 1e300)), QSize(140, 140));

    HandBuiltDocument doc({QSizeF(2000, 1000), QSizeF(0, 0)});
    ThumbnailPanel panel;
    panel.updateThumbnails(doc.scene, doc.rects, doc.groups);
    QListWidget *list = listOf(&panel);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->iconSize(), QSize(140, 140));
    QCOMPARE(list->item(0)->icon().availableSizes().value(0), QSize(142, 72));
    QCOMPARE(list->item(0)->text(), QStringLiteral("1"));
    QCOMPARE(list->item(1)->data(Qt::UserRole).toInt(), 1);
    QCOMPARE(list->item(1)->icon().availableSizes().value(0), QSize(2, 2));
    panel.renderAllThumbnails();
    QCOMPARE(list->item(0)->icon().availableSizes().value(0), QSize(142, 72));
    delete doc.scene;
}

void TestPanelAndTab::thumbnailsAppearAtOnceAndPaintLazily()
{
    HandBuiltDocument doc(HandBuiltDocument::repeated(500, QSizeF(400, 300)));
    for (int i = 0; i < 500; ++i)
        doc.addBox(i, QRectF(0, 0, 400, 300), Qt::red);
    ThumbnailPanel panel;
    panel.resize(200, 400);
    panel.show();
    panel.updateThumbnails(doc.scene, doc.rects, doc.groups);
    QListWidget *list = listOf(&panel);
    // Every page has its placeholder at once, none painted yet: a white page
    // in the grey frame.
    QCOMPARE(list->count(), 500);
    QCOMPARE(panel.pendingThumbnailCount(), 500);
    const QImage placeholder = iconImage(list, 0);
    QCOMPARE(placeholder.size(), QSize(142, 107));
    QCOMPARE(QColor(placeholder.pixel(71, 53)), QColor(Qt::white));
    QCOMPARE(qAlpha(placeholder.pixel(0, 0)), 0);

    // The first idle slice paints the visible thumbnails before any other.
    QTRY_VERIFY(panel.pendingThumbnailCount() < 500);
    QVERIFY(isReddish(iconImage(list, 0).pixel(71, 53)));
    QVERIFY(!isReddish(iconImage(list, 499).pixel(71, 53)));

    // Scrolling to the end brings the last ones forward.
    list->scrollToBottom();
    QTRY_VERIFY(isReddish(iconImage(list, 499).pixel(71, 53)));
    QVERIFY(panel.pendingThumbnailCount() > 0);

    // Idle time paints only near the view: the middle waits for a scroll.
    QTest::qWait(200);
    QVERIFY(!isReddish(iconImage(list, 250).pixel(71, 53)));
    list->scrollToItem(list->item(250), QAbstractItemView::PositionAtCenter);
    QTRY_VERIFY(isReddish(iconImage(list, 250).pixel(71, 53)));
    QTRY_VERIFY(isReddish(iconImage(list, 270).pixel(71, 53)));
    // What was painted stays painted.
    QVERIFY(isReddish(iconImage(list, 0).pixel(71, 53)));
    QVERIFY(isReddish(iconImage(list, 499).pixel(71, 53)));

    // A new version of the pages (a reload) keeps the old pictures up until
    // the new ones are painted, instead of blanking the list.
    HandBuiltDocument next(HandBuiltDocument::repeated(500, QSizeF(400, 300)));
    for (int i = 0; i < 500; ++i)
        next.addBox(i, QRectF(0, 0, 400, 300), Qt::blue);
    panel.updateThumbnails(next.scene, next.rects, next.groups);
    QCOMPARE(panel.pendingThumbnailCount(), 500);
    QVERIFY(isReddish(iconImage(list, 250).pixel(71, 53)));
    QCOMPARE(QColor(iconImage(list, 120).pixel(71, 53)), QColor(Qt::white));
    QTRY_VERIFY(isBluish(iconImage(list, 250).pixel(71, 53)));
    delete doc.scene;
    delete next.scene;

    // A scene that goes away stops the painting instead of reading freed items.
    HandBuiltDocument gone(HandBuiltDocument::repeated(20, QSizeF(100, 100)));
    panel.updateThumbnails(gone.scene, gone.rects, gone.groups);
    delete gone.scene;
    QTest::qWait(20);
    QVERIFY(panel.pendingThumbnailCount() > 0);
    panel.renderAllThumbnails();
}

void TestPanelAndTab::thumbnailShowsOnlyItsOwnPageEvenWhenHidden()
{
    HandBuiltDocument doc(HandBuiltDocument::repeated(2, QSizeF(400, 300)));
    // Page 0's content spills well into page 1's area.
    doc.addBox(0, QRectF(0, 250, 400, 400), Qt::blue);
    doc.addBox(1, QRectF(150, 100, 100, 100), Qt::red);
    doc.groups[1]->hide();

    ThumbnailPanel panel;
    panel.updateThumbnails(doc.scene, doc.rects, doc.groups);
    // A later relayout only moves groups; pending thumbnails follow them.
    doc.groups[1]->setPos(5000, -3000);
    panel.renderAllThumbnails();
    QCOMPARE(panel.pendingThumbnailCount(), 0);
    const QImage page1 = iconImage(listOf(&panel), 1);
    QCOMPARE(page1.size(), QSize(142, 107));
    QVERIFY(isReddish(page1.pixel(71, 53)));          // its own box
    QCOMPARE(QColor(page1.pixel(20, 20)), QColor(Qt::white)); // no neighbour's spill
    for (int y = 1; y < 106; ++y)
        QVERIFY(!isBluish(page1.pixel(71, y)));
    const QColor frame(page1.pixel(71, 1)); // the light grey frame
    QVERIFY(frame.red() < 250 && frame.red() > 150 && frame.red() == frame.blue());
    delete doc.scene;
}

void TestPanelAndTab::thumbnailPaintedInSlicesMatchesOneGo()
{
    HandBuiltDocument doc(HandBuiltDocument::repeated(1, QSizeF(400, 300)));
    for (int i = 0; i < 120; ++i)
        doc.addBox(0, QRectF(i * 3, i * 2, 60, 40), i % 2 ? Qt::red : Qt::blue);
    QImage canvas(142, 107, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    const QTransform transform = QTransform::fromScale(0.35, 0.35);
    const QRectF clip(1, 1, 140, 105);

    // A slice of no time paints one item; halfway through, the page gains
    // a box under the ones already painted, and the painting starts again
    // to take it in. Moving the page meanwhile, as a relayout does, moves
    // nothing in its thumbnail.
    PageThumbnailPainter sliced(doc.groups[0], transform, clip, canvas);
    int slices = 0;
    while (!sliced.paintFor(0)) {
        if (++slices == 60) {
            QGraphicsRectItem *box = doc.addBox(0, QRectF(20, 220, 80, 60), Qt::green);
            box->setZValue(-0.5);
            box->setPos(0, 0); // where it would be had the page not moved
        }
        doc.groups[0]->setPos(slices * 7, -slices);
    }
    doc.groups[0]->setPos(0, 0);
    QVERIFY(slices > 120);
    PageThumbnailPainter whole(doc.groups[0], transform, clip, canvas);
    QVERIFY(whole.paintFor(-1));
    QCOMPARE(sliced.image(), whole.image());
    QCOMPARE(QColor(sliced.image().pixel(21, 87)), QColor(Qt::green));
    delete doc.scene;
}

void TestPanelAndTab::selectionIndexBounds()
{
    HandBuiltDocument doc(HandBuiltDocument::repeated(3, QSizeF(100, 100)));
    ThumbnailPanel panel;
    panel.updateThumbnails(doc.scene, doc.rects, doc.groups);
    QListWidget *list = listOf(&panel);
    QCOMPARE(list->currentRow(), -1); // building selects nothing
    panel.setCurrentSelectIndex(2);
    QCOMPARE(list->currentRow(), 2);
    QVERIFY(list->item(2)->isSelected());
    panel.setCurrentSelectIndex(3);
    panel.setCurrentSelectIndex(-1);
    QCOMPARE(list->currentRow(), 2);

    QSignalSpy clicks(&panel, &ThumbnailPanel::pageClicked);
    emit list->itemClicked(list->item(1));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 1);
    delete doc.scene;
}

void TestPanelAndTab::resultTableRowsAndClicks()
{
    ThumbnailPanel panel;
    QTableWidget *table = tableOf(&panel);
    QSignalSpy spy(&panel, &ThumbnailPanel::searchResultClicked);
    QVERIFY(!panel.isShowingSearchResults());

    panel.showSearchResults({{0, QStringLiteral("Valve A")}, {4, QStringLiteral("Valve B")}});
    QVERIFY(panel.isShowingSearchResults());
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("5"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("Valve B"));
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Page"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Result"));

    // Either cell of a row reports the same page and text.
    panel.onTableItemClicked(table->item(1, 1));
    panel.onTableItemClicked(table->item(1, 0));
    panel.onTableItemClicked(nullptr);
    QTableWidgetItem stray(QStringLiteral("not in the table"));
    panel.onTableItemClicked(&stray);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 4);
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("Valve B"));
    QCOMPARE(spy.at(1), spy.at(0));

    // Stepping wraps both ways; stepping back from a fresh list starts at its end.
    panel.showSearchResults({{0, QStringLiteral("A")}, {4, QStringLiteral("B")}, {7, QStringLiteral("C")}});
    spy.clear();
    QVERIFY(panel.stepSearchResult(-1));
    QVERIFY(panel.stepSearchResult(1));
    QVERIFY(panel.stepSearchResult(1));
    QVERIFY(panel.stepSearchResult(-1));
    QList<int> pages;
    for (const QList<QVariant> &call : std::as_const(spy))
        pages << call.at(0).toInt();
    QCOMPARE(pages, QList<int>({7, 0, 4, 0}));

    panel.showSearchResults({});
    QVERIFY(!panel.stepSearchResult(1));
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(panel.isShowingSearchResults());
    panel.showThumbnailList();
    QVERIFY(!panel.isShowingSearchResults());
}

void TestPanelAndTab::tabStartsClosedAndHandleCannotBeDragged()
{
    HandBuiltDocument doc(HandBuiltDocument::repeated(3, QSizeF(400, 300)));
    auto tab = makeTab(doc);
    QVERIFY(!tab->isThumbnailPanelOpen());
    QCOMPARE(tab->splitter()->sizes().value(0), 0);

    QSplitterHandle *handle = tab->splitter()->handle(1);
    QVERIFY(handle);
    const QPointF local(0, 100);
    QMouseEvent press(QEvent::MouseButtonPress, local, handle->mapToGlobal(local), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    const QPointF dragged(300, 100);
    QMouseEvent move(QEvent::MouseMove, dragged, handle->mapToGlobal(dragged), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, dragged, handle->mapToGlobal(dragged),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &release);
    QCOMPARE(tab->splitter()->sizes().value(0), 0);
    // Nobody sees a closed panel's thumbnails: painting large pages for it
    // would only hold the window. Opening it starts the painting.
    QTest::qWait(50);
    QCOMPARE(tab->thumbnailPanel()->pendingThumbnailCount(), 3);

    tab->openThumbnailPanel();
    QVERIFY(tab->isThumbnailPanelOpen());
    QTRY_COMPARE(tab->thumbnailPanel()->pendingThumbnailCount(), 0);
    tab->searchText(QStringLiteral("x"));
    QVERIFY(tab->thumbnailPanel()->isShowingSearchResults());
    tab->closeThumbnailPanel();
    QVERIFY(!tab->isThumbnailPanelOpen());
    tab->openThumbnailPanel();
    QVERIFY(!tab->thumbnailPanel()->isShowingSearchResults());
}

void TestPanelAndTab::tabForwardsSearchRotationAndPageChanges()
{
    HandBuiltDocument doc(HandBuiltDocument::repeated(5, QSizeF(400, 700)));
    doc.addText(3, QStringLiteral("Valve 7"));
    doc.addText(3, QStringLiteral("Valve 7"), QPointF(10, 300));
    auto tab = makeTab(doc);
    tab->openThumbnailPanel();
    QListWidget *list = listOf(tab->thumbnailPanel());
    QCOMPARE(list->currentRow(), 0);

    tab->goToPage(2);
    QCOMPARE(tab->getDocumentPageNumber(), 2);
    QCOMPARE(list->currentRow(), 2);

    // A thumbnail click navigates.
    emit list->itemClicked(list->item(4));
    QCOMPARE(tab->getDocumentPageNumber(), 4);

    // A page change made by scrolling selects the matching thumbnail.
    QTRY_VERIFY_WITH_TIMEOUT(!tab->view()->isNavigating(), 2000);
    tab->view()->centerOn(200, doc.rects.at(1).center().y());
    QCOMPARE(tab->getDocumentPageNumber(), 1);
    QCOMPARE(list->currentRow(), 1);

    // Search fills the table; a result click highlights on its page.
    tab->searchText(QStringLiteral("valve"));
    QTableWidget *table = tableOf(tab->thumbnailPanel());
    QCOMPARE(table->rowCount(), 2);
    emit table->itemClicked(table->item(1, 1));
    QCOMPARE(tab->getDocumentPageNumber(), 3);

    // A rotation rebuilds the list, one item per page, without a selection.
    QSignalSpy layoutSpy(tab->view(), &DocumentGraphicsView::layoutUpdated);
    tab->rotateCurrentPage(true);
    QCOMPARE(layoutSpy.count(), 1);
    QCOMPARE(list->count(), 5);
    QCOMPARE(list->currentRow(), -1);
    QCOMPARE(tab->view()->pageRotations().at(3), 90);
    tab->rotateAllPages(false);
    QCOMPARE(tab->view()->pageRotations(), QList<int>({270, 270, 270, 0, 270}));
    tab->thumbnailPanel()->renderAllThumbnails();
    // Rotated pages give landscape thumbnails.
    QCOMPARE(list->item(0)->icon().availableSizes().value(0), QSize(142, 82));
}

void TestPanelAndTab::tabFileNameAndTeardown()
{
    struct Case { QString given; QString kept; };
    const QList<Case> cases{{QStringLiteral("plan.vsdx"), QStringLiteral("plan")},
                            {QStringLiteral("a.b.vsdx"), QStringLiteral("a.b")},
                            {QStringLiteral("noextension"), QString()}};
    for (const Case &c : cases) {
        HandBuiltDocument doc(HandBuiltDocument::repeated(1, QSizeF(100, 100)));
        QPointer<QGraphicsScene> scene(doc.scene);
        auto tab = makeTab(doc, c.given);
        QCOMPARE(tab->view()->fileName(), c.kept);
        tab.reset();
        QVERIFY(scene.isNull()); // the tab's view took the scene with it
    }

    // Closing a tab scrolled down the document: the view's teardown must not
    // report a page change to the panel that has already gone.
    {
        HandBuiltDocument doc(HandBuiltDocument::repeated(6, QSizeF(400, 700)));
        auto tab = makeTab(doc);
        tab->goToPage(4);
        QTRY_VERIFY_WITH_TIMEOUT(!tab->view()->isNavigating(), 2000);
        QSignalSpy spy(tab->view(), &DocumentGraphicsView::currentPageChanged);
        tab.reset();
        QCOMPARE(spy.count(), 0);
    }

    // A tab with an empty document works and does nothing.
    HandBuiltDocument empty(QList<QSizeF>{});
    auto tab = makeTab(empty);
    tab->rotateAllPages(true);
    tab->setLayoutMode(DocumentGraphicsView::TwoColumns);
    tab->goToLastPage();
    tab->searchText(QStringLiteral("x"));
    QCOMPARE(tab->getDocumentPageNumber(), 0);
    QCOMPARE(listOf(tab->thumbnailPanel())->count(), 0);
}

void TestPanelAndTab::pagesArrivingLaterKeepTheViewStill()
{
    VisioDocumentModel model;
    for (int i = 0; i < 3; ++i) {
        VisioPage page;
        page.pageSize = i == 1 ? QSizeF(11, 8.5) : QSizeF(8.5, 11);
        VisioText text;
        text.text = QStringLiteral("Valve %1").arg(i + 1);
        text.bounds = QRectF(1, 1, 2, 0.5);
        page.texts.append(text);
        model.pages.append(page);
    }
    PageSliceBuilder builder(model, 96.0);
    QList<QRectF> rects;
    QList<QGraphicsItemGroup *> groups;
    QGraphicsScene *scene = builder.createScene(&rects, &groups);
    DocumentTabWidget tab;
    tab.resize(900, 600);
    tab.showLoading(QStringLiteral("plan.vsdx"));
    tab.show();
    tab.initDocumentView(QStringLiteral("plan.vsdx"), scene, rects, groups);
    QVERIFY(!tab.isLoading());
    connect(&builder, &PageSliceBuilder::pageBuilt, &tab, &DocumentTabWidget::pageBuilt);
    while (builder.builtPageCount() < 1)
        builder.buildSlice(0);

    // Search and navigation work on what is built, and see the rest later.
    QCOMPARE(tab.view()->searchText(QStringLiteral("Valve")).size(), 1);
    tab.goToLastPage();
    QCOMPARE(tab.getDocumentPageNumber(), 2);
    tab.rotateAllPages(true);
    tab.setLayoutMode(DocumentGraphicsView::TwoColumns);
    tab.setZoomMode(DocumentGraphicsView::FitPage);
    tab.thumbnailPanel()->renderAllThumbnails();
    const QList<QRectF> layout = tab.view()->getLayoutRects();
    const QTransform zoom = tab.view()->transform();
    const int scroll = tab.view()->verticalScrollBar()->value();

    while (builder.buildSlice(0)) {
    }
    QCOMPARE(tab.view()->getLayoutRects(), layout);
    QCOMPARE(tab.view()->transform(), zoom);
    QCOMPARE(tab.view()->verticalScrollBar()->value(), scroll);
    QCOMPARE(tab.getDocumentPageNumber(), 2);
    QCOMPARE(tab.view()->searchText(QStringLiteral("Valve")).size(), 3);
    // Thumbnails painted from placeholders are painted again.
    QCOMPARE(tab.thumbnailPanel()->pendingThumbnailCount(), 2);
}

// Names that are empty, repeated, long or in any script all show, told
// apart; a layer turned before its page is built holds once it is.
void TestPanelAndTab::layerPanelTurnsTheCurrentPagesLayers()
{
    VisioDocumentModel model;
    VisioPage page;
    page.pageSize = QSizeF(4, 4);
    const QString longName = QString(150, QLatin1Char('A')) + QString(150, QLatin1Char('B'));
    for (const QString &name : {QString(), QStringLiteral("Walls"), QStringLiteral("Walls"), longName,
                                QStringLiteral("電気配線")}) {
        VisioLayer layer;
        layer.name = name;
        page.layerTable.append(layer);
    }
    page.layerTable[2].visible = false;
    for (int entry : {1, 2}) {
        VisioShape box;
        box.path.addRect(QRectF(entry, 1, 0.5, 0.5));
        box.style.filled = true;
        box.style.fillType = VisioStyle::SolidFill;
        box.style.fillColor = entry == 1 ? Qt::blue : Qt::red;
        box.layerEntries = {entry};
        page.shapes.append(box);
    }
    model.pages = {page, VisioPage()};
    model.pages[1].pageSize = QSizeF(4, 4);

    PageSliceBuilder builder(model, 96.0);
    QList<QRectF> rects;
    QList<QGraphicsItemGroup *> groups;
    QGraphicsScene *scene = builder.createScene(&rects, &groups);
    DocumentTabWidget tab;
    tab.resize(900, 600);
    tab.initDocumentView(QStringLiteral("plan.vsdx"), scene, rects, groups);
    tab.openThumbnailPanel();
    tab.show();
    QListWidget *list = tab.layerPanel()->list();
    QVERIFY(tab.layerPanel()->isVisibleTo(&tab));
    QCOMPARE(list->count(), 5);
    QSet<QString> texts;
    for (int i = 0; i < list->count(); ++i)
        texts.insert(list->item(i)->text());
    QCOMPARE(texts.size(), 5);
    QVERIFY(texts.contains(longName) && texts.contains(QStringLiteral("電気配線")));
    QCOMPARE(list->item(2)->checkState(), Qt::Unchecked);
    QCOMPARE(list->item(1)->checkState(), Qt::Checked);

    list->item(2)->setCheckState(Qt::Checked);
    while (builder.buildSlice(0)) {
    }
    const auto boxOf = [&](const QColor &colour) -> QGraphicsItem * {
        for (QGraphicsItem *item : groups.first()->childItems()) {
            auto *shape = dynamic_cast<QAbstractGraphicsShapeItem *>(item);
            if (shape && shape->brush().color() == colour)
                return item;
        }
        return nullptr;
    };
    QVERIFY(boxOf(Qt::red) && boxOf(Qt::red)->isVisible());
    QVERIFY(boxOf(Qt::blue)->isVisible());

    tab.thumbnailPanel()->renderAllThumbnails();
    list->item(1)->setCheckState(Qt::Unchecked);
    QVERIFY(!boxOf(Qt::blue)->isVisible());
    QCOMPARE(tab.thumbnailPanel()->pendingThumbnailCount(), 1);

    tab.documentPageChanged(1);
    QVERIFY(!tab.layerPanel()->isVisibleTo(&tab));
    tab.documentPageChanged(0);
    QCOMPARE(list->item(1)->checkState(), Qt::Unchecked);
}

// What the user turned stays turned: in thumbnails painted while printing
// has the page switched to paper, in listed search results, and in the
// next version of the drawing, by layer name.
void TestPanelAndTab::layerChoicesHoldThroughOutputAndReload()
{
    QList<QRectF> rects;
    QList<QGraphicsItemGroup *> groups;
    QGraphicsScene *scene = VisioSceneBuilder::buildScene(
        layeredPage({{VisioLayer{QStringLiteral("Walls")}, Qt::red},
                     {VisioLayer{QStringLiteral("Notes"), true, false}, Qt::blue},
                     {VisioLayer{QStringLiteral("Old")}, Qt::green}}),
        &rects, &groups, 96.0);
    DocumentTabWidget tab;
    tab.resize(900, 600);
    tab.initDocumentView(QStringLiteral("plan.vsdx"), scene, rects, groups);
    tab.openThumbnailPanel();
    tab.show();
    QListWidget *thumbnails = listOf(tab.thumbnailPanel());
    {
        const LayerVisibility::Scope paper(scene, LayerVisibility::Paper);
        tab.thumbnailPanel()->renderAllThumbnails();
    }
    QVERIFY(showsColour(iconImage(thumbnails, 0), Qt::blue));

    tab.searchText(QStringLiteral("label"));
    QCOMPARE(tableOf(tab.thumbnailPanel())->rowCount(), 3);
    QListWidget *layers = tab.layerPanel()->list();
    layers->item(0)->setCheckState(Qt::Unchecked);
    QCOMPARE(tableOf(tab.thumbnailPanel())->rowCount(), 2);

    // The next version puts a layer before Walls and drops Old.
    QList<QRectF> newRects;
    QList<QGraphicsItemGroup *> newGroups;
    QGraphicsScene *newScene = VisioSceneBuilder::buildScene(
        layeredPage({{VisioLayer{QStringLiteral("Extra")}, Qt::magenta},
                     {VisioLayer{QStringLiteral("Walls")}, Qt::red},
                     {VisioLayer{QStringLiteral("Notes"), true, false}, Qt::blue}}),
        &newRects, &newGroups, 96.0);
    tab.replaceDocument(newScene, newRects, newGroups);
    QCOMPARE(tab.layerPanel()->page(), newGroups.first());
    QCOMPARE(layers->count(), 3);
    QCOMPARE(layers->item(0)->checkState(), Qt::Checked);
    QCOMPARE(layers->item(1)->checkState(), Qt::Unchecked);
    QCOMPARE(tableOf(tab.thumbnailPanel())->rowCount(), 2);
    tab.thumbnailPanel()->renderAllThumbnails();
    const QImage page = iconImage(thumbnails, 0);
    QVERIFY(!showsColour(page, Qt::red));
    QVERIFY(showsColour(page, Qt::magenta) && showsColour(page, Qt::blue));

    // Pages are followed by name: a page put in front takes over nothing
    // from the page that was in its place, and the page in view, with its
    // rotation, stays in view.
    const auto floors = [](const QStringList &names, QList<QRectF> *rects,
                           QList<QGraphicsItemGroup *> *groups) {
        VisioDocumentModel model;
        for (const QString &name : names) {
            VisioDocumentModel one = layeredPage({{VisioLayer{QStringLiteral("Walls")}, Qt::red}});
            one.pages[0].name = name;
            model.pages.append(one.pages.constFirst());
        }
        return VisioSceneBuilder::buildScene(model, rects, groups, 96.0);
    };
    QList<QRectF> twoRects;
    QList<QGraphicsItemGroup *> two;
    tab.replaceDocument(floors({QStringLiteral("Ground"), QStringLiteral("First")}, &twoRects, &two),
                        twoRects, two);
    // Walls, hidden above, stays hidden on the page in that place.
    QCOMPARE(LayerVisibility::pageLayers(two.at(0)).shown, QList<bool>{false});
    LayerVisibility::setShown(two.at(0), 0, true);
    LayerVisibility::setShown(two.at(1), 0, false);
    tab.goToPage(0);
    tab.rotateCurrentPage(true);
    tab.goToPage(1);
    tab.rotateCurrentPage(true);
    QList<QRectF> threeRects;
    QList<QGraphicsItemGroup *> three;
    tab.replaceDocument(floors({QStringLiteral("Cover"), QStringLiteral("Ground"),
                                QStringLiteral("First")},
                               &threeRects, &three),
                        threeRects, three);
    QCOMPARE(LayerVisibility::pageLayers(three.at(0)).shown, QList<bool>{true});
    QCOMPARE(LayerVisibility::pageLayers(three.at(1)).shown, QList<bool>{true});
    QCOMPARE(LayerVisibility::pageLayers(three.at(2)).shown, QList<bool>{false});
    QCOMPARE(tab.getDocumentPageNumber(), 2);
    QCOMPARE(tab.view()->pageRotations(), (QList<int>{0, 90, 90}));
}

QTEST_MAIN(TestPanelAndTab)
#include "tst_panelandtab.moc"
