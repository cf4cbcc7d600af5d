#pragma once

#include <QString>

class QLocalServer;
class QLocalSocket;

// What the single-instance rule asks of the system; a file per system answers.
namespace 单实例系统 {

// The local channel of this user's launcher on this desktop.
QString 通道名(const QString& 窗口标题);

// Takes the system's lock of the one launcher and listens on its channel; false while
// another process holds it. The system drops the lock when this process ends.
bool 占用(QLocalServer& 服务, const QString& 窗口标题);

// Gives the lock back, when the rule's object ends before the process does.
void 释放();

// Connects to the channel of a running launcher.
void 连接(QLocalSocket& 连接, const QString& 通道名);

// Whether the process at the other end of a connection is this user's.
bool 同一用户(const QLocalSocket& 连接);

}  // namespace 单实例系统
