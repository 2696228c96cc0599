#include "BrowserTabBar.h"
#include "BrowserTabWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

class TestShellTabs : public QObject
{
    Q_OBJECT

private slots:
    void tabWidthsAreSharedAndClamped_data();
    void tabWidthsAreSharedAndClamped();
    void plusButtonGeometry();
    void closingTabsDeletesPagesAndReportsTheLastOne();
    void liveBarSharesWidthAndDrivesThePlusButton();
};

void TestShellTabs::tabWidthsAreSharedAndClamped_data()
{
    QTest::addColumn<int>("barWidth");
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("expectedWidth");
    QTest::newRow("one tab clamps to the maximum") << 1000 << 1 << 180;
    QTest::newRow("ten tabs share 970 px") << 1000 << 10 << 97;
    QTest::newRow("a hundred tabs clamp to the minimum") << 1000 << 100 << 18;
    QTest::newRow("no room keeps the base hint") << 30 << 3 << 77;
    QTest::newRow("no tabs keeps the base hint") << 1000 << 0 << 77;
}

void TestShellTabs::tabWidthsAreSharedAndClamped()
{
    QFETCH(int, barWidth);
    QFETCH(int, tabs);
    QFETCH(int, expectedWidth);
    const QSize hint = BrowserTabBar::sharedTabSize(QSize(77, 30), barWidth, tabs);
    QCOMPARE(hint.width(), expectedWidth);
    QCOMPARE(hint.height(), 30);
}

void TestShellTabs::plusButtonGeometry()
{
    // A 34-px bar whose last tab is 30 px high and ends at x = 199.
    const QRect lastTab(120, 2, 80, 30);
    QCOMPARE(lastTab.right(), 199);
    const QRect button = BrowserTabBar::plusButtonRectFor(lastTab, 34, true);
    QCOMPARE(button.left(), 200);
    QCOMPARE(button.right(), 229);
    QCOMPARE(button.top(), 2);
    QCOMPARE(button.bottom(), 30);

    const auto cross = BrowserTabBar::plusCross(button);
    QCOMPARE(cross.first, QLine(208, 16, 220, 16));
    QCOMPARE(cross.second, QLine(214, 10, 214, 22));

    // Without tabs the button sits at the left, inset by 5 px.
    const QRect empty = BrowserTabBar::plusButtonRectFor(QRect(), 34, false);
    QCOMPARE(empty.topLeft(), QPoint(5, 5));
    QCOMPARE(empty.bottomRight(), QPoint(28, 28));
}

void TestShellTabs::closingTabsDeletesPagesAndReportsTheLastOne()
{
    BrowserTabWidget widget;
    QPointer<QWidget> first = new QWidget;
    QPointer<QWidget> second = new QWidget;
    widget.addTab(first, QStringLiteral("a.vsd"));
    widget.addTab(second, QStringLiteral("b.vsd"));
    QSignalSpy closed(&widget, &BrowserTabWidget::allTabClosed);

    emit widget.tabCloseRequested(0);
    QVERIFY(first.isNull()); // deleted at once, not later
    QCOMPARE(widget.count(), 1);
    QCOMPARE(closed.count(), 0);

    emit widget.tabCloseRequested(0);
    QVERIFY(second.isNull());
    QCOMPARE(widget.count(), 0);
    QCOMPARE(closed.count(), 1);

    // A stale request must not report the empty strip again.
    emit widget.tabCloseRequested(0);
    QCOMPARE(closed.count(), 1);
}

void TestShellTabs::liveBarSharesWidthAndDrivesThePlusButton()
{
    BrowserTabWidget widget;
    widget.resize(1000, 400);
    for (int i = 0; i < 10; ++i)
        widget.addTab(new QWidget, QStringLiteral("drawing-%1.vsdx").arg(i));
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    BrowserTabBar *bar = widget.browserTabBar();
    bar->repaint();

    // Ten tabs share what the plus button leaves of 1000 px, about 97 px
    // each (the selected tab's side border may take one more).
    for (int i = 0; i < bar->count(); ++i) {
        const int width = bar->tabRect(i).width();
        QVERIFY2(width >= 95 && width <= 97, qPrintable(QStringLiteral("tab %1: %2").arg(i).arg(width)));
    }
    const QRect button = bar->plusButtonRect();
    QCOMPARE(button.left(), bar->tabRect(9).right() + 1);
    QVERIFY(button.right() < bar->width());

    auto moveTo = [bar](const QPoint &pos) {
        QMouseEvent move(QEvent::MouseMove, QPointF(pos), bar->mapToGlobal(QPointF(pos)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
    };
    moveTo(button.center());
    QVERIFY(bar->isPlusHovered());
    moveTo(bar->tabRect(9).center());
    QVERIFY(!bar->isPlusHovered());
    moveTo(button.center());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(bar, &leave);
    QVERIFY(!bar->isPlusHovered());

    QSignalSpy requested(&widget, &BrowserTabWidget::addFileClicked);
    QTest::mouseClick(bar, Qt::RightButton, Qt::NoModifier, button.center());
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(3).center());
    QCOMPARE(requested.count(), 0);
    QCOMPARE(widget.currentIndex(), 3); // other presses still select tabs
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, button.center());
    QCOMPARE(requested.count(), 1);
    QCOMPARE(widget.count(), 10);
}

QTEST_MAIN(TestShellTabs)
#include "test_shell_tabs.moc"
