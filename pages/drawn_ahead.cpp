#include "drawn_ahead.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <cmath>
#include <system_error>

namespace {

// A picture's dots per metre are what fonts take their pixel size from, as the screen's
// logical dots per inch are for a widget.
int 点每米(qreal 每英寸点数)
{
    return qRound(每英寸点数 / 0.0254);
}

QSize 像素大小(QSize 大小, qreal 缩放)
{
    return {static_cast<int>(std::ceil(大小.width() * 缩放)), static_cast<int>(std::ceil(大小.height() * 缩放))};
}

// The font made afresh from the values of the one given: the thread shares no font data
// with the main thread.
QFont 新字体(const QFont& 原)
{
    QFont 字体(原.families());
    字体.setPointSizeF(原.pointSizeF());
    字体.setWeight(原.weight());
    字体.setStyle(原.style());
    字体.setStyleStrategy(原.styleStrategy());
    字体.setHintingPreference(原.hintingPreference());
    return 字体;
}

// As a label's style draws plain text: in its colour, aligned, in one direction.
QImage 画(const 预绘::文字& 字, qreal 缩放, int 分辨率)
{
    QImage 图(像素大小(字.区域.size(), 缩放), QImage::Format_ARGB32_Premultiplied);
    图.setDotsPerMeterX(分辨率);
    图.setDotsPerMeterY(分辨率);
    图.setDevicePixelRatio(缩放);
    图.fill(字.底色);
    QPainter 画笔(&图);
    画笔.setFont(字.字体);
    画笔.setPen(字.颜色);
    画笔.drawText(QRectF(QPointF(), QSizeF(字.区域.size())),
                  int(字.对齐) | (字.换行 ? Qt::TextWordWrap : 0) | Qt::TextForceLeftToRight, 字.内容);
    画笔.end();
    return 图;
}

}  // namespace

预绘::预绘(const std::vector<文字>& 文字们)
{
    const QScreen* 屏幕 = QGuiApplication::primaryScreen();
    if (!屏幕) return;
    struct 任务 {
        文字 字;
        std::promise<QImage> 承诺;
    };
    std::vector<任务> 任务们;
    for (const 文字& 字 : 文字们) {
        任务 这{字, {}};
        这.字.字体 = 新字体(字.字体);
        m_结果.push_back(这.承诺.get_future().share());
        任务们.push_back(std::move(这));
    }
    const qreal 缩放 = 屏幕->devicePixelRatio();
    const int 分辨率 = 点每米(qRound(屏幕->logicalDotsPerInchY()));  // as widgets take it
    try {
        m_线程 = std::thread([任务们 = std::move(任务们), 缩放, 分辨率]() mutable {
            for (任务& 这 : 任务们) 这.承诺.set_value(画(这.字, 缩放, 分辨率));
        });
    } catch (const std::system_error&) {
        m_结果.clear();  // no thread to be had: the labels draw themselves
    }
}

预绘::~预绘()
{
    if (m_线程.joinable()) m_线程.join();
}

bool 预绘::绘制(QWidget& 控件, const 结果& 图)
{
    if (!图.valid()) return false;
    const QImage& 像 = 图.get();
    const qreal 缩放 = 控件.devicePixelRatioF();
    if (!qFuzzyCompare(像.devicePixelRatio(), 缩放) || 像.size() != 像素大小(控件.size(), 缩放)
        || 像.dotsPerMeterY() != 点每米(控件.logicalDpiY())) {
        return false;
    }
    QPainter(&控件).drawImage(QPointF(), 像);
    return true;
}

void 预绘标签::设置预绘(预绘::结果 图)
{
    m_图 = std::move(图);
    m_所画文字 = text();
}

void 预绘标签::paintEvent(QPaintEvent* 事件)
{
    if (text() == m_所画文字 && 预绘::绘制(*this, m_图)) return;
    QLabel::paintEvent(事件);
}
