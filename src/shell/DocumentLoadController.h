#pragma once

#include "OpenFailure.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class BrowserTabWidget;
class DocumentLoadJob;
class DocumentTabWidget;
class PageSliceBuilder;

// Opens drawings without holding the window: each file gets its tab at once,
// in the order asked for, is read on a pool thread while its tab shows the
// progress, and is then built page by page in short slices. Closing a tab or
// its Cancel button ends its load; a failed load takes its tab away.
class DocumentLoadController : public QObject
{
    Q_OBJECT

public:
    static constexpr double SceneDpi = 96.0;

    explicit DocumentLoadController(BrowserTabWidget *tabs, QObject *parent = nullptr);

    // The new current tab, still loading; none when the file cannot be read
    // at all, which loadFailed() reports at once.
    DocumentTabWidget *open(const QString &path);
    // Files still being read or built.
    int pendingCount() const;
    // Before a tab is printed or saved: builds its remaining pages at once, so
    // no placeholder reaches the paper. False, after telling the user, while
    // the file is still being read.
    bool completeForOutput(DocumentTabWidget *tab);

signals:
    void tabOpened(DocumentTabWidget *tab);
    // The drawing was read; its pages are still being built.
    void imported(DocumentTabWidget *tab);
    void pageBuilt(DocumentTabWidget *tab, int index);
    // Every page of the tab's document is built.
    void documentReady(DocumentTabWidget *tab);
    // Its tab, if it had one, is gone. Logged by the import.
    void loadFailed(const QString &path, OpenFailure::Reason reason);

private:
    void onImported(DocumentTabWidget *tab, DocumentLoadJob *job);
    void updateBusyIcon(DocumentTabWidget *tab, double fraction);
    void closeTab(DocumentTabWidget *tab);

    QPointer<BrowserTabWidget> m_tabs;
    QList<QPointer<DocumentLoadJob>> m_jobs;
    QList<QPointer<PageSliceBuilder>> m_builders;
    int m_busyFrame = 0;
};
