#include "CommandLineTool.h"

#include "LogCategories.h"
#include "ProductConstants.h"
#include "TranslationCatalogues.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <atomic>
#include <cstdio>

namespace {

std::atomic<bool> g_verbose{false};

void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (!g_verbose && type != QtFatalMsg)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

void CommandLineTool::silenceMessages()
{
    qInstallMessageHandler(messageHandler);
}

void CommandLineTool::identify(const QString &name)
{
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(g_version);
    QCoreApplication::setOrganizationName(g_organization);
    TranslationCatalogues::installForSystemLocale();
}

void CommandLineTool::setVerbose(bool verbose)
{
    g_verbose = verbose;
    if (verbose)
        LogCategories::enableVerbose();
}

bool CommandLineTool::answerHelpOrVersion(const QCommandLineParser &parser,
                                          const QCommandLineOption &help,
                                          const QCommandLineOption &version)
{
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return true;
    }
    if (parser.isSet(version)) {
        std::fprintf(stdout, "%s %s\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(g_version));
        return true;
    }
    return false;
}
