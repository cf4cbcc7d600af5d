#include "healthy_weight_range.h"

#include "input_check.h"
#include "number_text.h"
#include "result_format.h"
#include "rounding.h"

namespace 方法_健康体重范围 {
namespace {

using 输入检查::量;
constexpr 输入检查::检查项 检查项表[] = {
    输入检查::范围(0, 量::身高, 50, 250),
};

}  // namespace

bool 检查输入(const 页面输入& 输入, 消息框& 消息)
{
    return 输入检查::按顺序检查(检查项表, 输入, 消息);
}

范围 健康体重范围(double 身高厘米)
{
    return {舍入::到整数((身高厘米 / 100) * (身高厘米 / 100) * 18.5),
            舍入::到整数((身高厘米 / 100) * (身高厘米 / 100) * 24)};
}

void 计算(const 页面输入& 输入, 结果框& 结果, 消息框& 消息)
{
    if (!检查输入(输入, 消息)) return;

    const 范围 体重 = 健康体重范围(输入检查::读取(输入, 0));
    const QString 下限 = 数字文本(体重.下限);
    const QString 上限 = 数字文本(体重.上限);
    const QString 标题 = QStringLiteral(u"您的健康体重范围为：");
    const QString 文本 = 标题 + 下限 + QStringLiteral(u"公斤～") + 上限 + QStringLiteral(u"公斤\r\n\r\n");

    const 结果格式::结果句 句[] = {
        {结果格式::句子范围(文本, 标题, 上限 + QStringLiteral(u"公斤")),
         {结果格式::数字范围(文本, 下限), 结果格式::数字范围(文本, 上限)}},
    };
    结果格式::写入(结果, 文本, 句);
}

}  // namespace 方法_健康体重范围
