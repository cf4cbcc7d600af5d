#include "food_database_readers.h"

#include "jet_output_format.h"
#include "number_text.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>
#include <QUrl>

#include <sqlite3.h>

#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif

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

int 十六进制位(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<QString> 解码字段(QByteArrayView 字段)
{
    QByteArray 字节;
    字节.reserve(字段.size());
    for (qsizetype i = 0; i < 字段.size(); ++i) {
        const char c = 字段[i];
        if (c == '%') {
            if (i + 2 >= 字段.size()) return std::nullopt;
            const int 高 = 十六进制位(字段[i + 1]);
            const int 低 = 十六进制位(字段[i + 2]);
            if (高 < 0 || 低 < 0) return std::nullopt;
            字节.append(static_cast<char>(高 * 16 + 低));
            i += 2;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return std::nullopt;
        } else {
            字节.append(c);
        }
    }
    QStringDecoder 解码(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString 文本 = 解码(字节);
    if (解码.hasError()) return std::nullopt;
    return 文本;
}

// While it lives, SQLite may hold at most this much memory in all; more fails the query.
// Afterwards the memory goes back to the system: glibc would keep the small blocks a big
// query leaves, and the program would stay that much bigger.
class SQLite内存上限 {
public:
    SQLite内存上限() : m_原值(sqlite3_hard_heap_limit64(16 * 1024 * 1024)) {}
    ~SQLite内存上限()
    {
        sqlite3_hard_heap_limit64(m_原值);
#ifdef __GLIBC__
        malloc_trim(0);
#endif
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

格式 识别格式(const QString& 路径)
{
    QFile 文件(路径);
    if (!QFileInfo(路径).isFile() || !文件.open(QIODevice::ReadOnly)) return 格式::未知;
    const QByteArray 开头 = 文件.read(32);
    if (开头.startsWith(QByteArray("SQLite format 3\0", 16))) return 格式::SQLite;
    if (开头.size() >= 19 && 开头.startsWith(QByteArray("\x00\x01\x00\x00", 4))
        && (开头.mid(4, 15) == "Standard Jet DB" || 开头.mid(4, 15) == "Standard ACE DB")) {
        return 格式::Jet;
    }
    return 格式::未知;
}

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

记录表 解析读取程序输出(const QByteArray& 输出)
{
    const QByteArray 表头(jet_output::header);
    if (!输出.startsWith(表头) || !输出.endsWith('\n') || 输出.count('\n') > 最多记录 + 2) return std::nullopt;
    const QList<QByteArray> 行表 = 输出.sliced(表头.size(), 输出.size() - 表头.size() - 1).split('\n');
    if (行表.isEmpty()) return std::nullopt;

    const QByteArray& 结尾 = 行表.back();
    const QByteArray 结尾前缀(jet_output::trailer);
    if (!结尾.startsWith(结尾前缀)) return std::nullopt;
    const QByteArray 个数文本 = 结尾.sliced(结尾前缀.size());
    bool 成功 = false;
    const int 个数 = 个数文本.toInt(&成功);
    if (!成功 || 个数 < 0 || 个数 > 最多记录 || QByteArray::number(个数) != 个数文本
        || 个数 != 行表.size() - 1) {
        return std::nullopt;
    }

    std::vector<食物信息> 记录;
    for (qsizetype i = 0; i < 个数; ++i) {
        const QList<QByteArray> 字段 = 行表[i].split('\t');
        if (字段.size() != jet_output::field_count) return std::nullopt;
        QString 文本[jet_output::field_count];
        for (int f = 0; f < jet_output::field_count; ++f) {
            auto 值 = 解码字段(字段[f]);
            if (!值) return std::nullopt;
            文本[f] = *值;
        }
        记录.push_back({文本[0], 文本[1], 文本[2], 文本[3]});
    }
    return 记录;
}

记录表 读取Jet(const QString& 路径, const QString& 读取程序, QDeadlineTimer 期限)
{
    if (!QFileInfo(读取程序).isExecutable()) return std::nullopt;
    // Four fields of 255 characters, each UTF-8 character escaped at worst, 200 times over.
    constexpr qsizetype 最长输出 = 最多记录 * jet_output::field_count * (最长字段 * 3 + 1) + 64;
    QProcess 进程;
    进程.setStandardErrorFile(QProcess::nullDevice());
    进程.setStandardInputFile(QProcess::nullDevice());
    进程.start(读取程序, {路径}, QIODevice::ReadOnly);
    QByteArray 输出;
    while (进程.state() != QProcess::NotRunning && !期限.hasExpired() && 输出.size() <= 最长输出) {
        进程.waitForReadyRead(static_cast<int>(期限.remainingTime()));
        输出 += 进程.readAllStandardOutput();
    }
    if (进程.state() != QProcess::NotRunning) {
        进程.kill();
        进程.waitForFinished(1000);
        return std::nullopt;
    }
    输出 += 进程.readAllStandardOutput();
    if (进程.exitStatus() != QProcess::NormalExit || 进程.exitCode() != 0 || 输出.size() > 最长输出) return std::nullopt;
    return 解析读取程序输出(输出);
}

}  // namespace 食物库
