#include "page_table.h"

#include "basal_metabolic_rate.h"
#include "body_mass_index.h"
#include "calorie_page.h"
#include "fat_burning_heart_rate.h"
#include "healthy_weight_range.h"
#include "measure_page.h"
#include "one_minute_assessment.h"
#include "standard_weight.h"

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString CR = QStringLiteral("\r");

输入栏 年龄(int 标题x, int 框x, int 单位x) { return {QStringLiteral(u"年龄："), 标题x, 框x, QStringLiteral(u"岁"), 单位x}; }
输入栏 身高(int 标题x, int 框x, int 单位x) { return {QStringLiteral(u"身高："), 标题x, 框x, QStringLiteral(u"厘米"), 单位x}; }
输入栏 体重(int 标题x, int 框x, int 单位x) { return {QStringLiteral(u"体重："), 标题x, 框x, QStringLiteral(u"千克"), 单位x}; }

QWidget* 建立测量页面(const 页面条目& 条目, std::function<void()> 关闭后)
{
    return new 测量页面(条目, std::move(关闭后));
}

QWidget* 建立卡路里页面(const 页面条目&, std::function<void()> 关闭后)
{
    return new Form_卡路里计算器(std::move(关闭后));
}

}  // namespace

const std::array<页面条目, 页::页数>& 页面表()
{
    // Made from the pages' order: each entry at its tile index.
    static const auto 表 = [] {
        std::array<页面条目, 页::页数> 表;
        表[页::一分钟彻底了解自己] = {
            .x = 498, .y = 64, .行 = 0, .列 = 2,
            .标题 = QStringLiteral(u"1分钟了解自己"),
            .说明 = QStringLiteral(u"1分钟了解自己的标准体重，BMI和基础代谢率。\r\n\r\n"),
            .说明高度 = 34,
            .绿色标题 = true,
            .图标 = QStringLiteral(":/assets/tile-one-minute.svg"),
            .建立 = 建立测量页面,
            .测量 = 测量页{
                .窗体名 = QStringLiteral(u"Form_一分钟彻底了解自己"),
                .标题栏 = QStringLiteral(u"一分钟彻底了解自己"),
                .顶部标题 = QStringLiteral(u"1分钟彻底了解自己"),
                .顶部提示 = QStringLiteral(u"1分钟彻底了解自己的标准体重，健康体重范围，BMI指数（即身体质量指数），"
                                           u"基础代谢率和燃脂运动中低强度运动心率，看看自己是否需要减肥了。") + CRLF,
                .输入提示 = QStringLiteral(u"请输入您的性别、年龄、身高和体重："),
                .有性别 = true,
                .输入 = {年龄(176, 212, 256), 身高(290, 332, 376), 体重(412, 454, 498)},
                .检查输入 = 方法_一分钟彻底了解自己::检查输入,
                .计算 = 方法_一分钟彻底了解自己::计算,
            },
        };
        表[页::卡路里计算器] = {
            .x = 14, .y = 202, .行 = 1, .列 = 0,
            .标题 = QStringLiteral(u"卡路里计算器"),
            .说明 = QStringLiteral(u"综合饮食和运动热量计算，简便易用，轻松瘦身。\r\n\r\n"),
            .说明高度 = 34,
            .绿色标题 = true,
            .图标 = QStringLiteral(":/assets/tile-calorie.svg"),
            .建立 = 建立卡路里页面,
        };
        表[页::身体质量指数] = {
            .x = 566, .y = 326, .行 = 2, .列 = 2,
            .标题 = QStringLiteral(u"身体质量指数(BMI)"),
            .说明 = QStringLiteral(u"BMI指数，也叫身体质量指数，衡量是否肥胖重要指标。\r\n"),
            .图标 = QStringLiteral(":/assets/tile-bmi.svg"),
            .建立 = 建立测量页面,
            .测量 = 测量页{
                .窗体名 = QStringLiteral(u"Form_身体质量指数"),
                .标题栏 = QStringLiteral(u"身体质量指数(BMI)"),
                .顶部标题 = QStringLiteral(u"BMI 身体质量指数"),
                .顶部提示 = QStringLiteral(u"BMI[Body Mass Index] 即BMI指数，也叫身体质量指数，是衡量是否肥胖和标准体重的"
                                           u"重要指标。计算适用范围：")
                    + CRLF + QStringLiteral(u"18至65岁的人士。儿童、发育中的青少年、孕妇、乳母、老人及身型健硕的运动员除外。")
                    + CR + QStringLiteral(u"世界卫生组织认为BMI指数保持在22左右是比较理想的。") + CRLF,
                .输入提示 = QStringLiteral(u"请输入您的身高和体重："),
                .输入 = {身高(54, 90, 134), 体重(168, 210, 254)},
                .检查输入 = 方法_身体质量指数::检查输入,
                .计算 = 方法_身体质量指数::计算,
            },
        };
        表[页::标准体重计算] = {
            .x = 290, .y = 202, .行 = 1, .列 = 1,
            .标题 = QStringLiteral(u"标准体重计算"),
            .说明 = QStringLiteral(u"使用标准体重计算器，轻松算出您的标准体重。\r\n"),
            .图标 = QStringLiteral(":/assets/tile-standard-weight.svg"),
            .建立 = 建立测量页面,
            .测量 = 测量页{
                .窗体名 = QStringLiteral(u"Form_标准体重计算"),
                .标题栏 = QStringLiteral(u"标准体重计算"),
                .顶部标题 = QStringLiteral(u"标准体重计算"),
                .顶部提示 = QStringLiteral(u"您的体重符合标准吗？使用软件的标准体重计算器，请在下面选择您的性别，输入年龄和"
                                           u"身高，最后计算得出标准体重。计算适用范围：")
                    + CRLF + CRLF + QStringLiteral(u"女性：19岁到69岁，身高在152cm到176cm。")
                    + CRLF + QStringLiteral(u"男性：19岁到69岁，身高在152cm到188cm。") + CRLF,
                .输入提示 = QStringLiteral(u"请输入您的性别、身高和年龄："),
                .有性别 = true,
                .输入 = {年龄(174, 210, 256), 身高(288, 330, 374)},
                .计算按钮提示 = false,
                .检查输入 = 方法_标准体重计算::检查输入,
                .计算 = 方法_标准体重计算::计算,
            },
        };
        表[页::基础代谢计算] = {
            .x = 566, .y = 202, .行 = 1, .列 = 2,
            .标题 = QStringLiteral(u"基础代谢计算"),
            .说明 = QStringLiteral(u"基础代谢率对减肥有非常大的影响，先算算自己的基础代谢率吧。\r\n"),
            .图标 = QStringLiteral(":/assets/tile-bmr.svg"),
            .建立 = 建立测量页面,
            .测量 = 测量页{
                .窗体名 = QStringLiteral(u"Form_基础代谢计算"),
                .标题栏 = QStringLiteral(u"基础代谢计算"),
                .顶部标题 = QStringLiteral(u"基础代谢计算"),
                .顶部提示 = QStringLiteral(u"基础代谢率（BMR）是指人体在清醒而又极端安静的状态下，不受肌肉活动、环境温度、"
                                           u"食物及精神紧张等影响时的能量代谢率。")
                    + CRLF + CRLF
                    + QStringLiteral(u"基础代谢率对减肥有非常大的影响，每天适量的运动有助于提高身体的基础代谢率，而节食"
                                     u"(极端是绝食)会降低人的基础代谢率。通过性别，年龄，身高和体重能粗略计算基础代谢率。")
                    + CRLF,
                .输入提示 = QStringLiteral(u"请输入您的性别、年龄、身高和体重："),
                .有性别 = true,
                .输入 = {年龄(174, 210, 256), 身高(288, 330, 376), 体重(410, 452, 498)},
                .检查输入 = 方法_基础代谢计算::检查输入,
                .计算 = 方法_基础代谢计算::计算,
            },
        };
        表[页::健康体重范围] = {
            .x = 14, .y = 326, .行 = 2, .列 = 0,
            .标题 = QStringLiteral(u"健康体重范围"),
            .说明 = QStringLiteral(u"健康的体重有助于你保持健康状态，这里可计算健康体重范围。\r\n"),
            .图标 = QStringLiteral(":/assets/tile-healthy-range.svg"),
            .建立 = 建立测量页面,
            .测量 = 测量页{
                .窗体名 = QStringLiteral(u"Form_健康体重范围"),
                .标题栏 = QStringLiteral(u"健康体重范围"),
                .顶部标题 = QStringLiteral(u"健康体重范围"),
                .顶部提示 = QStringLiteral(u"健康体重不同于标准体重，它是一个范围值，其原理是通过BMI身体质量指数反向推算。")
                    + CRLF + CRLF
                    + QStringLiteral(u"健康范围的身体质量指数(BMI)在18.5到24之间，结合身高，就可以计算出健康体重范围。")
                    + CRLF,
                .输入提示 = QStringLiteral(u"请输入您的身高："),
                .输入 = {身高(54, 90, 134)},
                .检查输入 = 方法_健康体重范围::检查输入,
                .计算 = 方法_健康体重范围::计算,
            },
        };
        表[页::燃脂运动计算] = {
            .x = 290, .y = 326, .行 = 2, .列 = 1,
            .标题 = QStringLiteral(u"燃脂运动计算"),
            .说明 = QStringLiteral(u"燃脂运动就是燃烧脂肪的运动，怎样才算燃脂运动呢？\r\n"),
            .图标 = QStringLiteral(":/assets/tile-fat-burning.svg"),
            .建立 = 建立测量页面,
            .测量 = 测量页{
                .窗体名 = QStringLiteral(u"Form_燃脂运动计算"),
                .标题栏 = QStringLiteral(u"燃脂运动计算"),
                .顶部标题 = QStringLiteral(u"燃脂运动计算"),
                .顶部提示 = QStringLiteral(u"燃脂运动是以中低强度持续进行、主要靠燃烧脂肪供能的有氧运动。运动时把心率保持在"
                                           u"最大心率（约为220减去年龄）的60%到80%之间，身体燃烧的主要就是脂肪。")
                    + CRLF + CRLF + QStringLiteral(u"输入您的年龄，就可以计算出适合您的燃脂运动心率范围。") + CRLF,
                .输入提示 = QStringLiteral(u"请输入您的年龄："),
                .输入 = {年龄(54, 90, 134)},
                .检查输入 = 方法_燃脂运动计算::检查输入,
                .计算 = 方法_燃脂运动计算::计算,
            },
        };
        return 表;
    }();
    return 表;
}
