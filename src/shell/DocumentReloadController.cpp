#include "DocumentReloadController.h"

#include "DocumentLoadController.h"
#include "DocumentLoadJob.h"
#include "DocumentTabWidget.h"
#include "PageSliceBuilder.h"

#include <QFileInfo>
#include <QGraphicsScene>
#include <QTimer>

#include <utility>

namespace {
// How often a finished reload looks again while the tab prints or saves.
constexpr int SwapRetryMs = 250;
} // namespace

DocumentReloadController::DocumentReloadController(DocumentLoadController *loader, QObject *parent)
    : QObject(parent)
    , m_watcher(new DrawingFileWatcher(this))
{
    connect(loader, &DocumentLoadController::tabOpened, this, &DocumentReloadController::track);
    connect(loader, &DocumentLoadController::documentReady, this, [this](DocumentTabWidget *tab) {
        auto it = m_sessions.find(tab);
        if (it == m_sessions.end())
            return;
        it->ready = true;
        if (std::exchange(it->reloadWhenReady, false))
            reload(tab);
    });
    connect(m_watcher, &DrawingFileWatcher::changing, this, &DocumentReloadController::onChanging);
    connect(m_watcher, &DrawingFileWatcher::settled, this, &DocumentReloadController::onSettled);
}

DocumentReloadController::~DocumentReloadController()
{
    // Tabs that outlive the controller must not call back into it.
    for (auto it = m_sessions.begin(); it != m_sessions.end(); ++it) {
        disconnect(it->tab, nullptr, this, nullptr);
        cancel(*it);
    }
}

void DocumentReloadController::track(DocumentTabWidget *tab)
{
    if (!tab || tab->filePath().isEmpty() || m_sessions.contains(tab))
        return;
    Session &session = m_sessions[tab];
    session.tab = tab;
    session.path = tab->filePath();
    // Taken before the first read ends, so that a change meanwhile shows.
    session.shown = DrawingFileWatcher::signatureOf(session.path);
    session.swapRetry = new QTimer(tab);
    session.swapRetry->setSingleShot(true);
    connect(session.swapRetry, &QTimer::timeout, this, [this, tab] { swapIn(tab); });
    m_watcher->watch(session.path);
    connect(tab, &QObject::destroyed, this, &DocumentReloadController::forget);
    connect(tab, &DocumentTabWidget::reloadRequested, this, [this, tab] { reload(tab); });
}

void DocumentReloadController::forget(QObject *tab)
{
    // The tab's children (job, builder, pending scene) go with it.
    auto it = m_sessions.find(tab);
    if (it == m_sessions.end())
        return;
    m_watcher->unwatch(it->path);
    m_sessions.erase(it);
}

QList<DocumentTabWidget *> DocumentReloadController::tabsShowing(const QString &path) const
{
    QList<DocumentTabWidget *> tabs;
    for (auto it = m_sessions.cbegin(); it != m_sessions.cend(); ++it) {
        if (it->path == path)
            tabs.append(it->tab);
    }
    return tabs;
}

bool DocumentReloadController::isReloading(DocumentTabWidget *tab) const
{
    const auto it = m_sessions.constFind(tab);
    return it != m_sessions.cend() && (it->job || it->builder || it->scene);
}

void DocumentReloadController::cancel(Session &session)
{
    if (session.job) {
        session.job->cancel();
        session.job->deleteLater();
    }
    delete session.builder;
    delete session.scene;
    session.pageRects.clear();
    session.pageGroups.clear();
    if (session.swapRetry)
        session.swapRetry->stop();
}

void DocumentReloadController::onChanging(const QString &path)
{
    // What is being read may be half-written already; it starts again once
    // the file is quiet.
    for (DocumentTabWidget *tab : tabsShowing(path))
        cancel(m_sessions[tab]);
}

void DocumentReloadController::onSettled(const QString &path)
{
    const DrawingFileWatcher::Signature now = DrawingFileWatcher::signatureOf(path);
    for (DocumentTabWidget *tab : tabsShowing(path)) {
        const Session &session = m_sessions[tab];
        if (now != session.shown || session.failed)
            reload(tab);
    }
}

void DocumentReloadController::reload(DocumentTabWidget *tab)
{
    auto it = m_sessions.find(tab);
    if (it == m_sessions.end())
        return;
    Session &session = *it;
    if (!session.ready) {
        session.reloadWhenReady = true;
        return;
    }
    cancel(session);
    const OpenFailure::Reason problem = OpenFailure::checkAccess(session.path);
    if (problem != OpenFailure::None) {
        fail(tab, problem);
        return;
    }
    session.reading = DrawingFileWatcher::signatureOf(session.path);
    auto *job = new DocumentLoadJob(session.path, tab);
    session.job = job;
    connect(job, &DocumentLoadJob::finished, this, [this, tab, job] { onRead(tab, job); });
    emit reloadStarted(tab);
    job->start();
}

void DocumentReloadController::onRead(DocumentTabWidget *tab, DocumentLoadJob *job)
{
    job->deleteLater();
    auto it = m_sessions.find(tab);
    if (it == m_sessions.end() || it->job != job)
        return;
    Session &session = *it;
    session.job = nullptr;
    VisioImporter::Result result = job->takeResult();
    if (result.outcome == VisioImporter::Cancelled)
        return;
    if (result.outcome != VisioImporter::Loaded) {
        fail(tab, OpenFailure::fromOutcome(session.path, result.outcome));
        return;
    }
    auto *builder = new PageSliceBuilder(result.model, DocumentLoadController::SceneDpi, tab);
    session.builder = builder;
    session.scene = builder->createScene(&session.pageRects, &session.pageGroups);
    // Until it is shown, the tab owns it; the view takes it over then.
    session.scene->setParent(tab);
    connect(builder, &PageSliceBuilder::finished, this, [this, tab, builder] {
        builder->deleteLater();
        auto it = m_sessions.find(tab);
        if (it != m_sessions.end() && it->builder == builder) {
            it->builder = nullptr;
            swapIn(tab);
        }
    });
    builder->start();
}

void DocumentReloadController::swapIn(DocumentTabWidget *tab)
{
    auto it = m_sessions.find(tab);
    if (it == m_sessions.end() || !it->scene || it->builder)
        return;
    Session &session = *it;
    // Printing or saving reads the old scene from an event loop of its own.
    if (tab->view()->isProducingOutput()) {
        session.swapRetry->start(SwapRetryMs);
        return;
    }
    QGraphicsScene *scene = session.scene;
    session.scene = nullptr;
    scene->setParent(nullptr);
    tab->replaceDocument(scene, session.pageRects, session.pageGroups);
    session.pageRects.clear();
    session.pageGroups.clear();
    session.shown = session.reading;
    session.failed = false;
    emit reloaded(tab);
}

void DocumentReloadController::fail(DocumentTabWidget *tab, OpenFailure::Reason reason)
{
    auto it = m_sessions.find(tab);
    if (it == m_sessions.end())
        return;
    it->failed = true;
    tab->showReloadProblem(tr("%1 could not be read again. %2 The tab shows the version read before.")
                               .arg(QFileInfo(it->path).fileName(), OpenFailure::describe(reason)));
    emit reloadFailed(tab, reason);
}
