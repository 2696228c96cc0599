#include "DocumentGraphicsView.h"

#include "LayerVisibility.h"
#include "PageCorrespondence.h"
#include "VectorPictureItem.h"

#include <QGraphicsItemGroup>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QScreen>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcDocumentView, "plandraw.view", QtWarningMsg)

namespace {

constexpr int NavigationWindowMs = 100;
constexpr double RowGap = 30.0;
constexpr double HalfGutter = 10.0;
constexpr double PairGutter = 20.0;
constexpr double SinglePageSideMargin = 50.0;
constexpr double SinglePageBottomMargin = 20.0;
constexpr double ZoomInStep = 1.1;
constexpr double ZoomOutStep = 0.9;

bool isFiniteRect(const QRectF &r)
{
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width())
           && std::isfinite(r.height());
}

QGraphicsTextItem *asTextItem(QGraphicsItem *item)
{
    // qgraphicsitem_cast misses subclasses that declare their own type().
    QGraphicsObject *object = item ? item->toGraphicsObject() : nullptr;
    return object ? qobject_cast<QGraphicsTextItem *>(object) : nullptr;
}

// Single-page display hides the other pages, which would print blank.
class AllPagesShown
{
public:
    explicit AllPagesShown(const QList<QGraphicsItemGroup *> &groups)
        : m_groups(groups)
    {
        for (QGraphicsItemGroup *group : m_groups) {
            m_wasVisible.append(group && group->isVisible());
            if (group)
                group->setVisible(true);
        }
    }
    ~AllPagesShown()
    {
        for (int i = 0; i < m_groups.size(); ++i) {
            if (QGraphicsItemGroup *group = m_groups.at(i))
                group->setVisible(m_wasVisible.at(i));
        }
    }
    AllPagesShown(const AllPagesShown &) = delete;
    AllPagesShown &operator=(const AllPagesShown &) = delete;

private:
    QList<QGraphicsItemGroup *> m_groups;
    QList<bool> m_wasVisible;
};

// Counts an output that reads the scene for as long as it runs.
class OutputInProgress
{
public:
    explicit OutputInProgress(int &depth)
        : m_depth(depth)
    {
        ++m_depth;
    }
    ~OutputInProgress() { --m_depth; }
    OutputInProgress(const OutputInProgress &) = delete;
    OutputInProgress &operator=(const OutputInProgress &) = delete;

private:
    int &m_depth;
};

// The text a search looks at: a text item's, or the words a picture draws.
QString searchableText(QGraphicsItem *item)
{
    if (QGraphicsTextItem *textItem = asTextItem(item))
        return textItem->toPlainText();
    if (item && item->type() == VectorPictureItem::Type)
        return static_cast<VectorPictureItem *>(item)->text();
    return QString();
}

} // namespace

DocumentGraphicsView::DocumentGraphicsView(QWidget *parent)
    : QGraphicsView(parent)
{
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                   | QPainter::SmoothPixmapTransform);
    setInteractive(true);
    setRubberBandSelectionMode(Qt::IntersectsItemShape);
    setBackgroundBrush(QBrush(QColor(240, 240, 240)));
    setTransformationAnchor(QGraphicsView::AnchorViewCenter);
    setResizeAnchor(QGraphicsView::AnchorViewCenter);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setStyleSheet(QStringLiteral(
        "QGraphicsView { border: none; outline: none; }"
        "QGraphicsView QScrollBar:vertical, QGraphicsView QScrollBar:horizontal {"
        " background: transparent; width: 12px; height: 12px; }"
        "QGraphicsView QScrollBar::handle:vertical, QGraphicsView QScrollBar::handle:horizontal {"
        " background: #A0A0A0; border-radius: 5px; min-height: 20px; min-width: 20px; }"
        "QGraphicsView QScrollBar::handle:vertical:hover, QGraphicsView QScrollBar::handle:horizontal:hover {"
        " background: #808080; }"
        "QGraphicsView QScrollBar::add-line:vertical, QGraphicsView QScrollBar::sub-line:vertical,"
        " QGraphicsView QScrollBar::add-line:horizontal, QGraphicsView QScrollBar::sub-line:horizontal {"
        " border: none; background: none; height: 0px; width: 0px; }"
        "QGraphicsView QScrollBar:vertical { width: 10px; }"
        "QGraphicsView QScrollBar:horizontal { height: 10px; }"
        "QGraphicsView QScrollBar::add-page:vertical, QGraphicsView QScrollBar::sub-page:vertical,"
        " QGraphicsView QScrollBar::add-page:horizontal, QGraphicsView QScrollBar::sub-page:horizontal {"
        " background: none; }"));

    m_navigationTimer = new QTimer(this);
    m_navigationTimer->setSingleShot(true);
    m_navigationTimer->setInterval(NavigationWindowMs);
    connect(m_navigationTimer, &QTimer::timeout, this, [this] { m_isNavigating = false; });

    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (m_viewMode == Continuous && !m_layoutRects.isEmpty())
            updateCurrentPageFromScroll();
    });
}

