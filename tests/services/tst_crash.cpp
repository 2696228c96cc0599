#include "CrashReporter.h"
#include "Log.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdlib>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Fault { Raise, NullWrite, Abort, DivideByZero };

// Runs start-up and then the fault in a child; returns its wait status.
int runCrashingChild(const QString &logDir, Fault fault, int sig, bool endFirst)
{
    const pid_t pid = fork();
    if (pid == 0) {
        rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        Log::initialize(logDir);
        CrashReporter::start(QString());
        if (endFirst)
            CrashReporter::end();
        switch (fault) {
        case Fault::Raise:
            raise(sig);
            break;
        case Fault::NullWrite: {
            volatile int *volatile nowhere = nullptr;
            *nowhere = 1;
            break;
        }
        case Fault::Abort:
            std::abort();
        case Fault::DivideByZero:
            raise(SIGFPE); // integer division traps are not portable enough to provoke
            break;
        }
        _exit(99);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestCrash : public QObject
{
    Q_OBJECT

private slots:
    void fatalLineNamesSignalAndChildDies_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("sig");
        QTest::addColumn<QString>("name");
        QTest::newRow("real segfault") << int(Fault::NullWrite) << SIGSEGV << "SIGSEGV";
        QTest::newRow("raised SIGSEGV") << int(Fault::Raise) << SIGSEGV << "SIGSEGV";
        QTest::newRow("abort") << int(Fault::Abort) << SIGABRT << "SIGABRT";
        QTest::newRow("SIGBUS") << int(Fault::Raise) << SIGBUS << "SIGBUS";
        QTest::newRow("SIGFPE") << int(Fault::DivideByZero) << SIGFPE << "SIGFPE";
    }

    void fatalLineNamesSignalAndChildDies()
    {
        QFETCH(int, fault);
        QFETCH(int, sig);
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());

        const int status = runCrashingChild(dir.path(), Fault(fault), sig, false);
        QVERIFY2(WIFSIGNALED(status), "the child must die by the signal, not exit");
        QCOMPARE(WTERMSIG(status), sig);

        const QString crash = readFile(dir.filePath(QStringLiteral("crash.log")));
        const QStringList lines = crash.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        const QRegularExpression shape(
            QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} \\[fatal\\] "
                           "Program terminated by signal %1 \\(%2\\)$")
                .arg(name)
                .arg(sig));
        QVERIFY2(shape.match(lines.first()).hasMatch(), qPrintable(lines.first()));
        // The stamp is today's date, not some arithmetic accident.
        QCOMPARE(lines.first().left(10), QDate::currentDate().toString(Qt::ISODate));
    }

    void endedReporterLeavesNoLine()
    {
        QTemporaryDir dir;
        const int status = runCrashingChild(dir.path(), Fault::Raise, SIGSEGV, true);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(WTERMSIG(status), SIGSEGV);
        QVERIFY(readFile(dir.filePath(QStringLiteral("crash.log"))).isEmpty());
    }

    void endRestoresPreviousHandlers()
    {
        QTemporaryDir dir;
        Log::initialize(dir.path());
        struct sigaction mine{};
        mine.sa_handler = SIG_IGN;
        sigemptyset(&mine.sa_mask);
        struct sigaction original{};
        sigaction(SIGBUS, &mine, &original);

        QVERIFY(CrashReporter::start(QStringLiteral("https://reports.invalid/1")));
        QVERIFY(CrashReporter::isRunning());
        QCOMPARE(CrashReporter::dsn(), QStringLiteral("https://reports.invalid/1"));
        QCOMPARE(CrashReporter::crashLogPath(), dir.filePath(QStringLiteral("crash.log")));
        struct sigaction during{};
        sigaction(SIGBUS, nullptr, &during);
        QVERIFY(during.sa_handler != SIG_IGN);

        CrashReporter::start(QString()); // a second start must not lose the first saved handlers
        CrashReporter::end();
        QVERIFY(!CrashReporter::isRunning());
        struct sigaction after{};
        sigaction(SIGBUS, nullptr, &after);
        QVERIFY(after.sa_handler == SIG_IGN);

        CrashReporter::end(); // twice is harmless
        sigaction(SIGBUS, &original, nullptr);
        Log::shutdown();
    }
};

QTEST_GUILESS_MAIN(TestCrash)
#include "tst_crash.moc"
