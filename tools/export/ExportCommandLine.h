#pragma once

#include "BatchCommandLine.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What one run of plandraw-export was asked to do.
class ExportCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(ExportCommandLine)

public:
    enum Format { Pdf, Png, Svg, Txt, Images };
    enum Paper { PageSized, A4, Letter };
    enum Status { Run, RunBatch, ShowInfo, ShowLayers, Exit, Error };

    // Parses the application's arguments; --help and --version are answered
    // here (status Exit). On Error, errorText says why.
    Status parse(const QStringList &arguments);

    QString drawing;
    // Drawings and folders of a run over many drawings (RunBatch).
    QStringList inputs;
    BatchCommandLine batch;
    // Set as soon as a batch option is seen, so that a bad batch command line
    // can fail as a run that could not start.
    bool batchRequested = false;
    // Run as a worker of a batch run: report the result on standard output.
    bool worker = false;
    // The base folder for --images; the pictures go into a folder named
    // after the drawing inside it. Empty for text: it goes to standard output.
    QString output;
    Format format = Pdf;
    Paper paper = PageSized;
    int dpi = 96;
    // 1-based and inclusive; 0 for "to the last page".
    int firstPage = 1;
    int lastPage = 0;
    bool verbose = false;
    bool showLayers = false;
    // Layers left out of the output, by name.
    QStringList hiddenLayers;
    QString errorText;

    // Parses "A-B", "A-" or "A". False for anything else.
    static bool parsePageRange(const QString &text, int *first, int *last);
};
