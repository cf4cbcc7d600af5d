#include "advert_probe.h"

#include <QNetworkProxyFactory>
#include <QNetworkReply>

namespace {

// Whether an answer with this status and Content-Type is a page to show.
bool 是网页(int 状态码, const QString& 类型)
{
    const QString 媒体类型 = 类型.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
    return 状态码 >= 200 && 状态码 < 300
        && (媒体类型 == QLatin1String("text/html") || 媒体类型 == QLatin1String("application/xhtml+xml"));
}

}  // namespace

广告探测::广告探测()
{
    // The same proxy as the web engine takes from the desktop (http_proxy and the like).
    QNetworkProxyFactory::setUseSystemConfiguration(true);
}

void 广告探测::探测(const QUrl& 地址, std::function<void(bool 有页面)> 结果)
{
    QNetworkRequest 请求(地址);
    请求.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    请求.setTransferTimeout(最长毫秒);
    QNetworkReply* 回答 = m_网络.head(请求);
    QObject::connect(回答, &QNetworkReply::finished, 回答, [回答, 结果 = std::move(结果)] {
        回答->deleteLater();
        const bool 有页面 = 回答->error() == QNetworkReply::NoError
            && 是网页(回答->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                      回答->header(QNetworkRequest::ContentTypeHeader).toString());
        结果(有页面);
    });
}

广告探测::~广告探测()
{
    for (QNetworkReply* 回答 : m_网络.findChildren<QNetworkReply*>()) 回答->disconnect();
}
