#include "About.h"
#include "AppConfig.h"
#include "AppMenu.h"
#include "LanguageService.h"
#include "MainWindow.h"
#include "MultiLanguage.h"
#include "NativeMessageBox.h"
#include "ProductConstants.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {
// One line per item: text and shown key, "-" for a separator.
QStringList describe(const QMenu *menu)
{
    QStringList lines;
    const QList<QAction *> actions = menu->actions();
    for (const QAction *action : actions) {
        if (action->isSeparator())
            lines << QStringLiteral("-");
        else
            lines << (action->text() + QLatin1Char('|') + action->shortcut().toString(QKeySequence::PortableText));
    }
    return lines;
}

QMenu *menuTitled(const QMainWindow &window, const QString &title)
{
    const QList<QAction *> actions = window.menuBar()->actions();
    for (QAction *action : actions) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

QAction *itemNamed(const QMenu *menu, const QString &text)
{
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}
} // namespace

class TestShellMenus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menusTitlesItemsAndKeys();
    void menuDataIsReadByTheMenuThatSentIt();
    void editItemsActOnTheFocusWidget();
    void languageSwitchLoadsTheRowAndNotifiesFirst_data();
    void languageSwitchLoadsTheRowAndNotifiesFirst();
    void storedLanguageOutsideTheTableMeansEnglish();
    void germanRetranslatesTheWindowAndOpenDialogs();
    void aboutShowsTheClocksYear();

private:
    MainWindow *m_window = nullptr;
    QList<QString> m_alertTitles;
};

void TestShellMenus::initTestCase()
{
    NativeMessageBox::setPresenterForTesting(
        [this](NativeMessageBox::Icon, const QString &title, const QString &) { m_alertTitles << title; });
}

void TestShellMenus::init()
{
    MultiLanguage::instance()->languageSwitch(1);
    m_alertTitles.clear();
    m_window = new MainWindow(nullptr);
}

void TestShellMenus::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestShellMenus::menusTitlesItemsAndKeys()
{
    QStringList titles;
    const QList<QAction *> bar = m_window->menuBar()->actions();
    for (const QAction *action : bar)
        titles << action->text();
    QCOMPARE(titles, QStringList({"&File", "&Edit", "&View", "&Bookmarks", "&Window", "&Help"}));

    QCOMPARE(describe(menuTitled(*m_window, "&File")),
             QStringList({"Open...|Ctrl+O", "Open Recent|", "-", "Close Tab|Ctrl+W", "Close All Tabs|Ctrl+Shift+W",
                          "-", "Save as...|Ctrl+S", "Extract Images...|Ctrl+E", "-", "Print...|Ctrl+P", "-",
                          "Quit|Ctrl+Q"}));
    QCOMPARE(itemNamed(menuTitled(*m_window, "&File"), "Close Tab")->shortcuts().value(1), QKeySequence("Ctrl+F4"));
    auto standard = [](QKeySequence::StandardKey key) {
        return QKeySequence(key).toString(QKeySequence::PortableText);
    };
    QCOMPARE(describe(menuTitled(*m_window, "&Edit")),
             QStringList({"Undo|" + standard(QKeySequence::Undo), "Redo|" + standard(QKeySequence::Redo), "-",
                          "Cut|" + standard(QKeySequence::Cut), "Copy|" + standard(QKeySequence::Copy),
                          "Paste|" + standard(QKeySequence::Paste), "Select All|" + standard(QKeySequence::SelectAll),
                          "-", "Find|Ctrl+F"}));
    QCOMPARE(describe(menuTitled(*m_window, "&View")),
             QStringList({"Side Panel|F9", "-", "Single Page|", "Two Columns|", "-", "Zoom In|Ctrl++",
                          "Zoom Out|Ctrl+-", "Actual Size|Ctrl+0", "Fit Width|", "Fit Page|", "-",
                          "Rotate Left|Ctrl+L", "Rotate Right|Ctrl+R", "Rotate Current Page Left|",
                          "Rotate Current Page Right|", "-", "Full Screen|F11", "-", "Reload|F5"}));
    QCOMPARE(describe(menuTitled(*m_window, "&Bookmarks")),
             QStringList({"Add Bookmarks|Ctrl+D", "Manage Bookmarks|Ctrl+Shift+B"}));
    QCOMPARE(describe(menuTitled(*m_window, "&Window")),
             QStringList({"-", "Next Tab|Ctrl+Tab", "Previous Tab|Ctrl+Shift+Tab"}));
    QMenu *help = menuTitled(*m_window, "&Help");
    QCOMPARE(describe(help),
             QStringList({"User Guide|", "Feedback and Support|", "-", "Language|", "Show Log Folder|", "-",
                          "Check for Updates|", "About Bramwick Plandraw|"}));

    QStringList languages;
    for (const QAction *action : itemNamed(help, "Language")->menu()->actions())
        languages << action->text();
    QCOMPARE(languages, QStringList({"Deutsch", "English", "Español", "Français", "Italiano", "Português", "日本語"}));

    // Toolbar keys show in the tool tips; document items wait for a document.
    auto *zoomIn = m_window->findChild<QToolButton *>("btnZoomIn");
    QCOMPARE(zoomIn->toolTip(), QStringLiteral("Zoom in (Ctrl++)"));
    QCOMPARE(m_window->findChild<QToolButton *>("btnNextPage")->toolTip(), QStringLiteral("Next page (PgDown)"));
    QVERIFY(!itemNamed(menuTitled(*m_window, "&View"), "Zoom In")->isEnabled());
    for (const char *item : {"Close Tab", "Close All Tabs"})
        QVERIFY(!itemNamed(menuTitled(*m_window, "&File"), item)->isEnabled());
    QVERIFY(!itemNamed(menuTitled(*m_window, "&View"), "Reload")->isEnabled());
    m_window->setToolbarWidgetsEnabled(true);
    QVERIFY(itemNamed(menuTitled(*m_window, "&View"), "Zoom In")->isEnabled());
    QVERIFY(itemNamed(menuTitled(*m_window, "&File"), "Print...")->isEnabled());
    QVERIFY(itemNamed(menuTitled(*m_window, "&Bookmarks"), "Add Bookmarks")->isEnabled());
    m_window->setToolbarWidgetsEnabled(false);
    // Bookmarks of closed drawings can be managed with no drawing open.
    QVERIFY(itemNamed(menuTitled(*m_window, "&Bookmarks"), "Manage Bookmarks")->isEnabled());
}

