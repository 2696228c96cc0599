#include "ThumbnailPanel.h"

#include "PageThumbnailPainter.h"

#include <QEvent>
#include <QGraphicsItemGroup>
#include <QGraphicsScene>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace {

const QColor FrameColour(0xdc, 0xdc, 0xdc);
constexpr int HiddenPanelPollMs = 250;

int roundedSide(double value)
{
    if (!std::isfinite(value) || value <= 0.0)
        return 0;
    // Only the aspect ratio matters past this; keeps qRound inside int.
    return qRound(std::min(value, 1.0e8));
}

// The selected item is marked by its background; without its own Selected
// pixmap the icon view would tint the page blue.
QIcon thumbnailIcon(const QPixmap &pixmap)
{
    QIcon icon(pixmap);
    icon.addPixmap(pixmap, QIcon::Selected);
    return icon;
}

} // namespace

ThumbnailPanel::ThumbnailPanel(QWidget *parent)
    : QWidget(parent)
{
    setFixedWidth(200);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("thumbnailStack"));
    m_thumbnailList = new QListWidget(this);
    m_thumbnailList->setObjectName(QStringLiteral("thumbnailList"));
    m_thumbnailList->setIconSize(QSize(120, 160));
    m_thumbnailList->setViewMode(QListView::IconMode);
    m_thumbnailList->setMovement(QListView::Static);
    m_thumbnailList->setResizeMode(QListView::Adjust);
    m_thumbnailList->setSpacing(10);
    m_thumbnailList->setStyleSheet(QStringLiteral(
        "QListWidget { background-color: white; border: none; outline: 0; }"
        "QListWidget::item { background-color: transparent; color: black;"
        " border-radius: 5px; margin: 5px; }"
        "QListWidget::item:selected { background-color: #e0e0e0; color: white;"
        " border: 1px solid #d0d0d0; }"));

    m_resultTable = new QTableWidget(0, 2, this);
    m_resultTable->setObjectName(QStringLiteral("resultTable"));
    m_resultTable->setHorizontalHeaderLabels({tr("Page"), tr("Result")});
    m_resultTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_resultTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_resultTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_resultTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_resultTable->horizontalHeader()->setSectionsClickable(false);
    m_resultTable->verticalHeader()->setVisible(false);
    m_resultTable->setAlternatingRowColors(true);
    m_resultTable->setShowGrid(false);
    m_resultTable->setFrameShape(QFrame::NoFrame);
    m_resultTable->setStyleSheet(QStringLiteral(
        "QTableWidget { background-color: white; alternate-background-color: #f4f5f5;"
        " border: none; gridline-color: #F0F0F0; outline: 0; }"
        "QTableWidget::item { padding: 5px; color: #333333; border: 1px solid transparent; }"
        "QTableWidget::item:selected { background-color: #2a65d9; color: white;"
        " border: 1px solid transparent; }"
        "QHeaderView::section { background-color: white; padding: 4px; border: none;"
        " border-bottom: 1px solid #DCDCDC; border-right: 1px solid #DCDCDC;"
        " font-size: 12px; font-weight: normal; font-family: \"arial\"; color: black; }"
        "QHeaderView::section:last { border-right: none; }"));

    m_stack->addWidget(m_thumbnailList);
    m_stack->addWidget(m_resultTable);
    layout->addWidget(m_stack);

    connect(m_resultTable, &QTableWidget::itemClicked, this, &ThumbnailPanel::onTableItemClicked);
    connect(m_thumbnailList, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (item)
            emit pageClicked(m_thumbnailList->row(item));
    });

    m_renderTimer = new QTimer(this);
    m_renderTimer->setInterval(0);
    connect(m_renderTimer, &QTimer::timeout, this, &ThumbnailPanel::renderTick);
    connect(m_thumbnailList->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &ThumbnailPanel::requestVisibleCheck);
    m_thumbnailList->viewport()->installEventFilter(this);
}

ThumbnailPanel::~ThumbnailPanel() = default;

QSize ThumbnailPanel::thumbnailSize(const QSizeF &pageSize)
{
    const QSize rounded(roundedSide(pageSize.width()), roundedSide(pageSize.height()));
    if (rounded.isEmpty())
        return QSize(0, 0);
    return rounded.scaled(ThumbnailSide, ThumbnailSide, Qt::KeepAspectRatio);
}

