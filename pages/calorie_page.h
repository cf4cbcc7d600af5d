#pragma once

#include "page_window.h"

class 结果框控件;

// Form_卡路里计算器: the calorie calculator's window, 10110 × 7980 twips, with its
// result box and the closing behaviour of every page.
class Form_卡路里计算器 final : public 页面窗口 {
public:
    explicit Form_卡路里计算器(std::function<void()> 关闭后);

    结果框控件* 结果框() const { return m_结果框; }

private:
    结果框控件* m_结果框;
};
