#pragma once

#include <QString>

// The application log: files in the per-user log folder, at three levels.
// Warnings and fatal lines are flushed at once so that they survive a crash.
// Lines read "2024-05-01 09:30:00.123 [warn] text", levels info, warn, fatal.
class Log
{
public:
    // Opens the log in logDir. Without it, the first line opens the log in
    // UserFolders::logDir().
    static void initialize(const QString &logDir);
    // Flushes and closes the log; a later line opens it again.
    static void shutdown();
    // Drops every later line, and never opens a file: for tools that run
    // where they may not write, such as a file manager's thumbnailer.
    static void discard();
    static void flush();

    static void info(const QString &message);
    static void warn(const QString &message);
    static void fatal(const QString &message);

    // Path of the current log file, empty before the log is open.
    static QString filePath();
};
