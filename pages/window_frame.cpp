#include "window_frame.h"

#include <QWidget>

void 固定窗口框(QWidget& 窗口)
{
    // Without the maximize hint X11 window managers and Windows draw no maximize button;
    // the fixed size hint gives a Windows window a border that does not resize, which Wine
    // passes on to the X window manager. Together with a fixed size (the same minimum and
    // maximum), which X11 window managers and Wayland compositors take as not resizable.
    窗口.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                       | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}
