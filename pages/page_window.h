#pragma once

#include <QWidget>

#include <functional>

// What every page does when it is closed, however that happens (Esc too): the launcher
// is shown again and the page is discarded, so the next opening starts afresh. Every
// page carries the design's own font and colours.
class 页面窗口 : public QWidget {
public:
    explicit 页面窗口(std::function<void()> 关闭后);

protected:
    void closeEvent(QCloseEvent* 事件) override;

private:
    std::function<void()> m_关闭后;
};

// A label's text as the forms write it: CR LF and a lone CR both break the line.
QString 标签文本(QString 文本);

// Places a window, before it is first shown, in the centre of its screen's available
// area (inside panels and the task bar). Where its frame does not fit, it starts at the
// area's top or left edge, so that its title bar stays in view.
void 居中(QWidget& 窗口);

// The top-left corner of a window's frame, of the given size, in an available area.
QPoint 框架位置(const QRect& 可用区域, const QSize& 框架大小);
