#include "FuzzEnvironment.h"

#include "Log.h"
#include "OffscreenArguments.h"

#include <QApplication>
#include <QDir>

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

char g_programName[] = "plandraw-fuzz";
char *g_argv[] = {g_programName, nullptr};

} // namespace

void FuzzEnvironment::setUp()
{
    static OffscreenArguments arguments(1, g_argv);
    static QApplication *application = nullptr;
    if (application)
        return;
    qInstallMessageHandler(dropMessage);
    application = new QApplication(arguments.argc(), arguments.argv());
    // Failed imports log a warning each; the log rotates, so its size stays bounded.
    Log::initialize(QDir::temp().filePath(QStringLiteral("plandraw-fuzz-log")));
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzEnvironment::setUp();
    return 0;
}
