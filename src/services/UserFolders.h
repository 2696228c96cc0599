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

    // A folder only this user can enter, for sockets and locks that live as
    // long as the session: $XDG_RUNTIME_DIR, else a folder of our own in the
    // temporary folder named after the user id. Empty when neither is safe
    // (for instance, another user made that folder first). Ends with a
    // separator when not empty.
    static QString runtimeDir();
};
