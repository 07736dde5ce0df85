#pragma once

#include <QLoggingCategory>

// What the program passes over in silence (an unreadable settings store, a
// lock taken over, an address refused), one line each, for a bug report.
// Off unless asked for: QT_LOGGING_RULES="velto.*=true".
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