void ThumbnailPanel::updateThumbnails(QGraphicsScene *scene, const QList<QRectF> &pageRects,
                                      const QList<QGraphicsItemGroup *> &pageGroups)
{
    m_renderTimer->stop();
    m_job = PaintJob();
    // Pages painted before stay up until they are painted again: a reload
    // or a new layout would otherwise blank the whole list at once, and a
    // large page takes a while to paint.
    QList<std::pair<QSize, QIcon>> painted(m_thumbnails.size());
    for (int row = 0; row < m_thumbnails.size(); ++row) {
        const Thumbnail &old = m_thumbnails.at(row);
        QListWidgetItem *item = m_thumbnailList->item(row);
        if (old.rendered && item)
            painted[row] = {old.size, item->icon()};
    }
    m_thumbnailList->clear();
    m_thumbnailList->setIconSize(QSize(ThumbnailSide, ThumbnailSide));
    m_thumbnails.clear();
    m_scene = scene;

    m_thumbnails.reserve(pageRects.size());
    // Blank pages of one size share one picture: a drawing of thousands of
    // pages would otherwise hold a pixmap per page before any is painted.
    std::map<std::pair<int, int>, QIcon> blankIcons;
    for (int i = 0; i < pageRects.size(); ++i) {
        const QRectF rect = pageRects.at(i);
        Thumbnail thumbnail;
        thumbnail.size = thumbnailSize(rect.size());
        thumbnail.sourceRect = rect;
        QGraphicsItemGroup *group = pageGroups.value(i);
        if (group && group->scene() == scene) {
            // Remember where the group stood, so that a later relayout (which
            // only moves groups) does not shift what a pending thumbnail shows.
            thumbnail.group = group;
            thumbnail.groupPlacement = group->sceneTransform();
        }
        thumbnail.rendered = !scene || thumbnail.size.isEmpty();
        m_thumbnails.append(thumbnail);

        QIcon icon;
        if (scene && i < painted.size() && painted.at(i).first == thumbnail.size)
            icon = painted.at(i).second;
        if (icon.isNull()) {
            QIcon &blank = blankIcons[{thumbnail.size.width(), thumbnail.size.height()}];
            if (blank.isNull())
                blank = thumbnailIcon(framed(blankCanvas(thumbnail), thumbnail));
            icon = blank;
        }
        auto *item = new QListWidgetItem(icon, QString::number(i + 1));
        item->setData(Qt::UserRole, i);
        item->setTextAlignment(Qt::AlignCenter);
        m_thumbnailList->addItem(item);
    }
    m_pendingCount = int(std::count_if(m_thumbnails.cbegin(), m_thumbnails.cend(),
                                       [](const Thumbnail &t) { return !t.rendered; }));
    if (m_pendingCount > 0)
        m_renderTimer->start();
}

