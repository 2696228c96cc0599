#pragma once

#include "CountingInputStream.h"
#include "PackageParts.h"
#include "PackageRelationships.h"
#include "VisioDocumentModel.h"
#include "VisioRenderer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

// Reads one drawing into a document model, with no widget involved. The
// caller turns the outcome into whatever the user sees. Packages (.vsdx and
// its kin) are read into memory first, each part inflated once, and served
// to libvisio from there; other drawings libvisio reads from the file.
class VisioImporter
{
public:
    enum Outcome {
        Loaded,      // at least one page
        Unsupported, // libvisio does not recognise the file (or it cannot be read)
        ParseFailed, // libvisio recognised it but failed while parsing
        Empty,       // parsed, but without any page
        Cancelled    // given up on request; nothing is logged
    };

    struct Result
    {
        Outcome outcome = Unsupported;
        VisioDocumentModel model;
    };

    // Writes the warning log line of each failed outcome.
    static Result importFile(const QString &filePath);
    // The same, reading through a counting stream whose state another thread
    // may watch for progress and use to cancel. The tap, when given, sees
    // every picture's bytes before they are decoded.
    static Result importFile(const QString &filePath,
                             const std::shared_ptr<CountingInputStream::State> &state,
                             const VisioRenderer::PictureTap &tap = {});
    // The same from bytes already in memory; name is what the log and the
    // model call the drawing.
    static Result importData(const QByteArray &bytes, const QString &name);

    // A package's parts as libvisio is to read them: relationships that
    // would lead it out of the package left out, themed cells resolved.
    // warnings gets lines for the log; main, when given, the main parts.
    static PackageParts prepareParts(const PackageParts &parts, QStringList *warnings = nullptr,
                                     PackageRelationships::DocumentParts *main = nullptr);
};
