#include "PageSliceBuilder.h"

#include "FreedMemory.h"
#include "LayerVisibility.h"
#include "VisioSceneBuilder.h"

#include <QElapsedTimer>
#include <QGraphicsItemGroup>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QPen>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>

namespace {
// Records built between two looks at the clock.
constexpr int RecordsPerStep = 48;
const QColor PlaceholderFill(250, 250, 250);
const QColor PlaceholderOutline(225, 225, 225);
} // namespace

PageSliceBuilder::PageSliceBuilder(const VisioDocumentModel &model, double dpi, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_dpi(dpi)
    , m_pageCount(int(model.pages.size()))
{
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (buildSlice(m_sliceMs))
            m_timer->start();
    });
}

PageSliceBuilder::~PageSliceBuilder()
{
    // The staging group belongs to the scene, which may already be gone.
    if (m_scene && m_staging)
        delete m_staging;
}

QGraphicsScene *PageSliceBuilder::createScene(QList<QRectF> *pageRects,
                                              QList<QGraphicsItemGroup *> *pageGroups)
{
    if (m_scene)
        return nullptr;
    auto *scene = new QGraphicsScene();
    m_scene = scene;
    // With the index depth left to the scene, every page that arrives grows
    // it past a power of two and rebuilds it from scratch; sized for the whole
    // document at once, each page only adds its own items.
    qint64 records = 0;
    for (const VisioPage &page : std::as_const(m_model.pages))
        records += VisioSceneBuilder::pageRecordCount(page);
    scene->setBspTreeDepth(std::clamp(int(std::log2(double(std::max<qint64>(records, 2)))), 1, 20));
    VisioSceneBuilder::addPageGroups(scene, m_model, &m_rects, &m_groups, m_dpi);
    for (int i = 0; i < m_groups.size(); ++i) {
        auto *placeholder = new QGraphicsRectItem(m_rects.at(i));
        placeholder->setPen(QPen(PlaceholderOutline, 0));
        placeholder->setBrush(PlaceholderFill);
        placeholder->setAcceptedMouseButtons(Qt::NoButton);
        m_groups.at(i)->addToGroup(placeholder);
        m_placeholders.append(placeholder);
    }
    scene->setSceneRect(scene->itemsBoundingRect());
    // Pages are built here, hidden and at the scene's origin as buildScene()
    // builds them; the view may have moved and turned their groups meanwhile.
    m_staging = new QGraphicsItemGroup();
    m_staging->setVisible(false);
    scene->addItem(m_staging);
    if (pageRects)
        pageRects->append(m_rects);
    if (pageGroups)
        pageGroups->append(m_groups);
    return scene;
}

bool PageSliceBuilder::buildSlice(int budgetMs)
{
    if (!m_scene) {
        m_page = pageCount();
        return false;
    }
    if (m_page >= pageCount() && !m_staging)
        return false;
    QElapsedTimer clock;
    clock.start();
    const int firstPage = m_page;
    while (m_page < pageCount()) {
        const VisioPage &page = m_model.pages.at(m_page);
        const int total = VisioSceneBuilder::pageRecordCount(page);
        const int end = std::min(total, m_record + RecordsPerStep);
        VisioSceneBuilder::buildPageRecords(page, m_staging, m_rects.at(m_page).top(), m_dpi,
                                            m_record, end);
        m_record = end;
        if (m_record >= total)
            finishPage();
        if (clock.elapsed() >= budgetMs)
            break;
    }
    // Clearing up waits for a turn of its own, so that it never adds to a
    // slice that has already used its time.
    if (m_page < pageCount() || m_page > firstPage)
        return true;
    delete m_staging;
    m_staging = nullptr;
    qDeleteAll(m_placeholders);
    m_placeholders.clear();
    releaseModel();
    emit finished();
    return false;
}

void PageSliceBuilder::finishPage()
{
    QGraphicsItemGroup *group = m_groups.at(m_page);
    // Deleting an indexed item makes the scene's next index update walk the
    // whole index; one page at a time, that grows with the square of the
    // page count. Hidden now, they all go at once when the last page is in.
    m_placeholders.at(m_page)->setVisible(false);
    // childItems() lists by stacking order, so equal z values keep theirs.
    const QList<QGraphicsItem *> items = m_staging->childItems();
    for (QGraphicsItem *item : items)
        item->setParentItem(group);
    // Layers the user turned while the page was a placeholder.
    if (LayerVisibility::hasLayers(group))
        LayerVisibility::apply(group, LayerVisibility::Screen);
    const int built = m_page;
    ++m_page;
    m_record = 0;
    emit pageBuilt(built);
}

void PageSliceBuilder::releaseModel()
{
    // Freeing tens of thousands of records takes a while; the pool does it.
    const QFuture<void> freed = QtConcurrent::run(
        [](VisioDocumentModel model) {
            model = VisioDocumentModel();
            FreedMemory::returnToSystem();
        },
        std::move(m_model));
    Q_UNUSED(freed)
    m_model = VisioDocumentModel();
}

void PageSliceBuilder::start(int sliceMs)
{
    m_sliceMs = std::max(1, sliceMs);
    if (!isFinished())
        m_timer->start();
}
