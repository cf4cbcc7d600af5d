#pragma once

#include "page_io.h"

namespace 方法_燃脂运动计算 {

// Age in box 0 (1 to 100).
bool 检查输入(const 页面输入& 输入, 消息框& 消息);
void 计算(const 页面输入& 输入, 结果框& 结果, 消息框& 消息);

// 60 % and 80 % of the maximum heart rate 220 − age, in beats per minute.
struct 心率 {
    qint32 下限;
    qint32 上限;
};
心率 燃脂心率(double 年龄);

// Lines 2 to 6 of the result: the three conditions for burning fat.
QString 燃脂条件();

}  // namespace 方法_燃脂运动计算
