#include "launcher/LauncherLog.h"

Q_LOGGING_CATEGORY(lcLauncher, "marulo.launcher")
