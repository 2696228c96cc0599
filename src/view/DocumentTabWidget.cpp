#include "DocumentTabWidget.h"

#include "DocumentLoadingWidget.h"
#include "LayerPanel.h"
#include "NoDragFilter.h"
#include "ReloadBar.h"
#include "ThumbnailPanel.h"

#include <QGraphicsItemGroup>

#include <QLoggingCategory>
#include <QSplitterHandle>
#include <QVBoxLayout>

Q_DECLARE_LOGGING_CATEGORY(lcDocumentView)

namespace {
const QList<int> ClosedPanelSizes{0, 800};
const QList<int> OpenPanelSizes{150, 800};
} // namespace

DocumentTabWidget::DocumentTabWidget(QWidget *parent)
    : QWidget(parent)
{
    m_splitter = new NoDragFilter(Qt::Horizontal, this);
    m_sidePanel = new QWidget(m_splitter);
    m_thumbnailPanel = new ThumbnailPanel(m_sidePanel);
    m_layerPanel = new LayerPanel(m_sidePanel);
    m_layerPanel->setFixedWidth(m_thumbnailPanel->width());
    auto *sideLayout = new QVBoxLayout(m_sidePanel);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->setSpacing(0);
    sideLayout->addWidget(m_thumbnailPanel, 1);
    sideLayout->addWidget(m_layerPanel);
    m_view = new DocumentGraphicsView(m_splitter);
    m_splitter->addWidget(m_sidePanel);
    m_splitter->addWidget(m_view);
    m_splitter->setSizes(ClosedPanelSizes);
    m_splitter->setHandleWidth(0);
    if (QSplitterHandle *handle = m_splitter->handle(1)) {
        handle->installEventFilter(m_splitter);
        handle->setCursor(Qt::ArrowCursor);
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);

    connect(m_view, &DocumentGraphicsView::currentPageChanged, this,
            &DocumentTabWidget::documentPageChanged);
    connect(m_view, &DocumentGraphicsView::layoutUpdated, this,
            &DocumentTabWidget::thumbnailUpdate);
    connect(m_thumbnailPanel, &ThumbnailPanel::pageClicked, this,
            &DocumentTabWidget::onPageClicked);
    connect(m_layerPanel, &LayerPanel::layersChanged, this, [this](QGraphicsItemGroup *page) {
        m_thumbnailPanel->refreshThumbnail(int(m_view->pageGroups().indexOf(page)));
        // Listed results on a layer just hidden could no longer be shown.
        refreshSearchResults();
    });
    connect(m_thumbnailPanel, &ThumbnailPanel::searchResultClicked, this,
            [this](int pageIndex, const QString &text) {
                m_view->highlightAndGoToItem(pageIndex, text);
            });

    setAcceptDrops(true);
    m_view->setAcceptDrops(true);
}

DocumentTabWidget::~DocumentTabWidget()
{
    // The panel goes first: it must not paint from a scene the view is
    // about to delete. Nothing the view does while going may reach it.
    disconnect(m_view, nullptr, this, nullptr);
    delete m_sidePanel;
    m_sidePanel = nullptr;
    m_thumbnailPanel = nullptr;
    m_layerPanel = nullptr;
    delete m_view;
    m_view = nullptr;
    qCDebug(lcDocumentView) << "~~DocumentTabWidget";
}

void DocumentTabWidget::showLoading(const QString &fileName)
{
    if (m_loading)
        return;
    m_loading = new DocumentLoadingWidget(fileName, this);
    connect(m_loading, &DocumentLoadingWidget::cancelRequested, this,
            &DocumentTabWidget::loadCancelRequested);
    m_splitter->hide();
    layout()->addWidget(m_loading);
}

void DocumentTabWidget::setLoadProgress(double fraction)
{
    if (m_loading)
        m_loading->setProgress(fraction);
}

void DocumentTabWidget::pageBuilt(int index)
{
    m_thumbnailPanel->refreshThumbnail(index);
}

void DocumentTabWidget::initDocumentView(const QString &fileName, QGraphicsScene *scene,
                                         const QList<QRectF> &pageRects,
                                         const QList<QGraphicsItemGroup *> &pageGroups)
{
    m_view->setScene(scene);
    m_view->setPageRects(pageRects);
    m_view->setPageGroups(pageGroups);
    m_view->setLayoutMode(DocumentGraphicsView::SingleColumn);
    m_view->setFileName(fileName.section(QLatin1Char('.'), 0, -2));
    m_thumbnailPanel->updateThumbnails(scene, pageRects, pageGroups);
    m_thumbnailPanel->setCurrentSelectIndex(0);
    m_layerPanel->setPage(pageGroups.value(0));
    if (m_loading) {
        delete m_loading;
        m_loading = nullptr;
        // Sized before it shows, so that the view's first scroll to page 1
        // sees its real viewport.
        m_splitter->setGeometry(contentsRect());
        m_splitter->show();
    }
}

