#include "picture.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>

// The build put each picture's PNGs beside where its SVG would be, rendered at the screen
// scales Windows offers: name@100.png, name@125.png ... name@200.png. The one for the
// screen's scale is drawn as it was decoded; a picture drawn at another size is made from
// the largest. Only the picture at the size it is drawn is kept, and the PNG is read again
// when that size changes (another screen scale), which is rare.
struct 图片::内部 {
    QString 资源;  // without the scale and extension
    mutable QPixmap 缓存;  // the picture at the size last drawn, in device pixels
};

namespace {

constexpr int 最大比例 = 200;

QImage 读取(const QString& 资源, int 百分比)
{
    const QString 文件 = 资源 + QStringLiteral("@%1.png").arg(百分比);
    return QFile::exists(文件) ? QImage(文件) : QImage();
}

}  // namespace

图片::图片(const QString& 资源) : m_内部(new 内部)
{
    m_内部->资源 = 资源.endsWith(QLatin1String(".svg")) ? 资源.chopped(4) : 资源;
}

图片::~图片() = default;

void 图片::绘制(QPainter& 画笔, const QRectF& 区域) const
{
    const qreal 比例 = 画笔.device() ? 画笔.device()->devicePixelRatioF() : 1.0;
    const QSize 像素 = (区域.size() * 比例).toSize();
    if (m_内部->缓存.size() != 像素) {
        QImage 原图 = 读取(m_内部->资源, qRound(比例 * 100));
        if (原图.size() != 像素) {
            原图 = 读取(m_内部->资源, 最大比例);
            if (原图.isNull()) return;
            原图 = 原图.scaled(像素, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        m_内部->缓存 = QPixmap::fromImage(std::move(原图));
        m_内部->缓存.setDevicePixelRatio(比例);
    }
    画笔.drawPixmap(区域.topLeft(), m_内部->缓存);
}

const QIcon& 程序图标()
{
    static const QIcon 图标 = [] {
        QIcon 图;
        for (int 边 : {16, 24, 32, 48, 64, 128, 256}) 图.addFile(QStringLiteral(":/assets/vettora-%1.png").arg(边));
        return 图;
    }();
    return 图标;
}
