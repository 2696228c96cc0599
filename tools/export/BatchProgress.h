#pragma once

#include "BatchItem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>

#include <cstdio>

// What a batch run says while it works. On a terminal: one line, redrawn,
// with the drawings done, the failures and the current rate, and each
// failure on a line of its own above it. Elsewhere: one line per drawing,
// for logs and scripts.
class BatchProgress
{
    Q_DECLARE_TR_FUNCTIONS(BatchProgress)

public:
    BatchProgress(int total, std::FILE *out, bool terminal);

    void itemDone(const BatchItem &item);
    // Redraws the terminal line with a fresh rate.
    void refresh();
    // Clears the terminal line and prints the summary.
    void finish(const QString &summary);

    // For a line of text: control characters, newlines among them, as '?'.
    static QString displayName(const QByteArray &path);
    // Drawings finished per second over the last few seconds.
    double rate() const;

private:
    void print(const QString &line);

    int m_total;
    int m_done = 0;
    int m_failed = 0;
    std::FILE *m_out;
    bool m_terminal;
    bool m_lineShown = false;
    QElapsedTimer m_clock;
    QList<qint64> m_recent;
};
