#pragma once

#include <QCoreApplication>

// The viewer's --help and --version. They are answered before the window
// system is reached, so that they work in a terminal without a display.
class ViewerCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(ViewerCommandLine)

public:
    // True, once the answer is printed, when the arguments ask for help or
    // the version: the program then ends. No application object may exist.
    static bool answer(int argc, char *argv[]);
};
