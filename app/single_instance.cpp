#include "single_instance.h"

#include "single_instance_system.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

namespace {

// A later start writes "show", then a space and its token if its desktop gave one, and a
// line feed; the running one answers "ok" once its launcher is on its way. Every version
// of the program speaks it.
const QByteArray 请求 = "show";
const QByteArray 应答 = "ok\n";
constexpr qsizetype 最长请求 = 1024;
// How long a launcher waits for a start's request, and a start for the launcher's answer
// within its second.
constexpr int 读请求毫秒 = 2000;
constexpr int 写毫秒 = 500;

// Desktops make their tokens of printable ASCII characters without spaces.
bool 可传凭据(const QByteArray& 凭据)
{
    return 凭据.size() < 最长请求 - 请求.size() - 2
        && std::all_of(凭据.begin(), 凭据.end(), [](char 字) { return 字 > ' ' && 字 < 127; });
}

QByteArray 请求行(const QByteArray& 凭据)
{
    return 可传凭据(凭据) && !凭据.isEmpty() ? 请求 + ' ' + 凭据 + '\n' : 请求 + '\n';
}

}  // namespace

单实例::单实例(const QString& 名) : m_名(名)
{
}

单实例::~单实例()
{
    停止接待();
}

bool 单实例::检查重复运行(const 凭据来源& 来源, std::chrono::milliseconds 最长等待)
{
    const QDeadlineTimer 期限(最长等待);
    QByteArray 行;
    bool 有行 = false;
    for (;;) {
        单实例系统::占用结果 结果{};
        m_锁 = 单实例系统::占用(m_名, 结果);
        if (结果 == 单实例系统::占用结果::已占用) {
            m_线程 = std::thread([this] { 倾听(); });
            return false;
        }
        if (结果 == 单实例系统::占用结果::不可用) return false;

        单实例系统::对方 是谁{};
        if (const auto 连接 = 单实例系统::连接到(m_名, 是谁, 期限)) {
            if (!有行) {  // the desktop's token is asked for once, and only for this user's launcher
                行 = 请求行(来源 ? 来源() : QByteArray());
                有行 = true;
            }
            if (连接->写(行, 期限) && 连接->读行(应答.size(), 期限) == 应答) return true;
        } else if (是谁 == 单实例系统::对方::他人) {
            return false;
        }
        // No answer: the launcher is closing, or has just ended, or does not listen.
        if (期限.hasExpired()) return false;
        QThread::msleep(20);
    }
}

void 单实例::倾听()
{
    while (std::shared_ptr<单实例系统::连接> 连接 = m_锁->接受()) {
        const QByteArray 行 = 连接->读行(最长请求, QDeadlineTimer(读请求毫秒)).trimmed();
        if (行 != 请求 && !行.startsWith(请求 + ' ')) continue;
        QByteArray 凭据 = 行.mid(请求.size() + 1);
        if (!可传凭据(凭据)) 凭据.clear();

        const std::lock_guard 守(m_互斥);
        if (m_停止) break;
        if (m_唤醒) {
            QMetaObject::invokeMethod(
                qApp, [this, 连接, 凭据] { 接待(连接, 凭据); }, Qt::QueuedConnection);
        } else {
            // The launcher is starting and will show: the start has been heard.
            m_启动时凭据 = 凭据;
            m_启动时有请求 = true;
            连接->写(应答, QDeadlineTimer(写毫秒));
        }
    }
}

void 单实例::接待(const std::shared_ptr<单实例系统::连接>& 连接, const QByteArray& 凭据)
{
    if (m_停止) return;  // closing: unanswered, the start takes the lock once it is free
    m_唤醒(凭据);
    连接->写(应答, QDeadlineTimer(写毫秒));
}

void 单实例::开始接待(std::function<void(const QByteArray&)> 唤醒)
{
    bool 有请求 = false;
    QByteArray 凭据;
    {
        const std::lock_guard 守(m_互斥);
        m_唤醒 = std::move(唤醒);
        std::swap(有请求, m_启动时有请求);
        std::swap(凭据, m_启动时凭据);
    }
    if (有请求) m_唤醒(凭据);
}

void 单实例::停止接待()
{
    {
        const std::lock_guard 守(m_互斥);
        m_停止 = true;
    }
    if (m_锁) m_锁->停止();
    if (m_线程.joinable()) m_线程.join();
    m_锁.reset();
}
