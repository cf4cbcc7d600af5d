#include "launcher_tile.h"

#include "page_table.h"
#include "page_window.h"
#include "picture_panel.h"
#include "program_fonts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {

void 设置文字颜色(QWidget* 控件, const QColor& 颜色)
{
    QPalette 调色板 = 控件->palette();
    调色板.setColor(QPalette::WindowText, 颜色);
    控件->setPalette(调色板);
}

预绘标签* 建立标签(const 预绘::文字& 字, QWidget* 父)
{
    auto* 标签 = new 预绘标签(字.内容, 父);
    标签->setFont(字.字体);
    设置文字颜色(标签, 字.颜色);
    标签->setAlignment(字.对齐);
    标签->setWordWrap(字.换行);
    标签->setGeometry(字.区域);
    return 标签;
}

}  // namespace

std::array<预绘::文字, 2> 磁贴按钮::文字(const 页面条目& 贴)
{
    return {{
        {
            .内容 = 贴.标题,
            .字体 = 界面字体::宋体(12, true),
            .颜色 = 贴.绿色标题 ? QColor(0x33, 0x99, 0x00) : QColor(0x50, 0x50, 0x50),
            .区域 = QRect(116, 22, 156, 24),  // the line height of the Linux CJK fonts at 12 point
            .对齐 = Qt::AlignLeft | Qt::AlignVCenter,
            .底色 = Qt::white,
        },
        {
            .内容 = 标签文本(贴.说明),
            .字体 = 界面字体::宋体(9),
            .颜色 = QColor(0x80, 0x80, 0x80),
            // Taller than on Windows: the Linux CJK fonts need more line spacing for three lines.
            .区域 = QRect(116, 50, 144, std::max(贴.说明高度, 56)),
            .对齐 = Qt::AlignLeft | Qt::AlignTop,
            .换行 = true,
            .底色 = Qt::white,
        },
    }};
}

磁贴按钮::磁贴按钮(const 页面条目& 贴, const QCursor& 手形, QWidget* 父) : QAbstractButton(父)
{
    setGeometry(贴.x, 贴.y, 274, 112);
    setFocusPolicy(Qt::TabFocus);  // a click never moves the focus here
    setBackgroundRole(QPalette::Window);  // a panel: its labels draw in their window text colours
    setAccessibleName(贴.标题);
    setAccessibleDescription(贴.说明.trimmed());

    m_图标 = new 图片面板(贴.图标, this);
    m_图标->setAccessibleName(贴.标题);
    m_图标->setGeometry(12, 11, 90, 90);
    m_图标->setCursor(手形);

    const auto [标题, 说明] = 文字(贴);
    m_标题 = 建立标签(标题, this);
    m_标题->setAccessibleName(贴.标题);
    m_标题->setCursor(手形);
    m_说明 = 建立标签(说明, this);
    m_说明->setAccessibleName(贴.说明.trimmed());
}

void 磁贴按钮::设置预绘(const 预绘::结果& 标题图, const 预绘::结果& 说明图)
{
    m_标题->设置预绘(标题图);
    m_说明->设置预绘(说明图);
}

void 磁贴按钮::paintEvent(QPaintEvent*)
{
    QPainter 画笔(this);
    画笔.fillRect(rect(), Qt::white);
    if (hasFocus()) {
        画笔.setPen(QPen(QColor(0x33, 0x99, 0x00), 2));
        画笔.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void 磁贴按钮::keyPressEvent(QKeyEvent* 事件)
{
    switch (事件->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Select:
        if (!事件->isAutoRepeat()) click();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (const auto 它 = m_邻居.find(事件->key()); 它 != m_邻居.end()) 它->second->setFocus(Qt::TabFocusReason);
        return;
    default:
        QWidget::keyPressEvent(事件);
    }
}

// The panel itself does not react to the mouse: presses on the icon and the title are
// taken by the launcher, everything else goes on to the background as before (so no
// release ever reaches the button either).
void 磁贴按钮::mousePressEvent(QMouseEvent* 事件)
{
    事件->ignore();
}
