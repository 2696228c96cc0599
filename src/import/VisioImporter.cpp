#include "VisioImporter.h"

#include "ImportLimits.h"
#include "PackageInputStream.h"
#include "PackageReader.h"
#include "PictureStandIns.h"
#include "VisioBackgroundPages.h"
#include "VisioThemeResolver.h"
#include "VisioLayerReader.h"
#include "VisioMasterPictures.h"
#include "VisioRenderer.h"
#include "VisioStencilGrid.h"

#include "DrawingFileTypes.h"

#include "Log.h"
#include "LogStream.h"

#include <libvisio/libvisio.h>
#include <librevenge-stream/librevenge-stream.h>

#include <QFile>
#include <QFileInfo>

#include <memory>

namespace {

void logUnsupported(const QString &source)
{
    LogStream(Log::warn) << "Failed to load file:" << source
                         << "- Reason: Unsupported file format or corrupted document.";
}

// Names the drawing in the model, in the log, and says what to do along the way.
struct ImportContext
{
    QString modelName;
    QString logName;
    std::shared_ptr<CountingInputStream::State> state;
    VisioRenderer::PictureTap tap;

    bool cancelled() const { return state && state->cancelled.load(); }
};

// One libvisio pass over the stream into a fresh renderer: the drawing's
// pages, or with stencil set its masters, one page each. False when libvisio
// fails or gives up on a cancel.
bool parseInto(librevenge::RVNGInputStream *stream, VisioRenderer *renderer, bool stencil)
{
    try {
        stream->seek(0, librevenge::RVNG_SEEK_SET);
        return stencil ? libvisio::VisioDocument::parseStencils(stream, renderer)
                       : libvisio::VisioDocument::parse(stream, renderer);
    } catch (...) {
        return false;
    }
}

// Parses what stream holds; the model's name's suffix says whether the file
// is a stencil. standIns, when given, turns the stand-ins of a package's
// pictures back into their bytes.
VisioImporter::Result importFrom(librevenge::RVNGInputStream *stream, const ImportContext &context,
                                 const PictureStandIns *standIns = nullptr)
{
    VisioImporter::Result result;
    result.outcome = VisioImporter::Unsupported;

    bool supported = false;
    try {
        if (stream) {
            stream->seek(0, librevenge::RVNG_SEEK_SET);
            supported = libvisio::VisioDocument::isSupported(stream);
        }
    } catch (...) {
        supported = false;
    }
    if (context.cancelled()) {
        result.outcome = VisioImporter::Cancelled;
        return result;
    }
    if (!supported) {
        logUnsupported(context.logName);
        return result;
    }

    // A stencil shows its masters. A file whose suffix promises the other
    // kind but that holds only masters, or only pages, still shows them.
    const bool stencilFirst =
        DrawingFileTypes::kindOf(context.modelName) == DrawingFileTypes::Stencil;
    bool anyParsed = false;
    bool stencilRead = false;
    for (const bool stencil : {stencilFirst, !stencilFirst}) {
        VisioRenderer renderer(context.modelName);
        if (context.state)
            renderer.setCancelFlag(&context.state->cancelled);
        renderer.setPictureStandIns(standIns);
        renderer.setPictureTap(context.tap);
        if (!stencil)
            renderer.setPageLayers(VisioLayerReader::read(stream));
        const bool parsed = parseInto(stream, &renderer, stencil);
        if (context.cancelled()) {
            result.outcome = VisioImporter::Cancelled;
            return result;
        }
        // A damaged file is not read a second time.
        if (!parsed)
            break;
        anyParsed = true;
        result.model = renderer.takeDocumentModel();
        if (!result.model.pages.isEmpty()) {
            stencilRead = stencil;
            if (stencil) {
                VisioMasterPictures::fillEmptyMasters(stream, &result.model, standIns);
                result.model = VisioStencilGrid::arrange(std::move(result.model));
            }
            break;
        }
    }
    // A stencil without masters says so on its one sheet.
    if (anyParsed && stencilFirst && result.model.pages.isEmpty()) {
        stencilRead = true;
        result.model = VisioStencilGrid::arrange(std::move(result.model));
    }
    if (!anyParsed) {
        LogStream(Log::warn) << "Parsing failed for file:" << context.logName
                             << "- Reason: libvisio engine internal error during parsing.";
        result.outcome = VisioImporter::ParseFailed;
        return result;
    }

    if (!stencilRead)
        VisioBackgroundPages::separate(result.model, VisioBackgroundPages::read(stream));
    if (result.model.pages.isEmpty()) {
        LogStream(Log::warn) << "Parsing completed, but the document model is empty:"
                             << context.logName;
        result.outcome = VisioImporter::Empty;
        return result;
    }
    result.outcome = VisioImporter::Loaded;
    return result;
}

// Whether the package's directory can be read; if not, libvisio is left to
// make what it can of the file, as it did before there was a reader.
bool opensAsPackage(PackageReader &reader, const ImportContext &context)
{
    if (reader.open())
        return true;
    LogStream(Log::warn) << "Failed to read package:" << context.logName << "- Reason: "
                         << reader.error() << "- libvisio reads it itself.";
    return false;
}

// A package is read into memory once, its pictures are put aside, and
// libvisio reads the rest from memory.
VisioImporter::Result importPackage(PackageReader &reader, const ImportContext &context)
{
    // libvisio reads each part it is served about twice, once for the
    // styles and once for the content.
    if (context.state)
        context.state->expectedBytes = 3 * reader.plannedBytes();
    PackageParts parts = reader.readParts(context.state.get());
    for (const QString &warning : reader.warnings())
        LogStream(Log::warn) << "Package " << context.logName << "- " << warning;
    if (reader.wasCancelled() || context.cancelled()) {
        VisioImporter::Result cancelled;
        cancelled.outcome = VisioImporter::Cancelled;
        return cancelled;
    }

    // Whatever rewrites parts runs here, on the real bytes, before the
    // pictures are put aside and the rest is served.
    QStringList themeWarnings;
    parts = VisioThemeResolver::resolve(parts, &themeWarnings);
    if (!themeWarnings.isEmpty())
        LogStream(Log::warn) << "Package" << context.logName << "-" << themeWarnings.first();

    PictureStandIns pictures;
    const PackageParts served = pictures.standIn(parts);
    parts = PackageParts(); // the pictures live on in their stand-ins' keeper
    if (context.state)
        context.state->expectedBytes = reader.plannedBytes() + 2 * served.totalBytes();
    CountingInputStream stream(std::make_unique<PackageInputStream>(served), context.state);
    return importFrom(&stream, context, &pictures);
}

bool startsLikePackage(const QString &filePath)
{
    QFile file(filePath);
    return file.open(QIODevice::ReadOnly) && PackageReader::looksLikePackage(file.read(4));
}

} // namespace

