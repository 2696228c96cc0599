#pragma once

#include <QCoreApplication>
#include <QList>
#include <QRectF>

#include <functional>

class QGraphicsScene;
class QPainter;
class QPrinter;
class QWidget;

// Paints scene pages onto printers and other paint devices, each page scaled
// uniformly to fit its sheet and centred on it; prints and saves documents.
class DocumentPrinter
{
    Q_DECLARE_TR_FUNCTIONS(DocumentPrinter)

public:
    // Told after each finished page; returning false stops the job.
    using PageProgress = std::function<bool(int done, int total)>;

    // The print dialog, then the chosen pages on the chosen printer.
    static void print(QGraphicsScene *scene, const QList<QRectF> &pageRects, QWidget *parent);

    // The save dialog, then every page into a PDF of the drawing's own page
    // sizes, then the file shown in the file manager. title goes into the
    // PDF; fileName (without extension) when it is empty.
    static void saveAsPdf(const QString &fileName, QGraphicsScene *scene,
                          const QList<QRectF> &pageRects, QWidget *parent,
                          const QString &title = QString());

    // Where the save dialog starts: fileName in the last folder saved into.
    static QString suggestedPdfPath(const QString &fileName);

    // Writes the PDF at path with progress on long documents. A failure
    // raises a warning alert naming the path and the reason; only a
    // complete file is revealed. Returns whether the file was written.
    static bool writePdf(const QString &path, const QString &title, QGraphicsScene *scene,
                         const QList<QRectF> &pageRects, QWidget *parent);

    // The pages the printer's settings ask for, 1-based and inclusive.
    static void chosenPages(const QPrinter &printer, int pageCount, int *fromPage, int *toPage);

    // Renders pages fromPage..toPage (1-based, inclusive; clamped to the
    // list). Returns false when the printer could not be opened, a new
    // sheet could not be started or progress stopped the job; a range past
    // the last page is an empty, successful job.
    static bool renderToPrinter(QGraphicsScene *scene, const QList<QRectF> &pageRects,
                                QPrinter *printer, int fromPage, int toPage,
                                const PageProgress &progress = PageProgress());

    // Paints the scene region pageRect scaled to fit target (device
    // coordinates of the painter) and centred in it. A page rectangle of
    // zero width or height, or an empty target, paints nothing and returns
    // false: the sheet stays blank.
    static bool renderPage(QPainter *painter, QGraphicsScene *scene, const QRectF &pageRect,
                           const QRectF &target);
};
