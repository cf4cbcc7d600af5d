#pragma once

#include "food_data.h"
#include "jet_output_format.h"

#include <QByteArray>
#include <QDeadlineTimer>

#include <chrono>
#include <optional>
#include <vector>

// Readers of the food database file. Each returns the records of table FoodData in
// the order the database gives them, a missing field or a NULL as empty text, or
// nothing at all when the file cannot be read as a whole within the loader's bounds.
namespace 食物库 {

using 记录表 = std::optional<std::vector<食物信息>>;

// The most records the food table can hold; readers stop there, later ones are not visited.
inline constexpr int 最多记录 = 200;
// The most characters a field keeps, as an Access text field holds; a longer value is cut.
inline constexpr int 最长字段 = static_cast<int>(jet_output::field_length);
// A file that takes longer than this to read is a bad database.
inline constexpr std::chrono::milliseconds 载入时限{1000};

enum class 格式 { SQLite, Jet, 未知 };

// Told by the file's first bytes, not by its name.
格式 识别格式(const QString& 路径);

// Read in this process with SQLite, read-only; a missing file is never created. The
// query's time and memory are bounded, and a value longer than 64 KiB fails the read.
记录表 读取SQLite(const QString& 路径, QDeadlineTimer 期限 = QDeadlineTimer(载入时限));

// Read by the helper program, which runs the Access reader in a process of its own: a
// damaged file that crashes or hangs it costs that process only. The helper is ended at
// the deadline or when its output grows past what 200 records can fill.
记录表 读取Jet(const QString& 路径, const QString& 读取程序, QDeadlineTimer 期限 = QDeadlineTimer(载入时限));

// The helper's output, parsed strictly: anything malformed is a failed read.
记录表 解析读取程序输出(const QByteArray& 输出);

}  // namespace 食物库
