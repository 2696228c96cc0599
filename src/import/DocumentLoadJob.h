#pragma once

#include "CountingInputStream.h"
#include "VisioImporter.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <memory>

class QThreadPool;
class QTimer;

// Imports one drawing on a pool thread. The owner watches progress and the
// end on its own thread; the worker shares nothing with it but the counting
// stream's state, so cancelling or deleting the job never waits for it.
class DocumentLoadJob : public QObject
{
    Q_OBJECT

public:
    // How often progress is reported while the parse runs.
    static constexpr int ProgressIntervalMs = 100;

    explicit DocumentLoadJob(const QString &filePath, QObject *parent = nullptr);
    // Cancels a running import; its result is thrown away.
    ~DocumentLoadJob() override;

    // Without a pool, the application's global pool.
    void start(QThreadPool *pool = nullptr);
    // Makes the parse stop early. Neither progressChanged() nor finished()
    // follows.
    void cancel();

    QString filePath() const { return m_filePath; }
    bool isRunning() const;
    bool isCancelled() const;
    // Between 0 and 1, never going back; 1 once finished.
    double progress() const { return m_progress; }
    // Valid after finished().
    VisioImporter::Result takeResult();

signals:
    void progressChanged(double fraction);
    void finished();

private:
    void reportProgress(double fraction);
    void onFinished();

    QString m_filePath;
    std::shared_ptr<CountingInputStream::State> m_state;
    QFutureWatcher<VisioImporter::Result> *m_watcher = nullptr;
    QTimer *m_progressTimer = nullptr;
    VisioImporter::Result m_result;
    double m_progress = 0.0;
};
