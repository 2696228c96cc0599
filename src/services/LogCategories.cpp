#include "LogCategories.h"

Q_LOGGING_CATEGORY(lcImport, "plandraw.import", QtWarningMsg)
Q_LOGGING_CATEGORY(lcScene, "plandraw.scene", QtWarningMsg)
Q_LOGGING_CATEGORY(lcShell, "plandraw.shell", QtWarningMsg)

void LogCategories::enableVerbose()
{
    QLoggingCategory::setFilterRules(QStringLiteral("plandraw.*.debug=true"));
}
