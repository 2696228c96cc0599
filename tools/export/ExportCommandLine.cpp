#include "ExportCommandLine.h"

#include "CommandLineTool.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>


namespace {

constexpr int maxDpi = 2400;

bool formatForSuffix(const QString &suffix, ExportCommandLine::Format *format)
{
    static const QList<std::pair<QString, ExportCommandLine::Format>> formats = {
        {QStringLiteral("pdf"), ExportCommandLine::Pdf},
        {QStringLiteral("png"), ExportCommandLine::Png},
        {QStringLiteral("svg"), ExportCommandLine::Svg},
        {QStringLiteral("txt"), ExportCommandLine::Txt},
    };
    for (const auto &[name, value] : formats) {
        if (suffix.compare(name, Qt::CaseInsensitive) == 0) {
            *format = value;
            return true;
        }
    }
    return false;
}

} // namespace

bool ExportCommandLine::parsePageRange(const QString &text, int *first, int *last)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,9})\\s*(?:(-)\\s*(\\d{1,9})?)?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const int a = match.captured(1).toInt();
    int b = a;
    if (match.hasCaptured(2))
        b = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    if (a < 1 || (b != 0 && b < a))
        return false;
    *first = a;
    *last = b;
    return true;
}

ExportCommandLine::Status ExportCommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Converts the pages of a Visio drawing (.vsd, .vsdx, .vdx and the stencil, template "
           "and macro-enabled kinds) to PDF, PNG, SVG or text.\n"
           "PNG and SVG write one file per page: OUT-1.png, OUT-2.png, ...\n"
           "The output has the layers the drawing prints. A stencil gives sheets of its "
           "masters, each with its name.\n"
           "With --out-dir, converts many drawings at once, several at a time."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption infoOption(
        QStringLiteral("info"),
        tr("Print a JSON summary of the drawing (title, creator, creation date and, per page, "
           "name, size in inches, layers and item counts) instead of converting it."));
    const QCommandLineOption pagesOption(QStringLiteral("pages"),
                                         tr("Export only pages A to B (counting from 1)."),
                                         tr("A-B"));
    const QCommandLineOption dpiOption(QStringLiteral("dpi"),
                                       tr("Resolution of PNG output (default 96)."), tr("N"),
                                       QStringLiteral("96"));
    const QCommandLineOption paperOption(
        QStringLiteral("paper"),
        tr("PDF paper: a4 or letter, each page scaled to fit and centred. Without it every "
           "sheet has its drawing page's own size."),
        tr("size"));
    const QCommandLineOption imagesOption(
        QStringLiteral("images"),
        tr("Save the drawing's pictures as PNG files in DIR/NAME/, named NAME_P001_I01.png "
           "(page, then picture), and print each file written. Exits with 3 when the drawing "
           "has no pictures."),
        tr("DIR"));
    const QCommandLineOption textOption(
        QStringLiteral("text"),
        tr("Print the drawing's text on standard output in reading order, each page headed by "
           "its name and ended by a form feed, for search indexers."));
    const QCommandLineOption layersOption(
        QStringLiteral("layers"),
        tr("List each page's layers with their flags (visible or hidden, print or no-print) "
           "instead of converting the drawing."));
    const QCommandLineOption hideLayerOption(
        QStringLiteral("hide-layer"),
        tr("Leave the layer NAME out of the output; may be given more than once."), tr("NAME"));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           tr("Show diagnostic messages."));
    parser.addOptions({infoOption, layersOption, pagesOption, dpiOption, paperOption, imagesOption,
                       textOption, hideLayerOption, verboseOption});
    batch.addTo(&parser);
    parser.addPositionalArgument(
        tr("drawing"), tr("The Visio drawing to read; with --out-dir, drawings and folders."));
    parser.addPositionalArgument(QStringLiteral("output"),
                                 tr("OUT.pdf, OUT.png, OUT.svg or OUT.txt."), tr("[output]"));

    const bool parsed = parser.parse(arguments);
    batchRequested = batch.isRequested(parser);
    if (!parsed) {
        errorText = parser.errorText();
        return Error;
    }
    if (CommandLineTool::answerHelpOrVersion(parser, helpOption, versionOption))
        return Exit;

    verbose = parser.isSet(verboseOption);
    worker = batch.isWorker(parser);
    hiddenLayers = parser.values(hideLayerOption);
    const QStringList positional = parser.positionalArguments();
    const int modes = int(parser.isSet(infoOption)) + int(parser.isSet(layersOption))
                      + int(parser.isSet(imagesOption)) + int(parser.isSet(textOption))
                      + int(batchRequested);
    if (modes > 1) {
        errorText = tr("--info, --layers, --images, --text and --out-dir do not go together.");
        return Error;
    }
    if (!hiddenLayers.isEmpty()
        && (parser.isSet(infoOption) || parser.isSet(layersOption) || parser.isSet(imagesOption))) {
        errorText = tr("--hide-layer applies to PDF, PNG, SVG and text output only.");
        return Error;
    }
    if (parser.isSet(layersOption)) {
        if (positional.size() != 1) {
            errorText = tr("--layers takes exactly one drawing.");
            return Error;
        }
        drawing = positional.first();
        showLayers = true;
        return ShowLayers;
    }
    if (parser.isSet(infoOption)) {
        if (positional.size() != 1) {
            errorText = tr("--info takes exactly one drawing.");
            return Error;
        }
        drawing = positional.first();
        return ShowInfo;
    }
    if (parser.isSet(imagesOption)) {
        if (positional.size() != 1) {
            errorText = tr("--images takes exactly one drawing.");
            return Error;
        }
        if (parser.isSet(pagesOption) || parser.isSet(dpiOption) || parser.isSet(paperOption)) {
            errorText = tr("--images writes every picture as it is: --pages, --dpi and --paper "
                           "do not apply.");
            return Error;
        }
        drawing = positional.first();
        output = parser.value(imagesOption);
        format = Images;
        return Run;
    }
    if (parser.isSet(textOption)) {
        if (positional.size() != 1) {
            errorText = tr("--text takes exactly one drawing.");
            return Error;
        }
        drawing = positional.first();
        format = Txt;
    } else if (batchRequested) {
        if (!batch.read(parser)) {
            errorText = batch.errorText;
            return Error;
        }
        if (positional.isEmpty()) {
            errorText = tr("--out-dir needs at least one drawing or folder.");
            return Error;
        }
        inputs = positional;
        formatForSuffix(batch.format, &format);
    } else {
        if (positional.size() != 2) {
            errorText = tr("Expected a drawing and an output file (see --help).");
            return Error;
        }
        drawing = positional.at(0);
        output = positional.at(1);
        if (!formatForSuffix(QFileInfo(output).suffix(), &format)) {
            errorText = tr("The output file must end in .pdf, .png, .svg or .txt: %1").arg(output);
            return Error;
        }
    }

    if (parser.isSet(pagesOption)
        && !parsePageRange(parser.value(pagesOption), &firstPage, &lastPage)) {
        errorText = tr("Invalid page range \"%1\": expected A-B with 1 <= A <= B.")
                        .arg(parser.value(pagesOption));
        return Error;
    }

    bool ok = false;
    dpi = parser.value(dpiOption).toInt(&ok);
    if (!ok || dpi < 1 || dpi > maxDpi) {
        errorText = tr("Invalid --dpi \"%1\": expected a whole number from 1 to %2.")
                        .arg(parser.value(dpiOption))
                        .arg(maxDpi);
        return Error;
    }
    if (parser.isSet(dpiOption) && format != Png) {
        errorText = tr("--dpi applies to PNG output only.");
        return Error;
    }

    if (parser.isSet(paperOption)) {
        const QString value = parser.value(paperOption).toLower();
        if (value == QLatin1String("a4")) {
            paper = A4;
        } else if (value == QLatin1String("letter")) {
            paper = Letter;
        } else {
            errorText = tr("Invalid --paper \"%1\": expected a4 or letter.")
                            .arg(parser.value(paperOption));
            return Error;
        }
        if (format != Pdf) {
            errorText = tr("--paper applies to PDF output only.");
            return Error;
        }
    }
    if (batchRequested) {
        batch.firstPage = firstPage;
        for (const QCommandLineOption &option : {pagesOption, dpiOption, paperOption}) {
            if (parser.isSet(option))
                batch.workerOptions << QStringLiteral("--") + option.names().constFirst()
                                    << parser.value(option);
        }
        for (const QString &layer : std::as_const(hiddenLayers))
            batch.workerOptions << QStringLiteral("--hide-layer") << layer;
        return RunBatch;
    }
    return Run;
}