DocumentGraphicsView::~DocumentGraphicsView()
{
    releaseScene();
    qCDebug(lcDocumentView) << "~DocumentGraphicsView";
}

void DocumentGraphicsView::releaseScene()
{
    QGraphicsScene *old = scene();
    if (!old)
        return;
    disconnect(old, nullptr, this, nullptr);
    // Detaching resets the scroll bars; with the pages still listed, tracking
    // would report a page change from a view being torn down.
    m_pageGroups.clear();
    m_pageRects.clear();
    m_layoutRects.clear();
    QGraphicsView::setScene(nullptr);
    old->clear();
    delete old;
}

void DocumentGraphicsView::setScene(QGraphicsScene *newScene)
{
    if (newScene != scene()) {
        // The page groups and rectangles describe the old scene; keeping them
        // would leave dangling pointers once it is gone.
        releaseScene();
        m_pageGroups.clear();
        m_pageRects.clear();
        m_layoutRects.clear();
        m_currentPage = 0;
        m_arranged = false;
        QGraphicsView::setScene(newScene);
        if (newScene) {
            connect(newScene, &QObject::destroyed, this, [this] {
                m_pageGroups.clear();
                m_pageRects.clear();
                m_layoutRects.clear();
            });
        }
    }
    m_zoomMode = ActualSize;
    setActualSize();
}

DocumentGraphicsView::ViewState DocumentGraphicsView::viewState() const
{
    ViewState state;
    state.page = m_currentPage;
    state.zoomMode = m_zoomMode;
    state.zoomFactor = m_zoomFactor;
    state.rotations = m_pageRotations;
    state.arranged = m_arranged;
    const QRectF page = m_layoutRects.value(m_currentPage);
    // The exact centre, as centerOn() takes it: QRect::center() is half a
    // pixel short, and each reload would move the view by a pixel.
    const QPointF centre = viewportTransform().inverted().map(QRectF(viewport()->rect()).center());
    state.centreInPage = centre - page.topLeft();
    return state;
}

void DocumentGraphicsView::replaceScene(QGraphicsScene *newScene, const QList<QRectF> &pageRects,
                                        const QList<QGraphicsItemGroup *> &pageGroups)
{
    // Before the old pages go: the page shown, its rotation and the layers
    // the user turned stay with their pages, wherever the new version has
    // put them.
    const ViewState old = viewState();
    ViewState state = old;
    // A page of the new version that none of the old ones became starts unturned.
    state.rotations = QList<int>(pageGroups.size(), 0);
    const QList<int> matches = PageCorrespondence::match(m_pageGroups, pageGroups);
    for (int i = 0; i < matches.size(); ++i) {
        const int to = matches.at(i);
        if (to < 0)
            continue;
        if (i == old.page)
            state.page = to;
        state.rotations[to] = old.rotations.value(i, 0);
        LayerVisibility::carryOverChoices(m_pageGroups.at(i), pageGroups.at(to));
    }
    setScene(newScene);
    setPageRects(pageRects);
    setPageGroups(pageGroups);
    restoreViewState(state);
}

