#pragma once

#include <QByteArray>

class QWidget;

// Bringing the launcher to the front when the user starts the program again. Desktops
// let a window come forward when it carries the token they gave the start that the user
// made: the later start hands its token on, and the running launcher uses it.
namespace 前台 {

// The token the desktop gave this start (Wayland's XDG_ACTIVATION_TOKEN, X11's
// DESKTOP_STARTUP_ID), read before Qt takes it from the environment; empty when none.
QByteArray 启动凭据();

// What this start hands on to the running launcher: the desktop's token, or where the
// desktop gave none and the compositor hands them out, one asked for now.
QByteArray 交接凭据(const QByteArray& 启动凭据);

// Shows the window restored, on top and active, with a later start's token.
void 唤起(QWidget& 窗口, const QByteArray& 凭据);

}  // namespace 前台
