#pragma once

#include <QString>

// Notes a crash in the log folder before the process dies. On SIGSEGV,
// SIGABRT, SIGBUS or SIGFPE one fatal line naming the signal is appended to
// "crash.log" beside the application log; the signal then takes its default
// course, so the process dies exactly as it would have without us.
class CrashReporter
{
public:
    // Installs the handlers and opens the crash file. The endpoint is kept
    // for reference only: reports never leave the machine. Returns false when
    // the crash file cannot be opened (the handlers are installed anyway).
    static bool start(const QString &dsn);
    // Restores the handlers that were in place before start() and closes the file.
    static void end();

    static bool isRunning();
    static QString dsn();
    static QString crashLogPath();
};
