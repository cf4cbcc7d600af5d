#include "single_instance_system.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

#include <sys/socket.h>
#include <unistd.h>

namespace 单实例系统 {
namespace {

// The desktop this process shows its windows on: an X server however DISPLAY names it
// (":0", ":0.0" and "unix:0" are one), or the Wayland compositor by its socket.
QString 桌面()
{
    const QString 平台 = QGuiApplication::platformName();
    if (平台 == QLatin1String("xcb")) {
        static const QRegularExpression 显示式(QStringLiteral(R"(^(?:unix)?(.*):(\d+)(?:\.\d+)?$)"));
        const QString 显示 = qEnvironmentVariable("DISPLAY");
        const auto 配 = 显示式.match(显示);
        return QStringLiteral("x11 ") + (配.hasMatch() ? 配.captured(1) + QLatin1Char(':') + 配.captured(2) : 显示);
    }
    if (平台 == QLatin1String("wayland")) {
        QString 套接字 = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
        if (!套接字.startsWith(QLatin1Char('/'))) 套接字 = qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + 套接字;
        const QString 真名 = QFileInfo(套接字).canonicalFilePath();
        return QStringLiteral("wayland ") + (真名.isEmpty() ? 套接字 : 真名);
    }
    return 平台;
}

}  // namespace

QString 通道名(const QString& 窗口标题)
{
    const QString 键 = 窗口标题 + QLatin1Char('\n') + QString::number(getuid()) + QLatin1Char('\n') + 桌面();
    const QByteArray 摘要 = QCryptographicHash::hash(键.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("vettora-") + QString::fromLatin1(摘要.toHex().left(16));
}

// An abstract socket: nothing on disk to be left behind, and the kernel frees its name
// with the process that holds it. Binding it is the lock.
bool 占用(QLocalServer& 服务, const QString& 窗口标题)
{
    服务.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    return 服务.listen(通道名(窗口标题));
}

void 释放()
{
    // Closing the server gives the socket's name back.
}

void 连接(QLocalSocket& 连接, const QString& 通道名)
{
    连接.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    连接.connectToServer(通道名);
}

// Every user of the machine can reach an abstract socket: only this user's processes count.
bool 同一用户(const QLocalSocket& 连接)
{
    ucred 身份{};
    socklen_t 长度 = sizeof 身份;
    return getsockopt(static_cast<int>(连接.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &身份, &长度) == 0
        && 身份.uid == getuid();
}

}  // namespace 单实例系统