void DocumentGraphicsView::restoreViewState(const ViewState &state)
{
    const int count = int(m_pageGroups.size());
    for (int i = 0; i < m_pageRotations.size(); ++i)
        m_pageRotations[i] = state.rotations.value(i, 0);
    m_currentPage = std::clamp(state.page, 0, std::max(0, count - 1));
    // Scrolling below must not move the current page.
    m_isNavigating = true;
    m_navigationTimer->start();
    if (state.arranged)
        updatePageLayout();
    m_zoomMode = state.zoomMode;
    if (m_zoomMode == FitPage)
        autoFitPage();
    else
        applyScale(state.zoomFactor);
    const QRectF page = m_layoutRects.value(m_currentPage);
    if (m_currentPage == state.page && isFiniteRect(page) && std::isfinite(state.centreInPage.x())
        && std::isfinite(state.centreInPage.y())) {
        // Kept inside the page, which may have shrunk.
        const QPointF inPage(std::clamp(state.centreInPage.x(), 0.0, page.width()),
                             std::clamp(state.centreInPage.y(), 0.0, page.height()));
        centerOn(page.topLeft() + inPage);
    } else {
        scrollToCurrentPage();
    }
    // The side panel rebuilds its list first, then marks the page in it.
    emit layoutUpdated();
    emit currentPageChanged(m_currentPage);
}

void DocumentGraphicsView::setPageRects(const QList<QRectF> &rects)
{
    m_pageRects = rects;
    m_currentPage = 0;
    initLayoutRects();
    scrollToCurrentPage();
    m_initialScrollPending = !isVisible();
}

void DocumentGraphicsView::initLayoutRects()
{
    m_layoutRects = m_pageRects;
}

void DocumentGraphicsView::setPageGroups(const QList<QGraphicsItemGroup *> &groups)
{
    m_pageGroups = groups;
    if (m_pageRotations.size() != m_pageGroups.size())
        m_pageRotations = QList<int>(m_pageGroups.size(), 0);
}

void DocumentGraphicsView::setFileName(const QString &name)
{
    m_fileName = name;
}

// ---- modes and zoom -------------------------------------------------------

void DocumentGraphicsView::setViewMode(ViewMode mode)
{
    if (mode == m_viewMode)
        return;
    m_viewMode = mode;
    updatePageLayout();
}

void DocumentGraphicsView::setLayoutMode(PageLayout layout)
{
    if (layout == m_layoutMode)
        return;
    m_layoutMode = layout;
    updatePageLayout();
}

void DocumentGraphicsView::setZoomMode(ZoomMode mode)
{
    m_zoomMode = mode;
    if (mode == ActualSize)
        setActualSize();
    else
        autoFitPage();
}

double DocumentGraphicsView::actualSizeScale()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    if (!std::isfinite(dpi) || dpi <= 0.0)
        return 1.0;
    return dpi / 96.0;
}

void DocumentGraphicsView::setActualSize()
{
    applyScale(actualSizeScale());
}

void DocumentGraphicsView::applyScale(double scale)
{
    if (!std::isfinite(scale) || scale <= 0.0)
        return;
    setTransform(QTransform::fromScale(scale, scale));
    m_zoomFactor = scale;
}

void DocumentGraphicsView::stepZoom(double factor)
{
    const double base = actualSizeScale();
    const double lowest = base * MinimumRelativeZoom;
    const double highest = base * MaximumRelativeZoom;
    double current = m_zoomFactor;
    if (!std::isfinite(current) || current <= 0.0)
        current = base;
    double target = current * factor;
    // A fit may have left the scale outside the bounds; a step never moves
    // further out, nor jumps the wrong way.
    if (factor > 1.0)
        target = std::max(current, std::min(target, highest));
    else
        target = std::min(current, std::max(target, lowest));
    applyScale(target);
    m_zoomMode = ActualSize;
}

void DocumentGraphicsView::zoomIn()
{
    stepZoom(ZoomInStep);
}

void DocumentGraphicsView::zoomOut()
{
    stepZoom(ZoomOutStep);
}

