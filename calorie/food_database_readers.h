#pragma once

#include "food_data.h"

#include <QByteArray>

#include <optional>
#include <vector>

// Readers of the food database file. Each returns the records of table FoodData in
// the order the database gives them, a missing field or a NULL as empty text, or
// nothing at all when the file cannot be read as a whole.
namespace 食物库 {

using 记录表 = std::optional<std::vector<食物信息>>;

// The most records the food table can hold; readers may stop there.
inline constexpr int 最多记录 = 200;

enum class 格式 { SQLite, Jet, 未知 };

// Told by the file's first bytes, not by its name.
格式 识别格式(const QString& 路径);

// Read in this process with SQLite, read-only; a missing file is never created.
记录表 读取SQLite(const QString& 路径);

// Read by the helper program, which runs libmdb in a process of its own: a damaged
// file that crashes or hangs it costs that process only. 超时 bounds its run.
记录表 读取Jet(const QString& 路径, const QString& 读取程序, int 超时毫秒 = 3000);

// The helper's output, parsed strictly: anything malformed is a failed read.
记录表 解析读取程序输出(const QByteArray& 输出);

}  // namespace 食物库
