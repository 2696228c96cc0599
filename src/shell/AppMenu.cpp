#include "AppMenu.h"

#include "About.h"
#include "AppConfig.h"
#include "MultiLanguage.h"
#include "NativeMessageBox.h"
#include "ProductConstants.h"
#include "UpdatesService.h"
#include "UserFolders.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QUrl>

namespace {
QAction *addItem(QMenu *menu, int data, const QKeySequence &key = QKeySequence())
{
    QAction *action = menu->addAction(QString());
    action->setData(data);
    if (!key.isEmpty())
        action->setShortcut(key);
    return action;
}

void openLink(const QString &link)
{
    if (!link.isEmpty())
        QDesktopServices::openUrl(QUrl(link));
}
} // namespace

AppMenu::AppMenu(QObject *parent)
    : QObject(parent)
{
    connect(MultiLanguage::instance(), &MultiLanguage::languageChanged, this, &AppMenu::retranslationUi);
}

AppMenu::~AppMenu()
{
    // The menus have no parent; the language submenu hangs off an action.
    delete getLanguageMenu();
    delete m_defaultMenu;
    delete m_fileMenu;
    delete m_editMenu;
    delete m_viewMenu;
    delete m_bookmarksMenu;
    delete m_windowMenu;
    delete m_helpMenu;
}

QMenu *AppMenu::createDefaultMenu()
{
    // There is no application menu here: About and Check for Updates close
    // the Help menu, which createHelpMenu() builds. This menu stays empty.
    if (!m_defaultMenu)
        m_defaultMenu = new QMenu(nullptr);
    return m_defaultMenu;
}

QMenu *AppMenu::createFileMenu()
{
    m_fileMenu = new QMenu(nullptr);
    m_open = addItem(m_fileMenu, FileOpen, QKeySequence(Qt::CTRL | Qt::Key_O));
    m_recentMenu = new QMenu(m_fileMenu);
    m_fileMenu->addMenu(m_recentMenu);
    m_fileMenu->addSeparator();
    m_closeTab = addItem(m_fileMenu, FileCloseTab);
    m_closeTab->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)});
    m_closeAllTabs = addItem(m_fileMenu, FileCloseAllTabs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
    m_fileMenu->addSeparator();
    m_saveAs = addItem(m_fileMenu, FileSaveAs, QKeySequence(Qt::CTRL | Qt::Key_S));
    m_extractImages = addItem(m_fileMenu, FileExtractImages, QKeySequence(Qt::CTRL | Qt::Key_E));
    m_fileMenu->addSeparator();
    m_print = addItem(m_fileMenu, FilePrint, QKeySequence(Qt::CTRL | Qt::Key_P));
    m_fileMenu->addSeparator();
    m_quit = addItem(m_fileMenu, FileQuit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_quit->setMenuRole(QAction::QuitRole);
    retranslationUi();
    return m_fileMenu;
}

QAction *AppMenu::addEditAction(const char *method, int standardKey)
{
    QAction *action = m_editMenu->addAction(QString());
    action->setShortcuts(QKeySequence::keyBindings(QKeySequence::StandardKey(standardKey)));
    connect(action, &QAction::triggered, this, [this, method] { runOnFocusWidget(method); });
    m_editActions.append(action);
    return action;
}

QMenu *AppMenu::editMenu()
{
    if (m_editMenu)
        return m_editMenu;
    m_editMenu = new QMenu(nullptr);
    addEditAction("undo", QKeySequence::Undo);
    addEditAction("redo", QKeySequence::Redo);
    m_editMenu->addSeparator();
    addEditAction("cut", QKeySequence::Cut);
    addEditAction("copy", QKeySequence::Copy);
    addEditAction("paste", QKeySequence::Paste);
    addEditAction("selectAll", QKeySequence::SelectAll);
    m_editMenu->addSeparator();
    m_find = m_editMenu->addAction(QString());
    m_find->setShortcuts(QKeySequence::Find);
    retranslationUi();
    return m_editMenu;
}

void AppMenu::runOnFocusWidget(const char *method)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return;
    // Asking first keeps Qt from warning about widgets without the method.
    const QByteArray signature = QByteArray(method) + "()";
    if (focus->metaObject()->indexOfMethod(signature.constData()) >= 0) {
        QMetaObject::invokeMethod(focus, method);
        return;
    }
    // Selectable labels have no copy slot of their own.
    if (qstrcmp(method, "copy") == 0) {
        auto *label = qobject_cast<QLabel *>(focus);
        if (label && label->hasSelectedText())
            QGuiApplication::clipboard()->setText(label->selectedText());
    }
}