double DocumentGraphicsView::availableViewportWidth() const
{
    return double(viewport()->width() - 4);
}

double DocumentGraphicsView::availableViewportHeight() const
{
    return double(viewport()->height() - 4);
}

QRectF DocumentGraphicsView::documentBoundingRect() const
{
    // The union of the page groups equals the scene's items bounding
    // rectangle for a built document, without visiting every item.
    QRectF bounds;
    bool any = false;
    for (QGraphicsItemGroup *group : m_pageGroups) {
        if (!group)
            continue;
        bounds = any ? bounds.united(group->sceneBoundingRect()) : group->sceneBoundingRect();
        any = true;
    }
    if (!any && scene())
        bounds = scene()->itemsBoundingRect();
    return bounds;
}

int DocumentGraphicsView::clampedPageIndex(int count) const
{
    return std::clamp(m_currentPage, 0, std::max(0, count - 1));
}

void DocumentGraphicsView::fitToWidth()
{
    if (m_pageRects.isEmpty() || !scene())
        return;
    const double width = documentBoundingRect().width();
    const double available = availableViewportWidth();
    if (available > 0.0 && width > 0.0)
        applyScale(available / width);
}

void DocumentGraphicsView::fitToHeight()
{
    if (m_pageRects.isEmpty() || !scene())
        return;
    double height = 0.0;
    const int n = int(m_layoutRects.size());
    if (n > 0) {
        if (m_layoutMode == TwoColumns) {
            const int first = (clampedPageIndex(n) / 2) * 2;
            height = m_layoutRects.at(first).height();
            if (first + 1 < n)
                height = std::max(height, m_layoutRects.at(first + 1).height());
        } else {
            height = m_layoutRects.at(clampedPageIndex(n)).height();
        }
    }
    const double available = availableViewportHeight();
    if (available > 0.0 && height > 0.0)
        applyScale(available / height);
}

void DocumentGraphicsView::autoFitPage()
{
    if (m_zoomMode != FitPage)
        return;
    double w = 0.0;
    double h = 0.0;
    const int n = int(m_layoutRects.size());
    if (!m_pageRects.isEmpty() && n > 0) {
        if (m_layoutMode == TwoColumns) {
            const int first = (clampedPageIndex(n) / 2) * 2;
            const QRectF left = m_layoutRects.at(first);
            w = left.width();
            h = left.height();
            if (first + 1 < n) {
                const QRectF right = m_layoutRects.at(first + 1);
                w = right.width() + left.width() + 2 * PairGutter;
                h = std::max(right.height(), left.height());
            }
        } else {
            const QRectF r = m_layoutRects.at(clampedPageIndex(n));
            w = r.width();
            h = r.height();
        }
    }
    const double freeWidth = viewport()->width() - 20.0;
    const double freeHeight = viewport()->height() - 20.0;
    // Height wins when the row is relatively taller than the viewport; a
    // degenerate row falls back to the width fit, which guards itself.
    bool heightWins = false;
    if (w > 0.0 && h > 0.0)
        heightWins = freeWidth / w > freeHeight / h;
    else if (w <= 0.0 && h > 0.0)
        heightWins = freeWidth > 0.0;
    if (heightWins)
        fitToHeight();
    else
        fitToWidth();
}

// ---- rotation and layout ----------------------------------------------------

QSizeF DocumentGraphicsView::getRotatedPageSize(int index) const
{
    if (index < 0 || index >= m_pageRects.size())
        return QSizeF(0, 0);
    const QSizeF size = m_pageRects.at(index).size();
    const int rotation = index < m_pageRotations.size() ? m_pageRotations.at(index) : 0;
    return rotation % 180 == 0 ? size : size.transposed();
}

static int turned(int degrees, bool clockwise)
{
    int value = (degrees + (clockwise ? 90 : -90)) % 360;
    if (value < 0)
        value += 360;
    return value;
}

void DocumentGraphicsView::rotatePage(bool clockwise)
{
    if (m_currentPage >= 0 && m_currentPage < m_pageRotations.size())
        m_pageRotations[m_currentPage] = turned(m_pageRotations.at(m_currentPage), clockwise);
    updatePageLayout();
    emit layoutUpdated();
}

