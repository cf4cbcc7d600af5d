#pragma once

#include <QtCore/qnamespace.h>

class QWidget;

// The frame of a window whose layout is fixed (the launcher, the pages, a message box): a
// title bar with the window menu, minimize (not on a dialog, which waits for its answer)
// and close, and neither a maximize button nor a border that resizes it, on every window
// system. A maximized page would only show its layout in a corner of a larger, empty window.
void 固定窗口框(QWidget& 窗口, Qt::WindowType 类型 = Qt::Window);
