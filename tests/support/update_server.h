#pragma once

#include <QHostAddress>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// The maker's web server for the update tests, reached as an HTTP proxy on the loopback
// address, so that the built-in host leads here: each request, whatever its host, is
// answered by its path from a table, and remembered.
class 更新服务器 {
public:
    enum class 方式 { 内容, 无尽, 无尽头, 不回答, 转向 };
    struct 回答 {
        更新服务器::方式 怎样 = 方式::内容;
        QByteArray 内容;  // the body; for 转向, where to
    };
    QMap<QString, 回答> 路径表;
    QStringList 请求;  // each one's absolute address

    bool 启动()
    {
        QObject::connect(&m_服务, &QTcpServer::newConnection, &m_服务, [this] {
            while (QTcpSocket* 连接 = m_服务.nextPendingConnection()) {
                QObject::connect(连接, &QTcpSocket::disconnected, 连接, &QObject::deleteLater);
                QObject::connect(连接, &QTcpSocket::readyRead, 连接, [this, 连接] { 接待(连接); });
            }
        });
        return m_服务.listen(QHostAddress::LocalHost);
    }
    quint16 端口() const { return m_服务.serverPort(); }

private:
    void 接待(QTcpSocket* 连接)
    {
        QByteArray& 已读 = m_已读[连接];
        已读 += 连接->readAll();
        if (!已读.contains("\r\n\r\n")) return;
        const QString 地址 = QString::fromLatin1(已读.split(' ').value(1));
        已读.clear();
        请求 << 地址;
        const auto 项 = 路径表.constFind(QUrl(地址).path());
        if (项 == 路径表.constEnd()) {
            连接->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        } else if (项->怎样 == 方式::内容) {
            连接->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(项->内容.size())
                        + "\r\nConnection: close\r\n\r\n" + 项->内容);
        } else if (项->怎样 == 方式::转向) {
            连接->write("HTTP/1.1 302 Found\r\nLocation: " + 项->内容 + "\r\nContent-Length: 0\r\n\r\n");
            return;
        } else if (项->怎样 == 方式::无尽 || 项->怎样 == 方式::无尽头) {
            // A gigabyte without a length, in the body or in header lines, a block whenever
            // the last has gone.
            const bool 头 = 项->怎样 == 方式::无尽头;
            连接->write(头 ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
            auto 余 = std::make_shared<qint64>(qint64(1) << 30);
            QObject::connect(连接, &QTcpSocket::bytesWritten, 连接, [连接, 余, 头] {
                if (*余 <= 0 || 连接->bytesToWrite() > 0) return;
                *余 -= 连接->write(头 ? "X-Pad: " + QByteArray(64 * 1024, 'x') + "\r\n" : QByteArray(64 * 1024, 'x'));
            });
            return;
        } else {
            return;  // 不回答: the connection stays open, silent
        }
        连接->disconnectFromHost();
    }

    QTcpServer m_服务;
    QMap<QTcpSocket*, QByteArray> m_已读;
};
