#pragma once

#include <QCoreApplication>
#include <QString>

// What one run of plandraw-thumbnailer was asked to do.
class ThumbnailerCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(ThumbnailerCommandLine)

public:
    enum Status { Run, Exit, Error };

    // Larger sizes are brought down to this: no file manager asks for more,
    // and a mistyped size must not cost gigabytes.
    static constexpr int maxSize = 4096;
    static constexpr double defaultTimeLimit = 5.0;
    static constexpr double maxTimeLimit = 600.0;

    // Parses the application's arguments; --help and --version are answered
    // here (status Exit). On Error, errorText says why.
    Status parse(const QStringList &arguments);

    QString input;
    QString output;
    int size = 0;
    // Seconds from the start of the process.
    double timeLimit = defaultTimeLimit;
    bool verbose = false;
    QString errorText;
};
