#include "web_engine_sandbox.h"

#include <QtGlobal>

#include <unistd.h>

bool 网页引擎可运行()
{
    return geteuid() != 0 || !qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX");
}
