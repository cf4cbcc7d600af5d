#pragma once

#include "page_io.h"

class QTextEdit;

// The result box operations on a QTextEdit. The document keeps one paragraph break
// where the text has CR LF, so positions are mapped: outside, CR LF counts as two.
// The box is read-only; its text changes only through these operations.
class 文本框结果框 final : public 结果框 {
public:
    explicit 文本框结果框(QTextEdit& 控件) : m_控件(控件) {}

    QString 文本() const override;
    void 设置文本(const QString& 文本) override;
    int 选择起点() const override;
    void 设置选择起点(int 起点) override;
    int 选择长度() const override;
    void 设置选择长度(int 长度) override;
    QString 选中文本() const override;
    void 设置选择粗体(bool 粗体) override;
    void 设置选择颜色(quint32 颜色) override;

    // Position in the document of a position in the text, and back.
    int 文档位置(int 位置) const;
    int 文本位置(int 文档位置) const;

private:
    void 记住选择(int 起点, int 长度);
    bool 选择未变() const;

    QTextEdit& m_控件;
    // The selection as last set: a position between CR and LF has no document
    // position of its own, so it is read back from here while the user leaves it be.
    int m_起点 = 0;
    int m_长度 = 0;
    int m_文档锚点 = 0;
    int m_文档光标 = 0;
};
