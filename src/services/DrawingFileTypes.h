#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The kinds of file the viewer opens, by name and by MIME type: the one list
// that the open dialog, drops, folder searches, the desktop entry's tests and
// the thumbnailer follow.
class DrawingFileTypes
{
public:
    enum Kind { Drawing, Stencil, Template };

    struct FileType
    {
        QString suffix;   // without the dot, lower case
        QString mimeType; // as the shared MIME database names it
        Kind kind;
    };

    static const QList<FileType> &all();
    // "*.vsd", "*.vsdx", … for file dialogs and directory listings.
    static QStringList nameFilters();
    // Each MIME type once, in the order of all().
    static QStringList mimeTypes();
    // Whether the name ends in one of the suffixes, in any case.
    static bool hasDrawingSuffix(const QString &fileName);
    // The kind a file's suffix names; Drawing when it names none.
    static Kind kindOf(const QString &fileName);
};
