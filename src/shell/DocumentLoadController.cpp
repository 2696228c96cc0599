#include "DocumentLoadController.h"

#include "BrowserTabWidget.h"
#include "DocumentLoadJob.h"
#include "DocumentTabWidget.h"
#include "Log.h"
#include "LogStream.h"
#include "NativeMessageBox.h"
#include "PageSliceBuilder.h"

#include <QFileInfo>
#include <QGraphicsScene>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include <algorithm>

namespace {

// A ring filled as far as the load has got, with a turning gap so that the
// tab looks alive while a number stands still.
QIcon busyIcon(double fraction, int frame)
{
    constexpr int side = 16;
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring(2, 2, side - 4, side - 4);
    painter.setPen(QPen(QColor(205, 210, 218), 2.0));
    painter.drawEllipse(ring);
    painter.setPen(QPen(QColor(82, 115, 184), 2.0, Qt::SolidLine, Qt::RoundCap));
    const int span = int(std::clamp(fraction, 0.1, 1.0) * 300.0 * 16);
    painter.drawArc(ring, 90 * 16 - frame * 45 * 16, -span);
    return QIcon(pixmap);
}

} // namespace

DocumentLoadController::DocumentLoadController(BrowserTabWidget *tabs, QObject *parent)
    : QObject(parent)
    , m_tabs(tabs)
{
}

int DocumentLoadController::pendingCount() const
{
    const auto live = [](const auto &pointer) { return !pointer.isNull(); };
    return int(std::count_if(m_jobs.cbegin(), m_jobs.cend(), live)
               + std::count_if(m_builders.cbegin(), m_builders.cend(), live));
}

DocumentTabWidget *DocumentLoadController::open(const QString &path)
{
    if (!m_tabs)
        return nullptr;
    // A missing file or a folder gets no tab that would only vanish again.
    const OpenFailure::Reason problem = OpenFailure::checkAccess(path);
    if (problem != OpenFailure::None) {
        LogStream(Log::warn) << "Failed to load file:" << path << "- Reason:" << OpenFailure::logText(problem);
        emit loadFailed(path, problem);
        return nullptr;
    }
    const QString fileName = QFileInfo(path).fileName();
    auto *tab = new DocumentTabWidget(nullptr);
    tab->setFilePath(QFileInfo(path).absoluteFilePath());
    tab->showLoading(fileName);
    const int index = m_tabs->addTab(tab, busyIcon(0.0, 0), fileName);
    m_tabs->setTabToolTip(index, fileName);
    m_tabs->setCurrentWidget(tab);

    // The job belongs to the tab: closing the tab cancels it.
    auto *job = new DocumentLoadJob(path, tab);
    m_jobs.removeAll(nullptr);
    m_jobs.append(job);
    connect(job, &DocumentLoadJob::progressChanged, tab, [this, tab](double fraction) {
        tab->setLoadProgress(fraction);
        updateBusyIcon(tab, fraction);
    });
    connect(job, &DocumentLoadJob::finished, this, [this, tab, job] { onImported(tab, job); });
    connect(tab, &DocumentTabWidget::loadCancelRequested, this, [this, tab, job] {
        job->cancel();
        // Not from inside the button's own signal, which the tab owns.
        QTimer::singleShot(0, this, [this, tab = QPointer<DocumentTabWidget>(tab)] {
            closeTab(tab);
        });
    });
    emit tabOpened(tab);
    job->start();
    return tab;
}

void DocumentLoadController::updateBusyIcon(DocumentTabWidget *tab, double fraction)
{
    const int index = m_tabs ? m_tabs->indexOf(tab) : -1;
    if (index >= 0)
        m_tabs->setTabIcon(index, busyIcon(fraction, ++m_busyFrame % 8));
}

void DocumentLoadController::closeTab(DocumentTabWidget *tab)
{
    const int index = m_tabs && tab ? m_tabs->indexOf(tab) : -1;
    if (index >= 0)
        emit m_tabs->tabCloseRequested(index);
}

void DocumentLoadController::onImported(DocumentTabWidget *tab, DocumentLoadJob *job)
{
    // The job goes on its own; closing the tab below must not delete it
    // while it is still reporting.
    job->setParent(nullptr);
    job->deleteLater();
    const QString path = job->filePath();
    const VisioImporter::Result result = job->takeResult();

    switch (result.outcome) {
    case VisioImporter::Loaded:
        break;
    case VisioImporter::Unsupported:
    case VisioImporter::ParseFailed:
    case VisioImporter::Empty:
        // A drawing without pages is as unreadable to the user as a damaged
        // one; a tab that came and went without a word would leave them guessing.
        closeTab(tab);
        emit loadFailed(path, OpenFailure::fromOutcome(path, result.outcome));
        return;
    case VisioImporter::Cancelled:
        closeTab(tab);
        return;
    }

    auto *builder = new PageSliceBuilder(result.model, SceneDpi, tab);
    m_builders.removeAll(nullptr);
    m_builders.append(builder);
    QList<QRectF> pageRects;
    QList<QGraphicsItemGroup *> pageGroups;
    QGraphicsScene *scene = builder->createScene(&pageRects, &pageGroups);
    tab->initDocumentView(result.model.fileName, scene, pageRects, pageGroups);
    tab->view()->setDocumentTitle(result.model.title);
    emit imported(tab);

    connect(builder, &PageSliceBuilder::pageBuilt, tab, [this, tab](int index) {
        tab->pageBuilt(index);
        emit pageBuilt(tab, index);
    });
    connect(builder, &PageSliceBuilder::finished, tab, [this, tab, builder] {
        // The model copy is no longer needed once every page is built.
        builder->deleteLater();
        const int index = m_tabs ? m_tabs->indexOf(tab) : -1;
        if (index >= 0)
            m_tabs->setTabIcon(index, QIcon());
        emit documentReady(tab);
    });
    builder->start();
}

bool DocumentLoadController::completeForOutput(DocumentTabWidget *tab)
{
    if (!tab)
        return false;
    if (tab->isLoading()) {
        NativeMessageBox::info(tab->window(), tr("Still Opening"),
                               tr("The drawing is still being read. Try again when it is open."));
        return false;
    }
    for (const QPointer<PageSliceBuilder> &builder : std::as_const(m_builders)) {
        if (builder && builder->parent() == tab) {
            while (builder->buildSlice(1000)) {
            }
        }
    }
    return true;
}
