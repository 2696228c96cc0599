#include "VisioImporter.h"

#include "VisioRenderer.h"

#include "Log.h"
#include "LogStream.h"

#include <libvisio/libvisio.h>
#include <librevenge-stream/librevenge-stream.h>

#include <QFileInfo>

#include <memory>

namespace {

void logUnsupported(const QString &filePath)
{
    LogStream(Log::warn) << "Failed to load file:" << filePath
                         << "- Reason: Unsupported file format or corrupted document.";
}

} // namespace

VisioImporter::Result VisioImporter::importFile(const QString &filePath)
{
    Result result;
    result.outcome = Unsupported;

    // librevenge's file stream is not meant for directories or missing files.
    const QFileInfo info(filePath);
    if (filePath.isEmpty() || !info.exists() || !info.isFile() || !info.isReadable()) {
        logUnsupported(filePath);
        return result;
    }

    VisioRenderer renderer(info.fileName());
    const QByteArray encodedPath = filePath.toUtf8();

    bool supported = false;
    std::unique_ptr<librevenge::RVNGFileStream> stream;
    try {
        stream = std::make_unique<librevenge::RVNGFileStream>(encodedPath.constData());
        supported = libvisio::VisioDocument::isSupported(stream.get());
    } catch (...) {
        supported = false;
    }
    if (!supported) {
        logUnsupported(filePath);
        return result;
    }

    bool parsed = false;
    try {
        stream->seek(0, librevenge::RVNG_SEEK_SET);
        parsed = libvisio::VisioDocument::parse(stream.get(), &renderer);
    } catch (...) {
        parsed = false;
    }
    if (!parsed) {
        LogStream(Log::warn) << "Parsing failed for file:" << filePath
                             << "- Reason: libvisio engine internal error during parsing.";
        result.outcome = ParseFailed;
        return result;
    }

    result.model = renderer.takeDocumentModel();
    if (result.model.pages.isEmpty()) {
        LogStream(Log::warn) << "Parsing completed, but the document model is empty:" << filePath;
        result.outcome = Empty;
        return result;
    }
    result.outcome = Loaded;
    return result;
}
