#include "BookmarkController.h"

#include "BookmarkDialog.h"
#include "BookmarkListDialog.h"
#include "BookmarkManager.h"
#include "BookmarkStoreAlerts.h"
#include "BrowserTabWidget.h"
#include "DocumentTabWidget.h"
#include "MainWindow.h"
#include "NativeMessageBox.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QThread>

#include <memory>

namespace {
const char *const kDocumentPathProperty = "bookmarkDocumentPath";
}

BookmarkController::BookmarkController(MainWindow *window, BrowserTabWidget *tabs)
    : QObject(window)
    , m_window(window)
    , m_tabs(tabs)
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
    // Opening is synchronous today: the new tab is current once this returns.
    if (!m_window->loadVisioFile(path))
        return;
    if (DocumentTabWidget *tab = m_window->currentTabWidget())
        tab->goToPage(page);
}
