#pragma once

#include <QString>

// Decides where the per-user Config, Log and Temp folders live. Every other
// part of the program asks this class instead of building paths itself.
// On Linux these follow the XDG base-directory convention; on macOS they sit
// under ~/Library/Application Support.
class UserFolders
{
public:
    static QString configDir();
    static QString logDir();
    static QString tempDir();

    // Creates the three folders where missing; failures are left to later writers.
    static void createAll();
};