QMenu *AppMenu::createViewMenu()
{
    m_viewMenu = new QMenu(nullptr);
    const QList<QKeySequence> none;
    const QList<QList<QKeySequence>> keys = {
        {QKeySequence(Qt::Key_F9)},
        none,
        none,
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        {QKeySequence(Qt::CTRL | Qt::Key_0)},
        none,
        none,
        {QKeySequence(Qt::CTRL | Qt::Key_L)},
        {QKeySequence(Qt::CTRL | Qt::Key_R)},
        none,
        none,
        {QKeySequence(Qt::Key_F11)},
        {QKeySequence(Qt::Key_F5)},
    };
    for (int item = 0; item < ViewItemCount; ++item) {
        if (item == ViewSinglePage || item == ViewZoomIn || item == ViewRotateLeft || item == ViewFullScreen
            || item == ViewReload)
            m_viewMenu->addSeparator();
        QAction *action = m_viewMenu->addAction(QString());
        action->setShortcuts(keys.at(item));
        action->setCheckable(item == ViewSidePanel || item == ViewSinglePage || item == ViewTwoColumns
                             || item == ViewFullScreen);
        m_viewActions.append(action);
    }
    retranslationUi();
    return m_viewMenu;
}

QMenu *AppMenu::createBookmarksMenu()
{
    m_bookmarksMenu = new QMenu(nullptr);
    m_addBookmarks = addItem(m_bookmarksMenu, BookmarksAdd);
    m_addBookmarks->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_manageBookmarks = addItem(m_bookmarksMenu, BookmarksManage);
    m_manageBookmarks->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
    retranslationUi();
    return m_bookmarksMenu;
}

QMenu *AppMenu::createWindowMenu()
{
    // The open tabs go above these items; the caller lists them.
    m_windowMenu = new QMenu(nullptr);
    m_windowMenu->addSeparator();
    QAction *next = m_windowMenu->addAction(QString());
    next->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    QAction *previous = m_windowMenu->addAction(QString());
    // X11 reports Shift+Tab as Backtab; the first key is the one menus show.
    previous->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                            QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    m_windowActions = {next, previous};
    retranslationUi();
    return m_windowMenu;
}

QMenu *AppMenu::createHelpMenu()
{
    m_helpMenu = new QMenu(nullptr);
    m_language = new QAction(m_helpMenu);
    m_userGuide = new QAction(m_helpMenu);
    m_productFaq = new QAction(m_helpMenu);
    m_feedback = new QAction(m_helpMenu);
    m_showLog = new QAction(m_helpMenu);
    m_checkUpdates = new QAction(m_helpMenu);
    m_about = new QAction(m_helpMenu);
    m_about->setMenuRole(QAction::AboutRole);

    if (!g_link_guide.isEmpty())
        m_helpMenu->addAction(m_userGuide);
    // The FAQ has no place of its own; the support page answers it.
    m_helpMenu->addAction(m_feedback);
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(m_language);
    m_helpMenu->addAction(m_showLog);
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(m_checkUpdates);
    m_helpMenu->addAction(m_about);

    m_userGuide->setData(SystemUserGuide);
    m_productFaq->setData(SystemFaq);
    m_feedback->setData(SystemSupport);
    m_about->setData(SystemAbout);
    m_checkUpdates->setData(SystemCheckUpdates);
    m_showLog->setData(SystemLogFolder);
    connect(m_helpMenu, &QMenu::triggered, this, &AppMenu::onSystemMenuEvent);

    auto *languageMenu = new QMenu(nullptr);
    m_languageGroup = new QActionGroup(languageMenu);
    m_languageGroup->setExclusive(true);
    const int current = MultiLanguage::instance()->currentIndex();
    for (const MultiLanguage::Language &language : MultiLanguage::languages()) {
        QAction *action = languageMenu->addAction(language.label);
        action->setCheckable(true);
        action->setData(language.index);
        m_languageGroup->addAction(action);
        connect(action, &QAction::triggered, this, &AppMenu::languageSwitch);
        if (language.index == current)
            setLanguageActionChecked(action);
    }
    m_language->setMenu(languageMenu);
    retranslationUi();
    return m_helpMenu;
}

QMenu *AppMenu::getLanguageMenu() const
{
    return m_language ? m_language->menu() : nullptr;
}

void AppMenu::setLanguageActionChecked(QAction *action)
{
    action->setCheckable(true);
    action->setChecked(true);
}

