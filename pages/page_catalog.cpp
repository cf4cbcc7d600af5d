#include "page_catalog.h"

#include "basal_metabolic_rate.h"
#include "body_mass_index.h"
#include "fat_burning_heart_rate.h"
#include "healthy_weight_range.h"
#include "one_minute_assessment.h"
#include "standard_weight.h"

namespace 页面目录 {
namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString CR = QStringLiteral("\r");

输入栏 年龄(int 标题x, int 框x, int 单位x) { return {QStringLiteral(u"年龄："), 标题x, 框x, QStringLiteral(u"岁"), 单位x}; }

}  // namespace

const 页面描述& 身体质量指数()
{
    static const 页面描述 描述{
        QStringLiteral(u"Form_身体质量指数"),
        QStringLiteral(u"身体质量指数(BMI)"),
        QStringLiteral(u"BMI 身体质量指数"),
        QStringLiteral(u"BMI[Body Mass Index] 即BMI指数，也叫身体质量指数，是衡量是否肥胖和标准体重的重要指标。计算适用范围：")
            + CRLF + QStringLiteral(u"18至65岁的人士。儿童、发育中的青少年、孕妇、乳母、老人及身型健硕的运动员除外。")
            + CR + QStringLiteral(u"世界卫生组织认为BMI指数保持在22左右是比较理想的。") + CRLF,
        QStringLiteral(u"请输入您的身高和体重："),
        QStringLiteral(":/assets/tile-bmi.svg"),
        false,
        {{QStringLiteral(u"身高："), 54, 90, QStringLiteral(u"厘米"), 134},
         {QStringLiteral(u"体重："), 168, 210, QStringLiteral(u"千克"), 254}},
        true,
        &方法_身体质量指数::计算,
    };
    return 描述;
}

const 页面描述& 标准体重计算()
{
    static const 页面描述 描述{
        QStringLiteral(u"Form_标准体重计算"),
        QStringLiteral(u"标准体重计算"),
        QStringLiteral(u"标准体重计算"),
        QStringLiteral(u"您的体重符合标准吗？使用软件的标准体重计算器，请在下面选择您的性别，输入年龄和身高，最后计算得出标准体重。计算适用范围：")
            + CRLF + CRLF + QStringLiteral(u"女性：19岁到69岁，身高在152cm到176cm。")
            + CRLF + QStringLiteral(u"男性：19岁到69岁，身高在152cm到188cm。") + CRLF,
        QStringLiteral(u"请输入您的性别、身高和年龄："),
        QStringLiteral(":/assets/tile-standard-weight.svg"),
        true,
        {年龄(174, 210, 256), {QStringLiteral(u"身高："), 288, 330, QStringLiteral(u"厘米"), 374}},
        false,
        &方法_标准体重计算::计算,
    };
    return 描述;
}

const 页面描述& 基础代谢计算()
{
    static const 页面描述 描述{
        QStringLiteral(u"Form_基础代谢计算"),
        QStringLiteral(u"基础代谢计算"),
        QStringLiteral(u"基础代谢计算"),
        QStringLiteral(u"基础代谢率（BMR）是指人体在清醒而又极端安静的状态下，不受肌肉活动、环境温度、食物及精神紧张等影响时的能量代谢率。")
            + CRLF + CRLF
            + QStringLiteral(u"基础代谢率对减肥有非常大的影响，每天适量的运动有助于提高身体的基础代谢率，而节食(极端是绝食)会降低人的基础代谢率。通过性别，年龄，身高和体重能粗略计算基础代谢率。")
            + CRLF,
        QStringLiteral(u"请输入您的性别、年龄、身高和体重："),
        QStringLiteral(":/assets/tile-bmr.svg"),
        true,
        {年龄(174, 210, 256),
         {QStringLiteral(u"身高："), 288, 330, QStringLiteral(u"厘米"), 376},
         {QStringLiteral(u"体重："), 410, 452, QStringLiteral(u"千克"), 498}},
        true,
        &方法_基础代谢计算::计算,
    };
    return 描述;
}

const 页面描述& 健康体重范围()
{
    static const 页面描述 描述{
        QStringLiteral(u"Form_健康体重范围"),
        QStringLiteral(u"健康体重范围"),
        QStringLiteral(u"健康体重范围"),
        QStringLiteral(u"健康体重不同于标准体重，它是一个范围值，其原理是通过BMI身体质量指数反向推算。") + CRLF + CRLF
            + QStringLiteral(u"健康范围的身体质量指数(BMI)在18.5到24之间，结合身高，就可以计算出健康体重范围。") + CRLF,
        QStringLiteral(u"请输入您的身高："),
        QStringLiteral(":/assets/tile-healthy-range.svg"),
        false,
        {{QStringLiteral(u"身高："), 54, 90, QStringLiteral(u"厘米"), 134}},
        true,
        &方法_健康体重范围::计算,
    };
    return 描述;
}

const 页面描述& 燃脂运动计算()
{
    static const 页面描述 描述{
        QStringLiteral(u"Form_燃脂运动计算"),
        QStringLiteral(u"燃脂运动计算"),
        QStringLiteral(u"燃脂运动计算"),
        QStringLiteral(u"燃脂运动是以中低强度持续进行、主要靠燃烧脂肪供能的有氧运动。运动时把心率保持在最大心率（约为220减去年龄）的60%到80%之间，身体燃烧的主要就是脂肪。")
            + CRLF + CRLF + QStringLiteral(u"输入您的年龄，就可以计算出适合您的燃脂运动心率范围。") + CRLF,
        QStringLiteral(u"请输入您的年龄："),
        QStringLiteral(":/assets/tile-fat-burning.svg"),
        false,
        {年龄(54, 90, 134)},
        true,
        &方法_燃脂运动计算::计算,
    };
    return 描述;
}

const 页面描述& 一分钟彻底了解自己()
{
    static const 页面描述 描述{
        QStringLiteral(u"Form_一分钟彻底了解自己"),
        QStringLiteral(u"一分钟彻底了解自己"),
        QStringLiteral(u"1分钟彻底了解自己"),
        QStringLiteral(u"1分钟彻底了解自己的标准体重，健康体重范围，BMI指数（即身体质量指数），基础代谢率和燃脂运动中低强度运动心率，看看自己是否需要减肥了。")
            + CRLF,
        QStringLiteral(u"请输入您的性别、年龄、身高和体重："),
        QStringLiteral(":/assets/tile-one-minute.svg"),
        true,
        {年龄(176, 212, 256),
         {QStringLiteral(u"身高："), 290, 332, QStringLiteral(u"厘米"), 376},
         {QStringLiteral(u"体重："), 412, 454, QStringLiteral(u"千克"), 498}},
        true,
        &方法_一分钟彻底了解自己::计算,
    };
    return 描述;
}

}  // namespace 页面目录
