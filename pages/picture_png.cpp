#include "picture.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

// The build put each picture's PNG beside where its SVG would be: name.png instead of
// name.svg, twice the SVG's size, so that it is scaled down (sharp) on most screens.
struct 图片::内部 {
    QImage 原图;
    mutable QPixmap 缓存;  // the picture at the size last drawn, in device pixels
};

图片::图片(const QString& 资源) : m_内部(new 内部)
{
    QString 名 = 资源;
    if (名.endsWith(QLatin1String(".svg"))) 名.replace(名.size() - 4, 4, QStringLiteral(".png"));
    m_内部->原图.load(名);
}

图片::~图片() = default;

void 图片::绘制(QPainter& 画笔, const QRectF& 区域) const
{
    if (m_内部->原图.isNull()) return;
    const qreal 比例 = 画笔.device() ? 画笔.device()->devicePixelRatioF() : 1.0;
    const QSize 像素 = (区域.size() * 比例).toSize();
    if (m_内部->缓存.size() != 像素) {
        m_内部->缓存 = QPixmap::fromImage(m_内部->原图.scaled(像素, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_内部->缓存.setDevicePixelRatio(比例);
    }
    画笔.drawPixmap(区域.topLeft(), m_内部->缓存);
}

QIcon 程序图标()
{
    QIcon 图标;
    for (int 边 : {16, 24, 32, 48, 64, 128, 256}) 图标.addFile(QStringLiteral(":/assets/vettora-%1.png").arg(边));
    return 图标;
}
