#pragma once

#include <QDataStream>
#include <QObject>
#include <QStringList>
#include <QTimer>

class QLocalSocket;

// One client of the hand-off server. It reads one list of paths, answers
// with a single acknowledgement byte and goes away. A client that sends too
// much, sends nonsense or stalls is dropped; the server is not disturbed.
class HandOffConnection : public QObject
{
    Q_OBJECT

public:
    // Bounds on what one message may carry: far more than a file manager
    // passes at once, far less than would hurt the primary.
    static constexpr qint64 maxMessageBytes = 1024 * 1024;
    static constexpr int maxPaths = 1000;
    static constexpr char acknowledgement = '\x06';
    // Time a client has from connecting to sending its whole message.
    static constexpr int readTimeoutMs = 2000;

    // Takes the socket over.
    HandOffConnection(QLocalSocket *socket, QObject *parent);

signals:
    void messageReceived(const QStringList &paths);

private:
    enum ReadResult { Complete, Incomplete, Invalid };

    // Reads one message inside a transaction on the stream's device, so an
    // incomplete message leaves the bytes in place for the next attempt.
    static ReadResult readMessage(QDataStream &in, QStringList *paths);
    void readAvailable();
    void drop();

    QLocalSocket *m_socket = nullptr;
    QTimer m_deadline;
    bool m_answered = false;
};
