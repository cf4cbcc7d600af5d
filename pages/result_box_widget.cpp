#include "result_box_widget.h"

#include "design_look.h"
#include "message_service.h"
#include "system_clipboard.h"
#include "text_routines.h"
#include "program_fonts.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

结果框控件::结果框控件(QWidget* 父) : QTextEdit(父), m_菜单(new QMenu(QStringLiteral(u"文本操作"), this))
{
    setObjectName(QStringLiteral("RichTextBox_结果"));
    setAccessibleName(QStringLiteral(u"计算结果"));
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setAcceptRichText(false);
    setFont(界面字体::结果框字体());
    setFrameShape(QFrame::NoFrame);
    setTabChangesFocus(true);
    // Without the focus the box draws no selection, as the system's rich text box does:
    // the calorie page leaves its total selected, and it reads in its own red.
    QPalette 调色板 = palette();
    调色板.setBrush(QPalette::Inactive, QPalette::Highlight, QBrush());
    调色板.setBrush(QPalette::Inactive, QPalette::HighlightedText, QBrush());
    setPalette(调色板);

    m_菜单->setObjectName(QStringLiteral("Pop_TextBox"));
    界面外观::固定菜单(*m_菜单);
    QAction* 复制选中 = m_菜单->addAction(QStringLiteral(u"复制选中[&C]"));
    复制选中->setObjectName(QStringLiteral("Pop_TextBox_CopyInfo"));
    QAction* 复制全部 = m_菜单->addAction(QStringLiteral(u"复制全部[&A]"));
    复制全部->setObjectName(QStringLiteral("Pop_TextBox_CopyAll"));
    m_菜单->addSeparator()->setObjectName(QStringLiteral("Break"));
    QAction* 清除 = m_菜单->addAction(QStringLiteral(u"清除信息[&R]"));
    清除->setObjectName(QStringLiteral("Pop_TextBox_Clear"));

    connect(复制选中, &QAction::triggered, this, [this] {
        系统剪贴板 板;
        自定义方法::复制选中信息(m_操作, 板, 消息服务::当前());
    });
    connect(复制全部, &QAction::triggered, this, [this] {
        系统剪贴板 板;
        自定义方法::复制全部信息(m_操作, 板, 消息服务::当前());
    });
    connect(清除, &QAction::triggered, this, [this] { 界面优化动作::清除信息(m_操作); });
    // Each time it opens, by the mouse or the keyboard: a copy command with nothing to
    // copy is shown disabled, as Copy is in every program without a selection.
    connect(m_菜单, &QMenu::aboutToShow, this, [this, 复制选中, 复制全部] {
        复制选中->setEnabled(自定义方法::可复制选中(m_操作));
        复制全部->setEnabled(自定义方法::可复制全部(m_操作));
    });
}

void 结果框控件::mousePressEvent(QMouseEvent* 事件)
{
    if (事件->button() == Qt::RightButton && 事件->buttons() == Qt::RightButton) {
        m_菜单->popup(事件->globalPosition().toPoint());
        事件->accept();
        return;
    }
    QTextEdit::mousePressEvent(事件);
}

void 结果框控件::contextMenuEvent(QContextMenuEvent* 事件)
{
    // The mouse opens the menu on the press above; here only the keyboard's menu key does.
    if (事件->reason() == QContextMenuEvent::Keyboard) 在光标处弹出菜单();
    事件->accept();
}

void 结果框控件::keyPressEvent(QKeyEvent* 事件)
{
    if (事件->key() == Qt::Key_F10 && 事件->modifiers() == Qt::ShiftModifier) {
        在光标处弹出菜单();
        return;
    }
    QTextEdit::keyPressEvent(事件);
}

void 结果框控件::在光标处弹出菜单()
{
    m_菜单->popup(viewport()->mapToGlobal(cursorRect().bottomLeft()));
}
