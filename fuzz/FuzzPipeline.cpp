#include "FuzzPipeline.h"

#include "ImportLimits.h"
#include "VisioImage.h"
#include "VisioImporter.h"
#include "VisioPictureLoader.h"
#include "VisioVectorPicture.h"
#include "VisioSceneBuilder.h"

#include <QGraphicsItemGroup>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

#include <memory>

namespace {

bool looksLikeWmf(const QByteArray &bytes)
{
    if (bytes.startsWith(QByteArrayLiteral("\xd7\xcd\xc6\x9a")))
        return true;
    // A bare header: type 1 or 2, then a header size of 9 words.
    return bytes.size() >= 4 && (bytes[0] == 1 || bytes[0] == 2) && bytes[1] == 0
           && bytes[2] == 9 && bytes[3] == 0;
}

} // namespace

bool FuzzPipeline::runDocument(const QByteArray &bytes)
{
    if (bytes.isEmpty() || bytes.size() > ImportLimits::maxInputBytes)
        return false;
    VisioImporter::Result result = VisioImporter::importData(bytes, QStringLiteral("fuzz.vsd"));
    if (result.outcome != VisioImporter::Loaded)
        return false;

    QList<QRectF> pageRects;
    QList<QGraphicsItemGroup *> pageGroups;
    std::unique_ptr<QGraphicsScene> scene(
        VisioSceneBuilder::buildScene(result.model, &pageRects, &pageGroups, 96.0));
    if (!scene || pageRects.isEmpty())
        return false;

    QImage image(160, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene->render(&painter, QRectF(image.rect()), pageRects.first());
    return true;
}

bool FuzzPipeline::runPicture(const QByteArray &bytes)
{
    // The viewer's own path: EMF and WMF become vector pictures, then paint.
    const QString format = looksLikeWmf(bytes) ? QStringLiteral("wmf") : QStringLiteral("x-emf");
    VisioImage record;
    if (!VisioPictureLoader::load(bytes, format, QSizeF(1, 1), record) || !record.vector)
        return false;
    // A small target keeps the time in the conversion, not in filling pixels.
    QImage image(64, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    record.vector->render(&painter, QRectF(image.rect()));
    return true;
}
