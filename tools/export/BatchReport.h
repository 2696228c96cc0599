#pragma once

#include "BatchItem.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>

// The outcome of a batch run: the summary line, and the JSON report with one
// record per drawing (input, output, status, reason, pages, seconds, peak
// memory). Items still pending (not started, or stopped by an interrupt)
// have no record.
class BatchReport
{
    Q_DECLARE_TR_FUNCTIONS(BatchReport)

public:
    struct Counts
    {
        int converted = 0;
        int failed = 0;
        int skipped = 0;
    };

    static Counts count(const QList<BatchItem> &items);
    // "N converted, N failed, N skipped"
    static QString summary(const Counts &counts);
    static QJsonObject record(const BatchItem &item);
    // False, with error set, when the file cannot be written; a file that
    // was there is then left as it was.
    static bool write(const QString &path, const QList<BatchItem> &items, QString *error);
};
