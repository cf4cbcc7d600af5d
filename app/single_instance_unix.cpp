#include "single_instance_system.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// The lock is an abstract Unix socket, bound and listening: nothing on disk to be left
// behind, and the kernel frees the name with the process that holds it. Its name is one
// namespace for every user of the machine, and made of what anyone can know, so another
// user's process may bind it first: whose a server is, SO_PEERCRED tells; a name bound
// without listening refuses every connection, and a start then runs on its own.
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

// The abstract name of this user's launcher on this desktop.
sockaddr_un 地址(const QString& 名, socklen_t& 长度)
{
    const QString 键 = 名 + QLatin1Char('\n') + QString::number(getuid()) + QLatin1Char('\n') + 桌面();
    const QByteArray 摘要 = QCryptographicHash::hash(键.toUtf8(), QCryptographicHash::Sha256);
    const QByteArray 名字 = "vettora-" + 摘要.toHex().left(16);
    sockaddr_un 址{};
    址.sun_family = AF_UNIX;
    std::memcpy(址.sun_path + 1, 名字.constData(), static_cast<std::size_t>(名字.size()));  // sun_path[0] = 0: abstract
    长度 = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + 名字.size());
    return 址;
}

// Waits for 事件 on 描述符, or on 停止 when there is one (-1: none), before the deadline.
// True when the socket is ready.
bool 等(int 描述符, short 事件, int 停止, QDeadlineTimer 期限)
{
    for (;;) {
        pollfd 等待[2] = {{描述符, 事件, 0}, {停止, POLLIN, 0}};
        const int 毫秒 = 期限.isForever() ? -1 : static_cast<int>(std::max<qint64>(期限.remainingTime(), 0));
        const int 数 = ::poll(等待, 停止 >= 0 ? 2 : 1, 毫秒);
        if (数 < 0 && errno == EINTR) continue;
        return 数 > 0 && 等待[0].revents != 0 && (停止 < 0 || 等待[1].revents == 0);
    }
}

uid_t 对端用户(int 描述符)
{
    ucred 身份{};
    socklen_t 长度 = sizeof 身份;
    return getsockopt(描述符, SOL_SOCKET, SO_PEERCRED, &身份, &长度) == 0 ? 身份.uid : static_cast<uid_t>(-1);
}

class 套接字连接 final : public 连接 {
public:
    套接字连接(int 描述符, int 停止) : m_描述符(描述符), m_停止(停止) {}
    ~套接字连接() override { ::close(m_描述符); }

    bool 写(const QByteArray& 数据, QDeadlineTimer 期限) override
    {
        qsizetype 已写 = 0;
        while (已写 < 数据.size()) {
            const ssize_t 写了 = ::send(m_描述符, 数据.constData() + 已写, static_cast<std::size_t>(数据.size() - 已写),
                                      MSG_NOSIGNAL);
            if (写了 > 0) {
                已写 += 写了;
                continue;
            }
            if (写了 < 0 && errno == EINTR) continue;
            if (写了 < 0 && errno == EAGAIN && 等(m_描述符, POLLOUT, m_停止, 期限)) continue;
            return false;
        }
        return true;
    }

    QByteArray 读行(qsizetype 最长, QDeadlineTimer 期限) override
    {
        QByteArray 行;
        char 字;
        while (行.size() < 最长 && !行.endsWith('\n')) {
            const ssize_t 读了 = ::recv(m_描述符, &字, 1, 0);
            if (读了 == 1) {
                行 += 字;
                continue;
            }
            if (读了 < 0 && errno == EINTR) continue;
            if (读了 < 0 && errno == EAGAIN && 等(m_描述符, POLLIN, m_停止, 期限)) continue;
            break;  // closed, failed, stopped or too late
        }
        return 行;
    }

private:
    int m_描述符;
    int m_停止;
};

class 套接字锁 final : public 锁 {
public:
    套接字锁(int 描述符, int 停止) : m_描述符(描述符), m_停止(停止) {}
    ~套接字锁() override
    {
        ::close(m_描述符);  // frees the name
        ::close(m_停止);
    }

    std::unique_ptr<连接> 接受() override
    {
        while (等(m_描述符, POLLIN, m_停止, QDeadlineTimer::Forever)) {
            const int 来者 = ::accept4(m_描述符, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (来者 < 0) continue;
            if (对端用户(来者) == getuid()) return std::make_unique<套接字连接>(来者, m_停止);
            ::close(来者);
        }
        return nullptr;
    }

    void 停止() override { eventfd_write(m_停止, 1); }

private:
    int m_描述符;
    int m_停止;
};

}  // namespace

std::unique_ptr<锁> 占用(const QString& 名, 占用结果& 结果)
{
    结果 = 占用结果::不可用;
    socklen_t 长度 = 0;
    const sockaddr_un 址 = 地址(名, 长度);
    const int 描述符 = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (描述符 < 0) return nullptr;
    if (::bind(描述符, reinterpret_cast<const sockaddr*>(&址), 长度) != 0) {
        if (errno == EADDRINUSE) 结果 = 占用结果::被占;
        ::close(描述符);
        return nullptr;
    }
    const int 停止 = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (::listen(描述符, 8) != 0 || 停止 < 0) {
        ::close(描述符);
        if (停止 >= 0) ::close(停止);
        return nullptr;
    }
    结果 = 占用结果::已占用;
    return std::make_unique<套接字锁>(描述符, 停止);
}

std::unique_ptr<连接> 连接到(const QString& 名, 对方& 是谁, QDeadlineTimer)
{
    是谁 = 对方::无人;
    socklen_t 长度 = 0;
    const sockaddr_un 址 = 地址(名, 长度);
    const int 描述符 = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (描述符 < 0) return nullptr;
    // A Unix socket connects at once or not at once: a full backlog counts as no answer.
    if (::connect(描述符, reinterpret_cast<const sockaddr*>(&址), 长度) != 0) {
        ::close(描述符);
        return nullptr;
    }
    if (对端用户(描述符) != getuid()) {
        是谁 = 对方::他人;
        ::close(描述符);
        return nullptr;
    }
    是谁 = 对方::本用户;
    return std::make_unique<套接字连接>(描述符, -1);
}

}  // namespace 单实例系统
