#include "MenuBarController.h"

#include "AppMenu.h"
#include "BrowserTabWidget.h"
#include "DocumentGraphicsView.h"
#include "DocumentTabWidget.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {
QAction *actionWithData(const QMenu *menu, int data)
{
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (!action->isSeparator() && action->data().toInt() == data)
            return action;
    }
    return nullptr;
}
} // namespace

MenuBarController::MenuBarController(QMainWindow *window, QWidget *toolbar, BrowserTabWidget *tabs,
                                     QLineEdit *searchBox, QAbstractButton *openButton)
    : QObject(window)
    , m_window(window)
    , m_toolbar(toolbar)
    , m_tabs(tabs)
    , m_searchBox(searchBox)
    , m_openButton(openButton)
    , m_appMenu(new AppMenu(this))
{
    QMenu *help = m_appMenu->createHelpMenu();
    m_appMenu->createDefaultMenu();
    QMenu *file = m_appMenu->createFileMenu();
    QMenu *edit = m_appMenu->editMenu();
    QMenu *bookmarks = m_appMenu->createBookmarksMenu();
    QMenu *view = m_appMenu->createViewMenu();
    m_windowMenu = m_appMenu->createWindowMenu();

    QMenuBar *bar = m_window->menuBar();
    for (QMenu *menu : {file, edit, view, bookmarks, m_windowMenu, help})
        bar->addMenu(menu);
    // The keys stay with the window whatever becomes of the menu bar.
    for (QMenu *menu : {file, edit, view, bookmarks, m_windowMenu, help})
        m_window->addActions(menu->actions());

    connect(file, &QMenu::triggered, this, &MenuBarController::onFileMenu);
    followEnabled(actionWithData(file, AppMenu::FileSaveAs), button("btnSave"));
    followEnabled(actionWithData(file, AppMenu::FileExtractImages), button("btnExport"));
    followEnabled(actionWithData(file, AppMenu::FilePrint), button("btnPrint"));

    connect(bookmarks, &QMenu::triggered, this, &MenuBarController::onBookmarksMenu);
    followEnabled(actionWithData(bookmarks, AppMenu::BookmarksAdd), button("btnBookmarks"));
    // The manager needs no open document, so it stays enabled with the toolbar off.

    connect(m_appMenu->findAction(), &QAction::triggered, this, &MenuBarController::focusSearchBox);

    const struct
    {
        AppMenu::ViewItem item;
        const char *button;
    } viewButtons[] = {
        {AppMenu::ViewSidePanel, "btnView"},
        {AppMenu::ViewSinglePage, "btnSinglePage"},
        {AppMenu::ViewTwoColumns, "btnDoublePage"},
        {AppMenu::ViewZoomIn, "btnZoomIn"},
        {AppMenu::ViewZoomOut, "btnZoomOut"},
        {AppMenu::ViewActualSize, "btnZoomToOne"},
        {AppMenu::ViewFitPage, "btnZoomToFit"},
        {AppMenu::ViewRotateLeft, "btnAllPageLeftRotate"},
        {AppMenu::ViewRotateRight, "btnAllPageRightRotate"},
        {AppMenu::ViewRotatePageLeft, "btnSinglePageLeftRotate"},
        {AppMenu::ViewRotatePageRight, "btnSinglePageRightRotate"},
    };
    for (const auto &entry : viewButtons)
        bindToButton(m_appMenu->viewAction(entry.item), button(entry.button));

    QAction *fitWidthAction = m_appMenu->viewAction(AppMenu::ViewFitWidth);
    connect(fitWidthAction, &QAction::triggered, this, &MenuBarController::fitWidth);
    followEnabled(fitWidthAction, button("btnZoomToFit"));
    connect(m_appMenu->viewAction(AppMenu::ViewFullScreen), &QAction::triggered, this,
            &MenuBarController::toggleFullScreen);

    connect(m_appMenu->windowAction(AppMenu::WindowNextTab), &QAction::triggered, this, [this] { stepTab(1); });
    connect(m_appMenu->windowAction(AppMenu::WindowPreviousTab), &QAction::triggered, this,
            [this] { stepTab(-1); });
    // Items that need an open tab.
    m_tabActions = {actionWithData(file, AppMenu::FileCloseTab), actionWithData(file, AppMenu::FileCloseAllTabs),
                    m_appMenu->viewAction(AppMenu::ViewReload)};
    for (int item = 0; item < AppMenu::WindowItemCount; ++item)
        m_tabActions.append(m_appMenu->windowAction(AppMenu::WindowItem(item)));
    m_tabActions.removeAll(nullptr);
    connect(m_windowMenu, &QMenu::aboutToShow, this, &MenuBarController::updateWindowMenu);
    connect(m_tabs, &QTabWidget::currentChanged, this, &MenuBarController::updateTabActions);
    connect(m_tabs, &BrowserTabWidget::allTabClosed, this, &MenuBarController::updateTabActions);
    updateTabActions();

    // Keys that act in the page view rather than through a menu.
    m_buttonKeys.insert(button("btnFirstPage"), QKeySequence(Qt::Key_Home));
    m_buttonKeys.insert(button("btnPreviousPage"), QKeySequence(Qt::Key_PageUp));
    m_buttonKeys.insert(button("btnNextPage"), QKeySequence(Qt::Key_PageDown));
    m_buttonKeys.insert(button("btnLastPage"), QKeySequence(Qt::Key_End));
    m_buttonKeys.remove(nullptr);
    refreshToolTips();

    m_window->installEventFilter(this);
    m_searchBox->installEventFilter(this);
}

