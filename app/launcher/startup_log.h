#pragma once

#include <QLoggingCategory>

// Start-up milestones, silent unless enabled through Qt's logging rules
// (QT_LOGGING_RULES="vettora.startup.info=true"); the start-up benchmark reads them.
Q_DECLARE_LOGGING_CATEGORY(启动日志)
