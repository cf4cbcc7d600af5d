#include "result_format.h"

namespace 结果格式 {

int 查找(const QString& 文本, const QString& 目标, int 从)
{
    const auto 位置 = 文本.indexOf(目标, 从 - 1, Qt::CaseSensitive);
    return 位置 < 0 ? 0 : static_cast<int>(位置) + 1;
}

范围 句子范围(const QString& 文本, const QString& 标题, const QString& 结尾, int 从)
{
    const int q = 查找(文本, 标题, 从);
    const int r = 查找(文本, 结尾, 从);
    return {q - 1, r + static_cast<int>(结尾.size()) - q};
}

范围 数字范围(const QString& 文本, const QString& 数字, int 从)
{
    return {查找(文本, 数字, 从) - 1, static_cast<int>(数字.size())};
}

void 写入(结果框& 框, const QString& 文本, std::span<const 结果句> 结果句表)
{
    框.设置文本(QString());
    框.设置文本(文本);

    选择(框, 0, static_cast<int>(框.文本().size()));
    框.设置选择粗体(false);
    框.设置选择颜色(正文颜色);

    for (const 结果句& 句 : 结果句表) {
        选择(框, 句.句子.起点, 句.句子.长度);
        框.设置选择粗体(true);
        框.设置选择颜色(句子颜色);
        for (const 范围& 数 : 句.数字) {
            选择(框, 数.起点, 数.长度);
            框.设置选择颜色(数字颜色);
        }
    }

    选择(框, 0, 0);
}

}  // namespace 结果格式
