#include "DrawingThumbnailer.h"

#include "ImportLimits.h"
#include "PageExporter.h"
#include "VisioImporter.h"
#include "VisioSceneBuilder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>
#include <memory>

namespace {

constexpr double sceneDpi = 96.0;

// libvisio reads an XML drawing up to where it breaks off and reports
// success; a picture of the part before would be cached as the drawing's.
bool isCutShortXml(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(64).trimmed();
    if (!head.startsWith('<') && !head.startsWith("\xEF\xBB\xBF"))
        return false;
    file.seek(std::max<qint64>(0, file.size() - 256));
    return !file.read(256).trimmed().endsWith("VisioDocument>");
}

} // namespace

QImage DrawingThumbnailer::failed(const QString &message)
{
    m_error = message;
    return QImage();
}

QImage DrawingThumbnailer::render(const QString &drawing, int size)
{
    // Pipes and devices are refused before anything reads them: they could
    // block or never end.
    const QFileInfo info(drawing);
    if (!info.exists())
        return failed(tr("%1 does not exist.").arg(drawing));
    if (!info.isFile())
        return failed(tr("%1 is not a file.").arg(drawing));
    if (info.size() == 0)
        return failed(tr("%1 is empty.").arg(drawing));
    if (info.size() > ImportLimits::maxThumbnailInputBytes) {
        return failed(tr("%1 is larger than %2 MB: no thumbnail is made of it.")
                          .arg(drawing)
                          .arg(ImportLimits::maxThumbnailInputBytes / (1024 * 1024)));
    }

    if (isCutShortXml(drawing))
        return failed(tr("%1 could not be read: the drawing is damaged.").arg(drawing));
    VisioImporter::Result result = VisioImporter::importFile(drawing);
    switch (result.outcome) {
    case VisioImporter::Loaded:
        break;
    case VisioImporter::Unsupported:
    case VisioImporter::Cancelled:
        return failed(tr("%1 is not a drawing that can be read.").arg(drawing));
    case VisioImporter::ParseFailed:
        return failed(tr("%1 could not be read: the drawing is damaged.").arg(drawing));
    case VisioImporter::Empty:
        return failed(tr("%1 has no pages.").arg(drawing));
    }
    // A blank picture would tell the user less than the file type's own icon.
    if (result.model.pages.first().contentBounds().isNull())
        return failed(tr("Page 1 of %1 is empty.").arg(drawing));

    // Only page 1 is ever shown: the scene is built for it alone.
    result.model.pages.resize(1);
    QList<QRectF> pageRects;
    std::unique_ptr<QGraphicsScene> scene(
        VisioSceneBuilder::buildScene(result.model, &pageRects, nullptr, sceneDpi));
    result.model = VisioDocumentModel();
    if (!scene || pageRects.isEmpty())
        return failed(tr("Page 1 of %1 could not be laid out.").arg(drawing));

    const PageExporter exporter(scene.get(), pageRects, sceneDpi);
    const QSize pixels = exporter.fittedSize(0, size);
    const QImage image = exporter.renderPage(0, pixels);
    if (image.isNull()) {
        return failed(tr("Not enough memory for a picture of %1 x %2 pixels.")
                          .arg(pixels.width())
                          .arg(pixels.height()));
    }
    return image;
}

QByteArray DrawingThumbnailer::encodePng(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        m_error = tr("Cannot encode the picture: %1").arg(writer.errorString());
        return QByteArray();
    }
    return png;
}

bool DrawingThumbnailer::writeFile(const QByteArray &png, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit()) {
        m_error = tr("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
