#pragma once

#include "VisioImporter.h"

#include <QCoreApplication>
#include <QString>

// Why a drawing could not be opened, in words the user can act on.
class OpenFailure
{
    Q_DECLARE_TR_FUNCTIONS(OpenFailure)

public:
    enum Reason {
        None,
        NotFound,
        Folder,
        NotAFile, // a device, a pipe or a socket
        NoPermission,
        EmptyFile,
        TooLarge,
        NotADrawing,
        Damaged,
        NoPages
    };

    // What keeps the file from being read at all; None when it can be tried.
    static Reason checkAccess(const QString &path);
    // After a read that failed. The file may have gone or changed meanwhile,
    // so that is looked at first.
    static Reason fromOutcome(const QString &path, VisioImporter::Outcome outcome);
    // One sentence in the user's language; logText() is the same in English.
    static QString describe(Reason reason);
    static QString logText(Reason reason);
};
