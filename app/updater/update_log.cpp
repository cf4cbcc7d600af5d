#include "update_log.h"

Q_LOGGING_CATEGORY(更新日志, "vettora.update", QtWarningMsg)
