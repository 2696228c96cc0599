#pragma once

#include "DocumentPrinter.h"
#include "EmbeddedImageExporter.h"
#include "SearchResult.h"

#include <QGraphicsView>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QGraphicsItemGroup;
class QGraphicsScene;
class QTimer;

// The page view of one document. It never draws pages itself: it moves,
// rotates, shows and hides the page groups the scene builder made, limits
// the scene rectangle and sets the scale.
//
// The view owns the scene given to setScene(): it clears and deletes it on
// destruction, or when another scene replaces it.
class DocumentGraphicsView : public QGraphicsView
{
    Q_OBJECT

public:
    enum ViewMode { Continuous, SinglePage };
    enum PageLayout { SingleColumn, TwoColumns };
    enum ZoomMode { ActualSize, FitPage };
    Q_ENUM(ViewMode)
    Q_ENUM(PageLayout)
    Q_ENUM(ZoomMode)

    // What the user has made of the pages, to carry over to a new version of
    // the document.
    struct ViewState
    {
        int page = 0;
        ZoomMode zoomMode = ActualSize;
        double zoomFactor = 1.0;
        QList<int> rotations;
        // Whether the view has laid the pages out or they stand where the
        // scene builder put them.
        bool arranged = false;
        // The viewport centre, from the current page's top left.
        QPointF centreInPage;
    };

    // Bounds of step and wheel zoom, relative to actual size.
    static constexpr double MinimumRelativeZoom = 0.01;
    static constexpr double MaximumRelativeZoom = 64.0;

    explicit DocumentGraphicsView(QWidget *parent = nullptr);
    ~DocumentGraphicsView() override;

    // Set-up, in this order.
    void setScene(QGraphicsScene *scene);
    void setPageRects(const QList<QRectF> &rects);
    void setPageGroups(const QList<QGraphicsItemGroup *> &groups);
    void setFileName(const QString &name);

    // Takes a new scene of the same document in place of the current one,
    // keeping page, zoom, rotations and scroll position as far as the new
    // pages allow. The old scene is deleted.
    void replaceScene(QGraphicsScene *scene, const QList<QRectF> &pageRects,
                      const QList<QGraphicsItemGroup *> &pageGroups);
    ViewState viewState() const;
    // While printing, saving or extracting reads the scene; it must not be
    // replaced then, even from an event loop that the output runs.
    bool isProducingOutput() const { return m_outputDepth > 0; }

    QString fileName() const { return m_fileName; }
    // The drawing's own title, for files made from it; may be empty.
    void setDocumentTitle(const QString &title) { m_documentTitle = title; }
    QString documentTitle() const { return m_documentTitle; }
    QList<QRectF> getLayoutRects() const { return m_layoutRects; }
    QList<QRectF> pageRects() const { return m_pageRects; }
    QList<QGraphicsItemGroup *> pageGroups() const { return m_pageGroups; }
    QList<int> pageRotations() const { return m_pageRotations; }
    int pageCount() const { return int(m_pageRects.size()); }

    ViewMode viewMode() const { return m_viewMode; }
    PageLayout layoutMode() const { return m_layoutMode; }
    ZoomMode zoomMode() const { return m_zoomMode; }
    double zoomFactor() const { return m_zoomFactor; }
    // Scale that shows one scene unit per logical pixel on the primary screen.
    static double actualSizeScale();

    void setViewMode(ViewMode mode);
    void setLayoutMode(PageLayout layout);
    void setZoomMode(ZoomMode mode);
    void setActualSize();
    void zoomIn();
    void zoomOut();
    void autoFitPage();
    void fitToWidth();
    void fitToHeight();
    double availableViewportWidth() const;
    double availableViewportHeight() const;

    void rotatePage(bool clockwise);
    void rotateAllPages(bool clockwise);
    void updatePageLayout();
    void refreshViewDisplay();
    QSizeF getRotatedPageSize(int index) const;

    // Navigation; page indices are 0-based.
    void goToPage(int page);
    void goToFirstPage();
    void goToLastPage();
    void goToNextPage();
    void goToPreviousPage();
    void scrollToCurrentPage();
    void scrollToPageTop(const QRectF &rect);
    QRectF currentPageRect() const;
    QRectF currentRowRect() const;
    int getCurrentPageNumber() const;
    void updateCurrentPageFromScroll();
    bool isNavigating() const { return m_isNavigating; }

    QList<SearchResult> searchText(const QString &query);
    void highlightAndGoToItem(int pageIndex, const QString &text);

    // Pages as laid out now, turned pages included.
    void printDocument();
    void exportToPdf();
    EmbeddedImageExporter::Result exportAllEmbeddedImages(
        const QString &baseDir, const DocumentPrinter::PageProgress &progress = {});

signals:
    void currentPageChanged(int index);
    void layoutUpdated();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int pageStep() const;
    int clampedPageIndex(int count) const;
    QRectF pairRect(int first) const;
    QRectF documentBoundingRect() const;
    void applyScale(double scale);
    void stepZoom(double factor);
    void initLayoutRects();
    void preparePageItems(double *maxLeft, double *maxRight);
    void placePageItem(int index, double x, double y);
    void layoutSingleColumn(double maxWidth);
    void layoutTwoColumns(double maxLeft, double maxRight);
    void updateLayoutRects();
    void updateViewForContinuousMode();
    void updateViewForSinglePageMode();
    void releaseScene();
    void restoreViewState(const ViewState &state);

    ViewMode m_viewMode = Continuous;
    PageLayout m_layoutMode = SingleColumn;
    ZoomMode m_zoomMode = ActualSize;
    QList<QGraphicsItemGroup *> m_pageGroups;
    QList<QRectF> m_pageRects;
    QList<QRectF> m_layoutRects;
    QList<int> m_pageRotations;
    bool m_isNavigating = false;
    // Set up while hidden: showing recentres the view, so the first show
    // scrolls to the current page instead, and tracking waits for it.
    bool m_initialScrollPending = false;
    int m_searchMatchIndex = -1;
    int m_currentPage = 0;
    int m_outputDepth = 0;
    bool m_arranged = false;
    double m_zoomFactor = 1.0;
    QString m_fileName;
    QString m_documentTitle;
    QTimer *m_navigationTimer = nullptr;
};
