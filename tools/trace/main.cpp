// plandraw-trace [--verbose] [--stencil] FILE [TRACE_FILE]
// Lets libvisio parse FILE into the call-trace renderer and prints the call
// statistics. Exits non-zero, with one line on stderr, when the file cannot
// be read, is not a Visio drawing, or fails to parse. With --stencil libvisio
// reports the masters instead of the pages, one page per master.

#include "DebugRenderer.h"
#include "LogCategories.h"

#include <libvisio/libvisio.h>
#include <librevenge-stream/librevenge-stream.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {

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
    const bool stencil = args.removeAll(QStringLiteral("--stencil")) > 0;
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: plandraw-trace [--verbose] [--stencil] FILE [TRACE_FILE]\n");
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
            librevenge::RVNGFileStream stream(QFile::encodeName(path).constData());
            supported = libvisio::VisioDocument::isSupported(&stream);
            if (supported) {
                stream.seek(0, librevenge::RVNG_SEEK_SET);
                parsed = stencil
                             ? libvisio::VisioDocument::parseStencils(&stream, renderer.get())
                             : libvisio::VisioDocument::parse(&stream, renderer.get());
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
