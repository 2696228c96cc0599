#pragma once

#include <QList>
#include <QObject>

class QAction;
class QActionGroup;
class QMenu;

// Builds the menu bar's menus and runs the items that concern no document:
// help links, the log folder, About, the update check, the interface
// language and the Edit items, which act on the focus widget. Items are told
// apart by their action data, read per menu.
class AppMenu : public QObject
{
    Q_OBJECT

public:
    // Action data of the File, Bookmarks and Help items.
    enum FileItem {
        FileOpen = 2,
        FileSaveAs = 5,
        FileExtractImages = 6,
        FilePrint = 7,
        FileQuit = 10,
        FileCloseTab = 11,
        FileCloseAllTabs = 12
    };
    enum BookmarksItem { BookmarksAdd = 8, BookmarksManage = 9 };
    enum SystemItem {
        SystemUserGuide = 1,
        SystemFaq = 2,
        SystemSupport = 3,
        SystemAbout = 4,
        SystemCheckUpdates = 5,
        SystemLogFolder = 6
    };
    enum ViewItem {
        ViewSidePanel,
        ViewSinglePage,
        ViewTwoColumns,
        ViewZoomIn,
        ViewZoomOut,
        ViewActualSize,
        ViewFitWidth,
        ViewFitPage,
        ViewRotateLeft,
        ViewRotateRight,
        ViewRotatePageLeft,
        ViewRotatePageRight,
        ViewFullScreen,
        ViewReload,
        ViewItemCount
    };
    enum WindowItem { WindowNextTab, WindowPreviousTab, WindowItemCount };

    explicit AppMenu(QObject *parent = nullptr);
    ~AppMenu() override;

    // Builders; the caller owns the returned menus. The File, Bookmarks,
    // View and Window menus are handled by the caller.
    QMenu *createDefaultMenu();
    QMenu *createFileMenu();
    QMenu *editMenu();
    QMenu *createViewMenu();
    QMenu *createBookmarksMenu();
    QMenu *createWindowMenu();
    QMenu *createHelpMenu();

    QMenu *getLanguageMenu() const;
    QAction *findAction() const { return m_find; }
    // File > Open Recent, empty; whoever keeps the list fills it.
    QMenu *recentMenu() const { return m_recentMenu; }
    QAction *viewAction(ViewItem item) const { return m_viewActions.value(item); }
    QAction *windowAction(WindowItem item) const { return m_windowActions.value(item); }

public slots:
    void onSystemMenuEvent(QAction *action);
    void retranslationUi();
    void languageSwitch();
    void setLanguageActionChecked(QAction *action);

private:
    QAction *addEditAction(const char *method, int standardKey);
    void runOnFocusWidget(const char *method);
    void showUpdateCheckResult();

    QMenu *m_defaultMenu = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_recentMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_bookmarksMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    QMenu *m_helpMenu = nullptr;

    QAction *m_language = nullptr;
    QAction *m_userGuide = nullptr;
    QAction *m_productFaq = nullptr;
    QAction *m_feedback = nullptr;
    QAction *m_showLog = nullptr;
    QAction *m_open = nullptr;
    QAction *m_closeTab = nullptr;
    QAction *m_closeAllTabs = nullptr;
    QAction *m_saveAs = nullptr;
    QAction *m_extractImages = nullptr;
    QAction *m_print = nullptr;
    QAction *m_quit = nullptr;
    QAction *m_checkUpdates = nullptr;
    QAction *m_about = nullptr;
    QAction *m_addBookmarks = nullptr;
    QAction *m_manageBookmarks = nullptr;
    QList<QAction *> m_editActions;
    QAction *m_find = nullptr;
    QList<QAction *> m_viewActions;
    QList<QAction *> m_windowActions;
    QActionGroup *m_languageGroup = nullptr;
};
