#include "hand_cursor.h"

#include "picture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

QCursor 手形光标()
{
    const qreal 比例 = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap 图(QSize(32, 32) * 比例);
    图.fill(Qt::transparent);
    {
        QPainter 画笔(&图);
        图片(QStringLiteral(":/assets/hand-cursor.svg")).绘制(画笔, QRectF(图.rect()));
    }
    图.setDevicePixelRatio(比例);
    return QCursor(图, 6, 0);
}
