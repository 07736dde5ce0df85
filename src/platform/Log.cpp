#include "platform/Log.h"

Q_LOGGING_CATEGORY(lcPlatform, "velto.platform", QtWarningMsg)