void AppMenu::languageSwitch()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    setLanguageActionChecked(action);
    const int index = action->data().toInt();
    MultiLanguage::instance()->languageSwitch(index);
    AppConfig::instance()->setLanguageVal(index);
}

void AppMenu::onSystemMenuEvent(QAction *action)
{
    // A menu reports its submenus' items too: a language's index is no command.
    if (!action || (m_languageGroup && action->actionGroup() == m_languageGroup))
        return;
    switch (action->data().toInt()) {
    case SystemUserGuide:
        openLink(g_link_guide);
        break;
    case SystemFaq:
        openLink(g_link_faq);
        break;
    case SystemSupport:
        openLink(g_link_support);
        break;
    case SystemAbout:
        About::showAboutWindow();
        break;
    case SystemCheckUpdates:
        UpdatesService::shared().checkUpdates();
        showUpdateCheckResult();
        break;
    case SystemLogFolder:
        QDesktopServices::openUrl(QUrl::fromLocalFile(UserFolders::logDir()));
        break;
    default:
        break;
    }
}

void AppMenu::showUpdateCheckResult()
{
    NativeMessageBox::info(QApplication::activeWindow(), tr("Check for Updates"),
                           tr("%1 is updated by your system's package manager, together with "
                              "the rest of your software.")
                               .arg(g_product_name));
}

void AppMenu::retranslationUi()
{
    // A switch that did not come from the menu still shows in it.
    if (m_languageGroup) {
        const int current = MultiLanguage::instance()->currentIndex();
        const QList<QAction *> actions = m_languageGroup->actions();
        for (QAction *action : actions) {
            if (action->data().toInt() == current)
                action->setChecked(true);
        }
    }
    if (m_helpMenu) {
        m_helpMenu->setTitle(tr("&Help"));
        m_language->setText(tr("Language"));
        m_userGuide->setText(tr("User Guide"));
        m_productFaq->setText(tr("Product FAQ"));
        m_feedback->setText(tr("Feedback and Support"));
        m_showLog->setText(tr("Show Log Folder"));
        m_checkUpdates->setText(tr("Check for Updates"));
        m_about->setText(tr("About %1").arg(g_product_name));
    }
    if (m_fileMenu) {
        m_fileMenu->setTitle(tr("&File"));
        m_open->setText(tr("Open..."));
        m_recentMenu->setTitle(tr("Open Recent"));
        m_closeTab->setText(tr("Close Tab"));
        m_closeAllTabs->setText(tr("Close All Tabs"));
        m_saveAs->setText(tr("Save as..."));
        m_extractImages->setText(tr("Extract Images..."));
        m_print->setText(tr("Print..."));
        m_quit->setText(tr("Quit"));
    }
    if (m_editMenu) {
        m_editMenu->setTitle(tr("&Edit"));
        const QStringList texts = {tr("Undo"), tr("Redo"), tr("Cut"), tr("Copy"), tr("Paste"), tr("Select All")};
        for (int i = 0; i < m_editActions.size(); ++i)
            m_editActions.at(i)->setText(texts.at(i));
        m_find->setText(tr("Find"));
    }
    if (m_viewMenu) {
        m_viewMenu->setTitle(tr("&View"));
        const QStringList texts = {tr("Side Panel"),
                                   tr("Single Page"),
                                   tr("Two Columns"),
                                   tr("Zoom In"),
                                   tr("Zoom Out"),
                                   tr("Actual Size"),
                                   tr("Fit Width"),
                                   tr("Fit Page"),
                                   tr("Rotate Left"),
                                   tr("Rotate Right"),
                                   tr("Rotate Current Page Left"),
                                   tr("Rotate Current Page Right"),
                                   tr("Full Screen"),
                                   tr("Reload")};
        for (int i = 0; i < m_viewActions.size(); ++i)
            m_viewActions.at(i)->setText(texts.at(i));
    }
    if (m_bookmarksMenu) {
        m_bookmarksMenu->setTitle(tr("&Bookmarks"));
        m_addBookmarks->setText(tr("Add Bookmarks"));
        m_manageBookmarks->setText(tr("Manage Bookmarks"));
    }
    if (m_windowMenu) {
        m_windowMenu->setTitle(tr("&Window"));
        const QStringList texts = {tr("Next Tab"), tr("Previous Tab")};
        for (int i = 0; i < m_windowActions.size(); ++i)
            m_windowActions.at(i)->setText(texts.at(i));
    }
}
