#include "frame_line.h"

#include <QPainter>

#include <algorithm>

void 画框线(QPainter& 画笔, const QRect& 区域, const QColor& 颜色)
{
    const QTransform 到设备 = 画笔.deviceTransform();
    if (!到设备.isInvertible() || 区域.isEmpty()) return;
    // Qt rounds the area a widget may paint to whole pixels, by its corners or by its
    // corner and size: the frame keeps to the pixels that are inside either way.
    const QPointF 左上 = 到设备.map(QPointF(区域.topLeft()));
    const QPointF 右下 = 到设备.map(QPointF(区域.x() + 区域.width(), 区域.y() + 区域.height()));
    const int 左 = qRound(左上.x()), 上 = qRound(左上.y());
    const int 右 = std::min(qRound(右下.x()), 左 + qRound(区域.width() * 到设备.m11()));
    const int 下 = std::min(qRound(右下.y()), 上 + qRound(区域.height() * 到设备.m22()));
    const QRect 像素(QPoint(左, 上), QPoint(右 - 1, 下 - 1));
    const int 粗 = std::max(1, qRound(到设备.m11()));
    const QRect 边[] = {
        {像素.left(), 像素.top(), 像素.width(), 粗},
        {像素.left(), 像素.bottom() - 粗 + 1, 像素.width(), 粗},
        {像素.left(), 像素.top(), 粗, 像素.height()},
        {像素.right() - 粗 + 1, 像素.top(), 粗, 像素.height()},
    };
    const QTransform 回逻辑 = 到设备.inverted();
    画笔.save();
    画笔.setRenderHint(QPainter::Antialiasing, false);
    for (const QRect& 线 : 边) 画笔.fillRect(回逻辑.mapRect(QRectF(线)), 颜色);
    画笔.restore();
}
