#include "BatchOutputNames.h"

#include <QFile>
#include <QHash>
#include <QSet>

namespace {

QString key(const BatchItem &item, const QByteArray &stem)
{
    return QFile::decodeName(item.outputDir + '/' + stem).toCaseFolded();
}

} // namespace

void BatchOutputNames::assign(QList<BatchItem> *items, const QString &format)
{
    QHash<QString, int> users;
    for (const BatchItem &item : std::as_const(*items)) {
        if (item.status == BatchItem::Pending)
            ++users[key(item, item.stem)];
    }
    // Names nobody shares are taken first, so that a renamed drawing can
    // never take the name of another.
    QSet<QString> taken;
    for (auto it = users.cbegin(); it != users.cend(); ++it) {
        if (it.value() == 1)
            taken.insert(it.key());
    }
    for (BatchItem &item : *items) {
        if (item.status != BatchItem::Pending || users.value(key(item, item.stem)) == 1)
            continue;
        const QByteArray shared = item.stem;
        QByteArray stem = item.suffix.isEmpty() ? shared : shared + '.' + item.suffix;
        for (int n = 2; taken.contains(key(item, stem)); ++n)
            stem = (item.suffix.isEmpty() ? shared : shared + '.' + item.suffix) + " ("
                   + QByteArray::number(n) + ')';
        taken.insert(key(item, stem));
        item.stem = stem;
        item.reason = tr("Another drawing has the output name %1 too; this one is written as "
                         "%2.")
                          .arg(QFile::decodeName(shared) + QLatin1Char('.') + format,
                               QFile::decodeName(stem) + QLatin1Char('.') + format);
    }
}
