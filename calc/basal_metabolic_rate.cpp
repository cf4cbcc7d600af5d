#include "basal_metabolic_rate.h"

#include "input_check.h"
#include "result_format.h"
#include "rounding.h"

namespace 方法_基础代谢计算 {
namespace {

using 输入检查::量;
constexpr 输入检查::检查项 检查项表[] = {
    输入检查::范围(0, 量::年龄, 1, 100),
    输入检查::范围(1, 量::身高, 100, 250),
    输入检查::范围(2, 量::体重, 30, 250),
};

}  // namespace

bool 检查输入(const 页面输入& 输入, 消息框& 消息)
{
    return 输入检查::按顺序检查(检查项表, 输入, 消息);
}

qint32 基础代谢率(性别 选中性别, double 年龄, double 身高厘米, double 体重千克)
{
    // Terms in this order: weight term plus constant, then height added, then age taken off.
    const double 值 = 选中性别 == 性别::男
        ? 体重千克 * 13.73 + 67 + 身高厘米 * 5 - 年龄 * 6.9
        : 体重千克 * 9.6 + 655 + 身高厘米 * 1.72 - 年龄 * 4.7;
    return 舍入::到整数32(值);
}

void 计算(const 页面输入& 输入, 结果框& 结果, 消息框& 消息)
{
    if (!检查输入(输入, 消息)) return;

    const QString 代谢率 = QString::number(基础代谢率(
        输入.选中性别(), 输入检查::读取(输入, 0), 输入检查::读取(输入, 1), 输入检查::读取(输入, 2)));
    const QString 标题 = QStringLiteral(u"您的基础代谢率为： ");
    const QString 结尾 = 代谢率 + QStringLiteral(u" 大卡");
    const QString 文本 = 标题 + 结尾 + QStringLiteral(u"\r\n")
        + QStringLiteral(u"基础代谢率(BMR)：在安静状态下(通常为静卧状态)消耗的最低热量");

    const 结果格式::结果句 句[] = {
        {结果格式::句子范围(文本, 标题, 结尾), {结果格式::数字范围(文本, 代谢率)}},
    };
    结果格式::写入(结果, 文本, 句);
}

}  // namespace 方法_基础代谢计算
