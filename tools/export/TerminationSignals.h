#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal, through a pipe that the
// handler writes to, so that the event loop can clean up before the process
// ends. A second signal of the same kind ends the process at once.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    // Puts the previous handlers back.
    ~TerminationSignals() override;

    bool isActive() const { return m_notifier != nullptr; }

signals:
    void received(int signalNumber);

private:
    static void handle(int signalNumber);
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
    struct sigaction m_previous[3] {};
};
