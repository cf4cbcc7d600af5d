#include "single_instance_system.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <windows.h>

namespace 单实例系统 {
namespace {

// Owned by this process from the moment it is the launcher's until it ends; Windows
// releases it when the process dies. It lives in the Windows session's own namespace,
// and the installer looks for it by the same name.
HANDLE 互斥体 = nullptr;

QString 用户()
{
    wchar_t 名[257];
    DWORD 长度 = 257;
    return GetUserNameW(名, &长度) ? QString::fromWCharArray(名) : QString();
}

DWORD 会话()
{
    DWORD 号 = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &号);
    return 号;
}

}  // namespace

QString 通道名(const QString& 窗口标题)
{
    // Pipe names are one namespace for the whole machine: the user and the session go in.
    const QString 键 = 窗口标题 + QLatin1Char('\n') + 用户() + QLatin1Char('\n') + QString::number(会话());
    const QByteArray 摘要 = QCryptographicHash::hash(键.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("vettora-") + QString::fromLatin1(摘要.toHex().left(16));
}

bool 占用(QLocalServer& 服务, const QString& 窗口标题)
{
    if (!互斥体) {
        const QString 名 = QStringLiteral("Local\\") + 窗口标题;  // "Local\Vettora Ver.3.0.0.0"
        互斥体 = CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t*>(名.utf16()));
    }
    if (互斥体) {
        const DWORD 结果 = WaitForSingleObject(互斥体, 0);  // abandoned: its owner died
        if (结果 != WAIT_OBJECT_0 && 结果 != WAIT_ABANDONED) return false;
    }
    服务.setSocketOptions(QLocalServer::UserAccessOption);
    服务.listen(通道名(窗口标题));
    return true;
}

void 释放()
{
    if (!互斥体) return;
    ReleaseMutex(互斥体);
    CloseHandle(互斥体);
    互斥体 = nullptr;
}

void 连接(QLocalSocket& 连接, const QString& 通道名)
{
    // Windows lets only the foreground process bring a window to the front: this one,
    // just started by the user, hands that right on to the running launcher.
    AllowSetForegroundWindow(ASFW_ANY);
    连接.connectToServer(通道名);
}

bool 同一用户(const QLocalSocket&)
{
    return true;  // the pipe admits this user alone
}

}  // namespace 单实例系统