VisioImporter::Result VisioImporter::importFile(const QString &filePath)
{
    return importFile(filePath, std::make_shared<CountingInputStream::State>());
}

VisioImporter::Result VisioImporter::importFile(
    const QString &filePath, const std::shared_ptr<CountingInputStream::State> &state,
    const VisioRenderer::PictureTap &tap)
{
    // librevenge's file stream is not meant for directories or missing files.
    const QFileInfo info(filePath);
    if (filePath.isEmpty() || !info.exists() || !info.isFile() || !info.isReadable()
        || info.size() > ImportLimits::maxInputBytes) {
        logUnsupported(filePath);
        return Result();
    }
    const ImportContext context{info.fileName(), filePath,
                                state ? state : std::make_shared<CountingInputStream::State>(), tap};

    if (startsLikePackage(filePath)) {
        PackageReader reader(filePath);
        if (opensAsPackage(reader, context))
            return importPackage(reader, context);
    }

    const QByteArray encodedPath = QFile::encodeName(filePath);
    std::unique_ptr<CountingInputStream> stream;
    try {
        stream = std::make_unique<CountingInputStream>(
            std::make_unique<librevenge::RVNGFileStream>(encodedPath.constData()), context.state);
    } catch (...) {
        logUnsupported(filePath);
        return Result();
    }
    // libvisio reads a drawing about twice, once for its styles and once
    // for its content: the file itself, or the document stream of a binary
    // drawing, which is mostly the file.
    context.state->expectedBytes = 2 * info.size();
    return importFrom(stream.get(), context);
}

VisioImporter::Result VisioImporter::importData(const QByteArray &bytes, const QString &name)
{
    if (bytes.isEmpty() || bytes.size() > ImportLimits::maxInputBytes) {
        logUnsupported(name);
        return Result();
    }
    const ImportContext context{name, name, std::make_shared<CountingInputStream::State>(), {}};
    if (PackageReader::looksLikePackage(bytes)) {
        PackageReader reader(bytes);
        if (opensAsPackage(reader, context))
            return importPackage(reader, context);
    }
    std::unique_ptr<librevenge::RVNGStringStream> stream;
    try {
        stream = std::make_unique<librevenge::RVNGStringStream>(
            reinterpret_cast<const unsigned char *>(bytes.constData()), unsigned(bytes.size()));
    } catch (...) {
        logUnsupported(name);
        return Result();
    }
    return importFrom(stream.get(), context);
}

VisioImporter::Result VisioImporter::importStream(librevenge::RVNGInputStream *stream,
                                                  const QString &name)
{
    return importFrom(stream, ImportContext{name, name, {}, {}});
}
