#include "VisioImporter.h"

#include "ImportLimits.h"
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
#include <QtEndian>

#include <algorithm>
#include <memory>

namespace {

void logUnsupported(const QString &source)
{
    LogStream(Log::warn) << "Failed to load file:" << source
                         << "- Reason: Unsupported file format or corrupted document.";
}

// Sum of the uncompressed part sizes of a zip package, from its central
// directory; 0 when that cannot be read.
qint64 packagePartBytes(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 22)
        return 0;
    const qint64 tailSize = std::min<qint64>(file.size(), 65535 + 22);
    file.seek(file.size() - tailSize);
    const QByteArray tail = file.read(tailSize);
    const qsizetype eocd = tail.lastIndexOf(QByteArrayLiteral("PK\x05\x06"));
    if (eocd < 0 || tail.size() - eocd < 22)
        return 0;
    const auto *end = reinterpret_cast<const uchar *>(tail.constData() + eocd);
    const quint32 directorySize = qFromLittleEndian<quint32>(end + 12);
    const quint32 directoryOffset = qFromLittleEndian<quint32>(end + 16);
    if (directorySize > 64u * 1024 * 1024 || qint64(directoryOffset) + directorySize > file.size())
        return 0;
    file.seek(directoryOffset);
    const QByteArray directory = file.read(directorySize);
    qint64 total = 0;
    qsizetype at = 0;
    while (at + 46 <= directory.size()) {
        const auto *entry = reinterpret_cast<const uchar *>(directory.constData() + at);
        if (qFromLittleEndian<quint32>(entry) != 0x02014b50)
            break;
        total += qFromLittleEndian<quint32>(entry + 24);
        at += 46 + qFromLittleEndian<quint16>(entry + 28) + qFromLittleEndian<quint16>(entry + 30)
              + qFromLittleEndian<quint16>(entry + 32);
    }
    return total;
}

// libvisio reads a drawing about twice, once for its styles and once for its
// content: the file itself, or the parts of a package, or the document
// stream of a binary drawing, which is mostly the file.
qint64 expectedReadBytes(const QString &filePath, qint64 fileSize)
{
    QFile file(filePath);
    if (file.open(QIODevice::ReadOnly) && file.read(4) == QByteArrayLiteral("PK\x03\x04")) {
        const qint64 parts = packagePartBytes(filePath);
        if (parts > 0)
            return 2 * parts;
    }
    return 2 * fileSize;
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

// modelName names the drawing in the model, logName in the log; its suffix
// says whether the file is a stencil. state, when given, is the counting
// stream's: a cancel there ends the parse early.
VisioImporter::Result importFrom(librevenge::RVNGInputStream *stream, const QString &modelName,
                                 const QString &logName,
                                 const std::shared_ptr<CountingInputStream::State> &state = {})
{
    const auto cancelled = [&state] { return state && state->cancelled.load(); };
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
    if (cancelled()) {
        result.outcome = VisioImporter::Cancelled;
        return result;
    }
    if (!supported) {
        logUnsupported(logName);
        return result;
    }

    // A stencil shows its masters. A file whose suffix promises the other
    // kind but that holds only masters, or only pages, still shows them.
    const bool stencilFirst = DrawingFileTypes::kindOf(modelName) == DrawingFileTypes::Stencil;
    bool anyParsed = false;
    for (const bool stencil : {stencilFirst, !stencilFirst}) {
        VisioRenderer renderer(modelName);
        if (state)
            renderer.setCancelFlag(&state->cancelled);
        if (!stencil)
            renderer.setPageLayers(VisioLayerReader::read(stream));
        const bool parsed = parseInto(stream, &renderer, stencil);
        if (cancelled()) {
            result.outcome = VisioImporter::Cancelled;
            return result;
        }
        // A damaged file is not read a second time.
        if (!parsed)
            break;
        anyParsed = true;
        result.model = renderer.takeDocumentModel();
        if (!result.model.pages.isEmpty()) {
            if (stencil) {
                VisioMasterPictures::fillEmptyMasters(stream, &result.model);
                result.model = VisioStencilGrid::arrange(std::move(result.model));
            }
            break;
        }
    }
    // A stencil without masters says so on its one sheet.
    if (anyParsed && stencilFirst && result.model.pages.isEmpty())
        result.model = VisioStencilGrid::arrange(std::move(result.model));
    if (!anyParsed) {
        LogStream(Log::warn) << "Parsing failed for file:" << logName
                             << "- Reason: libvisio engine internal error during parsing.";
        result.outcome = VisioImporter::ParseFailed;
        return result;
    }
    if (result.model.pages.isEmpty()) {
        LogStream(Log::warn) << "Parsing completed, but the document model is empty:" << logName;
        result.outcome = VisioImporter::Empty;
        return result;
    }
    result.outcome = VisioImporter::Loaded;
    return result;
}

} // namespace

VisioImporter::Result VisioImporter::importFile(const QString &filePath)
{
    return importFile(filePath, std::make_shared<CountingInputStream::State>());
}

VisioImporter::Result VisioImporter::importFile(
    const QString &filePath, const std::shared_ptr<CountingInputStream::State> &state)
{
    // librevenge's file stream is not meant for directories or missing files.
    const QFileInfo info(filePath);
    if (filePath.isEmpty() || !info.exists() || !info.isFile() || !info.isReadable()
        || info.size() > ImportLimits::maxInputBytes) {
        logUnsupported(filePath);
        return Result();
    }

    const QByteArray encodedPath = filePath.toUtf8();
    std::unique_ptr<CountingInputStream> stream;
    try {
        stream = std::make_unique<CountingInputStream>(
            std::make_unique<librevenge::RVNGFileStream>(encodedPath.constData()), state);
    } catch (...) {
        logUnsupported(filePath);
        return Result();
    }
    if (state)
        state->expectedBytes = expectedReadBytes(filePath, info.size());
    return importFrom(stream.get(), info.fileName(), filePath, state);
}

VisioImporter::Result VisioImporter::importData(const QByteArray &bytes, const QString &name)
{
    if (bytes.isEmpty() || bytes.size() > ImportLimits::maxInputBytes) {
        logUnsupported(name);
        return Result();
    }
    std::unique_ptr<librevenge::RVNGStringStream> stream;
    try {
        stream = std::make_unique<librevenge::RVNGStringStream>(
            reinterpret_cast<const unsigned char *>(bytes.constData()), unsigned(bytes.size()));
    } catch (...) {
        logUnsupported(name);
        return Result();
    }
    return importFrom(stream.get(), name, name);
}

VisioImporter::Result VisioImporter::importStream(librevenge::RVNGInputStream *stream,
                                                  const QString &name)
{
    return importFrom(stream, name, name);
}
