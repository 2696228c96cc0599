#include "HandOffServer.h"

#include "HandOffConnection.h"

#include <QLocalSocket>

HandOffServer::HandOffServer(QObject *parent)
    : QLocalServer(parent)
{
    connect(this, &QLocalServer::newConnection, this, &HandOffServer::acceptPending);
}

bool HandOffServer::listenPrivately(const QString &name)
{
    setSocketOptions(QLocalServer::UserAccessOption);
    return listen(name);
}

void HandOffServer::acceptPending()
{
    while (QLocalSocket *socket = nextPendingConnection()) {
        if (m_clients >= maxClients) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto *connection = new HandOffConnection(socket, this);
        ++m_clients;
        connect(connection, &QObject::destroyed, this, [this] { --m_clients; });
        connect(connection, &HandOffConnection::messageReceived, this, &HandOffServer::messageReceived);
    }
}
