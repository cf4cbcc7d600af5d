#pragma once

#include "page_io.h"

namespace 方法_一分钟彻底了解自己 {

// Age in box 0 (1 to 100), height in box 1 (50 to 250 cm), weight in box 2 (30 to 250 kg).
bool 检查输入(const 页面输入& 输入, 消息框& 消息);

// Body mass index, healthy weight range, basal metabolic rate and fat-burning
// heart rate in one result, each figure computed as on its own page.
void 计算(const 页面输入& 输入, 结果框& 结果, 消息框& 消息);

}  // namespace 方法_一分钟彻底了解自己