QAbstractButton *MenuBarController::button(const char *name) const
{
    return m_toolbar->findChild<QAbstractButton *>(QString::fromLatin1(name));
}

void MenuBarController::followEnabled(QAction *action, QAbstractButton *button)
{
    if (!action || !button)
        return;
    m_bindings.append({action, button});
    action->setEnabled(button->isEnabled());
    button->installEventFilter(this);
    if (!action->shortcut().isEmpty())
        m_buttonKeys.insert(button, action->shortcut());
}

void MenuBarController::bindToButton(QAction *action, QAbstractButton *button)
{
    if (!action || !button)
        return;
    followEnabled(action, button);
    connect(action, &QAction::triggered, button, [action, button] {
        button->click();
        // A disabled button ignores the click; the item must not pretend otherwise.
        if (action->isCheckable())
            action->setChecked(button->isChecked());
    });
    if (action->isCheckable() && button->isCheckable()) {
        action->setChecked(button->isChecked());
        connect(button, &QAbstractButton::toggled, action, &QAction::setChecked);
    }
}

void MenuBarController::refreshToolTips()
{
    for (auto it = m_buttonKeys.cbegin(); it != m_buttonKeys.cend(); ++it)
        showKeyInToolTip(it.key(), it.value());
}

void MenuBarController::showKeyInToolTip(QAbstractButton *button, const QKeySequence &key)
{
    const QString suffix = QStringLiteral(" (%1)").arg(key.toString(QKeySequence::NativeText));
    const QString tip = button->toolTip();
    if (!tip.isEmpty() && !tip.endsWith(suffix))
        button->setToolTip(tip + suffix);
}

void MenuBarController::onFileMenu(QAction *action)
{
    QAbstractButton *target = nullptr;
    switch (action->data().toInt()) {
    case AppMenu::FileOpen:
        target = m_openButton;
        break;
    case AppMenu::FileSaveAs:
        target = button("btnSave");
        break;
    case AppMenu::FileExtractImages:
        target = button("btnExport");
        break;
    case AppMenu::FilePrint:
        target = button("btnPrint");
        break;
    case AppMenu::FileCloseTab:
        closeCurrentTab();
        return;
    case AppMenu::FileCloseAllTabs:
        closeAllTabs();
        return;
    case AppMenu::FileQuit:
        m_window->close();
        return;
    default:
        return;
    }
    if (target)
        target->click();
}

void MenuBarController::onBookmarksMenu(QAction *action)
{
    // The window's bookmark slots arrive with the bookmark dialogs; until
    // then the items stay disabled with the toolbar button.
    switch (action->data().toInt()) {
    case AppMenu::BookmarksAdd:
        QMetaObject::invokeMethod(m_window, "addBookmarks");
        break;
    case AppMenu::BookmarksManage:
        QMetaObject::invokeMethod(m_window, "manageBookmarks");
        break;
    default:
        break;
    }
}

