#pragma once

#include "page_io.h"

// The three commands of the result box's popup menu, shared by every page.

namespace 界面优化动作 {
void 清除信息(结果框& 框);
}

namespace 自定义方法 {
// Both copy plain text and then confirm with a message, even when there was nothing to copy.
void 复制全部信息(const 结果框& 框, 剪贴板& 板, 消息框& 消息);
void 复制选中信息(const 结果框& 框, 剪贴板& 板, 消息框& 消息);
}