void DocumentTabWidget::replaceDocument(QGraphicsScene *scene, const QList<QRectF> &pageRects,
                                        const QList<QGraphicsItemGroup *> &pageGroups)
{
    // The view rebuilds the side panel's list through layoutUpdated().
    m_view->replaceScene(scene, pageRects, pageGroups);
    // Listed results point at pages and texts that may have changed.
    refreshSearchResults();
    hideReloadProblem();
}

void DocumentTabWidget::showReloadProblem(const QString &text)
{
    if (!m_reloadBar) {
        m_reloadBar = new ReloadBar(this);
        connect(m_reloadBar, &ReloadBar::retryRequested, this, &DocumentTabWidget::reloadRequested);
        static_cast<QVBoxLayout *>(layout())->insertWidget(0, m_reloadBar);
    }
    m_reloadBar->showMessage(text);
}

void DocumentTabWidget::hideReloadProblem()
{
    if (m_reloadBar)
        m_reloadBar->hide();
}

void DocumentTabWidget::setViewMode(DocumentGraphicsView::ViewMode mode)
{
    m_view->setViewMode(mode);
}

void DocumentTabWidget::setLayoutMode(DocumentGraphicsView::PageLayout layout)
{
    m_view->setLayoutMode(layout);
}

void DocumentTabWidget::setZoomMode(DocumentGraphicsView::ZoomMode mode)
{
    m_view->setZoomMode(mode);
}

void DocumentTabWidget::zoomIn()
{
    m_view->zoomIn();
}

void DocumentTabWidget::zoomOut()
{
    m_view->zoomOut();
}

void DocumentTabWidget::zoomToOne()
{
    m_view->setZoomMode(DocumentGraphicsView::ActualSize);
}

void DocumentTabWidget::rotateAllPages(bool clockwise)
{
    m_view->rotateAllPages(clockwise);
}

void DocumentTabWidget::rotateCurrentPage(bool clockwise)
{
    m_view->rotatePage(clockwise);
}

void DocumentTabWidget::goToFirstPage()
{
    m_view->goToFirstPage();
}

void DocumentTabWidget::goToLastPage()
{
    m_view->goToLastPage();
}

void DocumentTabWidget::goToNextPage()
{
    m_view->goToNextPage();
}

void DocumentTabWidget::goToPreviousPage()
{
    m_view->goToPreviousPage();
}

void DocumentTabWidget::goToPage(int page)
{
    m_view->goToPage(page);
}

int DocumentTabWidget::getDocumentPageNumber() const
{
    return m_view->getCurrentPageNumber();
}

void DocumentTabWidget::searchText(const QString &query)
{
    m_searchQuery = query;
    m_thumbnailPanel->showSearchResults(m_view->searchText(query));
}

void DocumentTabWidget::refreshSearchResults()
{
    if (!m_searchQuery.isEmpty() && m_thumbnailPanel->isShowingSearchResults())
        searchText(m_searchQuery);
}

bool DocumentTabWidget::stepSearchResult(int delta)
{
    return m_thumbnailPanel->stepSearchResult(delta);
}

void DocumentTabWidget::documentPrint()
{
    m_view->printDocument();
}

void DocumentTabWidget::exportToPdf()
{
    m_view->exportToPdf();
}

EmbeddedImageExporter::Result DocumentTabWidget::exportImages(
    const QString &baseDir, const DocumentPrinter::PageProgress &progress)
{
    return m_view->exportAllEmbeddedImages(baseDir, progress);
}

void DocumentTabWidget::openThumbnailPanel()
{
    m_splitter->setSizes(OpenPanelSizes);
}

void DocumentTabWidget::closeThumbnailPanel()
{
    m_splitter->setSizes(ClosedPanelSizes);
    m_thumbnailPanel->showThumbnailList();
}

bool DocumentTabWidget::isThumbnailPanelOpen() const
{
    const QList<int> sizes = m_splitter->sizes();
    return !sizes.isEmpty() && sizes.first() > 0;
}

void DocumentTabWidget::onPageClicked(int index)
{
    m_view->goToPage(index);
}

void DocumentTabWidget::documentPageChanged(int index)
{
    qCDebug(lcDocumentView) << "index changed " << index;
    m_thumbnailPanel->setCurrentSelectIndex(index);
    m_layerPanel->setPage(m_view->pageGroups().value(index));
}

void DocumentTabWidget::thumbnailUpdate()
{
    m_thumbnailPanel->updateThumbnails(m_view->scene(), m_view->getLayoutRects(),
                                       m_view->pageGroups());
}
