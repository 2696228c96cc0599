#include "VisioImporter.h"

#include "ImportLimits.h"
#include "PackageInputStream.h"
#include "PackageReader.h"
#include "PackageRelationships.h"
#include "PictureStandIns.h"
#include "VisioBackgroundPages.h"
#include "VisioLayerReader.h"
#include "VisioMasterPictures.h"
#include "VisioRenderer.h"
#include "VisioStencilGrid.h"
#include "VisioThemeResolver.h"

#include "DrawingFileTypes.h"

#include "Log.h"
#include "LogStream.h"

#include <libvisio/libvisio.h>
#include <librevenge-stream/librevenge-stream.h>

#include <QFile>
#include <QFileInfo>

#include <algorithm>
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

// What our own readers take from the file beside libvisio's callbacks,
// never through libvisio's stream: from a package's parts, read when needed,
// or from an XML drawing's text, read before libvisio starts so that the
// text need not be kept.
class DrawingExtras
{
public:
    DrawingExtras() = default;
    DrawingExtras(const PackageParts &parts, const PackageRelationships::DocumentParts &main)
        : m_parts(parts)
        , m_main(main)
    {
    }
    explicit DrawingExtras(const QByteArray &xmlDrawing)
        : m_layers(VisioLayerReader::readXmlDrawing(xmlDrawing))
        , m_backgrounds(VisioBackgroundPages::fromPageList(xmlDrawing))
    {
    }

    QList<VisioPageLayers> layers() const
    {
        return m_parts.isEmpty() ? m_layers : VisioLayerReader::read(m_parts, m_main);
    }
    QList<bool> backgrounds() const
    {
        return m_parts.isEmpty() ? m_backgrounds
                                 : VisioBackgroundPages::fromPageList(m_parts.value(m_main.pages));
    }
    void fillEmptyMasters(VisioDocumentModel *masters) const
    {
        VisioMasterPictures::fillEmptyMasters(m_parts, m_main.masters, masters);
    }

private:
    PackageParts m_parts;
    PackageRelationships::DocumentParts m_main;
    QList<VisioPageLayers> m_layers;
    QList<bool> m_backgrounds;
};

// An XML drawing starts with a declaration or its root, perhaps after a
// byte-order mark; binary drawings start with neither.
bool startsLikeXml(const QByteArray &head)
{
    return head.left(5).contains('<');
}

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

bool isBlank(const VisioDocumentModel &model)
{
    return std::all_of(model.pages.cbegin(), model.pages.cend(), [](const VisioPage &page) {
        return page.shapes.isEmpty() && page.texts.isEmpty() && page.images.isEmpty();
    });
}

// Parses what stream holds; the model's name's suffix says whether the file
// is a stencil. standIns, when given, turns the stand-ins of a package's
// pictures back into their bytes.
VisioImporter::Result importFrom(librevenge::RVNGInputStream *stream, const ImportContext &context,
                                 const DrawingExtras &extras,
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
            renderer.setPageLayers(extras.layers());
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
        // Read as a drawing, a stencil without masters gives a blank page;
        // the sheet that says it has none tells the user more.
        if (stencilFirst && !stencil && isBlank(result.model))
            result.model = VisioDocumentModel();
        if (!result.model.pages.isEmpty()) {
            stencilRead = stencil;
            if (stencil) {
                extras.fillEmptyMasters(&result.model);
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
        VisioBackgroundPages::separate(result.model, extras.backgrounds());
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

    QStringList warnings;
    PackageRelationships::DocumentParts main;
    parts = VisioImporter::prepareParts(parts, &warnings, &main);
    for (const QString &warning : std::as_const(warnings))
        LogStream(Log::warn) << "Package " << context.logName << "- " << warning;

    PictureStandIns pictures;
    const PackageParts served = pictures.standIn(parts);
    // Our readers take the pictures' own bytes, which the stand-ins' keeper
    // shares, so holding the parts costs no memory.
    const DrawingExtras extras(parts, main);
    if (context.state)
        context.state->expectedBytes = reader.plannedBytes() + 2 * served.totalBytes();
    CountingInputStream stream(std::make_unique<PackageInputStream>(served), context.state);
    return importFrom(&stream, context, extras, &pictures);
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

    QFile file(filePath);
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.peek(5) : QByteArray();
    const DrawingExtras extras =
        startsLikeXml(head) ? DrawingExtras(file.readAll()) : DrawingExtras();
    file.close();
    if (PackageReader::looksLikePackage(head)) {
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
    return importFrom(stream.get(), context, extras);
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
    return importFrom(stream.get(), context,
                      startsLikeXml(bytes) ? DrawingExtras(bytes) : DrawingExtras());
}

PackageParts VisioImporter::prepareParts(const PackageParts &parts, QStringList *warnings,
                                         PackageRelationships::DocumentParts *main)
{
    const PackageParts served = PackageRelationships::withoutClimbingTargets(parts, warnings);
    const PackageRelationships::DocumentParts found = PackageRelationships::documentParts(served);
    if (main)
        *main = found;
    return VisioThemeResolver::resolve(served, found, warnings);
}
