#include "standard_weight.h"

#include "input_check.h"
#include "result_format.h"
#include "rounding.h"

#include <cmath>

namespace 方法_标准体重计算 {
namespace {

using 输入检查::量;
constexpr 输入检查::检查项 检查项表[] = {
    输入检查::范围(0, 量::年龄, 19, 69),
    {1, 量::身高, 152, 188, 176},
};

}  // namespace

bool 检查输入(const 页面输入& 输入, 消息框& 消息)
{
    return 输入检查::按顺序检查(检查项表, 输入, 消息);
}

int 行(double 年龄)
{
    return 舍入::到整数32((std::floor(年龄) - 19.0) / 2.0);
}

int 列(double 身高厘米)
{
    const double c = std::floor((身高厘米 - 152.0) / 4.0);
    return c >= -1e9 && c <= 1e9 ? static_cast<int>(c) : -1;
}

std::optional<qint32> 查表(const 标准体重表& 表, int 行号, int 列号)
{
    if (行号 < 0 || 行号 >= static_cast<int>(表.size())) return std::nullopt;
    const auto& 行 = 表[static_cast<std::size_t>(行号)];
    if (!行 || 列号 < 0 || 列号 >= static_cast<int>(行->size())) return std::nullopt;
    return (*行)[static_cast<std::size_t>(列号)];
}

void 计算(const 页面输入& 输入, 结果框& 结果, 消息框& 消息)
{
    if (!检查输入(输入, 消息)) return;

    结果.设置文本(QString());
    const 标准体重表& 表 = 输入.选中性别() == 性别::男 ? 自定义变量::标准体重表_男 : 自定义变量::标准体重表_女;
    const auto 体重 = 查表(表, 行(输入检查::读取(输入, 0)), 列(输入检查::读取(输入, 1)));
    if (!体重) return;  // cannot happen for input that passed the check

    const QString 数字 = QString::number(*体重);
    const QString 标题 = QStringLiteral(u"您的年龄身高对应标准体重为： ");
    const QString 结尾 = 数字 + QStringLiteral(u" 公斤。");
    const QString 文本 = 标题 + 结尾 + QStringLiteral(u"(1公斤=2斤)");

    const 结果格式::结果句 句[] = {
        {结果格式::句子范围(文本, 标题, 结尾), {结果格式::数字范围(文本, 数字)}},
    };
    结果格式::写入(结果, 文本, 句);
}

}  // namespace 方法_标准体重计算
