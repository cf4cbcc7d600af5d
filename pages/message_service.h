#pragma once

#include "page_io.h"

// The one message box every routine shows its messages with. Tests put a
// recorder in its place so that no modal box ever waits for a click.
namespace 消息服务 {

消息框& 当前();

// nullptr puts the program's own message box back.
void 替换(消息框* 新消息框);

}  // namespace 消息服务
