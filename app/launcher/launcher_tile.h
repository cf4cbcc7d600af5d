#pragma once

#include "drawn_ahead.h"

#include <QAbstractButton>

#include <array>
#include <map>

class QCursor;
class QLabel;
struct 页面条目;

// One tile of the launcher, Picture_Back(i): a white panel with its icon, title and
// description. For the keyboard it is one stop of the focus chain with a green focus
// frame: Enter or Space open its page and the arrow keys move to the neighbouring tile.
// Screen readers see a push button named by its title, described by its description,
// whose press action opens the page. The mouse opens the page only from the icon and
// the title, with the left button; a press on the rest of the panel does nothing.
class 磁贴按钮 final : public QAbstractButton {
public:
    // 手形: the hand cursor over the icon and the title, made once for all tiles.
    磁贴按钮(const 页面条目& 贴, const QCursor& 手形, QWidget* 父);

    QWidget* 图标() const { return m_图标; }
    QLabel* 标题() const { return m_标题; }
    QLabel* 说明() const { return m_说明; }

    // Its title and description, as its labels show them; these may be drawn ahead and
    // given to it.
    static std::array<预绘::文字, 2> 文字(const 页面条目& 贴);
    void 设置预绘(const 预绘::结果& 标题图, const 预绘::结果& 说明图);

    // Where an arrow key (Qt::Key_Left ...) leads; no neighbour, no move.
    void 设置邻居(int 键, 磁贴按钮* 邻居) { m_邻居[键] = 邻居; }

protected:
    void paintEvent(QPaintEvent* 事件) override;
    void keyPressEvent(QKeyEvent* 事件) override;
    void mousePressEvent(QMouseEvent* 事件) override;

private:
    QWidget* m_图标;
    预绘标签* m_标题;
    预绘标签* m_说明;
    std::map<int, 磁贴按钮*> m_邻居;
};
