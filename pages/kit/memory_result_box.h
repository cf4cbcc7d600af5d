#pragma once

#include "page_io.h"

#include <vector>

// A result box held in memory: the text, the selection, and the bold flag and
// colour of every character. It behaves as the window's result box does, so page
// modules can be run and inspected without a window.
class 内存结果框 final : public 结果框 {
public:
    static constexpr quint32 默认颜色 = 0x000000;

    struct 字格式 {
        bool 粗体 = false;
        quint32 颜色 = 默认颜色;
        bool operator==(const 字格式&) const = default;
    };

    QString 文本() const override { return m_文本; }
    void 设置文本(const QString& 文本) override;
    int 选择起点() const override { return m_起点; }
    void 设置选择起点(int 起点) override;
    int 选择长度() const override { return m_长度; }
    void 设置选择长度(int 长度) override;
    QString 选中文本() const override { return m_文本.mid(m_起点, m_长度); }
    void 设置选择粗体(bool 粗体) override;
    void 设置选择颜色(quint32 颜色) override;

    字格式 格式(int 位置) const { return m_格式.at(static_cast<std::size_t>(位置)); }

private:
    QString m_文本;
    std::vector<字格式> m_格式;
    int m_起点 = 0;
    int m_长度 = 0;
};
