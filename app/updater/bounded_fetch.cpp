#include "bounded_fetch.h"

#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <utility>

namespace {

bool 同一来源(const QUrl& 甲, const QUrl& 乙)
{
    return 甲.scheme() == 乙.scheme() && 甲.host().compare(乙.host(), Qt::CaseInsensitive) == 0 && 甲.port() == 乙.port();
}

}  // namespace

受限下载::受限下载(QNetworkAccessManager& 网络) : m_网络(网络)
{
    m_总时限.setSingleShot(true);
    QObject::connect(&m_总时限, &QTimer::timeout, [this] { 结束(false); });
}

受限下载::~受限下载()
{
    m_完成 = nullptr;
    if (m_回答) 结束(false);
}

void 受限下载::开始(const QUrl& 地址, const 限度& 限度, QIODevice& 去处, 进度回调 进度, 完成回调 完成)
{
    m_地址 = 地址;
    m_限度 = 限度;
    m_去处 = &去处;
    m_进度 = std::move(进度);
    m_完成 = std::move(完成);
    m_已收 = 0;
    m_摘要.结果();  // anew

    QNetworkRequest 请求(地址);
    请求.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    请求.setMaximumRedirectsAllowed(5);
    请求.setTransferTimeout(限度.静默毫秒);
    // Bytes as the server keeps them: no compressed answer that unpacks to more than the bound.
    请求.setRawHeader("Accept-Encoding", "identity");
    请求.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    请求.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    m_回答 = m_网络.get(请求);
    m_回答->setReadBufferSize(256 * 1024);
    QObject::connect(m_回答, &QNetworkReply::redirected, m_回答, [this](const QUrl& 去向) {
        if (同一来源(去向, m_地址)) {
            emit m_回答->redirectAllowed();
        } else {
            结束(false);
        }
    });
    QObject::connect(m_回答, &QNetworkReply::metaDataChanged, m_回答, [this] {
        const QVariant 长度 = m_回答->header(QNetworkRequest::ContentLengthHeader);
        if (长度.isValid() && 长度.toLongLong() > m_限度.最多字节) 结束(false);
    });
    QObject::connect(m_回答, &QNetworkReply::readyRead, m_回答, [this] { 读(); });
    QObject::connect(m_回答, &QNetworkReply::finished, m_回答, [this] {
        读();
        if (!m_回答) return;
        const int 状态 = m_回答->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        结束(m_回答->error() == QNetworkReply::NoError && 状态 >= 200 && 状态 < 300);
    });
    m_总时限.start(限度.总毫秒);
}

void 受限下载::读()
{
    if (!m_回答) return;
    const int 状态 = m_回答->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (状态 != 0 && (状态 < 200 || 状态 >= 300)) {  // a redirect's body is never read
        if (状态 < 300 || 状态 >= 400) 结束(false);
        return;
    }
    while (m_回答 && m_回答->bytesAvailable() > 0) {
        const QByteArray 块 = m_回答->read(256 * 1024);
        m_已收 += 块.size();
        if (m_已收 > m_限度.最多字节 || m_去处->write(块) != 块.size()) {
            结束(false);
            return;
        }
        m_摘要.加(块);
    }
    if (m_进度 && m_回答) {
        const QVariant 长度 = m_回答->header(QNetworkRequest::ContentLengthHeader);
        m_进度(m_已收, 长度.isValid() ? 长度.toLongLong() : -1);
    }
}

void 受限下载::结束(bool 成功)
{
    m_总时限.stop();
    if (QNetworkReply* 回答 = std::exchange(m_回答, nullptr)) {
        回答->disconnect();
        回答->abort();
        回答->deleteLater();
    }
    if (auto 完成 = std::exchange(m_完成, nullptr)) 完成(成功, 成功 ? m_摘要.结果() : QByteArray());
}

void 受限下载::取消()
{
    if (m_回答) 结束(false);
}
