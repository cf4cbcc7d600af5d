#include "hand_cursor.h"

#include "picture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

QCursor 手形光标()
{
    const qreal 比例 = qApp ? qApp->devicePixelRatio() : 1.0;
    // Drawn at the screen's scale, so a picture made for that scale is taken as it is.
    QPixmap 图(QSize(32, 32) * 比例);
    图.setDevicePixelRatio(比例);
    图.fill(Qt::transparent);
    {
        QPainter 画笔(&图);
        图片(QStringLiteral(":/assets/hand-cursor.svg")).绘制(画笔, QRectF(0, 0, 32, 32));
    }
    return QCursor(图, 6, 0);
}
