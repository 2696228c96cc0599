#pragma once

#include "BatchCommandLine.h"
#include "BatchItem.h"
#include "BatchWorker.h"

#include <QByteArray>
#include <QEventLoop>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>

class BatchProgress;
class ExportCommandLine;

// Converts many drawings into one output folder, several at a time, each in
// a worker process. Workers write into a hidden staging folder inside the
// output folder; a drawing's files are moved into place only when its worker
// has finished them, so a crash, a timeout, a full disk or an interrupt
// never leaves part of an output behind.
class BatchRunner : public QObject
{
    Q_OBJECT

public:
    // rawArguments: the command line as bytes, for names that are not UTF-8.
    BatchRunner(const ExportCommandLine &options, const QList<QByteArray> &rawArguments);
    ~BatchRunner() override;

    // Runs to the end and returns the exit code: 0 when every drawing was
    // converted or skipped, 2 when some failed, 1 when the run could not
    // start, 128 + the signal's number when interrupted.
    int run();

private:
    bool prepare();
    void skipExistingOutputs();
    void startMore();
    bool startWorker(int index);
    void onWorkerFinished(BatchWorker *worker);
    void onTerminationSignal(int signalNumber);
    bool commit(BatchItem &item, const BatchWorker::Outcome &outcome, const QByteArray &jobFolder,
                QString *error);
    bool ensureOutputFolder(const QByteArray &relative, QString *error) const;
    QByteArray outputPath(const BatchItem &item, const QByteArray &rest) const;
    QByteArray jobFolder(int index) const;
    int finish();

    BatchCommandLine m_settings;
    QList<QByteArray> m_rawArguments;
    QStringList m_inputs;
    QByteArray m_outDir;
    QByteArray m_currentFolder;
    QByteArray m_staging;
    QList<BatchItem> m_items;
    QList<int> m_queue;
    QList<BatchWorker *> m_running;
    // What each worker was given for its drawing.
    QHash<int, QString> m_inputArguments;
    std::unique_ptr<BatchProgress> m_progress;
    QEventLoop m_loop;
    QTimer m_ticker;
    int m_signal = 0;
};
