#include "BatchReport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <cmath>

namespace {

QString statusName(BatchItem::Status status)
{
    switch (status) {
    case BatchItem::Converted:
        return QStringLiteral("converted");
    case BatchItem::Failed:
        return QStringLiteral("failed");
    case BatchItem::Skipped:
        return QStringLiteral("skipped");
    case BatchItem::Pending:
        break;
    }
    return QString();
}

QJsonValue nullWhenEmpty(const QString &text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

} // namespace

BatchReport::Counts BatchReport::count(const QList<BatchItem> &items)
{
    Counts counts;
    for (const BatchItem &item : items) {
        if (item.status == BatchItem::Converted)
            ++counts.converted;
        else if (item.status == BatchItem::Failed)
            ++counts.failed;
        else if (item.status == BatchItem::Skipped)
            ++counts.skipped;
    }
    return counts;
}

QString BatchReport::summary(const Counts &counts)
{
    return tr("%1 converted, %2 failed, %3 skipped")
        .arg(counts.converted)
        .arg(counts.failed)
        .arg(counts.skipped);
}

QJsonObject BatchReport::record(const BatchItem &item)
{
    QJsonObject record;
    record.insert(QLatin1String("input"), QFile::decodeName(item.path));
    record.insert(QLatin1String("output"), nullWhenEmpty(QFile::decodeName(item.output)));
    record.insert(QLatin1String("status"), statusName(item.status));
    record.insert(QLatin1String("reason"), nullWhenEmpty(item.reason));
    record.insert(QLatin1String("pages"), item.pages);
    record.insert(QLatin1String("seconds"), std::round(item.seconds * 1000) / 1000);
    record.insert(QLatin1String("peakMemoryKiB"), double(item.peakKiB));
    return record;
}

bool BatchReport::write(const QString &path, const QList<BatchItem> &items, QString *error)
{
    QJsonArray records;
    for (const BatchItem &item : items) {
        if (item.status != BatchItem::Pending)
            records.append(record(item));
    }
    const Counts counts = count(items);
    QJsonObject root;
    root.insert(QLatin1String("converted"), counts.converted);
    root.insert(QLatin1String("failed"), counts.failed);
    root.insert(QLatin1String("skipped"), counts.skipped);
    root.insert(QLatin1String("drawings"), records);

    QSaveFile file(path);
    const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Indented);
    // Flushed first: QSaveFile commits a truncated file when the disk fills
    // while commit() flushes.
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.flush()
        || !file.commit()) {
        *error = tr("Cannot write the report %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
