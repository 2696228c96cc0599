#pragma once

#include "OpenFailure.h"

#include <QMainWindow>

class BookmarkController;
class DocumentLoadController;
class DocumentReloadController;
class RecentFilesMenu;
class DocumentTabWidget;
class MenuBarController;

namespace Ui {
class MainWindow;
}

// The application window: a start page inviting the user to add files, or a
// strip of browser-style tabs, one per open document, under a toolbar that
// acts on the current tab.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Opens a new current tab for the file at once and reads it in the
    // background. A failure later raises its own alert and takes the tab away.
    // Returns whether a tab was opened.
    bool loadVisioFile(const QString &path);

    DocumentTabWidget *currentTabWidget() const;
    // Every widget under the toolbar.
    void setToolbarWidgetsEnabled(bool enabled);

public slots:
    // A path handed in from outside the window (command line, desktop).
    void openFile(const QString &path);
    // The add overlay for the current tab's page, and the bookmark manager.
    void addBookmarks();
    void manageBookmarks();

signals:
    void sizeChangeRequested(int width, int height);
    void applyMacTitleBarFix();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_btnOpenFile_clicked();
    void on_btnView_clicked();
    void on_btnZoomOut_clicked();
    void on_btnZoomIn_clicked();
    void on_btnZoomToOne_clicked();
    void on_btnZoomToFit_clicked();
    void on_btnDoublePage_clicked();
    void on_btnSinglePage_clicked();
    void on_btnFirstPage_clicked();
    void on_btnLastPage_clicked();
    void on_btnPreviousPage_clicked();
    void on_btnNextPage_clicked();
    void on_btnAllPageLeftRotate_clicked();
    void on_btnAllPageRightRotate_clicked();
    void on_btnSinglePageLeftRotate_clicked();
    void on_btnSinglePageRightRotate_clicked();
    void on_btnBookmarks_clicked();
    void on_btnPrint_clicked();
    void on_btnSave_clicked();
    void on_btnExport_clicked();

private:
    void onSearchEditingFinished();
    void onAllTabClosed();
    void syncToggleButtons();
    void showOpenFailed(const QString &path, OpenFailure::Reason reason);
    void updateWindowTitle();

    Ui::MainWindow *ui = nullptr;
    MenuBarController *m_menuBar = nullptr;
    BookmarkController *m_bookmarks = nullptr;
    DocumentLoadController *m_loader = nullptr;
    DocumentReloadController *m_reload = nullptr;
    RecentFilesMenu *m_recent = nullptr;
};
