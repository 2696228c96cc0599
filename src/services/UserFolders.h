#pragma once

#include <QString>

// Decides where the per-user Config, Log and Temp folders live. Every other
// part of the program asks this class instead of building paths itself.
// On Linux these follow the XDG base-directory convention; on macOS they sit
// under ~/Library/Application Support.
class UserFolders
{
public:
    enum Folder { Config, Log, Temp };

    // The one place that decides a folder's path; always ends with a separator.
    static QString path(Folder folder);

    static QString configDir() { return path(Config); }
    static QString logDir() { return path(Log); }
    static QString tempDir() { return path(Temp); }

    // Creates Log, Config and Temp where missing; failures are left to later
    // writers.
    static void createAll();
};
