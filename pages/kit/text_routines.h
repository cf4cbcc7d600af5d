#pragma once

#include "page_io.h"

// The three commands of the result box's popup menu, shared by every page.

namespace 界面优化动作 {
void 清除信息(结果框& 框);
}

namespace 自定义方法 {
// Whether each copy command has anything to copy: the menu offers it only then.
bool 可复制全部(const 结果框& 框);
bool 可复制选中(const 结果框& 框);

// Both copy plain text and then confirm with a message. With nothing to copy they do
// nothing at all: the clipboard keeps what the person had put there.
void 复制全部信息(const 结果框& 框, 剪贴板& 板, 消息框& 消息);
void 复制选中信息(const 结果框& 框, 剪贴板& 板, 消息框& 消息);
}