void TestShellMenus::menuDataIsReadByTheMenuThatSentIt()
{
    // Save as... and Check for Updates share the value 5.
    QMenu *file = menuTitled(*m_window, "&File");
    QAction *saveAs = itemNamed(file, "Save as...");
    QCOMPARE(saveAs->data().toInt(), 5);
    emit file->triggered(saveAs);
    QVERIFY(m_alertTitles.isEmpty());

    QMenu *help = menuTitled(*m_window, "&Help");
    QAction *check = itemNamed(help, "Check for Updates");
    QCOMPARE(check->data().toInt(), 5);
    check->trigger();
    QCOMPARE(m_alertTitles, QStringList{"Check for Updates"});

    // Help also reports the language submenu's items; Deutsch is 5 as well.
    QAction *german = itemNamed(itemNamed(help, "Language")->menu(), "Deutsch");
    QCOMPARE(german->data().toInt(), 5);
    emit help->triggered(german);
    QCOMPARE(m_alertTitles.size(), 1);
}

void TestShellMenus::editItemsActOnTheFocusWidget()
{
    QMenu *edit = menuTitled(*m_window, "&Edit");
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QVERIFY(!QApplication::focusWidget());
    for (QAction *action : edit->actions()) {
        if (action->text() != QLatin1String("Find"))
            action->trigger();
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

    QLabel label(QStringLiteral("Selectable text"));
    label.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label.show();
    QApplication::setActiveWindow(&label);
    QVERIFY(QTest::qWaitForWindowActive(&label));
    label.setFocus();
    label.setSelection(0, 10);
    QCOMPARE(QApplication::focusWidget(), &label);
    itemNamed(edit, "Copy")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Selectable"));
}

void TestShellMenus::languageSwitchLoadsTheRowAndNotifiesFirst_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("code");
    QTest::newRow("0") << 0 << "en" << int(LanguageService::English);
    QTest::newRow("1") << 1 << "en" << int(LanguageService::English);
    QTest::newRow("9") << 9 << "en" << int(LanguageService::English);
    QTest::newRow("-4") << -4 << "en" << int(LanguageService::English);
    QTest::newRow("3") << 3 << "pt" << int(LanguageService::Portuguese);
    QTest::newRow("7") << 7 << "ja" << int(LanguageService::Japanese);
}

