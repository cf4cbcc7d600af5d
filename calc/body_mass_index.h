#pragma once

#include "page_io.h"

namespace 方法_身体质量指数 {

// Height in box 0 (100 to 250 cm), weight in box 1 (30 to 250 kg).
bool 检查输入(const 页面输入& 输入, 消息框& 消息);
void 计算(const 页面输入& 输入, 结果框& 结果, 消息框& 消息);

// W / ((H / 100) × (H / 100)), rounded to two decimals.
double 身体质量指数(double 身高厘米, double 体重千克);

// Lines 4 and 5 of the result: the ranges and their categories, in columns
// that line up when a CJK character is two ASCII characters wide.
QString 参考表();

}  // namespace 方法_身体质量指数
