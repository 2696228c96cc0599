#pragma once

#include <QStringList>

class MainWindow;

// On Linux, files to open arrive as command-line arguments. Every argument
// after the program name is a path: there are no options of our own (Qt's
// own, like -platform, are taken out by QApplication before we look).
class CommandLineFiles
{
public:
    static QStringList fromArguments(const QStringList &arguments);

    // Opens the paths one after another once the event loop runs, so the
    // window is already on screen when the first alert or tab appears.
    static void openWhenShown(MainWindow *window, const QStringList &paths);
};
