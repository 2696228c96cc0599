#include "DocumentPrinter.h"

#include "AppConfig.h"
#include "LayerVisibility.h"
#include "Common.h"
#include "LongTaskProgress.h"
#include "NativeMessageBox.h"
#include "PdfDocumentWriter.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

bool hasArea(const QRectF &r)
{
    return std::isfinite(r.width()) && std::isfinite(r.height()) && r.width() > 0
           && r.height() > 0;
}

bool hasLayers(QGraphicsScene *scene)
{
    const QList<QGraphicsItem *> items = scene->items();
    return std::any_of(items.cbegin(), items.cend(), [](const QGraphicsItem *item) {
        return !item->parentItem() && LayerVisibility::hasLayers(item);
    });
}

} // namespace

bool DocumentPrinter::renderToPrinter(QGraphicsScene *scene, const QList<QRectF> &pageRects,
                                      QPrinter *printer, int fromPage, int toPage,
                                      const PageProgress &progress)
{
    if (!scene || !printer || pageRects.isEmpty())
        return true;

    QPainter painter;
    if (!painter.begin(printer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    const int n = int(pageRects.size());
    const int first = std::max(fromPage, 1) - 1;
    const int last = std::min(n - 1, toPage - 1);

    bool ok = true;
    for (int i = first; i <= last; ++i) {
        if (i > first && !printer->newPage()) {
            ok = false;
            break;
        }
        const QRectF sheet = printer->pageRect(QPrinter::DevicePixel);
        renderPage(&painter, scene, pageRects.at(i), QRectF(0, 0, sheet.width(), sheet.height()));
        if (progress && !progress(i - first + 1, last - first + 1)) {
            printer->abort();
            ok = false;
            break;
        }
    }
    return painter.end() && ok;
}

bool DocumentPrinter::renderPage(QPainter *painter, QGraphicsScene *scene, const QRectF &pageRect,
                                 const QRectF &target)
{
    if (!painter || !scene || !hasArea(pageRect) || !hasArea(target))
        return false;

    const double s = std::min(target.width() / pageRect.width(),
                              target.height() / pageRect.height());
    painter->save();
    painter->translate(target.x() + (target.width() - s * pageRect.width()) / 2,
                       target.y() + (target.height() - s * pageRect.height()) / 2);
    painter->scale(s, s);
    scene->render(painter, QRectF(0, 0, pageRect.width(), pageRect.height()), pageRect,
                  Qt::KeepAspectRatio);
    painter->restore();
    return true;
}

void DocumentPrinter::chosenPages(const QPrinter &printer, int pageCount, int *fromPage, int *toPage)
{
    if (printer.printRange() == QPrinter::AllPages) {
        *fromPage = 1;
        *toPage = pageCount;
        return;
    }
    *fromPage = printer.fromPage();
    *toPage = printer.toPage();
}

void DocumentPrinter::print(QGraphicsScene *scene, const QList<QRectF> &pageRects, QWidget *parent)
{
    if (!scene || pageRects.isEmpty())
        return;
    const int n = int(pageRects.size());
    QPrinter printer(QPrinter::HighResolution);
    printer.setFromTo(1, n);
    // A landscape drawing starts on landscape paper; the dialog can change it.
    const QRectF first = pageRects.constFirst();
    printer.setPageOrientation(first.width() > first.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);

    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, n);
    // Paper gets the layers the drawing prints, unless the user wants the
    // layers as the screen shows them.
    QCheckBox *asShown = nullptr;
    if (hasLayers(scene)) {
        auto *layersTab = new QWidget();
        layersTab->setWindowTitle(tr("Layers"));
        asShown = new QCheckBox(tr("Print what I see"), layersTab);
        asShown->setObjectName(QStringLiteral("printWhatISee"));
        asShown->setToolTip(tr("Print the layers as the layer panel shows them, instead of "
                               "the layers the drawing is set to print."));
        auto *layout = new QVBoxLayout(layersTab);
        layout->addWidget(asShown);
        layout->addStretch();
        dialog.setOptionTabs({layersTab});
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    const LayerVisibility::Scope output(scene, asShown && asShown->isChecked()
                                                   ? LayerVisibility::Screen
                                                   : LayerVisibility::Paper);

    int from = 1;
    int to = n;
    chosenPages(printer, n, &from, &to);
    bool finished = false;
    {
        LongTaskProgress progress(tr("Printing..."), parent);
        finished = renderToPrinter(scene, pageRects, &printer, from, to, progress.callback())
                  || progress.wasCancelled();
    }
    if (finished)
        return;
    const QString target = printer.outputFileName();
    NativeMessageBox::warning(parent, tr("Print Failed"),
                              target.isEmpty()
                                  ? tr("The document could not be sent to the printer %1.")
                                        .arg(printer.printerName())
                                  : tr("Cannot write %1.").arg(target));
}

QString DocumentPrinter::suggestedPdfPath(const QString &fileName)
{
    return QDir(AppConfig::instance()->getLastSavePath()).filePath(fileName);
}

void DocumentPrinter::saveAsPdf(const QString &fileName, QGraphicsScene *scene,
                                const QList<QRectF> &pageRects, QWidget *parent,
                                const QString &title)
{
    if (!scene || pageRects.isEmpty())
        return;
    QFileDialog dialog(parent, tr("Export to PDF"), suggestedPdfPath(fileName),
                       tr("PDF Files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // "plan" becomes plan.pdf, and the overwrite question asks about that.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty())
        return;
    AppConfig::instance()->setLastSavePath(QFileInfo(path).absolutePath());
    writePdf(path, title.isEmpty() ? fileName : title, scene, pageRects, parent);
}

bool DocumentPrinter::writePdf(const QString &path, const QString &title, QGraphicsScene *scene,
                               const QList<QRectF> &pageRects, QWidget *parent)
{
    const LayerVisibility::Scope paper(scene, LayerVisibility::Paper);
    PdfDocumentWriter writer(scene, pageRects);
    writer.setTitle(title);
    PdfDocumentWriter::Result result = PdfDocumentWriter::Failed;
    {
        LongTaskProgress progress(tr("Saving PDF..."), parent);
        writer.setProgress(progress.callback());
        result = writer.write(path);
        writer.setProgress({});
    }
    switch (result) {
    case PdfDocumentWriter::Written:
        Common::revealInExplorer(path);
        return true;
    case PdfDocumentWriter::Cancelled:
        return false;
    case PdfDocumentWriter::Failed:
        break;
    }
    NativeMessageBox::warning(parent, tr("Export Failed"), writer.errorText());
    return false;
}
