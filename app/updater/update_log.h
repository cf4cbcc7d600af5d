#pragma once

#include <QLoggingCategory>

// What the updater showed and did, silent unless enabled through Qt's logging rules
// (QT_LOGGING_RULES="vettora.update.info=true"); the tests read it.
Q_DECLARE_LOGGING_CATEGORY(更新日志)
