#pragma once

class QColor;
class QPainter;
class QRect;

// A one-pixel frame along the inside of a rectangle, laid on whole device pixels.
// At a screen scale such as 125 % or 175 % a widget's painting origin falls between two
// device pixels, while the area it may paint is rounded to whole ones: a line drawn along
// its edge as usual lands just outside and is lost. This one is placed on the first and
// last pixel of that rounded area, as thick as one pixel of the design at that scale.
void 画框线(QPainter& 画笔, const QRect& 区域, const QColor& 颜色);
