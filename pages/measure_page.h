#pragma once

#include "page_table.h"
#include "page_window.h"

#include <vector>

class QLineEdit;
class QPushButton;
class QRadioButton;
class 结果框控件;

// The frame of the six measure pages: header with title and explanation, one row
// of inputs, "计算" and the result box. Everything that differs comes from the
// page's entry in the page table; "计算" hands the page's inputs to the page module.
class 测量页面 final : public 页面窗口, public 页面输入 {
public:
    测量页面(const 页面条目& 条目, std::function<void()> 关闭后);

    QString 文本(int 索引) const override;
    性别 选中性别() const override;

    QLineEdit* 输入框(int 索引) const { return m_输入框.at(static_cast<std::size_t>(索引)); }
    QRadioButton* 性别选项(int 索引) const { return m_性别[索引]; }
    QPushButton* 计算按钮() const { return m_计算按钮; }
    结果框控件* 结果框() const { return m_结果框; }

    void 计算();

protected:
    void keyPressEvent(QKeyEvent* 事件) override;

private:
    void 建立顶部();
    void 建立底部();

    const 测量页& m_描述;
    const QString& m_顶部图片;
    std::vector<QLineEdit*> m_输入框;
    QRadioButton* m_性别[2] = {nullptr, nullptr};
    QPushButton* m_计算按钮 = nullptr;
    结果框控件* m_结果框 = nullptr;
};
