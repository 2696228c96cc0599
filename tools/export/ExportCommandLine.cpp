#include "ExportCommandLine.h"

#include "ProductConstants.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace {

constexpr int maxDpi = 2400;

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
           "and macro-enabled kinds) to PDF, PNG or SVG.\n"
           "PNG and SVG write one file per page: OUT-1.png, OUT-2.png, ...\n"
           "The output has the layers the drawing prints. A stencil gives sheets of its "
           "masters, each with its name."));
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
                       hideLayerOption, verboseOption});
    parser.addPositionalArgument(tr("drawing"), tr("The Visio drawing to read."));
    parser.addPositionalArgument(QStringLiteral("output"),
                                 tr("OUT.pdf, OUT.png or OUT.svg."), tr("[output]"));

    if (!parser.parse(arguments)) {
        errorText = parser.errorText();
        return Error;
    }
    if (parser.isSet(helpOption)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return Exit;
    }
    if (parser.isSet(versionOption)) {
        std::fprintf(stdout, "%s %s\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(g_version));
        return Exit;
    }

    verbose = parser.isSet(verboseOption);
    hiddenLayers = parser.values(hideLayerOption);
    const QStringList positional = parser.positionalArguments();
    if (!hiddenLayers.isEmpty()
        && (parser.isSet(infoOption) || parser.isSet(layersOption) || parser.isSet(imagesOption))) {
        errorText = tr("--hide-layer applies to PDF, PNG and SVG output only.");
        return Error;
    }
    if (parser.isSet(layersOption)) {
        if (positional.size() != 1 || parser.isSet(infoOption)) {
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
    if (positional.size() != 2) {
        errorText = tr("Expected a drawing and an output file (see --help).");
        return Error;
    }
    drawing = positional.at(0);
    output = positional.at(1);

    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix == QLatin1String("pdf")) {
        format = Pdf;
    } else if (suffix == QLatin1String("png")) {
        format = Png;
    } else if (suffix == QLatin1String("svg")) {
        format = Svg;
    } else {
        errorText = tr("The output file must end in .pdf, .png or .svg: %1").arg(output);
        return Error;
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
    return Run;
}