QImage ThumbnailPanel::blankCanvas(const Thumbnail &thumbnail)
{
    const QSize size = thumbnail.size;
    QImage canvas(size.width() + 2, size.height() + 2, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    if (!size.isEmpty()) {
        QPainter painter(&canvas);
        painter.fillRect(QRectF(1, 1, size.width(), size.height()), Qt::white);
    }
    return canvas;
}

QPixmap ThumbnailPanel::framed(QImage canvas, const Thumbnail &thumbnail)
{
    if (!thumbnail.size.isEmpty()) {
        QPainter painter(&canvas);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(FrameColour, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.drawRect(QRectF(1, 1, thumbnail.size.width(), thumbnail.size.height()));
    }
    return QPixmap::fromImage(std::move(canvas));
}

std::unique_ptr<PageThumbnailPainter> ThumbnailPanel::contentPainter(const Thumbnail &thumbnail) const
{
    const QRectF target(1, 1, thumbnail.size.width(), thumbnail.size.height());
    const QRectF source = thumbnail.sourceRect;
    if (!m_scene || thumbnail.size.isEmpty() || !(source.width() > 0.0) || !(source.height() > 0.0))
        return nullptr;
    const double ratio = std::min(target.width() / source.width(), target.height() / source.height());
    if (!std::isfinite(ratio) || ratio <= 0.0)
        return nullptr;
    QImage canvas = blankCanvas(thumbnail);
    if (!thumbnail.group) {
        // Without page groups there is only the scene region to paint.
        QPainter painter(&canvas);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        painter.setClipRect(target);
        m_scene->render(&painter, target, source, Qt::KeepAspectRatio);
        painter.end();
        return std::make_unique<PageThumbnailPainter>(nullptr, QTransform(), target, canvas);
    }
    // Centred like a scene render with KeepAspectRatio: the rounded
    // thumbnail size leaves up to a pixel over on one axis.
    const double dx = (target.width() - source.width() * ratio) / 2.0;
    const double dy = (target.height() - source.height() * ratio) / 2.0;
    const QTransform base = QTransform()
                                .translate(target.left() + dx, target.top() + dy)
                                .scale(ratio, ratio)
                                .translate(-source.left(), -source.top());
    return std::make_unique<PageThumbnailPainter>(thumbnail.group, thumbnail.groupPlacement * base,
                                                  target, canvas);
}

bool ThumbnailPanel::paintJob(int budgetMs)
{
    if (!m_job.painter->paintFor(budgetMs))
        return false;
    const int row = m_job.row;
    const QPixmap pixmap = framed(m_job.painter->image(), m_thumbnails.at(row));
    m_job = PaintJob();
    m_thumbnails[row].rendered = true;
    --m_pendingCount;
    if (QListWidgetItem *item = m_thumbnailList->item(row))
        item->setIcon(thumbnailIcon(pixmap));
    return true;
}

void ThumbnailPanel::startJob(int row)
{
    const Thumbnail &thumbnail = m_thumbnails.at(row);
    m_job.row = row;
    m_job.painter = contentPainter(thumbnail);
    if (!m_job.painter)
        m_job.painter = std::make_unique<PageThumbnailPainter>(nullptr, QTransform(), QRectF(),
                                                               blankCanvas(thumbnail));
}

void ThumbnailPanel::renderThumbnail(int row)
{
    if (row < 0 || row >= m_thumbnails.size() || m_thumbnails.at(row).rendered)
        return;
    if (m_job.row != row)
        startJob(row);
    paintJob(-1);
}

std::pair<int, int> ThumbnailPanel::visibleRows() const
{
    const int count = m_thumbnailList->count();
    const QRect area = m_thumbnailList->viewport()->rect();
    if (count == 0 || area.isEmpty())
        return {-1, -1};
    // Rows are laid out in reading order, so their tops never go up: the
    // first row reaching into view is found by halving.
    int low = 0;
    int high = count;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (m_thumbnailList->visualItemRect(m_thumbnailList->item(middle)).bottom() < area.top())
            low = middle + 1;
        else
            high = middle;
    }
    if (low >= count)
        return {-1, -1};
    int last = low;
    while (last + 1 < count
           && m_thumbnailList->visualItemRect(m_thumbnailList->item(last + 1)).top() <= area.bottom())
        ++last;
    return {low, last};
}

int ThumbnailPanel::nextRowToPaint(int firstVisible, int lastVisible) const
{
    auto pending = [this](int row) {
        return row >= 0 && row < m_thumbnails.size() && !m_thumbnails.at(row).rendered;
    };
    for (int row = firstVisible; row <= lastVisible; ++row) {
        if (pending(row))
            return row;
    }
    // Then outwards, the rows just past the view first.
    for (int step = 1; step <= PaintAheadRows; ++step) {
        if (pending(lastVisible + step))
            return lastVisible + step;
        if (pending(firstVisible - step))
            return firstVisible - step;
    }
    return -1;
}

void ThumbnailPanel::renderTick()
{
    if (!m_scene) {
        // The document went away, and the items with it; what is painted
        // stays, the rest stays blank.
        m_job = PaintJob();
        m_renderTimer->stop();
        return;
    }
    // Nobody sees a closed panel; painting large pages for it would only hold
    // the window. It looks again now and then, and when it is resized or shown.
    if (!m_thumbnailList->isVisible() || m_thumbnailList->viewport()->visibleRegion().isEmpty()) {
        m_renderTimer->setInterval(HiddenPanelPollMs);
        return;
    }
    m_renderTimer->setInterval(0);
    if (m_job.row < 0) {
        const auto [first, last] = visibleRows();
        const int row = first < 0 ? -1 : nextRowToPaint(first, last);
        if (row < 0) {
            // Everything near the view is painted; scrolling starts it again.
            m_renderTimer->stop();
            return;
        }
        startJob(row);
    }
    paintJob(PaintSliceMs);
}

void ThumbnailPanel::refreshThumbnail(int index)
{
    if (index < 0 || index >= m_thumbnails.size() || !m_scene)
        return;
    Thumbnail &thumbnail = m_thumbnails[index];
    if (m_job.row == index) {
        // Painted so far from the old content.
        m_job = PaintJob();
        return;
    }
    if (!thumbnail.rendered || thumbnail.size.isEmpty())
        return;
    thumbnail.rendered = false;
    ++m_pendingCount;
    requestVisibleCheck();
}

void ThumbnailPanel::renderAllThumbnails()
{
    if (!m_scene) {
        m_job = PaintJob();
        return;
    }
    for (int row = 0; row < m_thumbnails.size(); ++row)
        renderThumbnail(row);
    m_renderTimer->stop();
}

void ThumbnailPanel::requestVisibleCheck()
{
    if (m_pendingCount > 0 && m_scene)
        m_renderTimer->start(0);
}

bool ThumbnailPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_thumbnailList->viewport()
        && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
        requestVisibleCheck();
    }
    return QWidget::eventFilter(watched, event);
}

