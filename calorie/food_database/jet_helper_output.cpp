#include "food_database_readers.h"

#include "jet_output_format.h"

#include <QList>
#include <QStringDecoder>

namespace 食物库 {
namespace {

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

}  // namespace 食物库