void DocumentGraphicsView::rotateAllPages(bool clockwise)
{
    for (int &rotation : m_pageRotations)
        rotation = turned(rotation, clockwise);
    updatePageLayout();
    emit layoutUpdated();
}

void DocumentGraphicsView::preparePageItems(double *maxLeft, double *maxRight)
{
    for (int i = 0; i < m_pageGroups.size(); ++i) {
        QGraphicsItemGroup *group = m_pageGroups.at(i);
        if (!group)
            continue;
        const int rotation = i < m_pageRotations.size() ? m_pageRotations.at(i) : 0;
        const QRectF page = i < m_pageRects.size() ? m_pageRects.at(i) : QRectF();
        group->setTransformOriginPoint(page.center());
        group->setRotation(rotation);
        const double width = getRotatedPageSize(i).width();
        if (m_layoutMode == TwoColumns && i % 2 == 1)
            *maxRight = std::max(*maxRight, width);
        else
            *maxLeft = std::max(*maxLeft, width);
    }
}

void DocumentGraphicsView::placePageItem(int index, double x, double y)
{
    QGraphicsItemGroup *group = m_pageGroups.value(index);
    if (!group)
        return;
    group->setPos(0, 0);
    const QRectF bounds = group->sceneBoundingRect();
    if (!isFiniteRect(bounds))
        return;
    group->setPos(QPointF(x, y) - bounds.topLeft());
}

void DocumentGraphicsView::layoutSingleColumn(double maxWidth)
{
    double y = 0.0;
    for (int i = 0; i < m_pageGroups.size(); ++i) {
        const QSizeF size = getRotatedPageSize(i);
        const double x = m_viewMode == Continuous ? (maxWidth - size.width()) / 2.0 : 0.0;
        placePageItem(i, x, y);
        y += size.height() + RowGap;
    }
}

void DocumentGraphicsView::layoutTwoColumns(double maxLeft, double maxRight)
{
    double y = 0.0;
    const int n = int(m_pageGroups.size());
    for (int i = 0; i < n; i += 2) {
        const QSizeF left = getRotatedPageSize(i);
        const double leftX = m_viewMode == Continuous
                                 ? -(left.width() / 2.0 + maxLeft / 2.0 + HalfGutter)
                                 : -(left.width() + HalfGutter);
        placePageItem(i, leftX, y);
        if (i + 1 >= n) {
            y += left.height() + RowGap;
            break;
        }
        const QSizeF right = getRotatedPageSize(i + 1);
        const double rightX = m_viewMode == Continuous
                                  ? maxRight / 2.0 + HalfGutter - right.width() / 2.0
                                  : HalfGutter;
        placePageItem(i + 1, rightX, y);
        y += std::max(right.height(), left.height()) + RowGap;
    }
}

void DocumentGraphicsView::updateLayoutRects()
{
    m_layoutRects.resize(m_pageGroups.size());
    for (int i = 0; i < m_pageGroups.size(); ++i) {
        QGraphicsItemGroup *group = m_pageGroups.at(i);
        m_layoutRects[i] = group ? group->sceneBoundingRect() : m_pageRects.value(i);
    }
}

void DocumentGraphicsView::updatePageLayout()
{
    if (m_pageGroups.isEmpty())
        return;
    m_arranged = true;
    double maxLeft = 0.0;
    double maxRight = 0.0;
    preparePageItems(&maxLeft, &maxRight);
    if (m_layoutMode == TwoColumns)
        layoutTwoColumns(maxLeft, maxRight);
    else
        layoutSingleColumn(maxLeft);
    updateLayoutRects();
    refreshViewDisplay();
}

void DocumentGraphicsView::refreshViewDisplay()
{
    if (m_viewMode == SinglePage)
        updateViewForSinglePageMode();
    else
        updateViewForContinuousMode();
    autoFitPage();
}

