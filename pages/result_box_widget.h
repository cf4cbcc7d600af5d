#pragma once

#include "qt_result_box.h"

#include <QTextEdit>

class QMenu;
class QAction;

// RichTextBox_结果 with its popup menu Pop_TextBox: read-only, selectable, in a font
// in which a CJK character is two ASCII characters wide. The right button alone opens
// the menu, and no other button does; from the keyboard, the menu key and Shift+F10.
// Its copy commands are enabled only while there is something to copy.
class 结果框控件 final : public QTextEdit {
public:
    explicit 结果框控件(QWidget* 父);

    结果框& 操作() { return m_操作; }
    QMenu* 菜单() const { return m_菜单; }

protected:
    void mousePressEvent(QMouseEvent* 事件) override;
    void contextMenuEvent(QContextMenuEvent* 事件) override;
    void keyPressEvent(QKeyEvent* 事件) override;

private:
    void 在光标处弹出菜单();

    文本框结果框 m_操作{*this};
    QMenu* m_菜单;
};
