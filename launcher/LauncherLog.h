#pragma once

#include <QLoggingCategory>

// The launcher's reports on standard error: a converter that could not be
// found or started, that crashed or that ended with a non-zero status.
// QT_LOGGING_RULES="marulo.launcher.warning=false" silences them.
Q_DECLARE_LOGGING_CATEGORY(lcLauncher)
