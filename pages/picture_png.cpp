#include "picture.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

// The build put each picture's PNG beside where its SVG would be: name.png instead of
// name.svg, twice the SVG's size, so that it is scaled down (sharp) on most screens.
// Only the picture at the size it is drawn is kept; the PNG is read again when that
// size changes (another screen scale), which is rare.
struct 图片::内部 {
    QString 资源;
    mutable QPixmap 缓存;  // the picture at the size last drawn, in device pixels
};

图片::图片(const QString& 资源) : m_内部(new 内部)
{
    m_内部->资源 = 资源;
    if (资源.endsWith(QLatin1String(".svg"))) m_内部->资源.replace(资源.size() - 4, 4, QStringLiteral(".png"));
}

图片::~图片() = default;

void 图片::绘制(QPainter& 画笔, const QRectF& 区域) const
{
    const qreal 比例 = 画笔.device() ? 画笔.device()->devicePixelRatioF() : 1.0;
    const QSize 像素 = (区域.size() * 比例).toSize();
    if (m_内部->缓存.size() != 像素) {
        const QImage 原图(m_内部->资源);
        if (原图.isNull()) return;
        m_内部->缓存 = QPixmap::fromImage(原图.scaled(像素, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
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
