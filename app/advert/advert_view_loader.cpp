#include "advert_view_loader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>
#include <QOpenGLContext>

#include "web_engine_sandbox.h"

// Qt's own hook for the application-wide shared OpenGL context.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

QString 模块路径()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" VETTORA_ADVERT_MODULE);
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

namespace 广告网页 {

// Not on the offscreen platform, which has no screen to show an advert on and where the
// engine is unreliable; nor where the engine cannot have its sandbox.
bool 可用()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return false;
    return 网页引擎可运行() && QFileInfo::exists(模块路径());
}

QWidget* 建立(QWidget* 父)
{
    // By absolute path, from the program's folder only.
    QLibrary 模块(模块路径());
    if (!共享上下文就绪()) return nullptr;  // the engine cannot draw here
    using 工厂 = QWidget* (*)(QWidget*);
    const auto 建立视图 = reinterpret_cast<工厂>(模块.resolve("vettora_advert_view"));
    return 建立视图 ? 建立视图(父) : nullptr;
}

}  // namespace 广告网页
