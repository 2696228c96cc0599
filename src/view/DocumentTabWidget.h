#pragma once

#include "DocumentGraphicsView.h"
#include "SearchResult.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

class DocumentLoadingWidget;
class LayerPanel;
class NoDragFilter;
class ReloadBar;
class QGraphicsItemGroup;
class QGraphicsScene;
class ThumbnailPanel;

// One open document: the side panel and the page view in a splitter that
// cannot be dragged, and the operations the main window forwards to them.
class DocumentTabWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DocumentTabWidget(QWidget *parent = nullptr);
    ~DocumentTabWidget() override;

    // Hands the built document to the view, which takes ownership of the
    // scene. fileName is without directory; the view keeps it without the
    // extension.
    void initDocumentView(const QString &fileName, QGraphicsScene *scene,
                          const QList<QRectF> &pageRects,
                          const QList<QGraphicsItemGroup *> &pageGroups);

    // Where the drawing was read from, absolute; empty for one made in memory.
    void setFilePath(const QString &path) { m_filePath = path; }
    QString filePath() const { return m_filePath; }

    // While the drawing is read, the tab shows the loading page instead of
    // the document; initDocumentView() ends that.
    void showLoading(const QString &fileName);
    void setLoadProgress(double fraction);
    bool isLoading() const { return m_loading != nullptr; }
    DocumentLoadingWidget *loadingWidget() const { return m_loading; }
    // A page that was a placeholder is built: its thumbnail is painted again.
    void pageBuilt(int index);

    // A new version of the same drawing, built in full, in place of the one
    // shown; page, zoom, rotations, scroll position and the listed search
    // results carry over as far as the new pages allow.
    void replaceDocument(QGraphicsScene *scene, const QList<QRectF> &pageRects,
                         const QList<QGraphicsItemGroup *> &pageGroups);
    // A new version could not be read: the bar above the page says so.
    void showReloadProblem(const QString &text);
    void hideReloadProblem();
    // Null until a problem was shown.
    ReloadBar *reloadBar() const { return m_reloadBar; }

    void setViewMode(DocumentGraphicsView::ViewMode mode);
    void setLayoutMode(DocumentGraphicsView::PageLayout layout);
    void setZoomMode(DocumentGraphicsView::ZoomMode mode);
    void zoomIn();
    void zoomOut();
    void zoomToOne();
    void rotateAllPages(bool clockwise);
    void rotateCurrentPage(bool clockwise);
    void goToFirstPage();
    void goToLastPage();
    void goToNextPage();
    void goToPreviousPage();
    void goToPage(int page);
    // 0-based.
    int getDocumentPageNumber() const;
    void searchText(const QString &query);
    // The query whose results the side panel lists, empty before a search.
    QString searchQuery() const { return m_searchQuery; }
    bool stepSearchResult(int delta);
    void documentPrint();
    void exportToPdf();
    EmbeddedImageExporter::Result exportImages(const QString &baseDir,
                                               const DocumentPrinter::PageProgress &progress = {});

    void openThumbnailPanel();
    void closeThumbnailPanel();
    bool isThumbnailPanelOpen() const;

    DocumentGraphicsView *view() const { return m_view; }
    ThumbnailPanel *thumbnailPanel() const { return m_thumbnailPanel; }
    LayerPanel *layerPanel() const { return m_layerPanel; }
    NoDragFilter *splitter() const { return m_splitter; }

signals:
    // The user gave up on loading the drawing.
    void loadCancelRequested();
    // The reload bar's Retry.
    void reloadRequested();

public slots:
    void onPageClicked(int index);
    void documentPageChanged(int index);
    void thumbnailUpdate();

private:
    // Searches again for the listed results, if any are listed.
    void refreshSearchResults();

    NoDragFilter *m_splitter = nullptr;
    // The left pane: thumbnails or search results above the layers.
    QWidget *m_sidePanel = nullptr;
    ThumbnailPanel *m_thumbnailPanel = nullptr;
    LayerPanel *m_layerPanel = nullptr;
    DocumentGraphicsView *m_view = nullptr;
    QString m_searchQuery;
    QString m_filePath;
    DocumentLoadingWidget *m_loading = nullptr;
    ReloadBar *m_reloadBar = nullptr;
};
