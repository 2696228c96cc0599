#pragma once

#include <QLoggingCategory>

// Developer traces per subsystem. Their debug output is off unless a tool's
// --verbose or QT_LOGGING_RULES turns it on, so a normal run stays quiet.
Q_DECLARE_LOGGING_CATEGORY(lcImport)
Q_DECLARE_LOGGING_CATEGORY(lcScene)
Q_DECLARE_LOGGING_CATEGORY(lcShell)

namespace LogCategories {
// Turns on the debug output of every plandraw.* category.
void enableVerbose();
} // namespace LogCategories
