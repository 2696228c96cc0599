#pragma once

#include <QLocalServer>
#include <QStringList>

// The primary instance's end of the hand-off: a local server that only this
// user can reach. Each client sends one list of paths.
class HandOffServer : public QLocalServer
{
    Q_OBJECT

public:
    // More clients at once than this are turned away at the door.
    static constexpr int maxClients = 64;

    explicit HandOffServer(QObject *parent);

    // Listens under name with the socket closed to other users.
    bool listenPrivately(const QString &name);

signals:
    void messageReceived(const QStringList &paths);

private:
    void acceptPending();

    int m_clients = 0;
};
