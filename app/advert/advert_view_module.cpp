// The advert strip's web view, in a module of its own that the launcher loads only when
// the advert server has a page: nothing of Qt WebEngine is loaded or started before.
//
// An 857 × 95 banner needs no GPU: Qt Quick draws the view in software and Chromium runs
// without its GPU process. The launcher's native window is never re-created for an OpenGL
// surface, and the program is smaller. (The engine still wants the application-wide
// OpenGL context to exist when it starts; the strip makes it before loading the module.)

#include "advert_page.h"

#include <QLoggingCategory>
#include <QQuickWindow>
#include <QWebEngineLoadingInfo>
#include <QWebEngineView>

namespace {

void 准备软件渲染()
{
    static bool 已准备 = false;
    if (已准备) return;
    已准备 = true;
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // No GPU process, and no zygote for processes without a sandbox (the strip starts
    // none): the renderer keeps its sandboxed zygote.
    QByteArray 旗标 = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    for (const char* 旗 : {"--disable-gpu", "--no-unsandboxed-zygote"}) {
        if (!旗标.contains(旗)) 旗标 += QByteArray(" ") + 旗;
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", 旗标.trimmed());
    // The engine describes its set-up on the terminal; the program is quiet. Qt's logging
    // rules in the environment (QT_LOGGING_RULES) still turn it on.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext=false"));
}

// Whether a finished load brought a page: the engine gives the HTTP status as the load's
// error code also when the load went well.
bool 载入成功(const QWebEngineLoadingInfo& 信息)
{
    if (信息.status() != QWebEngineLoadingInfo::LoadSucceededStatus) return false;
    if (信息.errorDomain() == QWebEngineLoadingInfo::NoErrorDomain) return true;
    return 信息.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain && 信息.errorCode() >= 200
        && 信息.errorCode() < 300;
}

// The page is shown only once it has loaded; a page that fails, answers with an HTTP
// error or loses its renderer takes the view away, and the strip's banner is seen again.
void 失败时移除(QWebEngineView* 视图)
{
    视图->hide();
    视图->deleteLater();
}

}  // namespace

extern "C" Q_DECL_EXPORT QWidget* vettora_advert_view(QWidget* 父)
{
    准备软件渲染();
    auto* 视图 = new QWebEngineView(父);
    auto* 页 = new 广告页(视图);
    视图->setPage(页);
    视图->setContextMenuPolicy(Qt::NoContextMenu);
    视图->hide();
    QObject::connect(页, &QWebEnginePage::loadingChanged, 视图, [视图](const QWebEngineLoadingInfo& 信息) {
        // A link's navigation is refused (the link opens in the system's browser); the
        // engine reports it as a failed load of the link's address, not of the page.
        if (信息.status() == QWebEngineLoadingInfo::LoadStartedStatus || 信息.url() != 视图->page()->requestedUrl()) {
            return;
        }
        if (载入成功(信息)) {
            视图->show();
        } else {
            失败时移除(视图);
        }
    });
    QObject::connect(页, &QWebEnginePage::renderProcessTerminated, 视图, [视图] { 失败时移除(视图); });
    return 视图;
}
