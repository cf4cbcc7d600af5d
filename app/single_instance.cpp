#include "single_instance.h"

#include "single_instance_system.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace {

// A later start writes "show", then a space and its token if its desktop gave one, and a
// line feed; the running one answers "ok" once its launcher is on its way.
const QByteArray 请求 = "show";
const QByteArray 应答 = "ok\n";
constexpr qint64 最长请求 = 1024;

// Desktops make their tokens of printable ASCII characters without spaces.
bool 可传凭据(const QByteArray& 凭据)
{
    return 凭据.size() < 最长请求 - 请求.size() - 2
        && std::all_of(凭据.begin(), 凭据.end(), [](char 字) { return 字 > ' ' && 字 < 127; });
}

}  // namespace

单实例::单实例(const QString& 窗口标题) : m_窗口标题(窗口标题), m_通道名(单实例系统::通道名(窗口标题))
{
    QObject::connect(&m_服务, &QLocalServer::newConnection, &m_服务, [this] {
        while (QLocalSocket* 连接 = m_服务.nextPendingConnection()) 接待(连接);
    });
}

单实例::~单实例()
{
    if (m_占用) 单实例系统::释放();
}

bool 单实例::检查重复运行(const 凭据来源& 凭据, std::chrono::milliseconds 最长等待)
{
    const QDeadlineTimer 期限(最长等待);
    for (;;) {
        m_占用 = 单实例系统::占用(m_服务, m_窗口标题);
        if (m_占用) return false;
        switch (请求唤醒(凭据)) {
        case 请求结果::已转达: return true;
        case 请求结果::他人占用: return false;  // not this user's launcher: this one runs, on its own
        case 请求结果::无人应答: break;         // the holder is starting, or has just ended
        }
        if (期限.hasExpired()) return true;  // a holder that never listens: still only one
        QThread::msleep(50);
    }
}

单实例::请求结果 单实例::请求唤醒(const 凭据来源& 来源)
{
    QLocalSocket 连接;
    单实例系统::连接(连接, m_通道名);
    if (!连接.waitForConnected(200)) return 请求结果::无人应答;
    if (!单实例系统::同一用户(连接)) return 请求结果::他人占用;
    const QByteArray 凭据 = 来源 ? 来源() : QByteArray();
    连接.write(可传凭据(凭据) && !凭据.isEmpty() ? 请求 + ' ' + 凭据 + '\n' : 请求 + '\n');
    // A pipe may take the line at once, and then there is nothing to wait for: waiting would
    // say "not written" and the request would go out twice.
    if (连接.bytesToWrite() > 0 && !连接.waitForBytesWritten(1000)) return 请求结果::无人应答;
    // The answer tells the launcher is on its way; a holder that closes without one still counts.
    连接.waitForReadyRead(2000);
    return 请求结果::已转达;
}

void 单实例::接待(QLocalSocket* 连接)
{
    QObject::connect(连接, &QLocalSocket::disconnected, 连接, &QObject::deleteLater);
    if (!单实例系统::同一用户(*连接)) {
        连接->abort();
        连接->deleteLater();
        return;
    }
    QTimer::singleShot(std::chrono::seconds(5), 连接, [连接] { 连接->abort(); });  // one that never asks
    QObject::connect(连接, &QLocalSocket::readyRead, 连接, [this, 连接] {
        if (!连接->canReadLine() && 连接->bytesAvailable() < 最长请求) return;
        const QByteArray 行 = 连接->readLine(最长请求).trimmed();
        if (行 == 请求 || 行.startsWith(请求 + ' ')) {
            const QByteArray 凭据 = 行.mid(请求.size() + 1);
            if (m_唤醒) m_唤醒(可传凭据(凭据) ? 凭据 : QByteArray());
            连接->write(应答);
            连接->flush();
        }
        连接->disconnectFromServer();
    });
}
