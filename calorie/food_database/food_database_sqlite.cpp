#include "food_database_readers.h"

#include "free_memory.h"
#include "jet_output_format.h"
#include "number_text.h"

#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

#include <memory>

namespace 食物库 {
namespace {

// A field's value as text: numbers in their plain form (52, 52.5), NULL as empty text.
QString 字段文本(sqlite3_stmt* 语句, int 列)
{
    switch (sqlite3_column_type(语句, 列)) {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER: return QString::number(sqlite3_column_int64(语句, 列));
    case SQLITE_FLOAT: return 数字文本(sqlite3_column_double(语句, 列));
    default: {
        const auto* 文本 = reinterpret_cast<const char*>(sqlite3_column_text(语句, 列));
        return QString::fromUtf8(文本, sqlite3_column_bytes(语句, 列));
    }
    }
}

// While it lives, SQLite may hold at most this much memory in all; more fails the query.
// Afterwards the memory goes back to the system: the C library would keep the small
// blocks a big query leaves, and the program would stay that much bigger.
class SQLite内存上限 {
public:
    SQLite内存上限() : m_原值(sqlite3_hard_heap_limit64(16 * 1024 * 1024)) {}
    ~SQLite内存上限()
    {
        sqlite3_hard_heap_limit64(m_原值);
        归还空闲内存();
    }
    SQLite内存上限(const SQLite内存上限&) = delete;
    SQLite内存上限& operator=(const SQLite内存上限&) = delete;

private:
    sqlite3_int64 m_原值;
};

// The file comes from outside: its views and triggers may not call functions with side
// effects, no other database is attached, temporary tables stay in (bounded) memory, no
// value may grow past 64 KiB, and a query is interrupted at the deadline.
void 限制连接(sqlite3* 库, QDeadlineTimer& 期限)
{
    sqlite3_progress_handler(库, 1000, [](void* 期限) { return static_cast<QDeadlineTimer*>(期限)->hasExpired() ? 1 : 0; },
                             &期限);
    sqlite3_db_config(库, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(库, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_limit(库, SQLITE_LIMIT_LENGTH, 64 * 1024);
    sqlite3_limit(库, SQLITE_LIMIT_ATTACHED, 0);
    sqlite3_exec(库, "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
}

using 语句指针 = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

// The four food fields of FoodData, each as the table has it or NULL when it has none:
// only these are read, whatever else the table holds.
语句指针 准备查询(sqlite3* 库)
{
    sqlite3_stmt* 原语句 = nullptr;
    if (sqlite3_prepare_v2(库, "Select * from FoodData", -1, &原语句, nullptr) != SQLITE_OK) return {nullptr, sqlite3_finalize};
    const 语句指针 全部(原语句, sqlite3_finalize);
    QByteArray 查询("SELECT ");
    for (int f = 0; f < jet_output::field_count; ++f) {
        bool 有 = false;
        for (int c = 0; c < sqlite3_column_count(全部.get()) && !有; ++c) {
            有 = qstricmp(sqlite3_column_name(全部.get(), c), jet_output::field_names[f]) == 0;
        }
        查询 += (f > 0 ? ", " : "") + (有 ? '"' + QByteArray(jet_output::field_names[f]) + '"' : QByteArray("NULL"));
    }
    查询 += " FROM FoodData";
    原语句 = nullptr;
    sqlite3_prepare_v2(库, 查询.constData(), -1, &原语句, nullptr);
    return {原语句, sqlite3_finalize};  // null when it cannot be prepared
}

}  // namespace

记录表 读取SQLite(const QString& 路径, QDeadlineTimer 期限)
{
    if (!QFileInfo(路径).isFile()) return std::nullopt;  // never create a missing database
    // Immutable: no lock, no journal and no write-ahead log looked for or made beside it.
    const QByteArray 地址 = QUrl::fromLocalFile(QFileInfo(路径).absoluteFilePath()).toEncoded() + "?immutable=1";
    const SQLite内存上限 内存上限;
    sqlite3* 原库 = nullptr;
    const int 打开 = sqlite3_open_v2(地址.constData(), &原库, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> 库(原库, sqlite3_close);
    if (打开 != SQLITE_OK) return std::nullopt;
    限制连接(库.get(), 期限);

    const auto 语句 = 准备查询(库.get());
    if (!语句) return std::nullopt;
    std::vector<食物信息> 记录;
    // Records after the last one the table can hold are not visited.
    while (static_cast<int>(记录.size()) < 最多记录) {
        const int 结果 = sqlite3_step(语句.get());
        if (结果 == SQLITE_DONE) break;
        // A damaged file, a value too long or a query past its time or memory: nothing
        // counts, as when a read of the file fails part-way.
        if (结果 != SQLITE_ROW) return std::nullopt;
        记录.push_back({字段文本(语句.get(), 0), 字段文本(语句.get(), 1), 字段文本(语句.get(), 2), 字段文本(语句.get(), 3)});
    }
    return 记录;
}

}  // namespace 食物库
