#include "one_minute_assessment.h"

#include "basal_metabolic_rate.h"
#include "body_mass_index.h"
#include "fat_burning_heart_rate.h"
#include "healthy_weight_range.h"
#include "input_check.h"
#include "number_text.h"
#include "result_format.h"

namespace 方法_一分钟彻底了解自己 {
namespace {

using 输入检查::量;
constexpr 输入检查::检查项 检查项表[] = {
    输入检查::范围(0, 量::年龄, 1, 100),
    输入检查::范围(1, 量::身高, 50, 250),
    输入检查::范围(2, 量::体重, 30, 250),
};

const QString 换行 = QStringLiteral("\r\n");

// A section's first line from its heading to its closing unit, bold, with its
// figures searched at or after the heading (so the 65 of "18至65岁" is never taken).
结果格式::结果句 段落(const QString& 文本, const QString& 标题, const QString& 结尾,
                   std::initializer_list<QString> 数字)
{
    const int q = 结果格式::查找(文本, 标题);
    结果格式::结果句 句{结果格式::句子范围(文本, 标题, 结尾, q), {}};
    for (const QString& 数 : 数字) 句.数字.push_back(结果格式::数字范围(文本, 数, q));
    return 句;
}

}  // namespace

bool 检查输入(const 页面输入& 输入, 消息框& 消息)
{
    return 输入检查::按顺序检查(检查项表, 输入, 消息);
}

void 计算(const 页面输入& 输入, 结果框& 结果, 消息框& 消息)
{
    if (!检查输入(输入, 消息)) return;

    const double 年龄 = 输入检查::读取(输入, 0);
    const double 身高 = 输入检查::读取(输入, 1);
    const double 体重 = 输入检查::读取(输入, 2);

    const QString B = 数字文本(方法_身体质量指数::身体质量指数(身高, 体重));
    const auto 范围 = 方法_健康体重范围::健康体重范围(身高);
    const QString L = 数字文本(范围.下限);
    const QString U = 数字文本(范围.上限);
    const QString N = QString::number(方法_基础代谢计算::基础代谢率(输入.选中性别(), 年龄, 身高, 体重));
    const auto 心率 = 方法_燃脂运动计算::燃脂心率(年龄);
    const QString R1 = QString::number(心率.下限);
    const QString R2 = QString::number(心率.上限);

    const QString 指数标题 = QStringLiteral(u"您的身体质量指数（BMI）为：");
    const QString 范围标题 = QStringLiteral(u"您的健康体重范围为：");
    const QString 代谢标题 = QStringLiteral(u"您的基础代谢率为：");
    const QString 心率标题 = QStringLiteral(u"您的中低强度运动心率是：");

    const QString 文本 = 指数标题 + B + 换行
        + QStringLiteral(u"身体质量指数(BMI)：评估体重与身高比例的常用工具，适用范围：18至65岁的人士") + 换行
        + QStringLiteral(u"儿童发育中的青少年孕妇乳母老人及身型健硕的运动员除外") + 换行
        + 方法_身体质量指数::参考表() + 换行
        + 换行
        + 范围标题 + L + QStringLiteral(u"公斤～") + U + QStringLiteral(u"公斤") + 换行
        + 换行
        + 代谢标题 + N + QStringLiteral(u"大卡") + 换行
        + QStringLiteral(u"基础代谢率(BMR)：在安静状态下(通常为静卧状态)消耗的最低热量") + 换行
        + 换行
        + 心率标题 + R1 + QStringLiteral(u" 次/分钟到 ") + R2 + QStringLiteral(u" 次/分钟") + 换行
        + 方法_燃脂运动计算::燃脂条件();

    const int p = 结果格式::查找(文本, B);
    const 结果格式::结果句 句[] = {
        {{0, p + static_cast<int>(B.size())}, {结果格式::数字范围(文本, B)}},
        段落(文本, 范围标题, U + QStringLiteral(u"公斤"), {L, U}),
        段落(文本, 代谢标题, N + QStringLiteral(u"大卡"), {N}),
        段落(文本, 心率标题, R2 + QStringLiteral(u" 次/分钟"), {R2, R1}),
    };
    结果格式::写入(结果, 文本, 句);
}

}  // namespace 方法_一分钟彻底了解自己
