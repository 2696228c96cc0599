#include "SingleInstanceFileDispatcher.h"

#include "HandOffConnection.h"
#include "HandOffServer.h"
#include "Log.h"
#include "UserFolders.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

namespace {

// A local connect either succeeds at once or is refused at once; the wait
// only matters when the server's backlog is full.
constexpr int kConnectTimeoutMs = 500;
constexpr int kAcknowledgeTimeoutMs = 1000;
// Held only across "does anyone answer, else listen", which is short.
constexpr int kLockTimeoutMs = 3000;

QString absolutePath(const QString &argument)
{
    QString path = argument;
    if (path.startsWith(QLatin1String("file:"))) {
        const QString local = QUrl(path).toLocalFile();
        if (!local.isEmpty())
            path = local;
    }
    return QFileInfo(path).absoluteFilePath();
}

QString lockPathFor(const QString &serverName)
{
    const QString base = QDir::isAbsolutePath(serverName) ? serverName
                                                          : QDir::tempPath() + QLatin1Char('/') + serverName;
    return base + QStringLiteral(".lock");
}

// Bytes that path adds to a message: its length field and UTF-16 units.
qint64 serialisedSize(const QString &path)
{
    return 4 + 2 * qint64(path.size());
}

} // namespace

SingleInstanceFileDispatcher::SingleInstanceFileDispatcher(const QString &serverName, int argc, char **argv,
                                                           QObject *parent)
    : QObject(parent)
    , serverName(serverName)
    , startupFiles(parseStartupFiles(argc, argv))
{
    if (serverName.isEmpty()) {
        primary = true;
        return;
    }
    const int total = startupFiles.size();
    Delivery delivery = deliver(startupFiles);
    if (delivery == Delivery::Delivered)
        return;
    primary = true;
    if (delivery == Delivery::NoServer && startupFiles.size() == total && !startServer()) {
        // Another instance started at the same moment and listened first.
        delivery = deliver(startupFiles);
        if (delivery == Delivery::Delivered) {
            primary = false;
            return;
        }
    }
    if (delivery == Delivery::NotAcknowledged)
        Log::warn(QStringLiteral("The running window did not take the files in time; opening them in a new window."));
}

SingleInstanceFileDispatcher::~SingleInstanceFileDispatcher()
{
    m_serverThread.quit();
    m_serverThread.wait();
    server = nullptr; // deleted with the thread's end
}

QString SingleInstanceFileDispatcher::sessionServerName()
{
    const QString dir = UserFolders::runtimeDir();
    if (dir.isEmpty())
        return QString();
    // Each display has its own primary window. The variables are how
    // X11 and Wayland name the display a program runs on.
    const QString platform = QGuiApplication::platformName();
    QString session = platform;
    const QString display = qEnvironmentVariable(platform == QLatin1String("wayland") ? "WAYLAND_DISPLAY"
                                                                                      : "DISPLAY");
    if (!display.isEmpty())
        session += QLatin1Char('-') + display;
    session.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return dir + QStringLiteral("plandraw-") + session + QStringLiteral(".socket");
}

void SingleInstanceFileDispatcher::processStartupFiles()
{
    m_pending += startupFiles;
    startupFiles.clear();
    scheduleNextOpen();
}

QList<QString> SingleInstanceFileDispatcher::parseStartupFiles(int argc, char **argv)
{
    QList<QString> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc && argv; ++i) {
        if (!argv[i])
            continue;
        const QString argument = QFile::decodeName(argv[i]);
        if (argument.isEmpty())
            continue;
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')))
            continue;
        files.append(absolutePath(argument));
    }
    return files;
}

bool SingleInstanceFileDispatcher::trySendToRunningInstance(const QList<QString> &files)
{
    QList<QString> remaining = files;
    return !serverName.isEmpty() && deliver(remaining) == Delivery::Delivered;
}

