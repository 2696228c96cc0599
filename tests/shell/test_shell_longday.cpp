// A long day of use: one drawing opened and closed in fifty tabs must leave
// the process no bigger than the first round did. Under the sanitizers the
// rounds are fewer and LeakSanitizer, at exit, checks for what they leaked.

#include "BrowserTabWidget.h"
#include "MainWindow.h"
#include "NativeMessageBox.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdio>

#include <malloc.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define PLANDRAW_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PLANDRAW_UNDER_ASAN 1
#endif
#endif

namespace {

#ifdef PLANDRAW_UNDER_ASAN
constexpr int kRounds = 5;
#else
constexpr int kRounds = 50;
#endif
// Room for caches that fill once (fonts, glyphs, style sheets) and for the
// allocator keeping a few freed pages.
constexpr qint64 kAllowedGrowthBytes = 6 * 1024 * 1024;

qint64 residentBytes()
{
    // Freed blocks the allocator still holds would hide a real trend.
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return -1;
    return fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

class TestShellLongDay : public QObject
{
    Q_OBJECT

private slots:
    void fiftyTabsLeaveNoGrowth();
};

void TestShellLongDay::fiftyTabsLeaveNoGrowth()
{
    const QString path =
        QDir(QStringLiteral(PLANDRAW_FIXTURES_DIR)).filePath(QStringLiteral("EdgeHubDiagrams.vsdx"));
    if (!QFile::exists(path))
        QSKIP("sample drawings are not available");
    NativeMessageBox::setPresenterForTesting(
        [](NativeMessageBox::Icon, const QString &, const QString &text) {
            QFAIL(qPrintable(text));
        });

    // The import's trace lines would dominate the run time.
    qInstallMessageHandler(dropMessage);
    MainWindow window(nullptr);
    auto *tabs = window.findChild<BrowserTabWidget *>(QStringLiteral("tabWidget"));
    QVERIFY(tabs);
    window.resize(1200, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    qint64 afterFirst = 0;
    for (int round = 0; round < kRounds; ++round) {
        window.openFile(path);
        // Opening may finish later than the call; the tab shows when it has.
        QTRY_COMPARE(tabs->count(), 1);
        QTest::qWait(20); // let the page paint
        emit tabs->tabCloseRequested(0);
        QCOMPARE(tabs->count(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (round == 0)
            afterFirst = residentBytes();
    }
    const qint64 afterLast = residentBytes();
    qInstallMessageHandler(nullptr);
    std::fprintf(stderr, "resident after the first close %lld kB, after the last %lld kB\n",
                 afterFirst / 1024, afterLast / 1024);
#ifndef PLANDRAW_UNDER_ASAN
    // The sanitizer's quarantine holds freed memory on purpose.
    QVERIFY(afterFirst > 0);
    QVERIFY2(afterLast - afterFirst < kAllowedGrowthBytes,
             qPrintable(QStringLiteral("grew by %1 kB").arg((afterLast - afterFirst) / 1024)));
#endif
}

QTEST_MAIN(TestShellLongDay)
#include "test_shell_longday.moc"
