#include "advert_strip.h"

#include <QPainter>
#include <QTimer>

#ifdef VETTORA_WEB
#include "advert_page.h"

#include <QGuiApplication>
#include <QWebEngineView>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Whether the web engine can show the strip here. Not on the offscreen platform, which
// has no screen to show an advert on and where the engine is unreliable; and not as
// root, where Chromium runs only without its sandbox, unless that was asked for.
bool 可用网页()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return false;
#ifdef Q_OS_UNIX
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) return false;
#endif
    return true;
}

}  // namespace
#endif

广告条::广告条(QWidget* 父) : QWidget(父)
{
    setObjectName(QStringLiteral("WebBrowser_AD"));
    setAccessibleName(QStringLiteral(u"广告"));
}

void 广告条::导航(const QUrl& 地址)
{
    m_地址 = 地址;
#ifdef VETTORA_WEB
    if (auto* 视图 = static_cast<QWebEngineView*>(m_视图)) 视图->setUrl(m_地址);
#endif
}

void 广告条::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Qt::white);
    if (!m_已安排) {
        m_已安排 = true;
        QTimer::singleShot(0, this, [this] { 建立视图(); });
    }
}

void 广告条::建立视图()
{
#ifdef VETTORA_WEB
    if (!可用网页()) return;
    auto* 视图 = new QWebEngineView(this);
    视图->setPage(new 广告页(视图));
    视图->setContextMenuPolicy(Qt::NoContextMenu);
    视图->setAccessibleName(QStringLiteral(u"广告"));
    视图->setGeometry(rect());
    视图->show();
    m_视图 = 视图;
    if (!m_地址.isEmpty()) 视图->setUrl(m_地址);
#endif
}
