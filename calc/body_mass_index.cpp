#include "body_mass_index.h"

#include "input_check.h"
#include "number_text.h"
#include "result_format.h"
#include "rounding.h"

namespace 方法_身体质量指数 {
namespace {

using 输入检查::量;
constexpr 输入检查::检查项 检查项表[] = {
    输入检查::范围(0, 量::身高, 100, 250),
    输入检查::范围(1, 量::体重, 30, 250),
};

const QString 换行 = QStringLiteral("\r\n");

}  // namespace

bool 检查输入(const 页面输入& 输入, 消息框& 消息)
{
    return 输入检查::按顺序检查(检查项表, 输入, 消息);
}

double 身体质量指数(double 身高厘米, double 体重千克)
{
    return 舍入::到小数位(体重千克 / ((身高厘米 / 100) * (身高厘米 / 100)), 2);
}

QString 参考表()
{
    return QStringLiteral(u"BMI指数          <18.5          18.5-24          24-28          >28") + 换行
         + QStringLiteral(u"对应分类         轻体重         健康体重         超重           肥胖");
}

void 计算(const 页面输入& 输入, 结果框& 结果, 消息框& 消息)
{
    if (!检查输入(输入, 消息)) return;

    const QString 指数 = 数字文本(身体质量指数(输入检查::读取(输入, 0), 输入检查::读取(输入, 1)));
    const QString 文本 = QStringLiteral(u"您的身体质量指数（BMI）为：") + 指数 + 换行
        + QStringLiteral(u"身体质量指数(BMI)：评估体重与身高比例的常用工具，适用范围：18至65岁的人士。") + 换行
        + QStringLiteral(u"儿童、发育中的青少年、孕妇、乳母、老人及身型健硕的运动员除外。") + 换行
        + 参考表();

    // Line 1 is bold up to and including the carriage return that ends it.
    const int p = 结果格式::查找(文本, 指数);
    const 结果格式::结果句 句[] = {
        {{0, p + static_cast<int>(指数.size())}, {结果格式::数字范围(文本, 指数)}},
    };
    结果格式::写入(结果, 文本, 句);
}

}  // namespace 方法_身体质量指数
