#pragma once

#include "page_io.h"

namespace 方法_基础代谢计算 {

// Age in box 0 (1 to 100), height in box 1 (100 to 250 cm), weight in box 2 (30 to 250 kg).
bool 检查输入(const 页面输入& 输入, 消息框& 消息);
void 计算(const 页面输入& 输入, 结果框& 结果, 消息框& 消息);

// Kilocalories a day at rest, rounded to a whole number.
// Men:   W × 13.73 + 67  + H × 5    − A × 6.9
// Women: W × 9.6   + 655 + H × 1.72 − A × 4.7 (the Harris–Benedict constant for women)
qint32 基础代谢率(性别 选中性别, double 年龄, double 身高厘米, double 体重千克);

}  // namespace 方法_基础代谢计算
