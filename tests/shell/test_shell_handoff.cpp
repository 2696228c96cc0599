#include "SingleInstanceFileDispatcher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>
#include <vector>

namespace {
// A dispatcher made from a command line, as main makes one.
std::unique_ptr<SingleInstanceFileDispatcher> dispatcherFor(const QString &serverName,
                                                           const QStringList &arguments)
{
    QList<QByteArray> encoded = {"plandraw"};
    for (const QString &argument : arguments)
        encoded.append(QFile::encodeName(argument));
    QList<char *> argv;
    for (QByteArray &argument : encoded)
        argv.append(argument.data());
    return std::make_unique<SingleInstanceFileDispatcher>(serverName, int(argv.size()), argv.data());
}

QStringList emittedPaths(const QSignalSpy &spy)
{
    QStringList paths;
    for (const QList<QVariant> &arguments : spy)
        paths.append(arguments.first().toString());
    return paths;
}

QByteArray message(const QStringList &paths)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << paths;
    return bytes;
}

// Waits with the event loop running, so a primary in this process answers.
QByteArray nextLine(QProcess *process)
{
    QDeadlineTimer deadline(10000);
    while (!process->canReadLine() && process->state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(5);
    return process->canReadLine() ? process->readLine().trimmed() : QByteArray();
}

bool exitsCleanly(QProcess *process)
{
    QDeadlineTimer deadline(10000);
    while (process->state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(5);
    return process->state() == QProcess::NotRunning && process->exitStatus() == QProcess::NormalExit
           && process->exitCode() == 0;
}
} // namespace

// Second starts are real processes running the dispatcher as main does.
class TestShellHandOff : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_name;
    std::vector<std::unique_ptr<QProcess>> m_processes;

    QProcess *start(const QStringList &arguments, const QString &workingDirectory = QString())
    {
        m_processes.push_back(std::make_unique<QProcess>());
        QProcess *process = m_processes.back().get();
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->setWorkingDirectory(workingDirectory.isEmpty() ? m_dir->path() : workingDirectory);
        process->start(QStringLiteral(HANDOFF_HELPER_PATH), QStringList{m_name} + arguments);
        return process;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_name = m_dir->filePath(QStringLiteral("s.socket"));
    }

    void cleanup()
    {
        for (auto &process : m_processes) {
            process->kill();
            process->waitForFinished(2000);
        }
        m_processes.clear();
    }

    void staleSocketIsTakenOverAndLaterStartsHandOverInOrder()
    {
        // A primary killed outright leaves its socket file behind.
        QProcess *crashed = start({});
        QCOMPARE(nextLine(crashed), QByteArray("primary"));
        crashed->kill();
        crashed->waitForFinished(2000);
        QVERIFY(QFileInfo::exists(m_name));

        auto primary = dispatcherFor(m_name, {});
        QVERIFY(primary->isPrimary());
        QVERIFY(primary->isListening());
        const QFile::Permissions others = QFile::Permissions(0x0077);
        QCOMPARE(QFileInfo(m_name).permissions() & others, QFile::Permissions());
        QSignalSpy opened(primary.get(), &SingleInstanceFileDispatcher::openPstFile);
        QSignalSpy raised(primary.get(), &SingleInstanceFileDispatcher::activationRequested);

        // Started elsewhere, with relative paths and awkward names.
        const QString sub = m_dir->filePath(QStringLiteral("elsewhere/sub"));
        QVERIFY(QDir().mkpath(sub));
        QProcess *second = start({QStringLiteral("../Grundriss Büro.vsdx"), QStringLiteral("two\nlines.vdx"),
                                  QStringLiteral("missing.vsd")},
                                 sub);
        QCOMPARE(nextLine(second), QByteArray("secondary"));
        QVERIFY(exitsCleanly(second));
        QTRY_COMPARE(emittedPaths(opened),
                     (QStringList{m_dir->filePath(QStringLiteral("elsewhere/Grundriss Büro.vsdx")),
                                  sub + QStringLiteral("/two\nlines.vdx"), sub + QStringLiteral("/missing.vsd")}));
        QCOMPARE(raised.count(), 1);

        // Started with nothing: the window comes to the front, nothing opens.
        QVERIFY(exitsCleanly(start({})));
        QTRY_COMPARE(raised.count(), 2);
        QTest::qWait(20);
        QCOMPARE(opened.count(), 3);
    }

    void slowClientsAreReadWholeAndBadOnesDropped()
    {
        auto primary = dispatcherFor(m_name, {});
        QSignalSpy opened(primary.get(), &SingleInstanceFileDispatcher::openPstFile);

        QByteArray hugeCount;
        QDataStream(&hugeCount, QIODevice::WriteOnly) << qint32(0x7fffffff);
        QByteArray hugeString;
        QDataStream(&hugeString, QIODevice::WriteOnly) << qint32(1) << quint32(0x7ffffffe);
        QByteArray noise(256, Qt::Uninitialized);
        QRandomGenerator random(12);
        for (char &c : noise)
            c = char(random.bounded(256));
        const QByteArray oversized = message({QString(600 * 1024, QLatin1Char('x'))});
        std::vector<std::unique_ptr<QLocalSocket>> bad;
        for (const QByteArray &bytes : {QByteArray(), hugeCount, hugeString, noise, oversized}) {
            bad.push_back(std::make_unique<QLocalSocket>());
            bad.back()->connectToServer(m_name);
            QVERIFY(bad.back()->waitForConnected(1000));
            bad.back()->write(bytes);
        }

        // Meanwhile a good message trickles in one byte at a time.
        const QStringList paths = {QStringLiteral("/a.vsdx"), QStringLiteral("/b c.vdx"), QStringLiteral("/ü.vsd")};
        QLocalSocket slow;
        slow.connectToServer(m_name);
        QVERIFY(slow.waitForConnected(1000));
        for (char byte : message(paths)) {
            slow.write(&byte, 1);
            slow.flush();
            QTest::qWait(1);
        }
        QTRY_COMPARE(slow.bytesAvailable(), qint64(1)); // the acknowledgement
        QTRY_COMPARE(emittedPaths(opened), paths);

        for (auto &client : bad) {
            QTRY_COMPARE_WITH_TIMEOUT(client->state(), QLocalSocket::UnconnectedState, 5000);
            QCOMPARE(client->bytesAvailable(), qint64(0));
        }
        QCOMPARE(opened.count(), 3);
    }

    void unacknowledgedHandOffOpensTheFilesHere()
    {
        // Accepts connections and never answers, like a primary that hangs.
        QLocalServer silent;
        QVERIFY(silent.listen(m_name));
        auto dispatcher = dispatcherFor(m_name, {QStringLiteral("/kept.vsdx")});
        QVERIFY(dispatcher->isPrimary());
        // The silent one keeps its name: listening would have unlinked it.
        QVERIFY(!dispatcher->isListening());
        QVERIFY(QFileInfo::exists(m_name));

        QSignalSpy opened(dispatcher.get(), &SingleInstanceFileDispatcher::openPstFile);
        dispatcher->processStartupFiles();
        QTRY_COMPARE(emittedPaths(opened), QStringList{QStringLiteral("/kept.vsdx")});
    }

    void tenSimultaneousStartsShareOneWindow()
    {
        QStringList expected;
        QList<QProcess *> starts;
        for (int i = 0; i < 10; ++i) {
            expected.append(m_dir->filePath(QStringLiteral("drawing %1.vsdx").arg(i)));
            starts.append(start({expected.last()}));
        }
        QProcess *primary = nullptr;
        for (QProcess *process : starts) {
            const QByteArray role = nextLine(process);
            if (role == "primary") {
                QVERIFY2(!primary, "two primaries");
                primary = process;
            } else {
                QCOMPARE(role, QByteArray("secondary"));
                QVERIFY(exitsCleanly(process));
            }
        }
        QVERIFY(primary);
        QStringList received;
        for (int i = 0; i < 10; ++i)
            received.append(QUrl::fromPercentEncoding(nextLine(primary)));
        received.sort();
        expected.sort();
        QCOMPARE(received, expected);
    }
};

QTEST_GUILESS_MAIN(TestShellHandOff)
#include "test_shell_handoff.moc"
