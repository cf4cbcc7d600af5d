#include "single_instance_system.h"

#include <QCryptographicHash>

#include <windows.h>

#include <sddl.h>

#include <algorithm>
#include <vector>

// The lock is a mutex of the Windows session, which Windows gives back when its owner
// ends however it ends; the channel is a named pipe of the user and the session. Pipe
// names are one namespace for the whole machine, and this one is made of what anyone can
// know: the launcher creates the pipe's first instance itself (or holds no lock), admits
// only its user, and a later start writes only to a server of its own user.
namespace 单实例系统 {
namespace {

struct 句柄 {
    HANDLE 值 = nullptr;
    ~句柄()
    {
        if (值 && 值 != INVALID_HANDLE_VALUE) CloseHandle(值);
    }
};

// This user's SID, as the token of this process names it.
std::vector<BYTE> 用户SID(HANDLE 进程)
{
    句柄 令牌;
    DWORD 长度 = 0;
    if (!OpenProcessToken(进程, TOKEN_QUERY, &令牌.值)) return {};
    GetTokenInformation(令牌.值, TokenUser, nullptr, 0, &长度);
    std::vector<BYTE> 信息(长度);
    if (长度 == 0 || !GetTokenInformation(令牌.值, TokenUser, 信息.data(), 长度, &长度)) return {};
    const PSID 身份 = reinterpret_cast<TOKEN_USER*>(信息.data())->User.Sid;
    const auto* 起 = static_cast<const BYTE*>(身份);
    return {起, 起 + GetLengthSid(身份)};
}

const std::vector<BYTE>& 本用户()
{
    static const std::vector<BYTE> 身份 = 用户SID(GetCurrentProcess());
    return 身份;
}

QString 本用户文本()
{
    wchar_t* 文本 = nullptr;
    if (本用户().empty() || !ConvertSidToStringSidW(const_cast<BYTE*>(本用户().data()), &文本)) return {};
    const QString 结果 = QString::fromWCharArray(文本);
    LocalFree(文本);
    return 结果;
}

bool 本用户进程(ULONG 进程号)
{
    句柄 进程{OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, 进程号)};
    if (!进程.值 || 本用户().empty()) return false;
    std::vector<BYTE> 身份 = 用户SID(进程.值);
    return !身份.empty() && EqualSid(身份.data(), const_cast<BYTE*>(本用户().data()));
}

std::wstring 管道名(const QString& 名)
{
    DWORD 会话 = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &会话);
    const QString 键 = 名 + QLatin1Char('\n') + 本用户文本() + QLatin1Char('\n') + QString::number(会话);
    const QByteArray 摘要 = QCryptographicHash::hash(键.toUtf8(), QCryptographicHash::Sha256);
    return (QStringLiteral("\\\\.\\pipe\\vettora-") + QString::fromLatin1(摘要.toHex().left(16))).toStdWString();
}

// Waits for an overlapped operation before the deadline, or until 停止 is set; cancels it
// when it does not end in time. The bytes it moved, or -1.
qint64 完成(HANDLE 管道, OVERLAPPED& 重叠, HANDLE 停止, QDeadlineTimer 期限)
{
    const HANDLE 等待[2] = {重叠.hEvent, 停止};
    const qint64 余 = 期限.isForever() ? INFINITE : std::max<qint64>(期限.remainingTime(), 0);
    const DWORD 结果 = WaitForMultipleObjects(停止 ? 2 : 1, 等待, FALSE, static_cast<DWORD>(余));
    DWORD 字节 = 0;
    if (结果 != WAIT_OBJECT_0) CancelIoEx(管道, &重叠);
    const BOOL 成 = GetOverlappedResult(管道, &重叠, &字节, TRUE);
    return 结果 == WAIT_OBJECT_0 && 成 ? static_cast<qint64>(字节) : -1;
}

