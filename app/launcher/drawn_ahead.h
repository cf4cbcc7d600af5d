#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QRect>
#include <QString>

#include <memory>
#include <thread>
#include <vector>

// Lines of text drawn ahead on a second thread while the main thread builds and shows a
// window, so that the window's first frame only copies them: FreeType decodes CJK glyphs
// one by one, and the launcher's tiles hold some hundred and forty of them in two faces.
// The thread draws from the last text to the first; a text the first frame needs before
// the thread has started on it is drawn there and then, the same way, so that the two
// threads share the work and meet in the middle.
// The texts are drawn at the primary screen's scale and font resolution; a label shown
// otherwise (on another screen, resized, its text changed) draws itself as labels do.
// Drawn into a picture, text is antialiased in grey, also where the desktop asks for
// subpixel (coloured) antialiasing.
class 预绘 {
public:
    // A label's plain text as the label draws it, over its background colour.
    struct 文字 {
        QString 内容;
        QFont 字体;
        QColor 颜色;
        QRect 区域;  // the label's, in its parent
        Qt::Alignment 对齐;
        bool 换行 = false;
        QColor 底色;
    };
    class 份;  // one text, drawn once by whichever thread comes to it first
    using 结果 = std::shared_ptr<份>;

    // Starts drawing at once, from the last text to the first.
    explicit 预绘(const std::vector<文字>& 文字们);
    ~预绘();  // waits for the thread, which may still be drawing
    预绘(const 预绘&) = delete;
    预绘& operator=(const 预绘&) = delete;

    // None (null) where nothing is drawn ahead.
    结果 取(std::size_t 序号) const { return 序号 < m_结果.size() ? m_结果[序号] : 结果(); }

    // Draws the picture of 控件's text when it fits the widget now: the one drawn ahead,
    // waiting for it if the thread is drawing it, or drawn now if the thread has not
    // come to it; false when there is none or it does not fit, and nothing is drawn.
    static bool 绘制(QWidget& 控件, const 结果& 图);

private:
    std::vector<结果> m_结果;
    std::thread m_线程;
};

// A label whose text may have been drawn ahead.
class 预绘标签 final : public QLabel {
public:
    using QLabel::QLabel;

    void 设置预绘(预绘::结果 图);

protected:
    void paintEvent(QPaintEvent* 事件) override;

private:
    预绘::结果 m_图;
    QString m_所画文字;  // the text it was drawn with
};
