// plandraw-export: converts Visio drawings to PDF, PNG, SVG or text, or
// describes them as JSON, with the viewer's own import, scene and page
// painting; with --out-dir, many drawings at once in worker processes.

#include "BatchRunner.h"
#include "BatchWorker.h"
#include "CommandLineTool.h"
#include "DocumentSummary.h"
#include "EmbeddedImageExporter.h"
#include "ExportCommandLine.h"
#include "PageExporter.h"

#include "OffscreenArguments.h"
#include "PageTextExtractor.h"
#include "VisioImporter.h"
#include "LayerVisibility.h"
#include "VisioSceneBuilder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsItemGroup>
#include <QGraphicsScene>
#include <QJsonDocument>

#include <cstdio>
#include <memory>

namespace {

constexpr double sceneDpi = 96.0;

int fail(const QString &message)
{
    std::fprintf(stderr, "plandraw-export: %s\n", qPrintable(message));
    return 1;
}

QString outcomeText(VisioImporter::Outcome outcome, const QString &path)
{
    switch (outcome) {
    case VisioImporter::Unsupported:
        return QCoreApplication::translate("main", "%1 is not a drawing that can be read.").arg(path);
    case VisioImporter::ParseFailed:
        return QCoreApplication::translate("main", "%1 could not be read: the drawing is damaged.")
            .arg(path);
    case VisioImporter::Empty:
        return QCoreApplication::translate("main", "%1 has no pages.").arg(path);
    case VisioImporter::Cancelled: // never asked for here
    case VisioImporter::Loaded:
        break;
    }
    return QString();
}

// As the viewer names the document: the file name without its extension.
QString documentName(const VisioDocumentModel &model)
{
    return model.fileName.section(QLatin1Char('.'), 0, -2);
}

QString documentTitle(const VisioDocumentModel &model)
{
    return model.title.isEmpty() ? documentName(model) : model.title;
}

// Exit codes: 0 all pictures written, 3 no pictures, 1 any failure.
int extractImages(VisioDocumentModel model, const QString &baseDir)
{
    QList<QRectF> pageRects;
    QList<QGraphicsItemGroup *> pageGroups;
    std::unique_ptr<QGraphicsScene> scene(
        VisioSceneBuilder::buildScene(model, &pageRects, &pageGroups, sceneDpi));
    const QString name = documentName(model);
    model = VisioDocumentModel();
    if (!scene)
        return fail(QCoreApplication::translate("main", "The drawing could not be laid out."));

    const QFileInfo base(baseDir);
    if (!base.isDir() || !base.isWritable()) {
        return fail(QCoreApplication::translate("main", "\"%1\" is not a folder that can be written.")
                        .arg(baseDir));
    }
    const EmbeddedImageExporter::Result result =
        EmbeddedImageExporter::exportAll(pageGroups, name, baseDir);
    for (const QString &path : result.writtenFiles)
        std::fprintf(stdout, "%s\n", qPrintable(QDir::toNativeSeparators(path)));
    switch (result.outcome) {
    case EmbeddedImageExporter::Exported:
        return 0;
    case EmbeddedImageExporter::NoImages:
        std::fprintf(stderr, "plandraw-export: %s\n",
                     qPrintable(QCoreApplication::translate("main", "The drawing has no pictures.")));
        return 3;
    case EmbeddedImageExporter::Failed:
    case EmbeddedImageExporter::Cancelled:
        break;
    }
    return fail(result.errorText);
}

// The first name that no page's layers carry; empty when all are found.
QString unknownLayer(const VisioDocumentModel &model, const QStringList &names)
{
    for (const QString &name : names) {
        bool found = false;
        for (const VisioPage &page : model.pages) {
            for (const VisioLayer &layer : page.layerTable)
                found = found || (layer.kind == VisioLayer::Named && layer.name == name);
        }
        if (!found)
            return name;
    }
    return QString();
}

void leaveOutLayers(const QList<QGraphicsItemGroup *> &pages, const QStringList &names)
{
    for (QGraphicsItemGroup *page : pages) {
        const QList<VisioLayer> layers = LayerVisibility::pageLayers(page).layers;
        for (int i = 0; i < layers.size(); ++i) {
            if (layers.at(i).kind == VisioLayer::Named && names.contains(layers.at(i).name))
                LayerVisibility::setPrintable(page, i, false);
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // File names need not be valid UTF-8; a batch run uses them as they are.
    const QList<QByteArray> rawArguments(argv + 1, argv + argc);
    OffscreenArguments arguments(argc, argv);
    CommandLineTool::silenceMessages();
    QApplication app(arguments.argc(), arguments.argv());
    CommandLineTool::identify(QStringLiteral("plandraw-export"));

    ExportCommandLine options;
    const ExportCommandLine::Status status = options.parse(QCoreApplication::arguments());
    switch (status) {
    case ExportCommandLine::Exit:
        return 0;
    case ExportCommandLine::Error:
        std::fprintf(stderr, "plandraw-export: %s\n", qPrintable(options.errorText));
        return options.batchRequested ? 1 : 2;
    case ExportCommandLine::ShowInfo:
    case ExportCommandLine::ShowLayers:
    case ExportCommandLine::Run:
    case ExportCommandLine::RunBatch:
        break;
    }
    CommandLineTool::setVerbose(options.verbose);
    if (status == ExportCommandLine::RunBatch)
        return BatchRunner(options, rawArguments).run();
    if (options.worker)
        BatchWorker::watchMemory();

    VisioImporter::Result result = VisioImporter::importFile(options.drawing);
    if (result.outcome != VisioImporter::Loaded)
        return fail(outcomeText(result.outcome, options.drawing));

    if (options.format == ExportCommandLine::Images)
        return extractImages(std::move(result.model), options.output);

    // In a batch, a layer that one drawing lacks is no fault of that drawing.
    if (!options.hiddenLayers.isEmpty() && !options.worker) {
        const QString unknown = unknownLayer(result.model, options.hiddenLayers);
        if (!unknown.isEmpty()) {
            return fail(QCoreApplication::translate("main", "The drawing has no layer named \"%1\".")
                            .arg(unknown));
        }
    }
    if (options.showLayers) {
        const QByteArray listing = DocumentSummary::layerListing(result.model).toUtf8();
        std::fwrite(listing.constData(), 1, size_t(listing.size()), stdout);
        return 0;
    }

    if (status == ExportCommandLine::ShowInfo) {
        const QByteArray json = QJsonDocument(DocumentSummary::toJson(result.model))
                                    .toJson(QJsonDocument::Indented);
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
        return 0;
    }

    const int pageCount = int(result.model.pages.size());
    const int first = options.firstPage - 1;
    const int last = options.lastPage == 0 ? pageCount - 1
                                           : std::min(options.lastPage, pageCount) - 1;
    if (first > last || first >= pageCount) {
        return fail(QCoreApplication::translate("main",
                                                "The page range selects no page: the drawing has %n page(s).",
                                                nullptr, pageCount));
    }

    const QString title = documentTitle(result.model);
    QStringList pageNames;
    for (const VisioPage &page : std::as_const(result.model.pages))
        pageNames << page.name;
    QList<QRectF> pageRects;
    QList<QGraphicsItemGroup *> pageGroups;
    std::unique_ptr<QGraphicsScene> scene(
        VisioSceneBuilder::buildScene(result.model, &pageRects, &pageGroups, sceneDpi));
    result.model = VisioDocumentModel();
    leaveOutLayers(pageGroups, options.hiddenLayers);
    // Files get the layers the drawing prints, as paper does.
    const LayerVisibility::Scope paper(scene.get(), LayerVisibility::Paper);

    PageExporter exporter(scene.get(), pageRects, sceneDpi);
    exporter.setTitle(title);
    bool ok = false;
    switch (options.format) {
    case ExportCommandLine::Pdf:
        ok = exporter.writePdf(options.output, first, last,
                               options.paper == ExportCommandLine::A4       ? PageExporter::A4
                               : options.paper == ExportCommandLine::Letter ? PageExporter::Letter
                                                                           : PageExporter::PageSized);
        break;
    case ExportCommandLine::Png:
        ok = exporter.writePngs(options.output, first, last, options.dpi);
        break;
    case ExportCommandLine::Svg:
        ok = exporter.writeSvgs(options.output, first, last);
        break;
    case ExportCommandLine::Txt:
        ok = exporter.writeText(options.output,
                                PageTextExtractor::documentText(pageGroups, pageNames, first, last));
        break;
    case ExportCommandLine::Images:
        break;
    }
    if (!ok)
        return fail(exporter.errorText());
    if (options.worker)
        BatchWorker::printResult(last - first + 1, exporter.writtenFiles());
    if (options.verbose)
        for (const QString &path : exporter.writtenFiles())
            std::fprintf(stderr, "%s\n", qPrintable(path));
    return 0;
}
