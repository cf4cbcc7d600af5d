#include "bring_forward.h"

#include <QWidget>

// On Windows the later start hands on its right to take the foreground before it asks
// (AllowSetForegroundWindow, with the request); there is no token to carry.
namespace 前台 {

QByteArray 启动凭据()
{
    return {};
}

QByteArray 交接凭据(const QByteArray&)
{
    return {};
}

void 唤起(QWidget& 窗口, const QByteArray&)
{
    窗口.setWindowState(窗口.windowState() & ~Qt::WindowMinimized);
    窗口.raise();
    窗口.activateWindow();
}

}  // namespace 前台