SingleInstanceFileDispatcher::Delivery SingleInstanceFileDispatcher::deliver(QList<QString> &files)
{
    for (QString &path : files)
        path = absolutePath(path);
    // An empty list still goes out: it asks the running window to the front.
    do {
        qint64 bytes = 4;
        int count = 0;
        while (count < files.size() && count < HandOffConnection::maxPaths
               && bytes + serialisedSize(files.at(count)) <= HandOffConnection::maxMessageBytes) {
            bytes += serialisedSize(files.at(count));
            ++count;
        }
        if (count == 0 && !files.isEmpty())
            return Delivery::NotAcknowledged; // a path no server would take
        QByteArray message;
        QDataStream out(&message, QIODevice::WriteOnly);
        out << files.mid(0, count);
        const Delivery delivery = sendMessage(message);
        if (delivery != Delivery::Delivered)
            return delivery;
        files.remove(0, count);
    } while (!files.isEmpty());
    return Delivery::Delivered;
}

SingleInstanceFileDispatcher::Delivery SingleInstanceFileDispatcher::sendMessage(const QByteArray &message)
{
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return Delivery::NoServer;
    const QDeadlineTimer deadline(kAcknowledgeTimeoutMs);
    socket.write(message);
    while (socket.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            break;
    }
    while (socket.bytesAvailable() < 1 && !deadline.hasExpired()) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
    }
    char answer = 0;
    if (socket.read(&answer, 1) == 1 && answer == HandOffConnection::acknowledgement)
        return Delivery::Delivered;
    return Delivery::NotAcknowledged;
}

bool SingleInstanceFileDispatcher::otherInstanceAnswers() const
{
    QLocalSocket probe;
    probe.connectToServer(serverName);
    const bool answers = probe.waitForConnected(kConnectTimeoutMs);
    probe.abort();
    return answers;
}

bool SingleInstanceFileDispatcher::startServer()
{
    if (serverName.isEmpty() || isListening())
        return isListening();
    // listen() replaces whatever socket has the name, a live one too. The
    // lock makes "nobody answers, so listen" one step for programs that
    // start together; a lock left by a crashed program is taken over.
    QLockFile lock(lockPathFor(serverName));
    if (!lock.tryLock(kLockTimeoutMs))
        Log::warn(QStringLiteral("Could not lock the single-window socket; going on without the lock."));
    if (otherInstanceAnswers())
        return false;
    // Nobody answers, so the socket file is left by a program that died.
    QLocalServer::removeServer(serverName);
    auto *candidate = new HandOffServer(nullptr);
    if (!candidate->listenPrivately(serverName)) {
        Log::warn(QStringLiteral("Could not listen for files from other starts: ") + candidate->errorString());
        delete candidate;
        return false;
    }
    server = candidate;
    connect(server, &HandOffServer::messageReceived, this, &SingleInstanceFileDispatcher::takeMessage,
            Qt::QueuedConnection);
    // Other starts are answered on a thread of their own: they wait for the
    // acknowledgement only briefly, and this thread may still be starting up
    // or opening a large drawing.
    connect(&m_serverThread, &QThread::finished, server, &QObject::deleteLater);
    server->moveToThread(&m_serverThread);
    m_serverThread.start();
    return true;
}

void SingleInstanceFileDispatcher::takeMessage(const QStringList &paths)
{
    emit activationRequested();
    m_pending += paths;
    scheduleNextOpen();
}

void SingleInstanceFileDispatcher::scheduleNextOpen()
{
    if (m_openScheduled || m_pending.isEmpty())
        return;
    m_openScheduled = true;
    QTimer::singleShot(0, this, &SingleInstanceFileDispatcher::openNextPending);
}

// One path per turn of the event loop, so the window stays responsive
// between drawings.
void SingleInstanceFileDispatcher::openNextPending()
{
    m_openScheduled = false;
    // An alert's own event loop inside an open must not start the next one;
    // the outer call goes on when it returns, so the order holds.
    if (m_opening || m_pending.isEmpty())
        return;
    m_opening = true;
    emit openPstFile(m_pending.takeFirst());
    m_opening = false;
    scheduleNextOpen();
}
