#include "bring_forward.h"

#include "xdg-activation-v1-client-protocol.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <wayland-client.h>
#include <xcb/xcb.h>

#include <cstring>

namespace 前台 {
namespace {

bool 在Wayland上() { return QGuiApplication::platformName() == QLatin1String("wayland"); }
bool 在X11上() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

// A token of the compositor's xdg-activation, asked for on a connection of its own. It
// names no seat: compositors that hand out such tokens let them bring a window forward.
QByteArray 向混成器要令牌()
{
    wl_display* 显示 = wl_display_connect(nullptr);
    if (!显示) return {};
    struct 状态 {
        xdg_activation_v1* 激活 = nullptr;
        QByteArray 令牌;
    } 态;
    static const wl_registry_listener 注册表听 = {
        [](void* 数据, wl_registry* 表, uint32_t 名, const char* 接口, uint32_t) {
            if (std::strcmp(接口, xdg_activation_v1_interface.name) == 0) {
                static_cast<状态*>(数据)->激活 =
                    static_cast<xdg_activation_v1*>(wl_registry_bind(表, 名, &xdg_activation_v1_interface, 1));
            }
        },
        [](void*, wl_registry*, uint32_t) {},
    };
    static const xdg_activation_token_v1_listener 令牌听 = {
        [](void* 数据, xdg_activation_token_v1*, const char* 值) { static_cast<状态*>(数据)->令牌 = 值; },
    };
    wl_registry* 注册表 = wl_display_get_registry(显示);
    wl_registry_add_listener(注册表, &注册表听, &态);
    wl_display_roundtrip(显示);
    if (态.激活) {
        xdg_activation_token_v1* 令牌 = xdg_activation_v1_get_activation_token(态.激活);
        xdg_activation_token_v1_add_listener(令牌, &令牌听, &态);
        xdg_activation_token_v1_set_app_id(令牌, qPrintable(QGuiApplication::desktopFileName()));
        xdg_activation_token_v1_commit(令牌);
        wl_display_roundtrip(显示);  // "done" answers the commit
        xdg_activation_token_v1_destroy(令牌);
        xdg_activation_v1_destroy(态.激活);
    }
    wl_registry_destroy(注册表);
    wl_display_disconnect(显示);
    return 态.令牌;
}

xcb_atom_t 原子(xcb_connection_t* 连接, const char* 名)
{
    xcb_intern_atom_reply_t* 答 = xcb_intern_atom_reply(连接, xcb_intern_atom(连接, 0, std::strlen(名), 名), nullptr);
    const xcb_atom_t 值 = 答 ? 答->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(答);
    return 值;
}

// Asks the window manager to activate the window, as a pager does on the user's
// behalf, at the time of the start that the user made; and tells the desktop that the
// start has ended in this window (the startup notification's "remove"), so that its
// busy pointer stops.
void X11激活(QWidget& 窗口, const QByteArray& 启动标识)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) return;
    xcb_connection_t* 连接 = x11->connection();
    const auto 窗 = static_cast<xcb_window_t>(窗口.winId());
    xcb_get_geometry_reply_t* 几何 = xcb_get_geometry_reply(连接, xcb_get_geometry(连接, 窗), nullptr);
    if (!几何) return;
    const xcb_window_t 根 = 几何->root;
    std::free(几何);

    static const QRegularExpression 时间式(QStringLiteral("_TIME(\\d+)"));
    const auto 时间 = 时间式.match(QString::fromLatin1(启动标识)).captured(1).toUInt();
    xcb_client_message_event_t 消息{};
    消息.response_type = XCB_CLIENT_MESSAGE;
    消息.format = 32;
    消息.window = 窗;
    消息.type = 原子(连接, "_NET_ACTIVE_WINDOW");
    消息.data.data32[0] = 2;  // a request on the user's behalf
    消息.data.data32[1] = 时间;
    const uint32_t 掩码 = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_send_event(连接, 0, 根, 掩码, reinterpret_cast<const char*>(&消息));

    if (!启动标识.isEmpty()) {
        // The message goes in pieces of 20 bytes, the first marked as the beginning.
        const QByteArray 内容 = "remove: ID=" + 启动标识 + '\0';
        xcb_client_message_event_t 片{};
        片.response_type = XCB_CLIENT_MESSAGE;
        片.format = 8;
        片.window = 窗;
        for (qsizetype 起 = 0; 起 < 内容.size(); 起 += 20) {
            片.type = 原子(连接, 起 == 0 ? "_NET_STARTUP_INFO_BEGIN" : "_NET_STARTUP_INFO");
            std::memset(片.data.data8, 0, 20);
            std::memcpy(片.data.data8, 内容.constData() + 起, std::min<qsizetype>(20, 内容.size() - 起));
            xcb_send_event(连接, 0, 根, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char*>(&片));
        }
    }
    xcb_flush(连接);
}

// Runs once the window is on the screen: a window manager activates only mapped windows.
class 待映射 final : public QObject {
public:
    待映射(QWindow* 窗口, std::function<void()> 动作) : QObject(窗口), m_动作(std::move(动作))
    {
        窗口->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* 对象, QEvent* 事件) override
    {
        if (事件->type() == QEvent::Expose && static_cast<QWindow*>(对象)->isExposed()) {
            m_动作();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_动作;
};

}  // namespace

QByteArray 启动凭据()
{
    const QByteArray 令牌 = qgetenv("XDG_ACTIVATION_TOKEN");
    return 令牌.isEmpty() ? qgetenv("DESKTOP_STARTUP_ID") : 令牌;
}

QByteArray 交接凭据(const QByteArray& 启动凭据)
{
    if (!启动凭据.isEmpty() || !在Wayland上()) return 启动凭据;
    return 向混成器要令牌();
}

void 唤起(QWidget& 窗口, const QByteArray& 凭据)
{
    窗口.setWindowState(窗口.windowState() & ~Qt::WindowMinimized);
    窗口.raise();
    if (在Wayland上() && !凭据.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", 凭据);  // Qt activates with it
    窗口.activateWindow();
    if (!在X11上()) return;
    QWindow* 原生 = 窗口.windowHandle();
    if (原生 && 原生->isExposed()) {
        X11激活(窗口, 凭据);
    } else if (原生) {
        new 待映射(原生, [&窗口, 凭据] { X11激活(窗口, 凭据); });
    }
}

}  // namespace 前台
