#include "drawn_ahead.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <atomic>
#include <cmath>
#include <future>
#include <optional>
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
QImage 画(const 预绘::文字& 字, const QFont& 字体, qreal 缩放, int 分辨率)
{
    QImage 图(像素大小(字.区域.size(), 缩放), QImage::Format_ARGB32_Premultiplied);
    图.setDotsPerMeterX(分辨率);
    图.setDotsPerMeterY(分辨率);
    图.setDevicePixelRatio(缩放);
    图.fill(字.底色);
    QPainter 画笔(&图);
    画笔.setFont(字体);
    画笔.setPen(字.颜色);
    画笔.drawText(QRectF(QPointF(), QSizeF(字.区域.size())),
                  int(字.对齐) | (字.换行 ? Qt::TextWordWrap : 0) | Qt::TextForceLeftToRight, 字.内容);
    画笔.end();
    return 图;
}

}  // namespace

class 预绘::份 {
public:
    份(const 文字& 字, qreal 缩放, int 分辨率)
        : m_字(字), m_线程字体(新字体(字.字体)), m_缩放(缩放), m_分辨率(分辨率), m_图(m_承诺.get_future().share())
    {
    }

    // On the thread: the picture, unless the main thread has taken the text. The thread's
    // font goes with it, before its font cache does.
    void 线程画()
    {
        if (!m_已领.test_and_set()) m_承诺.set_value(画(m_字, *m_线程字体, m_缩放, m_分辨率));
        m_线程字体.reset();
    }

    // On the main thread: the picture if it fits a widget of this scale, size and
    // resolution (drawn now if the thread has not come to it), else null.
    const QImage* 取(qreal 缩放, QSize 大小, int 分辨率)
    {
        if (!qFuzzyCompare(m_缩放, 缩放) || 大小 != m_字.区域.size() || m_分辨率 != 分辨率) return nullptr;
        if (!m_已领.test_and_set()) m_承诺.set_value(画(m_字, m_字.字体, m_缩放, m_分辨率));
        return &m_图.get();
    }

private:
    const 文字 m_字;                  // its font is the main thread's
    std::optional<QFont> m_线程字体;  // the same font made afresh: no font data shared
    const qreal m_缩放;
    const int m_分辨率;
    std::atomic_flag m_已领;  // clear: nobody has taken the text yet
    std::promise<QImage> m_承诺;
    const std::shared_future<QImage> m_图;
};

预绘::预绘(const std::vector<文字>& 文字们)
{
    const QScreen* 屏幕 = QGuiApplication::primaryScreen();
    if (!屏幕) return;
    const qreal 缩放 = 屏幕->devicePixelRatio();
    const int 分辨率 = 点每米(qRound(屏幕->logicalDotsPerInchY()));  // as widgets take it
    for (const 文字& 字 : 文字们) m_结果.push_back(std::make_shared<份>(字, 缩放, 分辨率));
    try {
        m_线程 = std::thread([份们 = m_结果] {
            for (auto 这 = 份们.rbegin(); 这 != 份们.rend(); ++这) (*这)->线程画();
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
    if (!图) return false;
    const QImage* 像 = 图->取(控件.devicePixelRatioF(), 控件.size(), 点每米(控件.logicalDpiY()));
    if (!像) return false;
    QPainter(&控件).drawImage(QPointF(), *像);
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
