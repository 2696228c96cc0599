// plandraw-thumbnailer: the file managers' thumbnailer for Visio drawings.
// They run it in a sandbox, so it needs no display, writes nothing but its
// output, and keeps its own time and memory limits.

#include "CommandLineTool.h"
#include "DrawingThumbnailer.h"
#include "RunLimits.h"
#include "ThumbnailerCommandLine.h"

#include "Log.h"
#include "OffscreenArguments.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {

// Far above what the largest drawing that passes the size limit needs.
constexpr qint64 addressSpaceLimit = qint64(2) * 1024 * 1024 * 1024;

QByteArray messageLine(const QString &message)
{
    return QStringLiteral("plandraw-thumbnailer: %1\n").arg(message).toLocal8Bit();
}

int fail(const QString &message, int exitCode = 1)
{
    std::fputs(messageLine(message).constData(), stderr);
    return exitCode;
}

// File managers run thumbnailers with a private /tmp of their own that they
// remove afterwards, and without XDG_RUNTIME_DIR. Qt would then make itself a
// runtime folder in that /tmp, which the file manager could not remove; the
// private /tmp serves as the runtime folder instead.
void useTempAsRuntimeDir()
{
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        return;
    const QByteArray temp = QFile::encodeName(QDir::tempPath());
    struct stat status;
    if (::stat(temp.constData(), &status) == 0 && S_ISDIR(status.st_mode)
        && status.st_uid == ::geteuid() && (status.st_mode & 07777) == 0700)
        qputenv("XDG_RUNTIME_DIR", temp);
}

} // namespace

int main(int argc, char *argv[])
{
    const auto started = std::chrono::steady_clock::now();
    // Nothing of ours may write a file but the output.
    Log::discard();
    useTempAsRuntimeDir();
    OffscreenArguments arguments(argc, argv);
    // File managers keep what a thumbnailer says on stderr.
    CommandLineTool::silenceMessages();
    QApplication app(arguments.argc(), arguments.argv());
    CommandLineTool::identify(QStringLiteral("plandraw-thumbnailer"));

    ThumbnailerCommandLine options;
    switch (options.parse(QCoreApplication::arguments())) {
    case ThumbnailerCommandLine::Exit:
        return 0;
    case ThumbnailerCommandLine::Error:
        return fail(options.errorText, 2);
    case ThumbnailerCommandLine::Run:
        break;
    }
    CommandLineTool::setVerbose(options.verbose);

    const auto deadline =
        started + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                      std::chrono::duration<double>(options.timeLimit));
    RunLimits limits(deadline,
                     messageLine(QCoreApplication::translate(
                                     "main", "Gave up after %1 seconds: the drawing takes too long.")
                                     .arg(options.timeLimit)));
    RunLimits::capMemory(addressSpaceLimit,
                         messageLine(QCoreApplication::translate(
                             "main", "Gave up: the drawing needs too much memory.")));

    DrawingThumbnailer thumbnailer;
    const QImage image = thumbnailer.render(options.input, options.size);
    if (image.isNull())
        return fail(thumbnailer.errorText());
    const QByteArray png = thumbnailer.encodePng(image);
    if (png.isEmpty())
        return fail(thumbnailer.errorText());
    limits.finishing();
    if (!thumbnailer.writeFile(png, options.output))
        return fail(thumbnailer.errorText());
    return 0;
}
