#pragma once

#include "DrawingFileWatcher.h"
#include "OpenFailure.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRectF>

class DocumentLoadController;
class DocumentLoadJob;
class DocumentTabWidget;
class PageSliceBuilder;
class QGraphicsItemGroup;
class QGraphicsScene;
class QTimer;

// Reads a tab's drawing again, on request (View > Reload, the reload bar's
// Retry) or by itself once the file has changed on disk and the writing has
// settled. The new version is read on a pool thread and built in slices out
// of sight; only when it is complete does it take the old one's place, so a
// tab is never empty or half-built. A version that cannot be read leaves the
// old one in view with a bar that says why. A change while a reload runs
// ends that reload; the next starts when the file is quiet again.
class DocumentReloadController : public QObject
{
    Q_OBJECT

public:
    // Follows every tab the loader opens.
    explicit DocumentReloadController(DocumentLoadController *loader, QObject *parent = nullptr);
    ~DocumentReloadController() override;

    DrawingFileWatcher *watcher() const { return m_watcher; }
    // Starts again if a reload is running. A tab still opening reloads once
    // it is complete.
    void reload(DocumentTabWidget *tab);
    bool isReloading(DocumentTabWidget *tab) const;

signals:
    void reloadStarted(DocumentTabWidget *tab);
    void reloaded(DocumentTabWidget *tab);
    void reloadFailed(DocumentTabWidget *tab, OpenFailure::Reason reason);

private:
    struct Session
    {
        DocumentTabWidget *tab = nullptr;
        QString path;
        // The file as it was when the version shown was read.
        DrawingFileWatcher::Signature shown;
        DrawingFileWatcher::Signature reading;
        bool ready = false;
        bool reloadWhenReady = false;
        bool failed = false;
        QPointer<DocumentLoadJob> job;
        QPointer<PageSliceBuilder> builder;
        QPointer<QGraphicsScene> scene;
        QList<QRectF> pageRects;
        QList<QGraphicsItemGroup *> pageGroups;
        QTimer *swapRetry = nullptr;
    };

    void track(DocumentTabWidget *tab);
    void forget(QObject *tab);
    void onChanging(const QString &path);
    void onSettled(const QString &path);
    void onRead(DocumentTabWidget *tab, DocumentLoadJob *job);
    void swapIn(DocumentTabWidget *tab);
    void fail(DocumentTabWidget *tab, OpenFailure::Reason reason);
    void cancel(Session &session);
    QList<DocumentTabWidget *> tabsShowing(const QString &path) const;

    DrawingFileWatcher *m_watcher = nullptr;
    // Keyed by the tab as a QObject, which is all it still is when it
    // reports its destruction.
    QHash<const QObject *, Session> m_sessions;
};
