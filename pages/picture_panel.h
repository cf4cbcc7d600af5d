#pragma once

#include <QSvgRenderer>
#include <QWidget>

// A picture panel or image control: draws an SVG picture over its whole area, so
// it stays sharp at any screen scale.
class 图片面板 final : public QWidget {
public:
    图片面板(const QString& 图片, QWidget* 父);

protected:
    void paintEvent(QPaintEvent* 事件) override;

private:
    QSvgRenderer m_图片;
};
