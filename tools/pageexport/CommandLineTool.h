#pragma once

#include <QString>

class QCommandLineOption;
class QCommandLineParser;

// What the command-line tools do alike: they keep library chatter off
// stderr, speak the terminal's language, and answer --help and --version.
class CommandLineTool
{
public:
    // Before the application exists, so that nothing Qt says at start-up
    // gets through: stderr is for the tool's own line, and messages show
    // only once setVerbose(true) asks for them.
    static void silenceMessages();
    // After the application exists: the tool's name and version, and the
    // catalogues of the terminal's locale.
    static void identify(const QString &name);
    static void setVerbose(bool verbose);

    // Prints the help or the version when the parsed arguments ask for it;
    // true when it did.
    static bool answerHelpOrVersion(const QCommandLineParser &parser, const QCommandLineOption &help,
                                    const QCommandLineOption &version);
};
