#pragma once

#include "calorie_plan.h"
#include "page_window.h"

#include <memory>

class QTreeWidget;
class 结果框控件;

// Form_卡路里计算器: the meals of the day on the left, the food list on the right and
// the day's total below the meals. Double-click (or Enter) on a food adds it to the
// selected meal; on a food in a meal (or Delete there), takes it out again.
class Form_卡路里计算器 final : public 页面窗口 {
public:
    explicit Form_卡路里计算器(std::function<void()> 关闭后);
    ~Form_卡路里计算器() override;

    QTreeWidget* 餐次树控件() const { return m_树; }
    QTreeWidget* 食物列表控件() const { return m_列表; }
    结果框控件* 结果框() const { return m_结果框; }

private:
    class 树适配;
    class 列表适配;

    QTreeWidget* m_树;
    QTreeWidget* m_列表;
    结果框控件* m_结果框;
    std::unique_ptr<树适配> m_树适配;
    std::unique_ptr<列表适配> m_列表适配;
    方法_卡路里计算器::页面 m_页面;  // what the page module works on
};
