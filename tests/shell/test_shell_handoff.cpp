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
const QString kHelper = QStringLiteral(HANDOFF_HELPER_PATH);

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
} // namespace

class TestShellHandOff : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void commandLineGivesAbsolutePathsWithoutOptions();
    void staleSocketIsTakenOverPrivately();
    void secondStartHandsOverItsFilesInOrder();
    void messageSentByteByByteArrivesWhole();
    void badClientsAreDroppedAndTheServerGoesOn();
    void unacknowledgedHandOffOpensTheFilesHere();
    void tenSimultaneousStartsShareOneWindow();

private:
    QProcess *startHelper(const QStringList &arguments, const QString &workingDirectory = QString());
    static bool waitForLine(QProcess *process, QByteArray *line);
    static bool waitForExit(QProcess *process);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_name;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

void TestShellHandOff::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_name = m_dir->filePath(QStringLiteral("s.socket"));
}

void TestShellHandOff::cleanup()
{
    for (auto &process : m_processes) {
        process->kill();
        process->waitForFinished(2000);
    }
    m_processes.clear();
}

QProcess *TestShellHandOff::startHelper(const QStringList &arguments, const QString &workingDirectory)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (!workingDirectory.isEmpty())
        process->setWorkingDirectory(workingDirectory);
    process->start(kHelper, QStringList{m_name} + arguments);
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

// Waits with the event loop running, so a primary in this process answers.
bool TestShellHandOff::waitForLine(QProcess *process, QByteArray *line)
{
    QDeadlineTimer deadline(10000);
    while (!process->canReadLine() && !deadline.hasExpired()) {
        if (process->state() == QProcess::NotRunning && !process->canReadLine())
            return false;
        QTest::qWait(5);
    }
    if (!process->canReadLine())
        return false;
    *line = process->readLine().trimmed();
    return true;
}

bool TestShellHandOff::waitForExit(QProcess *process)
{
    QDeadlineTimer deadline(10000);
    while (process->state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(5);
    return process->state() == QProcess::NotRunning && process->exitStatus() == QProcess::NormalExit
           && process->exitCode() == 0;
}

void TestShellHandOff::commandLineGivesAbsolutePathsWithoutOptions()
{
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    auto lone = dispatcherFor(QString(), {QStringLiteral("-x"), QStringLiteral("../up.vsdx"), QStringLiteral("a b.vdx"),
                                          QStringLiteral("file:///srv/Plan%20A.vsd"), QStringLiteral("--"),
                                          QStringLiteral("-dash.vsd")});
    QDir::setCurrent(previous);
    QSignalSpy opened(lone.get(), &SingleInstanceFileDispatcher::openPstFile);
    lone->processStartupFiles();
    const QString parent = QFileInfo(m_dir->path()).absolutePath();
    QTRY_COMPARE(emittedPaths(opened),
                 (QStringList{parent + QStringLiteral("/up.vsdx"), m_dir->filePath(QStringLiteral("a b.vdx")),
                              QStringLiteral("/srv/Plan A.vsd"), m_dir->filePath(QStringLiteral("-dash.vsd"))}));
}

void TestShellHandOff::staleSocketIsTakenOverPrivately()
{
    // A primary killed outright leaves its socket file behind.
    QProcess *crashed = startHelper({});
    QByteArray line;
    QVERIFY(waitForLine(crashed, &line));
    QCOMPARE(line, QByteArray("primary"));
    crashed->kill();
    crashed->waitForFinished(2000);
    QVERIFY(QFileInfo::exists(m_name));

    auto dispatcher = dispatcherFor(m_name, {});
    QVERIFY(dispatcher->isPrimary());
    QVERIFY(dispatcher->isListening());
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                      | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFileInfo(m_name).permissions() & others, QFile::Permissions());
}

void TestShellHandOff::secondStartHandsOverItsFilesInOrder()
{
    auto primary = dispatcherFor(m_name, {});
    QVERIFY(primary->isListening());
    QSignalSpy opened(primary.get(), &SingleInstanceFileDispatcher::openPstFile);
    QSignalSpy raised(primary.get(), &SingleInstanceFileDispatcher::activationRequested);

    // Started elsewhere, with relative paths and awkward names, some missing.
    QDir(m_dir->path()).mkpath(QStringLiteral("elsewhere/sub"));
    const QString sub = m_dir->filePath(QStringLiteral("elsewhere/sub"));
    QProcess *second = startHelper({QStringLiteral("../Grundriss Büro.vsdx"), QStringLiteral("two\nlines.vdx"),
                                    QStringLiteral("missing.vsd")},
                                   sub);
    QByteArray line;
    QVERIFY(waitForLine(second, &line));
    QCOMPARE(line, QByteArray("secondary"));
    QVERIFY(waitForExit(second));
    QTRY_COMPARE(opened.count(), 3);
    QCOMPARE(emittedPaths(opened),
             (QStringList{m_dir->filePath(QStringLiteral("elsewhere/Grundriss Büro.vsdx")),
                          sub + QStringLiteral("/two\nlines.vdx"), sub + QStringLiteral("/missing.vsd")}));
    QCOMPARE(raised.count(), 1);

    // Started again with nothing: the window comes to the front, nothing opens.
    QProcess *third = startHelper({});
    QVERIFY(waitForExit(third));
    QTRY_COMPARE(raised.count(), 2);
    QTest::qWait(20);
    QCOMPARE(opened.count(), 3);
}

