#pragma once

#include "page_io.h"
#include "standard_weight_tables.h"

#include <optional>

namespace 方法_标准体重计算 {

// Age in box 0 (19 to 69), height in box 1 (152 to 188 cm for men, 152 to 176 cm for women).
bool 检查输入(const 页面输入& 输入, 消息框& 消息);
void 计算(const 页面输入& 输入, 结果框& 结果, 消息框& 消息);

// Row: the age's integer part, less 19, halved and rounded half to even (22, 23, 24 → 2).
int 行(double 年龄);
// Column: the integer part of (height − 152) / 4 (155.9 → 0, 156 → 1).
int 列(double 身高厘米);

// The table's element, or nothing when the row or column lies outside the table
// or the row was never filled.
std::optional<qint32> 查表(const 标准体重表& 表, int 行号, int 列号);

}  // namespace 方法_标准体重计算
