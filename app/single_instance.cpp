#include "single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const QByteArray 唤醒请求 = "show\n";
const QByteArray 唤醒应答 = "ok\n";

QString 用户名()
{
    const QString 名 = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return 名.isEmpty() ? QDir::homePath() : 名;
}

// The key depends on the launcher's title and the user, like the window search it stands for.
QString 键(const QString& 窗口标题)
{
    const QByteArray 摘要 = QCryptographicHash::hash((窗口标题 + QLatin1Char('\n') + 用户名()).toUtf8(),
                                                   QCryptographicHash::Sha256);
    return QStringLiteral("vettora-") + QString::fromLatin1(摘要.toHex().left(16));
}

QString 运行目录()
{
    QString 目录 = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (目录.isEmpty()) 目录 = QDir::tempPath();
    QDir().mkpath(目录);
    return 目录;
}

QString 套接字路径(const QString& 键)
{
#ifdef Q_OS_WIN
    return 键;  // a named pipe; the key already holds the user
#else
    return 运行目录() + QLatin1Char('/') + 键 + QStringLiteral(".socket");
#endif
}

}  // namespace

单实例::单实例(const QString& 窗口标题)
    : m_套接字名(套接字路径(键(窗口标题))), m_锁(运行目录() + QLatin1Char('/') + 键(窗口标题) + QStringLiteral(".lock"))
{
    m_锁.setStaleLockTime(0);  // stale only when its process is gone
    m_服务.setSocketOptions(QLocalServer::UserAccessOption);
}

bool 单实例::检查重复运行(std::chrono::milliseconds 最长等待)
{
    const QDeadlineTimer 期限(最长等待);
    for (;;) {
        if (m_锁.tryLock(0)) {
            开始监听();
            return false;
        }
        if (请求唤醒()) return true;
        if (期限.hasExpired()) return true;  // a live holder that does not answer: still only one
        QThread::msleep(50);
    }
}

void 单实例::开始监听()
{
    // Only the lock holder may remove a socket, which can only be left by a dead holder.
    QLocalServer::removeServer(m_套接字名);
    QObject::connect(&m_服务, &QLocalServer::newConnection, &m_服务, [this] {
        while (QLocalSocket* 连接 = m_服务.nextPendingConnection()) {
            QObject::connect(连接, &QLocalSocket::disconnected, 连接, &QObject::deleteLater);
            QObject::connect(连接, &QLocalSocket::readyRead, 连接, [this, 连接] {
                if (!连接->canReadLine()) return;
                if (连接->readLine() == 唤醒请求) {
                    if (m_唤醒) m_唤醒();
                    连接->write(唤醒应答);
                    连接->flush();
                }
                连接->disconnectFromServer();
            });
        }
    });
    m_服务.listen(m_套接字名);
}

bool 单实例::请求唤醒()
{
#ifdef Q_OS_WIN
    // Windows lets only the foreground process bring a window to the front: this one,
    // just started by the user, hands that right on to the running launcher.
    AllowSetForegroundWindow(ASFW_ANY);
#endif
    QLocalSocket 连接;
    连接.connectToServer(m_套接字名);
    if (!连接.waitForConnected(200)) return false;
    连接.write(唤醒请求);
    if (!连接.waitForBytesWritten(1000)) return false;
    // The answer tells the launcher is on its way; a holder that closes without one still counts.
    连接.waitForReadyRead(2000);
    return true;
}
