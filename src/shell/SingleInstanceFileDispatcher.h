#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QThread>

class HandOffServer;

// Keeps one window per user session: a program started while another runs
// hands its command-line files to the running one over a local socket and
// steps aside. The decision is taken once, in the constructor.
class SingleInstanceFileDispatcher : public QObject
{
    Q_OBJECT

public:
    // An empty serverName makes a lone instance that neither hands off nor
    // listens.
    SingleInstanceFileDispatcher(const QString &serverName, int argc, char **argv,
                                 QObject *parent = nullptr);
    ~SingleInstanceFileDispatcher() override;

    // A socket path private to this user and display, or empty when the
    // user has no private folder to put it in.
    static QString sessionServerName();

    // True unless the files went to a running instance; the owner of a
    // secondary dispatcher is expected to exit.
    bool isPrimary() const { return primary; }
    bool isListening() const { return server != nullptr; }

    // Queues the start-up files that were not handed off; openPstFile
    // follows for each, in order, once the event loop runs.
    void processStartupFiles();

    // The arguments that are not options, as absolute paths. Everything
    // after "--" is a path.
    static QList<QString> parseStartupFiles(int argc, char **argv);

    // True only when a running instance acknowledged every path.
    bool trySendToRunningInstance(const QList<QString> &files);

    // Listens under serverName unless another instance already answers
    // there. Returns whether this instance now listens.
    bool startServer();

signals:
    void openPstFile(const QString &path);
    // Another start asked for the running window, with or without files.
    void activationRequested();

private:
    enum class Delivery { Delivered, NoServer, NotAcknowledged };

    // Sends files in messages within the server's bounds; delivered paths
    // are taken off the front of files.
    Delivery deliver(QList<QString> &files);
    Delivery sendMessage(const QByteArray &message);
    bool otherInstanceAnswers() const;
    void takeMessage(const QStringList &paths);
    void scheduleNextOpen();
    void openNextPending();

    QString serverName;
    // Lives on m_serverThread once listening.
    HandOffServer *server = nullptr;
    bool primary = false;
    QList<QString> startupFiles;

    QThread m_serverThread;
    QList<QString> m_pending;
    bool m_openScheduled = false;
    bool m_opening = false;
};
