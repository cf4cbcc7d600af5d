#pragma once

namespace 自定义方法 {
// The data every load of the launcher prepares before it is shown.
void 初始化数据();
}
