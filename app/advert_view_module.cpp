// The advert strip's web view, in a module of its own that the launcher loads after its
// first paint: the launcher's start does not wait for Qt WebEngine, nor for the OpenGL
// context the engine shares its pictures through.

#include "advert_page.h"

#include <QOpenGLContext>
#include <QWebEngineView>

// Qt's own hook for the application-wide shared context, which Qt WebEngine renders with.
// Qt makes that context at start-up when Qt::AA_ShareOpenGLContexts is set; setting the
// attribute would load the OpenGL driver before the launcher's first paint, so the
// context is made here instead, when the strip is made.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

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

extern "C" Q_DECL_EXPORT QWidget* vettora_advert_view(QWidget* 父)
{
    if (!共享上下文就绪()) return nullptr;  // the engine cannot render here
    auto* 视图 = new QWebEngineView(父);
    视图->setPage(new 广告页(视图));
    视图->setContextMenuPolicy(Qt::NoContextMenu);
    return 视图;
}
