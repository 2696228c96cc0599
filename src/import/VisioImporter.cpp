#include "VisioImporter.h"

#include "ImportLimits.h"
#include "VisioRenderer.h"

#include "Log.h"
#include "LogStream.h"

#include <libvisio/libvisio.h>
#include <librevenge-stream/librevenge-stream.h>

#include <QFileInfo>

#include <memory>

namespace {

void logUnsupported(const QString &source)
{
    LogStream(Log::warn) << "Failed to load file:" << source
                         << "- Reason: Unsupported file format or corrupted document.";
}

// modelName names the drawing in the model, logName in the log.
VisioImporter::Result importFrom(librevenge::RVNGInputStream *stream, const QString &modelName,
                                 const QString &logName)
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
    if (!supported) {
        logUnsupported(logName);
        return result;
    }

    VisioRenderer renderer(modelName);
    bool parsed = false;
    try {
        stream->seek(0, librevenge::RVNG_SEEK_SET);
        parsed = libvisio::VisioDocument::parse(stream, &renderer);
    } catch (...) {
        parsed = false;
    }
    if (!parsed) {
        LogStream(Log::warn) << "Parsing failed for file:" << logName
                             << "- Reason: libvisio engine internal error during parsing.";
        result.outcome = VisioImporter::ParseFailed;
        return result;
    }

    result.model = renderer.takeDocumentModel();
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
    // librevenge's file stream is not meant for directories or missing files.
    const QFileInfo info(filePath);
    if (filePath.isEmpty() || !info.exists() || !info.isFile() || !info.isReadable()
        || info.size() > ImportLimits::maxInputBytes) {
        logUnsupported(filePath);
        return Result();
    }

    const QByteArray encodedPath = filePath.toUtf8();
    std::unique_ptr<librevenge::RVNGFileStream> stream;
    try {
        stream = std::make_unique<librevenge::RVNGFileStream>(encodedPath.constData());
    } catch (...) {
        logUnsupported(filePath);
        return Result();
    }
    return importFrom(stream.get(), info.fileName(), filePath);
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