void MenuBarController::fitWidth()
{
    if (auto *tab = qobject_cast<DocumentTabWidget *>(m_tabs->currentWidget()))
        tab->view()->fitToWidth();
}

void MenuBarController::toggleFullScreen()
{
    if (m_window->isFullScreen())
        m_window->showNormal();
    else
        m_window->showFullScreen();
}

void MenuBarController::focusSearchBox()
{
    m_searchBox->setFocus(Qt::ShortcutFocusReason);
    m_searchBox->selectAll();
}

void MenuBarController::stepTab(int delta)
{
    const int count = m_tabs->count();
    if (count < 2)
        return;
    m_tabs->setCurrentIndex(((m_tabs->currentIndex() + delta) % count + count) % count);
}

void MenuBarController::closeCurrentTab()
{
    const int index = m_tabs->currentIndex();
    if (index >= 0)
        emit m_tabs->tabCloseRequested(index);
}

void MenuBarController::closeAllTabs()
{
    for (int index = m_tabs->count() - 1; index >= 0; --index)
        emit m_tabs->tabCloseRequested(index);
}

void MenuBarController::updateTabActions()
{
    // The page keys act on the view: give it the keyboard unless the user is typing a search.
    auto *tab = qobject_cast<DocumentTabWidget *>(m_tabs->currentWidget());
    if (tab && !m_searchBox->hasFocus())
        tab->view()->setFocus(Qt::OtherFocusReason);

    const bool hasTabs = m_tabs->count() > 0;
    for (QAction *action : std::as_const(m_tabActions))
        action->setEnabled(hasTabs);
}

void MenuBarController::updateWindowMenu()
{
    delete m_tabEntries;
    m_tabEntries = new QActionGroup(m_windowMenu);
    QAction *before = m_windowMenu->actions().value(0);
    for (int i = 0; i < m_tabs->count(); ++i) {
        // Tab texts are file names: an ampersand is not a mnemonic.
        auto *entry = new QAction(m_tabs->tabText(i).replace(QLatin1Char('&'), QStringLiteral("&&")), m_tabEntries);
        entry->setCheckable(true);
        entry->setChecked(i == m_tabs->currentIndex());
        connect(entry, &QAction::triggered, m_tabs, [this, i] {
            if (i < m_tabs->count())
                m_tabs->setCurrentIndex(i);
        });
        m_windowMenu->insertAction(before, entry);
    }
}

bool MenuBarController::stepSearch(int delta)
{
    auto *tab = qobject_cast<DocumentTabWidget *>(m_tabs->currentWidget());
    if (!tab || m_searchBox->text().isEmpty())
        return false;
    if (tab->searchQuery() != m_searchBox->text()) {
        // A new query: list its results first, as Return does.
        if (delta < 0)
            return false;
        QMetaObject::invokeMethod(m_searchBox, "editingFinished");
    }
    return tab->stepSearchResult(delta);
}

bool MenuBarController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        for (const ButtonBinding &binding : std::as_const(m_bindings)) {
            if (binding.button == watched)
                binding.action->setEnabled(binding.button->isEnabled());
        }
    } else if (watched == m_window && event->type() == QEvent::WindowStateChange) {
        m_appMenu->viewAction(AppMenu::ViewFullScreen)->setChecked(m_window->isFullScreen());
    } else if (watched == m_searchBox && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
            // Return on a listed query steps to the next result; on a new
            // query it searches.
            auto *tab = qobject_cast<DocumentTabWidget *>(m_tabs->currentWidget());
            if (tab && !m_searchBox->text().isEmpty() && tab->searchQuery() == m_searchBox->text())
                return tab->stepSearchResult(1);
        } else if (key->key() == Qt::Key_F3 && modifiers == Qt::NoModifier) {
            stepSearch(1);
            return true;
        } else if (key->key() == Qt::Key_F3 && modifiers == Qt::ShiftModifier) {
            stepSearch(-1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
