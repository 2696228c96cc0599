#pragma once

#include "SearchResult.h"

#include <QList>
#include <QPointer>
#include <QRectF>
#include <QSize>
#include <QTransform>
#include <QWidget>

#include <utility>

class QGraphicsItemGroup;
class QGraphicsScene;
class QListWidget;
class QPixmap;
class QStackedWidget;
class QTableWidget;
class QTableWidgetItem;
class QTimer;

// The side panel of a document tab: page thumbnails, or the search results.
//
// Thumbnails appear at once as blank pages and are painted lazily, one per
// idle slice: the visible ones first, then their neighbours. Pages far from
// the view wait until the list is scrolled to them, so a drawing of
// thousands of pages does not paint them all; each is painted once and kept.
class ThumbnailPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ThumbnailSide = 140;
    // Rows either side of the visible ones painted ahead of scrolling.
    static constexpr int PaintAheadRows = 40;

    explicit ThumbnailPanel(QWidget *parent = nullptr);
    ~ThumbnailPanel() override;

    // Rebuilds the list, one item per rectangle (scene coordinates). With
    // the page groups, a thumbnail paints only its own page, even while the
    // group is hidden; without, it paints the scene region.
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

    QPixmap paintThumbnail(const Thumbnail &thumbnail, bool withContent) const;
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
    int m_pendingCount = 0;
};
