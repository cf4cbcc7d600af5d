#include "memory_result_box.h"

#include <algorithm>

void 内存结果框::设置文本(const QString& 文本)
{
    m_文本 = 文本;
    // New text takes the format at the caret, as a rich text box gives it; the
    // pages always reformat everything, so plain defaults are enough here.
    m_格式.assign(static_cast<std::size_t>(文本.size()), 字格式{});
    m_起点 = 0;
    m_长度 = 0;
}

void 内存结果框::设置选择起点(int 起点)
{
    m_起点 = std::clamp(起点, 0, static_cast<int>(m_文本.size()));
    m_长度 = 0;
}

void 内存结果框::设置选择长度(int 长度)
{
    m_长度 = std::clamp(长度, 0, static_cast<int>(m_文本.size()) - m_起点);
}

void 内存结果框::设置选择粗体(bool 粗体)
{
    for (int i = m_起点; i < m_起点 + m_长度; ++i) m_格式[static_cast<std::size_t>(i)].粗体 = 粗体;
}

void 内存结果框::设置选择颜色(quint32 颜色)
{
    for (int i = m_起点; i < m_起点 + m_长度; ++i) m_格式[static_cast<std::size_t>(i)].颜色 = 颜色;
}
