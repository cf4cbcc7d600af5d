#include "food_database_readers.h"

#include "jet_output_format.h"
#include "number_text.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>

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

记录表 读取SQLite(const QString& 路径)
{
    if (!QFileInfo(路径).isFile()) return std::nullopt;  // never create a missing database
#ifdef Q_OS_WIN
    const QByteArray 文件名 = 路径.toUtf8();
#else
    const QByteArray 文件名 = QFile::encodeName(路径);
#endif
    sqlite3* 原库 = nullptr;
    const int 打开 = sqlite3_open_v2(文件名.constData(), &原库, SQLITE_OPEN_READONLY, nullptr);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> 库(原库, sqlite3_close);
    if (打开 != SQLITE_OK) return std::nullopt;

    sqlite3_stmt* 原语句 = nullptr;
    if (sqlite3_prepare_v2(库.get(), "Select * from FoodData", -1, &原语句, nullptr) != SQLITE_OK) return std::nullopt;
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> 语句(原语句, sqlite3_finalize);

    int 列[jet_output::field_count];
    for (int f = 0; f < jet_output::field_count; ++f) {
        列[f] = -1;
        for (int c = 0; c < sqlite3_column_count(语句.get()); ++c) {
            if (qstricmp(sqlite3_column_name(语句.get(), c), jet_output::field_names[f]) == 0) {
                列[f] = c;
                break;
            }
        }
    }
    auto 值 = [&语句, &列](int f) { return 列[f] < 0 ? QString() : 字段文本(语句.get(), 列[f]); };

    std::vector<食物信息> 记录;
    for (;;) {
        const int 结果 = sqlite3_step(语句.get());
        if (结果 == SQLITE_DONE) break;
        // A damaged file shows as an error part-way: then nothing counts, as when
        // moving to the last record fails.
        if (结果 != SQLITE_ROW) return std::nullopt;
        if (static_cast<int>(记录.size()) < 最多记录) 记录.push_back({值(0), 值(1), 值(2), 值(3)});  // later ones: visited, not kept
    }
    return 记录;
}

记录表 解析读取程序输出(const QByteArray& 输出)
{
    const QByteArray 表头(jet_output::header);
    if (!输出.startsWith(表头) || !输出.endsWith('\n')) return std::nullopt;
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

记录表 读取Jet(const QString& 路径, const QString& 读取程序, int 超时毫秒)
{
    if (!QFileInfo(读取程序).isExecutable()) return std::nullopt;
    QProcess 进程;
    进程.setStandardErrorFile(QProcess::nullDevice());
    进程.setStandardInputFile(QProcess::nullDevice());
    进程.start(读取程序, {路径}, QIODevice::ReadOnly);
    if (!进程.waitForFinished(超时毫秒)) {
        进程.kill();
        进程.waitForFinished(1000);
        return std::nullopt;
    }
    if (进程.exitStatus() != QProcess::NormalExit || 进程.exitCode() != 0) return std::nullopt;
    return 解析读取程序输出(进程.readAllStandardOutput());
}

}  // namespace 食物库