class 管道连接 final : public 连接 {
public:
    // 服务端: the launcher's end, which waits for the other end to have read its answer.
    管道连接(HANDLE 管道, HANDLE 停止, bool 服务端) : m_管道(管道), m_停止(停止), m_服务端(服务端)
    {
        m_事件.值 = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    ~管道连接() override
    {
        if (m_服务端) {
            // Closing the server's end discards what the other end has not read yet.
            char 字;
            while (读(&字, 1, QDeadlineTimer(1000)) == 1) {
            }
        }
        CloseHandle(m_管道);
    }

    bool 写(const QByteArray& 数据, QDeadlineTimer 期限) override
    {
        OVERLAPPED 重叠{};
        重叠.hEvent = m_事件.值;
        if (!WriteFile(m_管道, 数据.constData(), static_cast<DWORD>(数据.size()), nullptr, &重叠)
            && GetLastError() != ERROR_IO_PENDING) {
            return false;
        }
        return 完成(m_管道, 重叠, m_停止, 期限) == 数据.size();
    }

    QByteArray 读行(qsizetype 最长, QDeadlineTimer 期限) override
    {
        QByteArray 行;
        char 字;
        while (行.size() < 最长 && !行.endsWith('\n') && 读(&字, 1, 期限) == 1) 行 += 字;
        return 行;
    }

private:
    qint64 读(char* 到, DWORD 长度, QDeadlineTimer 期限)
    {
        if (!m_事件.值) return -1;
        OVERLAPPED 重叠{};
        重叠.hEvent = m_事件.值;
        if (!ReadFile(m_管道, 到, 长度, nullptr, &重叠) && GetLastError() != ERROR_IO_PENDING) return -1;
        return 完成(m_管道, 重叠, m_停止, 期限);
    }

    HANDLE m_管道;
    HANDLE m_停止;
    bool m_服务端;
    句柄 m_事件;
};

// A pipe instance that admits this user alone, and no one from another machine. The first
// one must be the pipe's first instance: where another process already serves the name,
// it is not created.
HANDLE 新管道实例(const std::wstring& 名, bool 首个)
{
    const std::wstring 描述 = L"D:P(A;;GA;;;" + 本用户文本().toStdWString() + L")";
    PSECURITY_DESCRIPTOR 安全 = nullptr;
    if (本用户().empty()
        || !ConvertStringSecurityDescriptorToSecurityDescriptorW(描述.c_str(), SDDL_REVISION_1, &安全, nullptr)) {
        return INVALID_HANDLE_VALUE;
    }
    SECURITY_ATTRIBUTES 属性{sizeof 属性, 安全, FALSE};
    const HANDLE 管道 = CreateNamedPipeW(
        名.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | (首个 ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0),
        PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, PIPE_UNLIMITED_INSTANCES, 4096,
        4096, 0, &属性);
    LocalFree(安全);
    return 管道;
}

class 管道锁 final : public 锁 {
public:
    管道锁(HANDLE 互斥体, std::wstring 名, HANDLE 管道) : m_互斥体(互斥体), m_名(std::move(名)), m_管道(管道)
    {
        m_停止.值 = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_连上.值 = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    ~管道锁() override
    {
        if (m_管道 != INVALID_HANDLE_VALUE) CloseHandle(m_管道);
        ReleaseMutex(m_互斥体);  // the handle stays open to the end: the installer's sign that a copy runs
    }

    std::unique_ptr<连接> 接受() override
    {
        while (m_管道 != INVALID_HANDLE_VALUE && m_停止.值 && m_连上.值) {
            OVERLAPPED 重叠{};
            重叠.hEvent = m_连上.值;
            const bool 已连 = ConnectNamedPipe(m_管道, &重叠) ? true : GetLastError() == ERROR_PIPE_CONNECTED;
            if (!已连 && (GetLastError() != ERROR_IO_PENDING || 完成(m_管道, 重叠, m_停止.值, QDeadlineTimer::Forever) < 0)) {
                return nullptr;  // stopped, or the pipe failed: no more requests are heard
            }
            // The next instance first, so that the name stays this process's throughout.
            const HANDLE 来者 = m_管道;
            m_管道 = 新管道实例(m_名, false);
            ULONG 进程号 = 0;
            if (GetNamedPipeClientProcessId(来者, &进程号) && 本用户进程(进程号)) {
                return std::make_unique<管道连接>(来者, m_停止.值, true);
            }
            CloseHandle(来者);
        }
        return nullptr;
    }

    void 停止() override { SetEvent(m_停止.值); }

private:
    HANDLE m_互斥体;
    std::wstring m_名;
    HANDLE m_管道;
    句柄 m_停止;
    句柄 m_连上;
};

}  // namespace

std::unique_ptr<锁> 占用(const QString& 名, 占用结果& 结果)
{
    结果 = 占用结果::不可用;
    // Opened once and kept to the end of the process, by every copy of the program: while
    // any runs, the installer finds the mutex. Owning it is the lock.
    static const HANDLE 互斥体 = CreateMutexW(nullptr, FALSE, (L"Local\\" + 名.toStdWString()).c_str());
    if (!互斥体) return nullptr;  // another user's, which this one may not open
    const DWORD 等待 = WaitForSingleObject(互斥体, 0);
    if (等待 == WAIT_TIMEOUT) {
        结果 = 占用结果::被占;
        return nullptr;
    }
    if (等待 != WAIT_OBJECT_0 && 等待 != WAIT_ABANDONED) return nullptr;  // abandoned: its owner died
    const std::wstring 管道 = 管道名(名);
    const HANDLE 首个 = 新管道实例(管道, true);
    if (首个 == INVALID_HANDLE_VALUE) {  // another process serves the name: no lock without the channel
        ReleaseMutex(互斥体);
        return nullptr;
    }
    结果 = 占用结果::已占用;
    return std::make_unique<管道锁>(互斥体, 管道, 首个);
}

std::unique_ptr<连接> 连接到(const QString& 名, 对方& 是谁, QDeadlineTimer 期限)
{
    是谁 = 对方::无人;
    const std::wstring 管道 = 管道名(名);
    HANDLE 句 = INVALID_HANDLE_VALUE;
    for (;;) {
        // Identification only: the server may learn who asks, not act as this user.
        句 = CreateFileW(管道.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_FLAG_OVERLAPPED | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
        if (句 != INVALID_HANDLE_VALUE) break;
        const DWORD 错误 = GetLastError();
        if (错误 == ERROR_ACCESS_DENIED) 是谁 = 对方::他人;
        if (错误 != ERROR_PIPE_BUSY || 期限.hasExpired()) return nullptr;
        WaitNamedPipeW(管道.c_str(), static_cast<DWORD>(std::clamp<qint64>(期限.remainingTime(), 1, 200)));
    }
    ULONG 进程号 = 0;
    if (!GetNamedPipeServerProcessId(句, &进程号) || !本用户进程(进程号)) {
        是谁 = 对方::他人;
        CloseHandle(句);
        return nullptr;
    }
    // Windows lets only the foreground process bring a window to the front: this one, just
    // started by the user, hands that right to the launcher, and to no other process.
    AllowSetForegroundWindow(进程号);
    是谁 = 对方::本用户;
    return std::make_unique<管道连接>(句, nullptr, false);
}

}  // namespace 单实例系统
