// plandraw-trace [--verbose] [--stencil] FILE [TRACE_FILE]
// Lets libvisio parse FILE into the call-trace renderer and prints the call
// statistics. A package is served as the viewer serves it, its parts
// prepared the same way, so the trace shows what libvisio draws for the viewer. With
// --stencil libvisio reports the masters instead of the pages, one page per
// master. Exits non-zero, with one line on stderr, when the file cannot be
// read, is not a Visio drawing, or fails to parse.

#include "DebugRenderer.h"
#include "LogCategories.h"
#include "ProductConstants.h"
#include "PackageInputStream.h"
#include "PackageReader.h"
#include "VisioImporter.h"

#include <libvisio/libvisio.h>
#include <librevenge-stream/librevenge-stream.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {

const char usage[] = "usage: plandraw-trace [--verbose] [--stencil] FILE [TRACE_FILE]\n";

// A developer's tool: its texts stay in English.
const char help[] =
    "Usage: plandraw-trace [--verbose] [--stencil] FILE [TRACE_FILE]\n"
    "Lets libvisio read the Visio drawing FILE into the call-trace renderer and\n"
    "prints how often each kind of drawing call came. Each call becomes one trace\n"
    "line with its properties; with TRACE_FILE the lines, the counts and every\n"
    "property key seen are appended to that file.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Displays this help.\n"
    "  -v, --version  Displays version information.\n"
    "  --verbose      Also shows each trace line on the terminal.\n"
    "  --stencil      Reads FILE as a stencil: one page per master.\n";

int fail(const QString &message)
{
    std::fprintf(stderr, "plandraw-trace: %s\n", message.toLocal8Bit().constData());
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    // Each callback is echoed to the terminal only on request; the trace file has them all.
    if (args.removeAll(QStringLiteral("--verbose")) > 0)
        LogCategories::enableVerbose();
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::fputs(help, stdout);
        return 0;
    }
    if (args.contains(QStringLiteral("--version")) || args.contains(QStringLiteral("-v"))) {
        std::fprintf(stdout, "plandraw-trace %s\n", qPrintable(g_version));
        return 0;
    }
    const bool stencil = args.removeAll(QStringLiteral("--stencil")) > 0;
    if (args.size() < 2 || args.size() > 3) {
        std::fputs(usage, stderr);
        return 2;
    }
    const QString path = args.at(1);
    const QString tracePath = args.size() > 2 ? args.at(2) : QString();

    // librevenge reports neither a missing file nor a folder clearly; catch both here.
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("%1: no such file").arg(path));
    if (info.isDir())
        return fail(QStringLiteral("%1: is a directory").arg(path));
    if (!info.isReadable())
        return fail(QStringLiteral("%1: not readable").arg(path));

    bool supported = false;
    bool parsed = false;
    {
        auto renderer = std::make_unique<DebugRenderer>(tracePath);
        if (!tracePath.isEmpty() && !renderer->isFileOpen())
            return fail(QStringLiteral("%1: cannot write the trace file").arg(tracePath));
        try {
            std::unique_ptr<librevenge::RVNGInputStream> stream;
            QFile head(path);
            if (head.open(QIODevice::ReadOnly) && PackageReader::looksLikePackage(head.read(4))) {
                PackageReader reader(path);
                if (reader.open())
                    stream = std::make_unique<PackageInputStream>(
                        VisioImporter::prepareParts(reader.readParts()));
            }
            if (!stream)
                stream = std::make_unique<librevenge::RVNGFileStream>(QFile::encodeName(path).constData());
            supported = libvisio::VisioDocument::isSupported(stream.get());
            if (supported) {
                stream->seek(0, librevenge::RVNG_SEEK_SET);
                parsed = stencil
                             ? libvisio::VisioDocument::parseStencils(stream.get(), renderer.get())
                             : libvisio::VisioDocument::parse(stream.get(), renderer.get());
            }
        } catch (...) {
            parsed = false;
        }
        renderer->stats().printSummary();
        // The statistics and key list go to the trace file as the renderer ends.
    }

    if (!supported)
        return fail(QStringLiteral("%1: unsupported file format or corrupted document").arg(path));
    if (!parsed)
        return fail(QStringLiteral("%1: parsing failed").arg(path));
    return 0;
}
