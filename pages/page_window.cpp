#include "page_window.h"

#include "design_look.h"
#include "window_frame.h"

#include <QCloseEvent>
#include <QApplication>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

页面窗口::页面窗口(std::function<void()> 关闭后) : m_关闭后(std::move(关闭后))
{
    setAttribute(Qt::WA_DeleteOnClose);
    固定窗口框(*this);
    界面外观::固定(*this);
    // Esc closes the page as the window's close button does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void 页面窗口::closeEvent(QCloseEvent* 事件)
{
    if (m_关闭后) m_关闭后();
    事件->accept();
}

QString 标签文本(QString 文本)
{
    return 文本.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

namespace {

// A window's frame is known once it is on the screen; before, the frame of another window
// of the program on the screen is the best guess, else a usual title bar.
QMargins 边框(const QWidget& 窗口)
{
    for (const QWidget* 已有 : QApplication::topLevelWidgets()) {
        if (已有 != &窗口 && !已有->isVisible()) continue;
        const QMargins 边 = 已有->windowHandle() ? 已有->windowHandle()->frameMargins() : QMargins();
        if (!边.isNull()) return 边;
    }
    return {1, 31, 1, 1};
}

}  // namespace

QPoint 框架位置(const QRect& 可用区域, const QSize& 框架大小)
{
    const auto 一边 = [](int 起点, int 长度, int 大小) { return 大小 <= 长度 ? 起点 + (长度 - 大小) / 2 : 起点; };
    return {一边(可用区域.x(), 可用区域.width(), 框架大小.width()),
            一边(可用区域.y(), 可用区域.height(), 框架大小.height())};
}

void 居中(QWidget& 窗口)
{
    const QScreen* 屏幕 = 窗口.screen() ? 窗口.screen() : QGuiApplication::primaryScreen();
    if (!屏幕) return;
    const QMargins 边 = 边框(窗口);
    // Before the window exists, move() places its frame (the window system adds the frame).
    窗口.move(框架位置(屏幕->availableGeometry(), 窗口.size().grownBy(边)));
}
