#pragma once

#include <QPalette>

class QMenu;
class QStyle;
class QWidget;

// The windows are a fixed design with pictures: light colours and the "宋体" fonts of
// the layout they were drawn for. Each window carries its own font and palette, so that
// a desktop theme that sets the application's font or palette (also after the program
// has started) does not reach into the design.
namespace 界面外观 {

// White boxes, #404040 text, the usual blue selection.
QPalette 浅色调色板();

// Fusion, whose frames keep all four lines at every screen scale.
QStyle* 新风格();

// Gives a window the design's palette and its default font, "宋体" 9 point.
void 固定(QWidget& 窗口);

// Gives a popup menu the design's palette, its items #404040 and disabled ones grey,
// and the menu font.
void 固定菜单(QMenu& 菜单);

}  // namespace 界面外观
