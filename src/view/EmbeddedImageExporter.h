#pragma once

#include "DocumentPrinter.h"

#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class QGraphicsItem;
class QGraphicsItemGroup;

// Saves the pictures that a document's pages show as numbered PNG files in
// a folder named after the document: B/plan/plan_P004_I02.png is the second
// picture of page 4 of plan.vsdx. The viewer and the command-line converter
// share it, so both name the files alike.
class EmbeddedImageExporter
{
    Q_DECLARE_TR_FUNCTIONS(EmbeddedImageExporter)

public:
    enum Outcome { Exported, NoImages, Failed, Cancelled };

    struct Result
    {
        Outcome outcome = NoImages;
        int found = 0;
        int saved = 0;
        // Absolute; empty when no folder was needed.
        QString exportDir;
        QStringList writtenFiles;
        // Names the path and the reason, for the alert or the command line.
        QString errorText;
    };

    // Whether an item of a page is a picture worth saving. Cheap: nothing is drawn.
    static bool hasExtractableImage(const QGraphicsItem *item);
    // The picture an item of a page shows, or a null image for items that
    // are not pictures or show nothing. Vector pictures are drawn here.
    static QImage extractableImage(const QGraphicsItem *item);

    // The folder for a document name without extension.
    static QString folderName(const QString &documentName);
    // pageIndex is 0-based, imageNumber counts from 1 within its page.
    static QString imageFileName(const QString &folderName, int pageIndex, int imageNumber);

    // Writes every picture of the pages into baseDir/folderName(documentName).
    // A document without pictures creates nothing. Files of the same names
    // are replaced, each only once its new content is complete; a cancel
    // keeps the files already written.
    static Result exportAll(const QList<QGraphicsItemGroup *> &pageGroups,
                            const QString &documentName, const QString &baseDir,
                            const DocumentPrinter::PageProgress &progress = {});
};
