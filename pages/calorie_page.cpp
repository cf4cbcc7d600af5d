#include "calorie_page.h"

#include "result_box_widget.h"

namespace {
// The page's layout is given in twips; 15 twips make a pixel at 96 dpi.
constexpr int 像素(int 缇) { return 缇 / 15; }
}  // namespace

Form_卡路里计算器::Form_卡路里计算器(std::function<void()> 关闭后)
    : 页面窗口(std::move(关闭后)), m_结果框(new 结果框控件(this))
{
    setObjectName(QStringLiteral(u"Form_卡路里计算器"));
    setWindowTitle(QStringLiteral(u"卡路里计算器"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/vettora.svg")));
    setFixedSize(像素(10110), 像素(7980));
    m_结果框->setGeometry(像素(60), 像素(7080), 像素(3465), 像素(825));
}
