#pragma once

#include "page_io.h"

namespace 方法_健康体重范围 {

// Height in box 0 (50 to 250 cm).
bool 检查输入(const 页面输入& 输入, 消息框& 消息);
void 计算(const 页面输入& 输入, 结果框& 结果, 消息框& 消息);

// The weights at BMI 18.5 and 24 for the height, each rounded to a whole kilogram.
struct 范围 {
    double 下限;
    double 上限;
};
范围 健康体重范围(double 身高厘米);

}  // namespace 方法_健康体重范围
