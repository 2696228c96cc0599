#include "HostWindow.h"
#include "NativeMessageBox.h"
#include "ProductConstants.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

class TestPlatformWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void alertOnActiveWindowIsWindowModalAndReturnsAtOnce();
    void alertWithoutWindowBlocksUntilDismissed();
    void stackedAlertsOutliveEachOther();
    void hostWindowShowsCentredWithProductTitle();
    void resizeKeepsTheCentreAndRaisesTheMinimum();
    void closingTheWindowQuitsTheEventLoop();
};

void TestPlatformWindow::cleanup()
{
    NativeMessageBox::setPresenterForTesting({});
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (qobject_cast<QMessageBox *>(w))
            delete w;
    }
}

void TestPlatformWindow::alertOnActiveWindowIsWindowModalAndReturnsAtOnce()
{
    QWidget window;
    window.resize(300, 200);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    NativeMessageBox::warning(&window, QStringLiteral("Careful"), QStringLiteral("Something"));
    // The call has returned; the alert is still up, attached to the window.
    QMessageBox *box = window.findChild<QMessageBox *>();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    QCOMPARE(box->icon(), QMessageBox::Warning);
    QCOMPARE(box->text(), QStringLiteral("Something"));
    QCOMPARE(box->buttons().size(), 1);
    QCOMPARE(box->buttons().first()->text(), QStringLiteral("OK"));

    QPointer<QMessageBox> guard(box);
    box->buttons().first()->click();
    QTRY_VERIFY(guard.isNull()); // deleted on close
}

void TestPlatformWindow::alertWithoutWindowBlocksUntilDismissed()
{
    QVERIFY(!QApplication::activeWindow());
    bool dismissedByTimer = false;
    QTimer::singleShot(50, [&dismissedByTimer] {
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        for (QWidget *w : windows) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                QCOMPARE(box->icon(), QMessageBox::Information);
                dismissedByTimer = true;
                box->buttons().first()->click();
            }
        }
    });
    NativeMessageBox::info(nullptr, QStringLiteral("Info"), QStringLiteral("Blocking"));
    QVERIFY(dismissedByTimer);
}

void TestPlatformWindow::stackedAlertsOutliveEachOther()
{
    QWidget window;
    window.resize(300, 200);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Two files fail in a row: the first alert has become the active window
    // by the time the second one is raised.
    NativeMessageBox::error(&window, QStringLiteral("Open Failed"), QStringLiteral("first"));
    QPointer<QMessageBox> first = window.findChild<QMessageBox *>();
    QVERIFY(first);
    QApplication::setActiveWindow(first);
    QTRY_COMPARE(QApplication::activeWindow(), first.data());
    NativeMessageBox::error(&window, QStringLiteral("Open Failed"), QStringLiteral("second"));

    QPointer<QMessageBox> second;
    const QList<QMessageBox *> boxes = window.findChildren<QMessageBox *>();
    for (QMessageBox *box : boxes) {
        if (box->text() == QLatin1String("second"))
            second = box;
    }
    QVERIFY(second);

    // Dismissing the first must leave the second up.
    first->buttons().first()->click();
    QTRY_VERIFY(first.isNull());
    QVERIFY(second);
    QVERIFY(second->isVisible());
    second->buttons().first()->click();
    QTRY_VERIFY(second.isNull());
}

void TestPlatformWindow::hostWindowShowsCentredWithProductTitle()
{
    QWidget window;
    window.resize(400, 300);
    HostWindow host(&window);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), g_product_name);
    QCOMPARE(window.palette().color(QPalette::Window), QColor(240, 240, 240));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint centre = window.frameGeometry().center();
    QVERIFY2(qAbs(centre.x() - area.center().x()) <= 1 && qAbs(centre.y() - area.center().y()) <= 1,
             qPrintable(QStringLiteral("frame centre %1,%2").arg(centre.x()).arg(centre.y())));
}

void TestPlatformWindow::resizeKeepsTheCentreAndRaisesTheMinimum()
{
    QWidget window;
    window.setGeometry(200, 150, 400, 300);
    HostWindow host(&window);
    const QPoint centre = window.geometry().center();
    host.performResize(600, 500);
    QCOMPARE(window.size(), QSize(600, 500));
    QCOMPARE(window.minimumSize(), QSize(600, 500));
    QVERIFY((window.geometry().center() - centre).manhattanLength() <= 2);

    host.performResize(0, -3); // nonsense is ignored
    QCOMPARE(window.size(), QSize(600, 500));
}

void TestPlatformWindow::closingTheWindowQuitsTheEventLoop()
{
    QApplication::setQuitOnLastWindowClosed(false);
    QWidget window;
    window.resize(200, 100);
    HostWindow host(&window);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTimer::singleShot(0, &window, &QWidget::close);
    QTimer failsafe;
    failsafe.setSingleShot(true);
    bool timedOut = false;
    connect(&failsafe, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    failsafe.start(5000);
    const int code = QCoreApplication::exec();
    QVERIFY(!timedOut);
    QCOMPARE(code, 0);
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(TestPlatformWindow)
#include "test_platform_window.moc"
