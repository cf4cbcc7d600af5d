#include "advert_strip.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>
#include <QOpenGLContext>
#include <QPainter>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// Qt's own hook for the application-wide shared OpenGL context.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

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

// Qt WebEngine draws through an OpenGL context that the whole application shares, and
// looks for it as soon as it is loaded. Qt makes one at start-up when
// Qt::AA_ShareOpenGLContexts is set, which would load the OpenGL driver before the
// launcher's first paint; so it is made here, just before the module is loaded.
bool 共享上下文就绪()
{
    if (QOpenGLContext::globalShareContext()) return true;
    auto* 上下文 = new QOpenGLContext;  // lives as long as the program, like Qt's own
    if (!上下文->create()) {
        delete 上下文;
        return false;
    }
    qt_gl_set_global_share_context(上下文);
    return true;
}

}  // namespace

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
    m_横幅.render(&画笔, QRectF(rect()));
    if (!m_已绘制) {
        m_已绘制 = true;
        QTimer::singleShot(0, this, [this] { 开始(); });  // after the launcher's first paint
    }
}

void 广告条::开始()
{
    if (m_地址.isEmpty() || !可用网页() || !QFileInfo::exists(模块路径())) return;
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
    // By absolute path, from the program's folder only.
    QLibrary 模块(模块路径());
    if (!共享上下文就绪()) return;  // the engine cannot draw here
    using 工厂 = QWidget* (*)(QWidget*);
    const auto 建立 = reinterpret_cast<工厂>(模块.resolve("vettora_advert_view"));
    if (!建立) return;
    m_视图 = 建立(this);
    if (!m_视图) return;
    m_视图->setAccessibleName(QStringLiteral(u"广告"));
    m_视图->setGeometry(rect());
    m_视图->setProperty("url", m_地址);
}