void DocumentGraphicsView::updateViewForContinuousMode()
{
    for (QGraphicsItemGroup *group : m_pageGroups) {
        if (group)
            group->setVisible(true);
    }
    if (scene()) {
        const QRectF bounds = documentBoundingRect();
        if (isFiniteRect(bounds))
            scene()->setSceneRect(bounds);
        scene()->update();
    }
    scrollToCurrentPage();
    qCDebug(lcDocumentView) << "m_currentPage " << m_currentPage;
    viewport()->update();
}

QRectF DocumentGraphicsView::pairRect(int first) const
{
    if (first < 0 || first >= m_layoutRects.size())
        return QRectF(0, 0, 0, 0);
    const QRectF left = m_layoutRects.at(first);
    if (first + 1 >= m_layoutRects.size())
        return left;
    const QRectF right = m_layoutRects.at(first + 1);
    return QRectF(-PairGutter - left.width(), left.y(),
                  right.width() + left.width() + 2 * PairGutter,
                  std::max(right.height(), left.height()));
}

void DocumentGraphicsView::updateViewForSinglePageMode()
{
    if (m_viewMode != SinglePage || m_pageGroups.isEmpty())
        return;
    const int n = int(m_pageGroups.size());
    const int current = clampedPageIndex(n);
    int first = current;
    int last = current;
    if (m_layoutMode == TwoColumns) {
        first = (current / 2) * 2;
        last = std::min(first + 1, n - 1);
    }
    for (int i = 0; i < n; ++i) {
        if (QGraphicsItemGroup *group = m_pageGroups.at(i))
            group->setVisible(i >= first && i <= last);
    }

    QRectF sceneArea(0, 0, 0, 0);
    if (!m_pageRects.isEmpty() && !m_layoutRects.isEmpty()) {
        if (m_layoutMode == TwoColumns) {
            const QRectF pair = pairRect(first);
            const double half = std::max(std::abs(pair.x()), std::abs(pair.x() + pair.width()));
            sceneArea = QRectF(-SinglePageSideMargin - half, pair.y(),
                               2 * (half + SinglePageSideMargin),
                               pair.height() + SinglePageBottomMargin);
        } else {
            sceneArea = m_layoutRects.at(clampedPageIndex(int(m_layoutRects.size())));
        }
    }
    if (scene() && isFiniteRect(sceneArea))
        scene()->setSceneRect(sceneArea);
    viewport()->update();
}

// ---- navigation -------------------------------------------------------------

int DocumentGraphicsView::pageStep() const
{
    return m_layoutMode == TwoColumns ? 2 : 1;
}

void DocumentGraphicsView::goToPage(int page)
{
    if (page < 0 || page >= m_pageRects.size())
        return;
    m_isNavigating = true;
    m_currentPage = page;
    if (m_viewMode == SinglePage)
        updateViewForSinglePageMode();
    scrollToCurrentPage();
    if (m_zoomMode == FitPage) {
        autoFitPage();
        // The fit rescales about the viewport centre; bring the page top back.
        scrollToCurrentPage();
    }
    emit currentPageChanged(m_currentPage);
    m_navigationTimer->start();
}

void DocumentGraphicsView::goToFirstPage()
{
    if (m_pageRects.isEmpty())
        return;
    if (m_viewMode == SinglePage) {
        goToPage(0);
        return;
    }
    m_currentPage = 0;
    scrollToCurrentPage();
    emit currentPageChanged(m_currentPage);
}

void DocumentGraphicsView::goToLastPage()
{
    const int count = int(std::min(m_pageRects.size(), m_pageGroups.size()));
    if (count == 0)
        return;
    if (m_viewMode == SinglePage) {
        goToPage(count - 1);
        return;
    }
    m_currentPage = count - 1;
    scrollToCurrentPage();
    emit currentPageChanged(m_currentPage);
}

void DocumentGraphicsView::goToNextPage()
{
    const int target = m_currentPage + pageStep();
    if (target < m_pageRects.size())
        goToPage(target);
}

void DocumentGraphicsView::goToPreviousPage()
{
    const int target = m_currentPage - pageStep();
    if (target >= 0)
        goToPage(target);
}

