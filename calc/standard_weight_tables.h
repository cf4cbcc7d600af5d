#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

// The standard weights in whole kilograms, by age band (row) and height band (column).
// Row r stands for age 19 + 2r (r = 0 to 25); column c for heights from 152 + 4c cm.
using 标准体重行 = std::array<qint16, 10>;
using 标准体重表 = std::array<std::optional<标准体重行>, 27>;  // slot 26 stays empty

namespace 自定义变量 {
extern 标准体重表 标准体重表_男;
extern 标准体重表 标准体重表_女;
}

namespace 自定义方法 {
// Fills rows 0 to 25 of both tables from the built-in data; running it again rebuilds the same.
void 载入标准体重表();
}
