#include "ThumbnailerCommandLine.h"

#include "CommandLineTool.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cmath>

ThumbnailerCommandLine::Status ThumbnailerCommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Writes a PNG picture of page 1 of a Visio drawing, for file managers to show as\n"
           "the drawing's thumbnail; they run it as plandraw.thumbnailer says. It gives up,\n"
           "leaving no file behind, on anything but a drawing with a page 1 to show, and on\n"
           "drawings that take longer than the time limit."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption sizeOption(
        {QStringLiteral("s"), QStringLiteral("size")},
        tr("The picture's longer side in pixels; larger sizes than %1 are brought down to %1.")
            .arg(maxSize),
        tr("SIZE"));
    const QCommandLineOption timeOption(
        {QStringLiteral("t"), QStringLiteral("time-limit")},
        tr("Give up after SECONDS (default %1).").arg(defaultTimeLimit), tr("SECONDS"));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           tr("Show diagnostic messages."));
    parser.addOptions({sizeOption, timeOption, verboseOption});
    parser.addPositionalArgument(tr("input"), tr("The Visio drawing to read."));
    parser.addPositionalArgument(tr("output"), tr("The PNG file to write."));

    if (!parser.parse(arguments)) {
        errorText = parser.errorText();
        return Error;
    }
    if (CommandLineTool::answerHelpOrVersion(parser, helpOption, versionOption))
        return Exit;

    verbose = parser.isSet(verboseOption);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
        errorText = tr("Expected a drawing and an output file (see --help).");
        return Error;
    }
    input = positional.at(0);
    output = positional.at(1);

    if (!parser.isSet(sizeOption)) {
        errorText = tr("Give the picture's size with -s SIZE.");
        return Error;
    }
    bool ok = false;
    const qlonglong requested = parser.value(sizeOption).trimmed().toLongLong(&ok);
    if (!ok || requested < 1) {
        errorText = tr("The size must be a whole number of pixels, at least 1.");
        return Error;
    }
    size = int(std::min<qlonglong>(requested, maxSize));

    if (parser.isSet(timeOption)) {
        const double seconds = parser.value(timeOption).trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(seconds) || seconds <= 0 || seconds > maxTimeLimit) {
            errorText = tr("The time limit must be a number of seconds above 0 and at most %1.")
                            .arg(maxTimeLimit);
            return Error;
        }
        timeLimit = seconds;
    }
    return Run;
}
