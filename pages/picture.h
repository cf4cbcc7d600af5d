#pragma once

#include <QIcon>
#include <QString>

#include <memory>

class QPainter;
class QRectF;

// One of the pictures of the windows (assets/*.svg, by resource path), drawn at the
// screen's scale: from the SVG itself where Qt Svg is there, else from a PNG the build
// rendered from it at twice its size.
class 图片 {
public:
    explicit 图片(const QString& 资源);
    ~图片();
    图片(const 图片&) = delete;
    图片& operator=(const 图片&) = delete;

    void 绘制(QPainter& 画笔, const QRectF& 区域) const;

private:
    struct 内部;
    std::unique_ptr<内部> m_内部;
};

// The program's icon, for its windows: one icon for all of them, as Qt keeps the title
// bar's pictures of an icon in its pixmap cache under that icon's own key, and an icon made
// for each page left them there for every page opened.
const QIcon& 程序图标();
