#include "picture.h"

#include <QPainter>
#include <QSvgRenderer>

struct 图片::内部 {
    QSvgRenderer 渲染;
};

图片::图片(const QString& 资源) : m_内部(new 内部)
{
    m_内部->渲染.load(资源);
}

图片::~图片() = default;

void 图片::绘制(QPainter& 画笔, const QRectF& 区域) const
{
    m_内部->渲染.render(&画笔, 区域);
}

const QIcon& 程序图标()
{
    static const QIcon 图标(QStringLiteral(":/assets/vettora.svg"));
    return 图标;
}
