#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>

class AppMenu;
class BrowserTabWidget;
class QAbstractButton;
class QAction;
class QActionGroup;
class QLineEdit;
class QMainWindow;
class QMenu;

// Puts the AppMenu's menus into the main window's menu bar and ties the
// document items to the toolbar: an item clicks its toolbar button and
// follows its enabled and checked state, so a button that gains a feature
// brings its menu item along. Also gives the toolbar tool tips their keys,
// lists the open tabs in the Window menu and steps through search results
// from the search box.
class MenuBarController : public QObject
{
    Q_OBJECT

public:
    MenuBarController(QMainWindow *window, QWidget *toolbar, BrowserTabWidget *tabs,
                      QLineEdit *searchBox, QAbstractButton *openButton);

    AppMenu *appMenu() const { return m_appMenu; }
    QMenu *windowMenu() const { return m_windowMenu; }

    // The tool tips with their keys; call again after the form re-read its texts.
    void refreshToolTips();
    // Rebuilds the Window menu's list of tabs.
    void updateWindowMenu();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ButtonBinding
    {
        QAction *action;
        QAbstractButton *button;
    };

    QAbstractButton *button(const char *name) const;
    void bindToButton(QAction *action, QAbstractButton *button);
    void followEnabled(QAction *action, QAbstractButton *button);
    void showKeyInToolTip(QAbstractButton *button, const QKeySequence &key);
    void onFileMenu(QAction *action);
    void onBookmarksMenu(QAction *action);
    void fitWidth();
    void toggleFullScreen();
    void focusSearchBox();
    void stepTab(int delta);
    void closeCurrentTab();
    void closeAllTabs();
    void updateTabActions();
    bool stepSearch(int delta);

    QMainWindow *m_window = nullptr;
    QWidget *m_toolbar = nullptr;
    BrowserTabWidget *m_tabs = nullptr;
    QLineEdit *m_searchBox = nullptr;
    QAbstractButton *m_openButton = nullptr;
    AppMenu *m_appMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    QActionGroup *m_tabEntries = nullptr;
    QList<ButtonBinding> m_bindings;
    QList<QAction *> m_tabActions;
    QHash<QAbstractButton *, QKeySequence> m_buttonKeys;
};
