#include "window_frame.h"

#include <QWidget>

void 固定窗口框(QWidget& 窗口, Qt::WindowType 类型)
{
    // Without the maximize hint X11 window managers and Windows draw no maximize button;
    // the fixed size hint gives a Windows window a border that does not resize, which Wine
    // passes on to the X window manager. Together with a fixed size (the same minimum and
    // maximum), which X11 window managers and Wayland compositors take as not resizable.
    Qt::WindowFlags 标志 = 类型 | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (类型 == Qt::Window) 标志 |= Qt::WindowMinimizeButtonHint;
    窗口.setWindowFlags(标志);
}
