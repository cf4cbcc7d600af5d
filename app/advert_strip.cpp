#include "advert_strip.h"

#include <QPainter>
#include <QTimer>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibrary>

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

QString 模块路径()
{
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath() + QStringLiteral("/vettora-advert.dll");
#else
    return QCoreApplication::applicationDirPath() + QStringLiteral("/libvettora-advert.so");
#endif
}

}  // namespace

广告条::广告条(QWidget* 父) : QWidget(父)
{
    setObjectName(QStringLiteral("WebBrowser_AD"));
    setAccessibleName(QStringLiteral(u"广告"));
}

void 广告条::导航(const QUrl& 地址)
{
    m_地址 = 地址;
    if (m_视图) m_视图->setProperty("url", m_地址);
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
    if (!可用网页()) return;
    // By absolute path, from the program's folder only; without the module the strip stays plain.
    QLibrary 模块(模块路径());
    using 工厂 = QWidget* (*)(QWidget*);
    const auto 建立 = reinterpret_cast<工厂>(模块.resolve("vettora_advert_view"));
    if (!建立) return;
    m_视图 = 建立(this);
    if (!m_视图) return;
    m_视图->setAccessibleName(QStringLiteral(u"广告"));
    m_视图->setGeometry(rect());
    m_视图->show();
    if (!m_地址.isEmpty()) m_视图->setProperty("url", m_地址);
}
