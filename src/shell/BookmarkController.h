#pragma once

#include <QObject>
#include <QString>

class BrowserTabWidget;
class DocumentLoadController;
class MainWindow;
class QThread;
class QWidget;

// The main window's side of the bookmarks: the add overlay for the current
// page, the management dialog, its jumps to pages, and the start-up check
// that keeps a damaged store aside.
class BookmarkController : public QObject
{
    Q_OBJECT

public:
    BookmarkController(MainWindow *window, BrowserTabWidget *tabs, DocumentLoadController *loader);
    ~BookmarkController() override;

    // Remembers where a tab's document came from, to store with its bookmarks.
    void rememberDocumentPath(QWidget *tab, const QString &path);

    void addBookmarkForCurrentTab();
    void manageBookmarks();

    // Makes every tab of that exact name current in turn and goes to the page
    // there, so with two tabs of one name the later one ends current.
    void goToBookmarkedPage(const QString &fileName, int page);
    // A bookmark whose document is closed: opens it, then goes to the page.
    void openClosedDocumentAtPage(const QString &path, int page);

private:
    void checkStoreInBackground();
    void showStoreProblem(const QString &title, const QString &text);

    MainWindow *m_window = nullptr;
    BrowserTabWidget *m_tabs = nullptr;
    DocumentLoadController *m_loader = nullptr;
    QThread *m_storeCheck = nullptr;
};
