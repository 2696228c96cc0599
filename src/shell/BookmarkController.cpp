#include "BookmarkController.h"

#include "BookmarkDialog.h"
#include "BookmarkListDialog.h"
#include "BookmarkManager.h"
#include "BookmarkStoreAlerts.h"
#include "BrowserTabWidget.h"
#include "DocumentLoadController.h"
#include "DocumentTabWidget.h"
#include "MainWindow.h"
#include "NativeMessageBox.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QThread>

#include <memory>

namespace {
const char *const kDocumentPathProperty = "bookmarkDocumentPath";
}

BookmarkController::BookmarkController(MainWindow *window, BrowserTabWidget *tabs,
                                       DocumentLoadController *loader)
    : QObject(window)
    , m_window(window)
    , m_tabs(tabs)
    , m_loader(loader)
{
    checkStoreInBackground();
}

BookmarkController::~BookmarkController()
{
    if (m_storeCheck)
        m_storeCheck->wait();
}

void BookmarkController::checkStoreInBackground()
{
    // A large store takes a moment to parse; start-up doesn't wait for it.
    auto copy = std::make_shared<QString>();
    m_storeCheck = QThread::create([copy] { *copy = BookmarkManager::instance()->setAsideIfDamaged(); });
    m_storeCheck->setParent(this);
    connect(m_storeCheck, &QThread::finished, this, [this, copy] {
        m_storeCheck->deleteLater();
        m_storeCheck = nullptr;
        if (copy->isEmpty())
            return;
        const BookmarkStoreAlerts::Alert alert = BookmarkStoreAlerts::damagedCopyKept(*copy);
        showStoreProblem(alert.title, alert.text);
    });
    m_storeCheck->start(QThread::LowPriority);
}

void BookmarkController::showStoreProblem(const QString &title, const QString &text)
{
    NativeMessageBox::warning(m_window, title, text);
}

void BookmarkController::rememberDocumentPath(QWidget *tab, const QString &path)
{
    if (tab)
        tab->setProperty(kDocumentPathProperty, QFileInfo(path).absoluteFilePath());
}

void BookmarkController::addBookmarkForCurrentTab()
{
    auto *tab = qobject_cast<DocumentTabWidget *>(m_tabs->currentWidget());
    if (!tab)
        return;
    auto *dialog = new BookmarkDialog(m_tabs->tabText(m_tabs->currentIndex()),
                                      tab->getDocumentPageNumber(), m_window);
    dialog->setDocumentPath(tab->property(kDocumentPathProperty).toString());
    connect(dialog, &BookmarkDialog::storeProblem, this, &BookmarkController::showStoreProblem);
    dialog->show();
    dialog->raise();
    dialog->nameEdit()->setFocus();
}

void BookmarkController::manageBookmarks()
{
    QList<QString> openFileNames;
    for (int i = 0; i < m_tabs->count(); ++i)
        openFileNames.append(m_tabs->tabText(i));

    BookmarkListDialog dialog(openFileNames, m_window);
    connect(&dialog, &BookmarkListDialog::storeProblem, this, &BookmarkController::showStoreProblem);
    connect(&dialog, &BookmarkListDialog::jumpToPage, this, &BookmarkController::goToBookmarkedPage);
    // Opened once the dialog is gone, not under it.
    connect(&dialog, &BookmarkListDialog::openDocumentAtPage, this,
            &BookmarkController::openClosedDocumentAtPage, Qt::QueuedConnection);
    dialog.exec();
}

void BookmarkController::goToBookmarkedPage(const QString &fileName, int page)
{
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (m_tabs->tabText(i) != fileName)
            continue;
        m_tabs->setCurrentIndex(i);
        if (auto *tab = qobject_cast<DocumentTabWidget *>(m_tabs->widget(i)))
            tab->goToPage(page);
    }
}

void BookmarkController::openClosedDocumentAtPage(const QString &path, int page)
{
    // The new tab is current at once, but its pages arrive later: go to the
    // page when it is built, or when the document is complete if it has
    // fewer pages. Only once, so later arrivals don't move the user.
    if (!m_window->loadVisioFile(path))
        return;
    const QPointer<DocumentTabWidget> tab = m_window->currentTabWidget();
    if (!tab || !m_loader)
        return;
    auto *arrival = new QObject(tab);
    auto go = [tab, page, arrival] {
        if (arrival->property("done").toBool())
            return;
        arrival->setProperty("done", true);
        arrival->deleteLater();
        if (tab)
            tab->goToPage(page);
    };
    connect(m_loader, &DocumentLoadController::pageBuilt, arrival,
            [tab, page, go](DocumentTabWidget *built, int index) {
                if (built == tab && index == page)
                    go();
            });
    connect(m_loader, &DocumentLoadController::documentReady, arrival,
            [tab, go](DocumentTabWidget *ready) {
                if (ready == tab)
                    go();
            });
}
