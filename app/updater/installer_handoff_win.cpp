#include "installer_handoff.h"

#include "sha256.h"

#include <QDir>

#include <windows.h>

#include <shellapi.h>

namespace 安装交付 {

QString 系统()
{
    return QStringLiteral("windows-x64");
}

QString 文件名(const QString& 版本)
{
    return QStringLiteral("Vettora-%1-setup.exe").arg(版本);
}

bool 验证后即交付()
{
    return true;
}

// The file is read and started through a handle that lets nobody write to it until the
// setup program runs from it.
bool 交给安装程序(const QString& 文件, qint64 大小, const QByteArray& sha256)
{
    const std::wstring 路径 = QDir::toNativeSeparators(文件).toStdWString();
    const HANDLE 句柄 = CreateFileW(路径.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (句柄 == INVALID_HANDLE_VALUE) return false;
    摘要SHA256 摘要;
    qint64 读过 = 0;
    char 块[64 * 1024];
    DWORD 读了 = 0;
    while (ReadFile(句柄, 块, sizeof 块, &读了, nullptr) && 读了 > 0) {
        读过 += 读了;
        摘要.加(QByteArrayView(块, 读了));
    }
    bool 已启动 = false;
    if (读过 == 大小 && 摘要.结果() == sha256) {
        // As this user, through the shell: the setup program's manifest asks for elevation.
        SHELLEXECUTEINFOW 执行{};
        执行.cbSize = sizeof 执行;
        执行.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
        执行.lpVerb = L"open";
        执行.lpFile = 路径.c_str();
        执行.nShow = SW_SHOWNORMAL;
        已启动 = ShellExecuteExW(&执行);
    }
    CloseHandle(句柄);
    return 已启动;
}

QString 手动安装说明(const QString&)
{
    return {};
}

}  // namespace 安装交付
