#include "web_engine_sandbox.h"

// Windows gives an administrator's process the engine's sandbox too.
bool 网页引擎可运行()
{
    return true;
}
