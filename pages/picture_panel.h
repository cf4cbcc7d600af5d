#pragma once

#include "picture.h"

#include <QWidget>

// A picture panel or image control: draws its picture over its whole area.
class 图片面板 final : public QWidget {
public:
    图片面板(const QString& 图片, QWidget* 父);

protected:
    void paintEvent(QPaintEvent* 事件) override;

private:
    图片 m_图片;
};
