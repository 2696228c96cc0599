#pragma once

#include <QCoreApplication>
#include <QString>

// What one run of plandraw-export was asked to do.
class ExportCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(ExportCommandLine)

public:
    enum Format { Pdf, Png, Svg, Images };
    enum Paper { PageSized, A4, Letter };
    enum Status { Run, ShowInfo, ShowLayers, Exit, Error };

    // Parses the application's arguments; --help and --version are answered
    // here (status Exit). On Error, errorText says why.
    Status parse(const QStringList &arguments);

    QString drawing;
    // The base folder for --images; the pictures go into a folder named
    // after the drawing inside it.
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
