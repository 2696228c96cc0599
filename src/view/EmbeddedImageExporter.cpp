#include "EmbeddedImageExporter.h"

#include "Log.h"
#include "LogStream.h"
#include "VectorPictureItem.h"

#include <QDir>
#include <QFileInfo>
#include <QGraphicsItemGroup>
#include <QGraphicsPixmapItem>
#include <QImageWriter>
#include <QSaveFile>

namespace {

struct PagePicture
{
    const QGraphicsItem *item;
    int pageIndex;
    int number;
};

} // namespace

bool EmbeddedImageExporter::hasExtractableImage(const QGraphicsItem *item)
{
    if (const auto *pixmapItem = qgraphicsitem_cast<const QGraphicsPixmapItem *>(item))
        return !pixmapItem->pixmap().isNull();
    if (item && item->type() == VectorPictureItem::Type) {
        const auto *picture = static_cast<const VectorPictureItem *>(item);
        return !picture->isPlaceholder() && picture->picture();
    }
    return false;
}

QImage EmbeddedImageExporter::extractableImage(const QGraphicsItem *item)
{
    if (!hasExtractableImage(item))
        return QImage();
    if (const auto *pixmapItem = qgraphicsitem_cast<const QGraphicsPixmapItem *>(item))
        return pixmapItem->pixmap().toImage();
    return static_cast<const VectorPictureItem *>(item)->toImage();
}

QString EmbeddedImageExporter::folderName(const QString &documentName)
{
    return documentName.isEmpty() ? QStringLiteral("Exported_Images") : documentName;
}

QString EmbeddedImageExporter::imageFileName(const QString &folderName, int pageIndex,
                                             int imageNumber)
{
    return QStringLiteral("%1_P%2_I%3.png")
        .arg(folderName)
        .arg(pageIndex + 1, 3, 10, QLatin1Char('0'))
        .arg(imageNumber, 2, 10, QLatin1Char('0'));
}

EmbeddedImageExporter::Result EmbeddedImageExporter::exportAll(
    const QList<QGraphicsItemGroup *> &pageGroups, const QString &documentName,
    const QString &baseDir, const DocumentPrinter::PageProgress &progress)
{
    Result result;
    if (pageGroups.isEmpty() || baseDir.isEmpty()) {
        LogStream(Log::warn) << "Export failed: Empty page groups or invalid base path.";
        result.outcome = Failed;
        result.errorText = tr("There is nothing to export, or no folder to export to.");
        return result;
    }

    // Counted first, so that a document without pictures leaves no folder.
    // Numbering has no gaps for pictures that cannot be written, and no
    // numbers for items that show nothing.
    QList<PagePicture> pictures;
    for (int p = 0; p < pageGroups.size(); ++p) {
        const QGraphicsItemGroup *group = pageGroups.at(p);
        if (!group)
            continue;
        int number = 0;
        const QList<QGraphicsItem *> children = group->childItems();
        for (const QGraphicsItem *child : children) {
            if (hasExtractableImage(child))
                pictures.append({child, p, ++number});
        }
    }
    result.found = int(pictures.size());
    if (pictures.isEmpty())
        return result;

    const QString folder = folderName(documentName);
    const QDir base(baseDir);
    const QString exportDir = QFileInfo(base.filePath(folder)).absoluteFilePath();
    result.exportDir = exportDir;
    if (!QFileInfo(exportDir).isDir() && !QDir().mkpath(exportDir)) {
        LogStream(Log::fatal) << "Export failed: Cannot create directory" << exportDir;
        result.outcome = Failed;
        result.errorText = QFileInfo::exists(exportDir)
                               ? tr("Cannot create the folder %1: a file of that name is in the way.")
                                     .arg(exportDir)
                               : tr("Cannot create the folder %1.").arg(exportDir);
        return result;
    }

    const QDir dir(exportDir);
    int done = 0;
    for (const PagePicture &picture : pictures) {
        const QString name = imageFileName(folder, picture.pageIndex, picture.number);
        const QString path = dir.filePath(name);
        QSaveFile file(path);
        QImageWriter writer(&file, "png");
        const bool written = file.open(QIODevice::WriteOnly)
                             && writer.write(extractableImage(picture.item)) && file.flush()
                             && file.commit();
        if (written) {
            ++result.saved;
            result.writtenFiles.append(path);
        } else {
            LogStream(Log::warn) << "Export failed to save image:" << name;
            if (result.errorText.isEmpty()) {
                const QString reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                                            : writer.errorString();
                result.errorText = tr("Cannot write %1: %2").arg(path, reason);
            }
        }
        ++done;
        if (progress && !progress(done, result.found) && done < result.found) {
            result.outcome = Cancelled;
            return result;
        }
    }

    if (result.saved != result.found) {
        LogStream(Log::warn) << "Export incomplete: saved" << result.saved << "/" << result.found;
        result.outcome = Failed;
        result.errorText = tr("%1 of %2 pictures could not be saved. %3")
                               .arg(result.found - result.saved)
                               .arg(result.found)
                               .arg(result.errorText);
        return result;
    }
    result.outcome = Exported;
    return result;
}