void TestShellMenus::languageSwitchLoadsTheRowAndNotifiesFirst()
{
    QFETCH(int, index);
    QFETCH(QString, suffix);
    QFETCH(int, code);
    MultiLanguage *languages = MultiLanguage::instance();
    LanguageService::setLanguageCode(LanguageService::Italian);
    QList<int> codesSeen;
    const auto connection = connect(languages, &MultiLanguage::languageChanged, this,
                                    [&] { codesSeen << LanguageService::languageCode(); });
    languages->languageSwitch(index);
    languages->languageSwitch(index);
    disconnect(connection);

    QCOMPARE(codesSeen, QList<int>({int(LanguageService::Italian), code}));
    QCOMPARE(int(LanguageService::languageCode()), code);
    QCOMPARE(languages->appTranslator().filePath(), ":/translations/language/Translation_" + suffix + ".qm");
    QCOMPARE(languages->qtTranslator().filePath(), ":/translations/language/qt_" + suffix + ".qm");

    // The menu marks what is shown, whichever way the switch came.
    QAction *checked = nullptr;
    const QMenu *help = m_window->menuBar()->actions().constLast()->menu();
    for (QAction *action : help->actions()) {
        if (action->menu())
            checked = action->menu()->actions().value(0)->actionGroup()->checkedAction();
    }
    QVERIFY(checked);
    QCOMPARE(checked->data().toInt(), MultiLanguage::language(index).index);
}

void TestShellMenus::storedLanguageOutsideTheTableMeansEnglish()
{
    AppConfig *config = AppConfig::instance();
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                       QCoreApplication::applicationName());
    for (const QVariant &stored : {QVariant(-2), QVariant(0), QVariant(8), QVariant(QStringLiteral("abc"))}) {
        MultiLanguage::instance()->languageSwitch(7);
        settings.setValue(QStringLiteral("language"), stored);
        settings.sync();
        QVERIFY(config->hasLanguageVal());
        MultiLanguage::instance()->initAppLanguage();
        QCOMPARE(MultiLanguage::instance()->currentIndex(), 1);
        QCOMPARE(int(LanguageService::languageCode()), int(LanguageService::English));
    }
    settings.setValue(QStringLiteral("language"), 6);
    settings.sync();
    MultiLanguage::instance()->initAppLanguage();
    QCOMPARE(MultiLanguage::instance()->currentIndex(), 6);
    settings.remove(QStringLiteral("language"));
}

void TestShellMenus::germanRetranslatesTheWindowAndOpenDialogs()
{
    auto *dialog = new About(m_window);
    dialog->show();
    MultiLanguage::instance()->languageSwitch(5);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();

    QCOMPARE(m_window->findChild<QLabel *>("label_2")->text(), QStringLiteral("Ansicht"));
    QCOMPARE(m_window->findChild<QLabel *>("label_7")->text(), QStringLiteral("Drehen"));
    QCOMPARE(m_window->findChild<QToolButton *>("btnZoomIn")->toolTip(), QStringLiteral("Vergrößern (Strg++)"));
    QCOMPARE(m_window->menuBar()->actions().constFirst()->text(), QStringLiteral("&Datei"));
    QCOMPARE(m_window->windowTitle(), g_product_name);

    QCOMPARE(dialog->windowTitle(), QStringLiteral("Über"));
    QCOMPARE(dialog->findChild<QLabel *>("lab_version")->text(), "Version " + g_version);
    QCOMPARE(dialog->findChild<QLabel *>("lab_product")->text(), g_product_name);
    QVERIFY(dialog->findChild<QLabel *>("lab_copyright")->text().contains("Alle Rechte vorbehalten"));
    QCOMPARE(dialog->findChild<QPushButton *>("btnMoreInfo")->text(), QStringLiteral("Mehr erfahren"));
    delete dialog;
    MultiLanguage::instance()->languageSwitch(1);
}

void TestShellMenus::aboutShowsTheClocksYear()
{
    About dialog(nullptr);
    const QString rights = dialog.findChild<QLabel *>("lab_copyright")->text();
    QVERIFY2(rights.contains(QString::number(QDate::currentDate().year())), qPrintable(rights));
    QVERIFY(rights.contains(QStringLiteral("&#169;")));
}

QTEST_MAIN(TestShellMenus)
#include "tst_menus.moc"
