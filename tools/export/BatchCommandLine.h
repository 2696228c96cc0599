#pragma once

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QCommandLineParser;

// The options of a run over many drawings (--out-dir and its companions),
// and the hidden option that makes the program one of that run's workers.
class BatchCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(BatchCommandLine)

public:
    BatchCommandLine();

    void addTo(QCommandLineParser *parser) const;
    // Whether any option of a batch run is on the command line.
    bool isRequested(const QCommandLineParser &parser) const;
    bool isWorker(const QCommandLineParser &parser) const;
    // Reads the values; false with errorText set on a bad one.
    bool read(const QCommandLineParser &parser);

    // A fair share of the machine's memory for each of jobs workers, in MB.
    static qint64 defaultMemoryMB(int jobs);

    QString outDir;
    // pdf, png, svg or txt: the suffix of the files written.
    QString format = QStringLiteral("pdf");
    bool recursive = false;
    bool overwrite = false;
    bool skipNewer = false;
    int jobs = 1;
    double timeoutSeconds = 120;
    qint64 maxMemoryMB = 0;
    QString reportPath;
    // Given to every worker as they stand: --pages, --dpi, --paper.
    QStringList workerOptions;
    // 1-based; names the first page file of PNG and SVG output.
    int firstPage = 1;
    QString errorText;

    static constexpr int maxJobs = 256;
    static constexpr qint64 minMemoryMB = 64;

private:
    QCommandLineOption m_outDir;
    QCommandLineOption m_format;
    QCommandLineOption m_recursive;
    QCommandLineOption m_overwrite;
    QCommandLineOption m_skipNewer;
    QCommandLineOption m_jobs;
    QCommandLineOption m_timeout;
    QCommandLineOption m_maxMemory;
    QCommandLineOption m_report;
    QCommandLineOption m_worker;
};
