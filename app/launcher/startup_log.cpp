#include "startup_log.h"

Q_LOGGING_CATEGORY(启动日志, "vettora.startup", QtWarningMsg)
