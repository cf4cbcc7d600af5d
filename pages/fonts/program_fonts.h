#pragma once

#include <QFont>

// The program's fonts, with the Windows family first and a Linux family that has
// the same shape after it (fonts-noto-cjk).
namespace 界面字体 {

// "宋体", as the forms use it for titles and as the window default.
QFont 宋体(double 磅值, bool 粗体 = false);

// For popup menus: the sans-serif CJK face of the system's own menus (微软雅黑 on
// Windows), 9 point. Menus are the window system's; and where a system lacks 宋体, the
// serif face drawn in its place comes out in hairlines, which Windows (and Wine) draw so
// pale that an enabled item looked like a disabled one.
QFont 菜单字体();

// For the result box: ASCII monospaced and a CJK character exactly two ASCII widths,
// so the columns of the body mass index table line up.
QFont 结果框字体();

}  // namespace 界面字体