void DocumentGraphicsView::scrollToCurrentPage()
{
    if (m_currentPage < 0 || m_currentPage >= m_layoutRects.size())
        return;
    const QRectF rect = m_layoutRects.at(m_currentPage);
    if (rect.width() == 0.0 && rect.height() == 0.0)
        return;
    scrollToPageTop(rect);
}

void DocumentGraphicsView::scrollToPageTop(const QRectF &rect)
{
    if (!isFiniteRect(rect))
        return;
    // Mapped in floating point: a far-off page at high zoom lies beyond the
    // int range, where an integer point would wrap and scroll the wrong way.
    const QPointF corner = viewportTransform().map(rect.topLeft());
    auto scrollBy = [](QScrollBar *bar, double offset) {
        if (!std::isfinite(offset))
            return;
        const double value = std::clamp(bar->value() + std::round(offset),
                                        double(bar->minimum()), double(bar->maximum()));
        bar->setValue(int(value));
    };
    scrollBy(verticalScrollBar(), corner.y());
    scrollBy(horizontalScrollBar(), corner.x());
}

QRectF DocumentGraphicsView::currentPageRect() const
{
    if (m_pageRects.isEmpty())
        return QRectF(0, 0, 0, 0);
    return m_pageRects.at(clampedPageIndex(int(m_pageRects.size())));
}

QRectF DocumentGraphicsView::currentRowRect() const
{
    if (m_pageRects.isEmpty() || m_layoutRects.isEmpty())
        return QRectF(0, 0, 0, 0);
    const int current = clampedPageIndex(int(m_layoutRects.size()));
    if (m_layoutMode == TwoColumns)
        return pairRect((current / 2) * 2);
    return m_layoutRects.at(current);
}

int DocumentGraphicsView::getCurrentPageNumber() const
{
    qCDebug(lcDocumentView) << "current page" << m_currentPage;
    return m_currentPage;
}

void DocumentGraphicsView::updateCurrentPageFromScroll()
{
    if (m_isNavigating || m_initialScrollPending || m_layoutRects.isEmpty())
        return;
    const QPoint centre((viewport()->width() - 1) / 2, (viewport()->height() - 1) / 2);
    const double y = mapToScene(centre).y();
    int page = -1;
    for (int i = 0; i < m_layoutRects.size(); ++i) {
        const QRectF r = m_layoutRects.at(i);
        if (r.top() <= y && y <= r.top() + r.height()) {
            page = i;
            break;
        }
    }
    if (page < 0) {
        const QRectF last = m_layoutRects.last();
        if (y < m_layoutRects.first().top())
            page = 0;
        else if (y <= last.top() + last.height())
            return; // in a gap between pages
        else
            page = int(m_layoutRects.size()) - 1;
    }
    if (page != m_currentPage) {
        m_currentPage = page;
        emit currentPageChanged(page);
    }
}

// ---- events -----------------------------------------------------------------

void DocumentGraphicsView::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    autoFitPage();
}

void DocumentGraphicsView::showEvent(QShowEvent *event)
{
    QGraphicsView::showEvent(event);
    if (m_initialScrollPending) {
        m_initialScrollPending = false;
        scrollToCurrentPage();
    }
}

void DocumentGraphicsView::wheelEvent(QWheelEvent *event)
{
    const int dy = event->angleDelta().y();
    if (event->modifiers() & Qt::ControlModifier) {
        stepZoom(dy > 0 ? ZoomInStep : ZoomOutStep);
        event->accept();
        return;
    }
    if (m_viewMode == SinglePage) {
        const QScrollBar *bar = verticalScrollBar();
        if (dy < 0 && bar->value() >= bar->maximum()) {
            const int target = m_currentPage + pageStep();
            if (target < m_pageRects.size())
                goToPage(target);
            event->accept();
            return;
        }
        if (dy >= 1 && bar->value() <= bar->minimum()) {
            const int target = m_currentPage - pageStep();
            if (target >= 0)
                goToPage(target);
            event->accept();
            return;
        }
    }
    QGraphicsView::wheelEvent(event);
}

