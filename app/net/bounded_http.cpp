#include "bounded_http.h"

#include <QNetworkProxyFactory>
#include <QTcpSocket>

#include <algorithm>
#include <utility>

namespace {

constexpr qint64 最长头 = 16 * 1024;
constexpr qint64 最长块长行 = 256;
constexpr int 最多转向 = 5;

bool 同源(const QUrl& 甲, const QUrl& 乙)
{
    return 甲.scheme() == 乙.scheme() && 甲.host().compare(乙.host(), Qt::CaseInsensitive) == 0 && 甲.port(80) == 乙.port(80);
}

// The value of the first header line of that name, whatever its case.
QByteArray 头值(const QList<QByteArray>& 行, const QByteArray& 名)
{
    for (qsizetype i = 1; i < 行.size(); ++i) {
        const qsizetype 冒号 = 行[i].indexOf(':');
        if (冒号 > 0 && 行[i].left(冒号).trimmed().compare(名, Qt::CaseInsensitive) == 0) return 行[i].mid(冒号 + 1).trimmed();
    }
    return {};
}

bool 全是数字(const QByteArray& 文本, qsizetype 最长)
{
    return !文本.isEmpty() && 文本.size() <= 最长
        && std::all_of(文本.begin(), 文本.end(), [](char 字) { return 字 >= '0' && 字 <= '9'; });
}

}  // namespace

受限请求::受限请求()
{
    m_总时限.setSingleShot(true);
    m_静默时限.setSingleShot(true);
    QObject::connect(&m_总时限, &QTimer::timeout, [this] { 结束(false); });
    QObject::connect(&m_静默时限, &QTimer::timeout, [this] { 结束(false); });
}

受限请求::~受限请求()
{
    m_完成 = nullptr;
    if (m_套接字) 结束(false);
}

void 受限请求::开始(const QByteArray& 方法, const QUrl& 地址, const 限度& 限度, 数据回调 数据, 进度回调 进度, 完成回调 完成)
{
    m_方法 = 方法;
    m_起点 = 地址;
    m_限度 = 限度;
    m_数据 = std::move(数据);
    m_进度 = std::move(进度);
    m_完成 = std::move(完成);
    m_已收 = 0;
    m_转向次数 = 0;
    m_回答 = {};
    m_总时限.start(限度.总毫秒);
    请求(地址);
}

void 受限请求::放下套接字()
{
    if (QTcpSocket* 套接字 = std::exchange(m_套接字, nullptr)) {
        套接字->disconnect();  // nothing more of it reaches this request
        套接字->abort();
        套接字->deleteLater();  // it may be in one of its own signals
    }
}

void 受限请求::请求(const QUrl& 地址)
{
    放下套接字();
    m_地址 = 地址;
    m_缓冲.clear();
    m_阶段 = 阶段::头;
    m_头字节 = 0;
    m_总数 = -1;
    if (地址.scheme() != QLatin1String("http") || 地址.host().isEmpty()) {
        结束(false);
        return;
    }
    QByteArray 目标 = 地址.path(QUrl::FullyEncoded).toLatin1();
    if (目标.isEmpty()) 目标 = "/";
    if (地址.hasQuery()) 目标 += '?' + 地址.query(QUrl::FullyEncoded).toLatin1();
    QByteArray 主机头 = 地址.host(QUrl::FullyEncoded).toLatin1();
    if (地址.port(80) != 80) 主机头 += ':' + QByteArray::number(地址.port());

    m_套接字 = new QTcpSocket;
    m_套接字->setReadBufferSize(256 * 1024);
    QString 连向 = 地址.host();
    quint16 端口 = static_cast<quint16>(地址.port(80));
    const QNetworkProxy 代理 = QNetworkProxyFactory::proxyForQuery(QNetworkProxyQuery(地址)).value(0);
    if (代理.type() == QNetworkProxy::HttpProxy || 代理.type() == QNetworkProxy::HttpCachingProxy) {
        // An HTTP proxy takes the whole address on the request line.
        目标 = 地址.adjusted(QUrl::RemoveFragment | QUrl::RemoveUserInfo).toEncoded();
        连向 = 代理.hostName();
        端口 = 代理.port();
        m_套接字->setProxy(QNetworkProxy::NoProxy);
    } else {
        m_套接字->setProxy(代理.type() == QNetworkProxy::Socks5Proxy ? 代理 : QNetworkProxy(QNetworkProxy::NoProxy));
    }
    const QByteArray 请求文 = m_方法 + ' ' + 目标 + " HTTP/1.1\r\nHost: " + 主机头
        + "\r\nUser-Agent: Vettora\r\nAccept-Encoding: identity\r\nConnection: close\r\n\r\n";
    QObject::connect(m_套接字, &QTcpSocket::connected, m_套接字, [this, 请求文] {
        m_静默时限.start(m_限度.静默毫秒);
        m_套接字->write(请求文);
    });
    QObject::connect(m_套接字, &QTcpSocket::readyRead, m_套接字, [this] { 读(); });
    QObject::connect(m_套接字, &QTcpSocket::disconnected, m_套接字, [this] {
        读();
        if (m_套接字) 结束(m_阶段 == 阶段::至关闭);  // only a body that runs to the close may end there
    });
    QObject::connect(m_套接字, &QTcpSocket::errorOccurred, m_套接字, [this](QAbstractSocket::SocketError 错误) {
        if (错误 != QAbstractSocket::RemoteHostClosedError) 结束(false);
    });
    m_静默时限.start(m_限度.静默毫秒);
    m_套接字->connectToHost(连向, 端口);
}

