#include "picture_panel.h"

#include <QPainter>

图片面板::图片面板(const QString& 图片, QWidget* 父) : QWidget(父), m_图片(图片)
{
}

void 图片面板::paintEvent(QPaintEvent*)
{
    QPainter 画笔(this);
    m_图片.绘制(画笔, QRectF(rect()));
}
