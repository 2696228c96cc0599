#pragma once

#include "SearchResult.h"

#include <QList>
#include <QPointer>
#include <QRectF>
#include <QSize>
#include <QTransform>
#include <QWidget>

#include <memory>
#include <utility>

class PageThumbnailPainter;
class QGraphicsItemGroup;
class QGraphicsScene;
class QListWidget;
class QImage;
class QPixmap;
class QStackedWidget;
class QTableWidget;
class QTableWidgetItem;
class QTimer;

// The side panel of a document tab: page thumbnails, or the search results.
//
// Thumbnails appear at once as blank pages and are painted lazily in idle
// slices of a few milliseconds, so that a page of thousands of shapes never
// holds the window: the visible ones first, then their neighbours. Pages far
// from the view wait until the list is scrolled to them, so a drawing of
// thousands of pages does not paint them all; each is painted once and kept.
class ThumbnailPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ThumbnailSide = 140;
    // Rows either side of the visible ones painted ahead of scrolling.
    static constexpr int PaintAheadRows = 40;
    // What one idle slice may spend painting.
    static constexpr int PaintSliceMs = 8;

    explicit ThumbnailPanel(QWidget *parent = nullptr);
    ~ThumbnailPanel() override;

    // Rebuilds the list, one item per rectangle (scene coordinates). With
    // the page groups, a thumbnail paints only its own page, even while the
    // group is hidden; without, it paints the scene region. A row of the
    // same size shows its old picture until the new one is painted.
    void updateThumbnails(QGraphicsScene *scene, const QList<QRectF> &pageRects,
                          const QList<QGraphicsItemGroup *> &pageGroups = {});
    void setCurrentSelectIndex(int index);
    void showSearchResults(const QList<SearchResult> &results);
    void showThumbnailList();

    bool isShowingSearchResults() const;
    // Selects the next (delta 1) or previous (-1) search result, wrapping
    // around, and goes to it as a click would. False without results.
    bool stepSearchResult(int delta);
    int thumbnailCount() const;
    // Thumbnails still showing their placeholder.
    int pendingThumbnailCount() const;
    // The page's content changed: its thumbnail is painted again, lazily.
    void refreshThumbnail(int index);
    // Paints every pending thumbnail now, and keeps them all.
    void renderAllThumbnails();

    // Largest size within ThumbnailSide x ThumbnailSide with the page's aspect.
    static QSize thumbnailSize(const QSizeF &pageSize);

signals:
    void pageClicked(int index);
    void searchResultClicked(int pageIndex, const QString &text);

public slots:
    void onTableItemClicked(QTableWidgetItem *item);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Thumbnail
    {
        QGraphicsItemGroup *group = nullptr;
        QRectF sourceRect;       // scene coordinates when the list was built
        QTransform groupPlacement; // the group's scene transform at that time
        QSize size;
        bool rendered = false;
    };

    // The thumbnail being painted, slice by slice.
    struct PaintJob
    {
        int row = -1;
        std::unique_ptr<PageThumbnailPainter> painter;
    };

    // Transparent, with the page's area white.
    static QImage blankCanvas(const Thumbnail &thumbnail);
    static QPixmap framed(QImage canvas, const Thumbnail &thumbnail);
    // Null when there is nothing to paint on the blank page.
    std::unique_ptr<PageThumbnailPainter> contentPainter(const Thumbnail &thumbnail) const;
    void startJob(int row);
    // True when the job's thumbnail is finished and shown.
    bool paintJob(int budgetMs);
    void renderThumbnail(int row);
    // First and last row in view, or {-1, -1}.
    std::pair<int, int> visibleRows() const;
    int nextRowToPaint(int firstVisible, int lastVisible) const;
    void renderTick();
    void requestVisibleCheck();

    QStackedWidget *m_stack = nullptr;
    QListWidget *m_thumbnailList = nullptr;
    QTableWidget *m_resultTable = nullptr;

    QPointer<QGraphicsScene> m_scene;
    QList<Thumbnail> m_thumbnails;
    QTimer *m_renderTimer = nullptr;
    PaintJob m_job;
    int m_pendingCount = 0;
};