void 受限请求::读()
{
    if (!m_套接字) return;
    m_静默时限.start(m_限度.静默毫秒);
    m_缓冲 += m_套接字->readAll();
    while (m_套接字 && !m_缓冲.isEmpty()) {
        if (!(m_阶段 == 阶段::头 ? 读头() : 读体())) break;
    }
}

bool 受限请求::读头()
{
    const qsizetype 尾 = m_缓冲.indexOf("\r\n\r\n");
    if (尾 < 0 || m_头字节 + 尾 + 4 > 最长头) {
        if (m_头字节 + m_缓冲.size() > 最长头) 结束(false);
        return false;
    }
    const QList<QByteArray> 行 = m_缓冲.left(尾).split('\n');
    m_缓冲.remove(0, 尾 + 4);
    m_头字节 += 尾 + 4;
    const QList<QByteArray> 状态行 = 行.front().trimmed().split(' ');
    if (状态行.size() < 2 || !状态行[0].startsWith("HTTP/1.") || !全是数字(状态行[1], 3)) {
        结束(false);
        return false;
    }
    const int 状态 = 状态行[1].toInt();
    if (状态 >= 100 && 状态 < 200) return true;  // an interim answer: the real one follows
    m_回答.状态 = 状态;
    m_回答.内容类型 = 头值(行, "Content-Type");

    const QByteArray 去向 = 头值(行, "Location");
    if (状态 >= 300 && 状态 < 400 && !去向.isEmpty()) {
        const QUrl 新址 = m_地址.resolved(QUrl::fromEncoded(去向));
        if (!同源(新址, m_起点) || ++m_转向次数 > 最多转向) {
            结束(false);
        } else {
            请求(新址);
        }
        return false;
    }
    const bool 成功 = 状态 >= 200 && 状态 < 300;
    if (m_方法 == "HEAD" || !成功) {
        结束(成功);
        return false;
    }
    const QByteArray 编码 = 头值(行, "Content-Encoding");
    if (!编码.isEmpty() && 编码.compare("identity", Qt::CaseInsensitive) != 0) {
        结束(false);  // compressed: it could unpack to far more than the bound
        return false;
    }
    const QByteArray 长度 = 头值(行, "Content-Length");
    if (头值(行, "Transfer-Encoding").toLower().contains("chunked")) {
        m_阶段 = 阶段::块长;
    } else if (!长度.isEmpty()) {
        if (!全是数字(长度, 18) || 长度.toLongLong() > m_限度.最多字节) {
            结束(false);
            return false;
        }
        m_总数 = m_本块余 = 长度.toLongLong();
        m_阶段 = 阶段::定长;
        if (m_总数 == 0) {
            结束(true);
            return false;
        }
    } else {
        m_阶段 = 阶段::至关闭;
    }
    return true;
}

bool 受限请求::读体()
{
    switch (m_阶段) {
    case 阶段::定长:
    case 阶段::块数据: {
        const qsizetype 取 = static_cast<qsizetype>(std::min<qint64>(m_缓冲.size(), m_本块余));
        if (!收(m_缓冲.left(取))) return false;
        m_缓冲.remove(0, 取);
        m_本块余 -= 取;
        if (m_本块余 > 0) return false;
        if (m_阶段 == 阶段::定长) {
            结束(true);  // what follows the announced length is not read
            return false;
        }
        m_阶段 = 阶段::块尾;
        return true;
    }
    case 阶段::至关闭: {
        const QByteArray 块 = std::exchange(m_缓冲, QByteArray());
        收(块);
        return false;
    }
    case 阶段::块尾:
        if (m_缓冲.size() < 2) return false;
        if (!m_缓冲.startsWith("\r\n")) {
            结束(false);
            return false;
        }
        m_缓冲.remove(0, 2);
        m_阶段 = 阶段::块长;
        return true;
    case 阶段::块长:
    case 阶段::尾部: {
        const qsizetype 行尾 = m_缓冲.indexOf("\r\n");
        const qsizetype 最长 = m_阶段 == 阶段::块长 ? 最长块长行 : 最长头 - m_头字节;
        if (行尾 < 0 || 行尾 > 最长) {
            if (m_缓冲.size() > 最长) 结束(false);
            return false;
        }
        const QByteArray 行 = m_缓冲.left(行尾);
        m_缓冲.remove(0, 行尾 + 2);
        if (m_阶段 == 阶段::尾部) {
            m_头字节 += 行尾 + 2;
            if (行.isEmpty()) 结束(true);
            return !行.isEmpty();
        }
        bool 是数 = false;
        const QByteArray 十六进制 = 行.left(行.indexOf(';') < 0 ? 行.size() : 行.indexOf(';')).trimmed();
        m_本块余 = 十六进制.size() <= 15 ? 十六进制.toLongLong(&是数, 16) : 0;
        if (!是数 || m_本块余 < 0) {
            结束(false);
            return false;
        }
        m_阶段 = m_本块余 == 0 ? 阶段::尾部 : 阶段::块数据;
        return true;
    }
    case 阶段::头: break;
    }
    return false;
}

bool 受限请求::收(QByteArray 块)
{
    m_已收 += 块.size();
    if (m_已收 > m_限度.最多字节 || (m_数据 && !m_数据(块))) {
        结束(false);
        return false;
    }
    if (m_进度) m_进度(m_已收, m_总数);
    return true;
}

void 受限请求::结束(bool 成功)
{
    m_总时限.stop();
    m_静默时限.stop();
    放下套接字();
    m_回答.成功 = 成功;
    if (auto 完成 = std::exchange(m_完成, nullptr)) 完成(m_回答);
}

void 受限请求::取消()
{
    if (m_套接字) 结束(false);
}
