#include "launcher_tiles.h"

const std::array<磁贴, 7>& 启动窗口磁贴()
{
    static const std::array<磁贴, 7> 表 = {{
        {QStringLiteral(u"1分钟了解自己"), QStringLiteral(u"1分钟了解自己的标准体重，BMI和基础代谢率。\r\n\r\n"),
         498, 64, QStringLiteral(":/assets/tile-one-minute.svg"), true, 34, 0, 2},
        {QStringLiteral(u"卡路里计算器"), QStringLiteral(u"综合饮食和运动热量计算，简便易用，轻松瘦身。\r\n\r\n"),
         14, 202, QStringLiteral(":/assets/tile-calorie.svg"), true, 34, 1, 0},
        {QStringLiteral(u"身体质量指数(BMI)"), QStringLiteral(u"BMI指数，也叫身体质量指数，衡量是否肥胖重要指标。\r\n"),
         566, 326, QStringLiteral(":/assets/tile-bmi.svg"), false, 44, 2, 2},
        {QStringLiteral(u"标准体重计算"), QStringLiteral(u"使用标准体重计算器，轻松算出您的标准体重。\r\n"),
         290, 202, QStringLiteral(":/assets/tile-standard-weight.svg"), false, 44, 1, 1},
        {QStringLiteral(u"基础代谢计算"), QStringLiteral(u"基础代谢率对减肥有非常大的影响，先算算自己的基础代谢率吧。\r\n"),
         566, 202, QStringLiteral(":/assets/tile-bmr.svg"), false, 44, 1, 2},
        {QStringLiteral(u"健康体重范围"), QStringLiteral(u"健康的体重有助于你保持健康状态，这里可计算健康体重范围。\r\n"),
         14, 326, QStringLiteral(":/assets/tile-healthy-range.svg"), false, 44, 2, 0},
        {QStringLiteral(u"燃脂运动计算"), QStringLiteral(u"燃脂运动就是燃烧脂肪的运动，怎样才算燃脂运动呢？\r\n"),
         290, 326, QStringLiteral(":/assets/tile-fat-burning.svg"), false, 44, 2, 1},
    }};
    return 表;
}
