#pragma once

#include <QByteArray>
#include <QString>

// One input of a batch run: a drawing to convert, or something met on the
// way that is reported without being converted. Paths stay in the file
// system's own bytes, which need not be valid UTF-8.
struct BatchItem
{
    enum Status { Pending, Converted, Failed, Skipped };

    QByteArray path;
    // Below the output folder, '/'-separated; empty for the folder itself.
    QByteArray outputDir;
    // The output's name without its suffix.
    QByteArray stem;
    // The drawing's own suffix, which tells apart drawings of one name.
    QByteArray suffix;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    Status status = Pending;
    QString reason;
    // The first file written, or the one kept; empty when there is none.
    QByteArray output;
    int pages = 0;
    double seconds = 0;
    qint64 peakKiB = 0;
};
