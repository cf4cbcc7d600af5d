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

// Places a window in the centre of its screen.
void 居中(QWidget& 窗口);