int ThumbnailPanel::thumbnailCount() const
{
    return m_thumbnailList->count();
}

int ThumbnailPanel::pendingThumbnailCount() const
{
    return m_pendingCount;
}

void ThumbnailPanel::setCurrentSelectIndex(int index)
{
    if (index < 0 || index >= m_thumbnailList->count())
        return;
    m_thumbnailList->setCurrentRow(index);
    QListWidgetItem *item = m_thumbnailList->item(index);
    item->setSelected(true);
    m_thumbnailList->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

void ThumbnailPanel::showSearchResults(const QList<SearchResult> &results)
{
    m_resultTable->setRowCount(0);
    m_resultTable->setRowCount(int(results.size()));
    for (int row = 0; row < results.size(); ++row) {
        const SearchResult &result = results.at(row);
        auto *pageItem = new QTableWidgetItem(QString::number(result.pageIndex + 1));
        pageItem->setData(Qt::UserRole, result.pageIndex);
        m_resultTable->setItem(row, 0, pageItem);
        m_resultTable->setItem(row, 1, new QTableWidgetItem(result.text));
    }
    m_stack->setCurrentIndex(1);
}

void ThumbnailPanel::showThumbnailList()
{
    m_stack->setCurrentIndex(0);
    requestVisibleCheck();
}

bool ThumbnailPanel::isShowingSearchResults() const
{
    return m_stack->currentIndex() == 1;
}

bool ThumbnailPanel::stepSearchResult(int delta)
{
    const int count = m_resultTable->rowCount();
    if (!isShowingSearchResults() || count == 0 || delta == 0)
        return false;
    const int current = m_resultTable->currentRow();
    const int row = current < 0 ? (delta > 0 ? 0 : count - 1) : ((current + delta) % count + count) % count;
    m_resultTable->setCurrentCell(row, 1);
    onTableItemClicked(m_resultTable->item(row, 1));
    return true;
}

void ThumbnailPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_resultTable->setHorizontalHeaderLabels({tr("Page"), tr("Result")});
    QWidget::changeEvent(event);
}

void ThumbnailPanel::onTableItemClicked(QTableWidgetItem *item)
{
    if (!item || item->tableWidget() != m_resultTable)
        return;
    const int row = item->row();
    const QTableWidgetItem *pageItem = m_resultTable->item(row, 0);
    const QTableWidgetItem *textItem = m_resultTable->item(row, 1);
    if (row < 0 || !pageItem || !textItem)
        return;
    emit searchResultClicked(pageItem->data(Qt::UserRole).toInt(), textItem->text());
}
