#include "advert_strip.h"

#include "advert_view_loader.h"

#include <QPainter>
#include <QTimer>

广告条::广告条(QWidget* 父) : QWidget(父), m_横幅(QStringLiteral(":/assets/advert-banner.svg"))
{
    setObjectName(QStringLiteral("WebBrowser_AD"));
    setAccessibleName(QStringLiteral(u"广告"));
}

void 广告条::导航(const QUrl& 地址)
{
    m_地址 = 地址;
    if (m_已绘制) 开始();  // a later load of the launcher asks again
}

void 广告条::paintEvent(QPaintEvent*)
{
    QPainter 画笔(this);
    m_横幅.绘制(画笔, QRectF(rect()));
    if (!m_已绘制) {
        m_已绘制 = true;
        QTimer::singleShot(0, this, [this] { 开始(); });  // after the launcher's first paint
    }
}

void 广告条::开始()
{
    if (m_地址.isEmpty() || !广告网页::可用()) return;
    if (m_视图) {
        m_视图->setProperty("url", m_地址);
        return;
    }
    m_探测.探测(m_地址, [this](bool 有页面) {
        if (有页面) 建立视图();
    });
}

void 广告条::建立视图()
{
    if (m_视图) return;
    m_视图 = 广告网页::建立(this);
    if (!m_视图) return;
    m_视图->setAccessibleName(QStringLiteral(u"广告"));
    m_视图->setGeometry(rect());
    m_视图->setProperty("url", m_地址);
}
