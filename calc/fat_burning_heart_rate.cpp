#include "fat_burning_heart_rate.h"

#include "input_check.h"
#include "result_format.h"
#include "rounding.h"

namespace 方法_燃脂运动计算 {
namespace {

using 输入检查::量;
constexpr 输入检查::检查项 检查项表[] = {
    输入检查::范围(0, 量::年龄, 1, 100),
};

}  // namespace

bool 检查输入(const 页面输入& 输入, 消息框& 消息)
{
    return 输入检查::按顺序检查(检查项表, 输入, 消息);
}

心率 燃脂心率(double 年龄)
{
    return {舍入::到整数32((220 - 年龄) * 0.6), 舍入::到整数32((220 - 年龄) * 0.8)};
}

QString 燃脂条件()
{
    return QStringLiteral(u"人体要燃烧脂肪，需要满足三个必要条件：\r\n"
                          u"     1、该运动要达到中低强度的运动心率；\r\n"
                          u"     2、这种中低强度运动心率的运动要持续20分钟以上；\r\n"
                          u"     3、这种运动必须是大肌肉群的运动，如慢跑游泳健身操等。\r\n"
                          u"低于或高于这个范围，都不算中低强度运动心率，燃烧的也就不是脂肪了");
}

void 计算(const 页面输入& 输入, 结果框& 结果, 消息框& 消息)
{
    if (!检查输入(输入, 消息)) return;

    const 心率 范围 = 燃脂心率(输入检查::读取(输入, 0));
    const QString 下限 = QString::number(范围.下限);
    const QString 上限 = QString::number(范围.上限);
    const QString 标题 = QStringLiteral(u"您的中低强度运动心率是：");
    const QString 结尾 = 上限 + QStringLiteral(u" 次/分钟");
    const QString 文本 = 标题 + 下限 + QStringLiteral(u" 次/分钟到 ") + 结尾 + QStringLiteral(u"\r\n") + 燃脂条件();

    const 结果格式::结果句 句[] = {
        {结果格式::句子范围(文本, 标题, 结尾), {结果格式::数字范围(文本, 上限), 结果格式::数字范围(文本, 下限)}},
    };
    结果格式::写入(结果, 文本, 句);
}

}  // namespace 方法_燃脂运动计算
