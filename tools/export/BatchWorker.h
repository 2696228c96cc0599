#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>

// One drawing converted by a process of our own program, so that a drawing
// that crashes a library, hangs or eats the memory fails alone. The process
// runs in the drawing's own staging folder, with its address space capped,
// and is killed when its time is up.
class BatchWorker : public QObject
{
    Q_OBJECT

public:
    struct Outcome
    {
        bool converted = false;
        QString reason;
        int pages = 0;
        // As the worker named them, relative to its folder.
        QStringList files;
        qint64 peakKiB = 0;
        double seconds = 0;
    };

    BatchWorker(int item, QObject *parent = nullptr);
    ~BatchWorker() override;

    int item() const { return m_item; }
    const Outcome &outcome() const { return m_outcome; }

    // folder is the raw path the process runs in; memoryLimit in bytes.
    void start(const QString &program, const QStringList &arguments, const QByteArray &folder,
               qint64 memoryLimit, double timeoutSeconds);
    // Takes the process's peak memory so far: a process that dies cannot
    // tell it.
    void samplePeakMemory();
    // Kills the process and waits for it; finished() is not emitted.
    void stop();

    // The worker's side: notes failed allocations, so that the run can tell
    // running out of memory from a damaged drawing.
    static void watchMemory();
    // The line that tells the batch run what was written.
    static void printResult(int pages, const QStringList &files);

signals:
    void finished(BatchWorker *worker);

private:
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onTimeout();
    QString failureReason(int exitCode, QProcess::ExitStatus status) const;

    int m_item;
    QProcess m_process;
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_timeoutSeconds = 0;
    qint64 m_memoryLimit = 0;
    bool m_timedOut = false;
    QByteArray m_stdout;
    QByteArray m_stderr;
    Outcome m_outcome;
};