void DocumentGraphicsView::keyPressEvent(QKeyEvent *event)
{
    // Page keys page through a single-page display; continuous display
    // scrolls by a screen, as the scroll area does.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && !m_pageRects.isEmpty()) {
        switch (event->key()) {
        case Qt::Key_PageDown:
            if (m_viewMode != SinglePage)
                break;
            goToNextPage();
            event->accept();
            return;
        case Qt::Key_PageUp:
            if (m_viewMode != SinglePage)
                break;
            goToPreviousPage();
            event->accept();
            return;
        case Qt::Key_Home:
            goToFirstPage();
            event->accept();
            return;
        case Qt::Key_End:
            goToLastPage();
            event->accept();
            return;
        default:
            break;
        }
    }
    QGraphicsView::keyPressEvent(event);
}

// ---- search -----------------------------------------------------------------

QList<SearchResult> DocumentGraphicsView::searchText(const QString &query)
{
    QList<SearchResult> results;
    if (query.isEmpty())
        return results;
    for (int page = 0; page < m_pageGroups.size(); ++page) {
        QGraphicsItemGroup *group = m_pageGroups.at(page);
        if (!group)
            continue;
        const QList<QGraphicsItem *> children = group->childItems();
        for (QGraphicsItem *child : children) {
            // Nothing on a hidden layer is found.
            if (!child->isVisibleTo(group))
                continue;
            const QString text = searchableText(child);
            if (!text.isEmpty() && text.indexOf(query, 0, Qt::CaseInsensitive) >= 0)
                results.append(SearchResult{page, text});
        }
    }
    return results;
}

void DocumentGraphicsView::highlightAndGoToItem(int pageIndex, const QString &text)
{
    if (pageIndex < 0 || pageIndex >= m_pageGroups.size())
        return;
    QGraphicsItemGroup *group = m_pageGroups.at(pageIndex);
    if (!group)
        return;

    const QString wanted = text.trimmed();
    QList<QGraphicsItem *> candidates;
    const QList<QGraphicsItem *> children = group->childItems();
    for (QGraphicsItem *child : children) {
        if (!child->isVisibleTo(group))
            continue;
        const QString candidate = searchableText(child);
        if (!candidate.isEmpty() && candidate.trimmed() == wanted)
            candidates.append(child);
    }
    if (candidates.isEmpty()) {
        goToPage(pageIndex);
        return;
    }

    const int next = m_searchMatchIndex + 1;
    m_searchMatchIndex = next >= 0 && next < candidates.size() ? next : 0;
    QGraphicsItem *chosenItem = candidates.at(m_searchMatchIndex);

    if (scene())
        scene()->clearSelection();
    // Go first: a page hidden by single-page display cannot take selection or focus.
    goToPage(pageIndex);
    chosenItem->setSelected(true);
    centerOn(chosenItem->sceneBoundingRect().center());
    // A picture shows the hit while it has focus; text selects its characters.
    QGraphicsTextItem *chosen = asTextItem(chosenItem);
    if (!chosen) {
        chosenItem->setFocus(Qt::OtherFocusReason);
        return;
    }
    QTextCursor cursor = chosen->textCursor();
    cursor.select(QTextCursor::Document);
    chosen->setTextCursor(cursor);
    chosen->setFocus(Qt::OtherFocusReason);
}

void DocumentGraphicsView::printDocument()
{
    OutputInProgress output(m_outputDepth);
    AllPagesShown shown(m_pageGroups);
    DocumentPrinter::print(scene(), m_layoutRects, this);
}

void DocumentGraphicsView::exportToPdf()
{
    OutputInProgress output(m_outputDepth);
    AllPagesShown shown(m_pageGroups);
    DocumentPrinter::saveAsPdf(m_fileName, scene(), m_layoutRects, this, m_documentTitle);
}

EmbeddedImageExporter::Result DocumentGraphicsView::exportAllEmbeddedImages(
    const QString &baseDir, const DocumentPrinter::PageProgress &progress)
{
    OutputInProgress output(m_outputDepth);
    return EmbeddedImageExporter::exportAll(m_pageGroups, m_fileName, baseDir, progress);
}
