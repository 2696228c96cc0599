#include "OpenFailure.h"

#include "ImportLimits.h"

#include <QFileInfo>

OpenFailure::Reason OpenFailure::checkAccess(const QString &path)
{
    if (path.isEmpty())
        return NotFound;
    const QFileInfo info(path);
    if (!info.exists())
        return NotFound;
    if (info.isDir())
        return Folder;
    // Reading a pipe or a device would never end.
    if (!info.isFile())
        return NotAFile;
    if (!info.isReadable())
        return NoPermission;
    // Often a save or a copy that has only just begun.
    if (info.size() == 0)
        return EmptyFile;
    if (info.size() > ImportLimits::maxInputBytes)
        return TooLarge;
    return None;
}

OpenFailure::Reason OpenFailure::fromOutcome(const QString &path, VisioImporter::Outcome outcome)
{
    switch (outcome) {
    case VisioImporter::Loaded:
    case VisioImporter::Cancelled:
        return None;
    case VisioImporter::Unsupported:
    case VisioImporter::ParseFailed:
    case VisioImporter::Empty:
        break;
    }
    const Reason access = checkAccess(path);
    if (access != None)
        return access;
    if (outcome == VisioImporter::Empty)
        return NoPages;
    return outcome == VisioImporter::Unsupported ? NotADrawing : Damaged;
}

namespace {
const char *sentence(OpenFailure::Reason reason)
{
    switch (reason) {
    case OpenFailure::None:
        break;
    case OpenFailure::NotFound:
        return QT_TRANSLATE_NOOP("OpenFailure", "The file was not found.");
    case OpenFailure::Folder:
        return QT_TRANSLATE_NOOP("OpenFailure", "It is a folder, not a drawing.");
    case OpenFailure::NotAFile:
        return QT_TRANSLATE_NOOP("OpenFailure", "It is not a file but a device or a pipe.");
    case OpenFailure::NoPermission:
        return QT_TRANSLATE_NOOP("OpenFailure", "You do not have permission to read it.");
    case OpenFailure::EmptyFile:
        return QT_TRANSLATE_NOOP("OpenFailure", "The file is empty.");
    case OpenFailure::TooLarge:
        return QT_TRANSLATE_NOOP("OpenFailure", "The file is too large to open.");
    case OpenFailure::NotADrawing:
        return QT_TRANSLATE_NOOP("OpenFailure", "It is not a Visio drawing.");
    case OpenFailure::Damaged:
        return QT_TRANSLATE_NOOP("OpenFailure", "The drawing is damaged and could not be read.");
    case OpenFailure::NoPages:
        return QT_TRANSLATE_NOOP("OpenFailure", "The drawing has no pages.");
    }
    return "";
}
} // namespace

QString OpenFailure::describe(Reason reason)
{
    return tr(sentence(reason));
}

QString OpenFailure::logText(Reason reason)
{
    return QString::fromLatin1(sentence(reason));
}
