#include "calorie_plan.h"

#include "food_data.h"
#include "number_reader.h"
#include "number_text.h"
#include "rounding.h"

#include <array>

namespace 方法_卡路里计算器 {
namespace {

const std::array<QString, 6> 餐次 = {
    QStringLiteral(u"早餐"), QStringLiteral(u"上午加餐"), QStringLiteral(u"午餐"),
    QStringLiteral(u"下午加餐"), QStringLiteral(u"晚餐"), QStringLiteral(u"晚上加餐"),
};

const QString 大卡 = QStringLiteral(u" 大卡");

double 总热量 = 0;

bool 是餐次(const QString& 文本)
{
    return std::find(餐次.begin(), 餐次.end(), 文本) != 餐次.end();
}

// The text before " 大卡", or nothing when it holds no figure (a row of an unfilled slot).
bool 有热量(const QString& 文本)
{
    const auto 位置 = 文本.indexOf(大卡);
    return 位置 >= 0 && !文本.left(位置).trimmed().isEmpty();
}

void 填充食物列表(食物列表& 列表)
{
    const auto& 表 = 自定义变量::食物数据;
    for (std::size_t i = 1; i < 表.size(); ++i) {
        列表.添加行(表[i].FoodName, 表[i].FoodOtherName, 表[i].FoodHot + 大卡, 表[i].FoodQuantity + QStringLiteral(u" 克"));
    }
}

// "共摄入：T 大卡" and the energy balance, with T in red and left selected.
void 写出结果(结果框& 框)
{
    框.设置文本(QStringLiteral(u"共摄入：") + 数字文本(总热量) + 大卡 + QStringLiteral(u"\r\n总消耗 = 活动消耗 + 基础代谢率"));
    const int p = static_cast<int>(框.文本().indexOf(大卡)) + 1;
    选择(框, 4, p - 5);
    框.设置选择颜色(0x0000FF);
}

}  // namespace

void 添加餐次(页面& 页)
{
    for (const QString& 名 : 餐次) 页.树.添加根节点(名, 名);
}

void 初始化页面(页面& 页)
{
    填充食物列表(页.列表);
    for (int 位置 = 1; 位置 <= static_cast<int>(餐次.size()); ++位置) 页.树.展开(位置);
    总热量 = 0;
    写出结果(页.结果);
}

void 添加食物(页面& 页)
{
    const auto 餐 = 页.树.选中节点文本();
    if (!餐 || !是餐次(*餐)) return;
    const auto 行 = 页.列表.选中行();
    if (!行 || !有热量(行->子项2)) return;

    页.树.添加子节点(*餐, 行->子项2 + QStringLiteral("  ") + 行->文本);
    总热量 = 热量值(行->子项2) + 总热量;
    写出结果(页.结果);
}

void 删除食物(页面& 页)
{
    const auto 节点 = 页.树.选中节点文本();
    if (!节点 || 是餐次(*节点)) return;

    总热量 = 舍入::到小数位(总热量 - 热量值(*节点), 2);
    写出结果(页.结果);
    页.树.删除选中节点();
}

double 摄入总热量()
{
    return 总热量;
}

double 热量值(const QString& 文本)
{
    const auto 位置 = 文本.indexOf(大卡);
    return 数值读取::读取前导数值(文本.left(位置 < 0 ? 0 : 位置 + 1)).值;
}

}  // namespace 方法_卡路里计算器
