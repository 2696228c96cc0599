#include "ViewerCommandLine.h"

#include "ProductConstants.h"
#include "TranslationCatalogues.h"

#include <QCommandLineParser>

#include <cstdio>
#include <cstring>

bool ViewerCommandLine::answer(int argc, char *argv[])
{
    bool asked = false;
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        for (const char *option : {"-h", "--help", "--help-all", "-v", "--version"})
            asked = asked || std::strcmp(argv[i], option) == 0;
    }
    if (!asked)
        return false;

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("plandraw"));
    QCoreApplication::setApplicationVersion(g_version);
    TranslationCatalogues::installForSystemLocale();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Views Microsoft Visio drawings (.vsd, .vsdx, .vdx, and stencils and templates),\n"
           "each in a tab of its own."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(tr("drawings"), tr("The drawings to open."), tr("[drawing...]"));
    // Qt's own options, such as -platform, are the window system's business.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(versionOption) && !parser.isSet(helpOption))
        std::fprintf(stdout, "plandraw %s\n", qPrintable(g_version));
    else
        std::fputs(qPrintable(parser.helpText()), stdout);
    return true;
}
