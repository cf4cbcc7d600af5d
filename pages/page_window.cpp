#include "page_window.h"

#include "design_look.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>

页面窗口::页面窗口(std::function<void()> 关闭后) : m_关闭后(std::move(关闭后))
{
    setAttribute(Qt::WA_DeleteOnClose);
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

void 居中(QWidget& 窗口)
{
    const QScreen* 屏幕 = 窗口.screen() ? 窗口.screen() : QGuiApplication::primaryScreen();
    if (!屏幕) return;
    QRect 区域 = 窗口.frameGeometry();
    区域.moveCenter(屏幕->availableGeometry().center());
    窗口.move(区域.topLeft());
}