void TestShellHandOff::messageSentByteByByteArrivesWhole()
{
    auto primary = dispatcherFor(m_name, {});
    QSignalSpy opened(primary.get(), &SingleInstanceFileDispatcher::openPstFile);
    const QStringList paths = {QStringLiteral("/a.vsdx"), QStringLiteral("/b c.vdx"), QStringLiteral("/ü.vsd")};
    const QByteArray bytes = message(paths);

    QLocalSocket client;
    client.connectToServer(m_name);
    QVERIFY(client.waitForConnected(1000));
    for (char byte : bytes) {
        client.write(&byte, 1);
        client.flush();
        QTest::qWait(1);
    }
    QTRY_COMPARE(client.bytesAvailable(), qint64(1));
    QTRY_COMPARE(emittedPaths(opened), paths);
}

void TestShellHandOff::badClientsAreDroppedAndTheServerGoesOn()
{
    auto primary = dispatcherFor(m_name, {});
    QSignalSpy opened(primary.get(), &SingleInstanceFileDispatcher::openPstFile);
    QSignalSpy raised(primary.get(), &SingleInstanceFileDispatcher::activationRequested);

    QByteArray hugeCount;
    QDataStream(&hugeCount, QIODevice::WriteOnly) << qint32(0x7fffffff);
    QByteArray hugeString;
    QDataStream(&hugeString, QIODevice::WriteOnly) << qint32(1) << quint32(0x7ffffffe);
    QByteArray noise(256, Qt::Uninitialized);
    QRandomGenerator random(12);
    for (char &c : noise)
        c = char(random.bounded(256));
    const QByteArray oversized = message({QString(600 * 1024, QLatin1Char('x'))});

    const QList<QByteArray> sends = {QByteArray(), hugeCount, hugeString, noise, oversized};
    std::vector<std::unique_ptr<QLocalSocket>> clients;
    for (const QByteArray &bytes : sends) {
        clients.push_back(std::make_unique<QLocalSocket>());
        clients.back()->connectToServer(m_name);
        QVERIFY(clients.back()->waitForConnected(1000));
        clients.back()->write(bytes);
    }
    for (auto &client : clients)
        QTRY_COMPARE_WITH_TIMEOUT(client->state(), QLocalSocket::UnconnectedState, 5000);
    for (auto &client : clients)
        QCOMPARE(client->bytesAvailable(), qint64(0)); // no acknowledgement
    QCOMPARE(raised.count(), 0);

    QLocalSocket good;
    good.connectToServer(m_name);
    QVERIFY(good.waitForConnected(1000));
    good.write(message({QStringLiteral("/after.vsdx")}));
    QTRY_COMPARE(emittedPaths(opened), QStringList{QStringLiteral("/after.vsdx")});
}

void TestShellHandOff::unacknowledgedHandOffOpensTheFilesHere()
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

void TestShellHandOff::tenSimultaneousStartsShareOneWindow()
{
    QStringList expected;
    QList<QProcess *> starts;
    for (int i = 0; i < 10; ++i) {
        expected.append(m_dir->filePath(QStringLiteral("drawing %1.vsdx").arg(i)));
        starts.append(startHelper({expected.last()}));
    }
    QProcess *primary = nullptr;
    for (QProcess *start : starts) {
        QByteArray line;
        QVERIFY(waitForLine(start, &line));
        if (line == "primary") {
            QVERIFY2(!primary, "two primaries");
            primary = start;
        } else {
            QCOMPARE(line, QByteArray("secondary"));
            QVERIFY(waitForExit(start));
        }
    }
    QVERIFY(primary);
    QStringList received;
    for (int i = 0; i < 10; ++i) {
        QByteArray line;
        QVERIFY(waitForLine(primary, &line));
        received.append(QUrl::fromPercentEncoding(line));
    }
    received.sort();
    expected.sort();
    QCOMPARE(received, expected);
}

QTEST_GUILESS_MAIN(TestShellHandOff)
#include "test_shell_handoff.moc"
