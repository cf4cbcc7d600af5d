#include "design_look.h"

#include "frame_line.h"
#include "program_fonts.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <deque>
#include <optional>

namespace 界面外观 {

namespace {

// Fusion keeps what it draws of a button, a header section or an arrow in Qt's pixmap
// cache, under a key made with the palette's cache key. Qt gives every widget a palette of
// its own key, also where the colours are the same, so each page opened drew and kept its
// buttons and arrows anew, until the cache was full. Fusion is handed, for the time of
// one drawing, the first palette of the same colours it was given, and finds its pictures
// again. The option is the caller's: its own palette is put back afterwards.
class 同色调色板 {
public:
    同色调色板(const QStyleOption* 选项, std::deque<QPalette>& 已见) : m_选项(const_cast<QStyleOption*>(选项))
    {
        if (!m_选项) return;
        auto 同色 = std::find(已见.begin(), 已见.end(), m_选项->palette);
        if (同色 == 已见.end()) {
            if (已见.size() == 最多) 已见.pop_front();
            已见.push_back(m_选项->palette);
            return;
        }
        m_原有 = m_选项->palette;
        m_选项->palette = *同色;
        m_选项->palette.setCurrentColorGroup(m_原有->currentColorGroup());
    }
    ~同色调色板()
    {
        if (m_原有) m_选项->palette = *m_原有;
    }
    同色调色板(const 同色调色板&) = delete;
    同色调色板& operator=(const 同色调色板&) = delete;

private:
    static constexpr std::size_t 最多 = 32;  // the windows have a handful of colour sets
    QStyleOption* m_选项;
    std::optional<QPalette> m_原有;
};

class 程序风格 final : public QProxyStyle {
public:
    程序风格() : QProxyStyle(QStringLiteral("Fusion")) {}

    void drawPrimitive(PrimitiveElement 元素, const QStyleOption* 选项, QPainter* 画笔,
                       const QWidget* 控件) const override
    {
        同色调色板 同色(选项, m_已见调色板);
        // The plain frame of the tree and the list, in Fusion's colour for it.
        if (元素 == PE_Frame && !(控件 && 控件->inherits("QComboBoxPrivateContainer"))) {
            画框线(*画笔, 选项->rect, 选项->palette.window().color().darker(140).lighter(108));
            return;
        }
        QProxyStyle::drawPrimitive(元素, 选项, 画笔, 控件);
    }

    void drawControl(ControlElement 元素, const QStyleOption* 选项, QPainter* 画笔, const QWidget* 控件) const override
    {
        同色调色板 同色(选项, m_已见调色板);
        QProxyStyle::drawControl(元素, 选项, 画笔, 控件);
        // Fusion draws a page's default button ("计算") and a focused one alike: the focus
        // gets the dotted frame that buttons show on the system's dialogs too.
        if (元素 == CE_PushButton && (选项->state & State_HasFocus)) {
            画笔->save();
            画笔->setPen(QPen(选项->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
            画笔->drawRect(选项->rect.adjusted(3, 3, -4, -4));
            画笔->restore();
        }
    }

    void drawComplexControl(ComplexControl 元素, const QStyleOptionComplex* 选项, QPainter* 画笔,
                            const QWidget* 控件) const override
    {
        同色调色板 同色(选项, m_已见调色板);
        QProxyStyle::drawComplexControl(元素, 选项, 画笔, 控件);
    }

private:
    mutable std::deque<QPalette> m_已见调色板;
};

}  // namespace

QStyle* 新风格()
{
    return new 程序风格;
}

QPalette 浅色调色板()
{
    const QColor 文字(0x40, 0x40, 0x40);
    const QColor 灰字(0xA0, 0xA0, 0xA0);
    QPalette 调色板;
    // Every role is set, in every group, so nothing is left to the desktop's palette.
    const std::pair<QPalette::ColorRole, QColor> 角色[] = {
        {QPalette::Window, Qt::white},
        {QPalette::WindowText, 文字},
        {QPalette::Base, Qt::white},
        {QPalette::AlternateBase, QColor(0xF5, 0xF5, 0xF5)},
        {QPalette::Text, 文字},
        {QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80)},
        {QPalette::Button, QColor(0xF0, 0xF0, 0xF0)},
        {QPalette::ButtonText, 文字},
        {QPalette::BrightText, Qt::white},
        {QPalette::Light, Qt::white},
        {QPalette::Midlight, QColor(0xE3, 0xE3, 0xE3)},
        {QPalette::Mid, QColor(0xA0, 0xA0, 0xA0)},
        {QPalette::Dark, QColor(0x69, 0x69, 0x69)},
        {QPalette::Shadow, QColor(0x40, 0x40, 0x40)},
        {QPalette::Highlight, QColor(0x00, 0x78, 0xD7)},
        {QPalette::HighlightedText, Qt::white},
        {QPalette::Link, QColor(0x00, 0x66, 0xCC)},
        {QPalette::LinkVisited, QColor(0x80, 0x00, 0x80)},
        {QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1)},
        {QPalette::ToolTipText, Qt::black},
    };
    for (const auto& [名, 色] : 角色) 调色板.setColor(名, 色);
    for (const QPalette::ColorRole 名 : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        调色板.setColor(QPalette::Disabled, 名, 灰字);
    }
    return 调色板;
}

void 固定(QWidget& 窗口)
{
    窗口.setPalette(浅色调色板());
    窗口.setFont(界面字体::宋体(9));
}

void 固定菜单(QMenu& 菜单)
{
    菜单.setPalette(浅色调色板());
    菜单.setFont(界面字体::菜单字体());
}

}  // namespace 界面外观
