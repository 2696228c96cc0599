#include "HandOffConnection.h"

#include <QLocalSocket>

HandOffConnection::HandOffConnection(QLocalSocket *socket, QObject *parent)
    : QObject(parent)
    , m_socket(socket)
{
    m_socket->setParent(this);
    // Qt stops reading once the buffer is full, so an oversized message
    // costs no more memory than the bound.
    m_socket->setReadBufferSize(maxMessageBytes + 1);
    connect(m_socket, &QLocalSocket::readyRead, this, &HandOffConnection::readAvailable);
    connect(m_socket, &QLocalSocket::disconnected, this, [this] {
        if (!m_answered)
            drop();
        else
            deleteLater();
    });
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &HandOffConnection::drop);
    m_deadline.start(readTimeoutMs);
    // Bytes may have arrived before we were listening for them.
    if (m_socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &HandOffConnection::readAvailable, Qt::QueuedConnection);
}

HandOffConnection::ReadResult HandOffConnection::readMessage(QDataStream &in, QStringList *paths)
{
    paths->clear();
    in.startTransaction();
    // Read the count ourselves: Qt's list reader reserves room for whatever
    // count it is given before looking for the items.
    qint32 count = 0;
    in >> count;
    if (in.status() == QDataStream::Ok && (count < 0 || count > maxPaths)) {
        in.abortTransaction();
        return Invalid;
    }
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString path;
        in >> path;
        if (!path.isEmpty())
            paths->append(path);
    }
    if (in.commitTransaction())
        return Complete;
    paths->clear();
    return in.status() == QDataStream::ReadPastEnd ? Incomplete : Invalid;
}

void HandOffConnection::readAvailable()
{
    if (m_answered || !m_socket)
        return;
    if (m_socket->bytesAvailable() > maxMessageBytes) {
        drop();
        return;
    }
    QDataStream in(m_socket);
    QStringList paths;
    switch (readMessage(in, &paths)) {
    case Incomplete:
        return; // the deadline still runs
    case Invalid:
        drop();
        return;
    case Complete:
        break;
    }
    m_answered = true;
    m_deadline.stop();
    m_socket->write(&acknowledgement, 1);
    m_socket->flush();
    emit messageReceived(paths);
    // Lets the acknowledgement go out before the socket closes.
    m_socket->disconnectFromServer();
    if (m_socket->state() == QLocalSocket::UnconnectedState)
        deleteLater();
}

void HandOffConnection::drop()
{
    m_answered = true;
    m_deadline.stop();
    disconnect(m_socket, nullptr, this, nullptr);
    m_socket->abort();
    deleteLater();
}
