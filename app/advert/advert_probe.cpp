#include "advert_probe.h"

#include <QNetworkProxyFactory>

namespace {

// Whether an answer with this status and Content-Type is a page to show.
bool 是网页(int 状态码, const QByteArray& 类型)
{
    const QString 媒体类型 = QString::fromLatin1(类型).section(QLatin1Char(';'), 0, 0).trimmed().toLower();
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
    m_请求.开始("HEAD", 地址, {0, 最长毫秒, 最长毫秒}, nullptr, nullptr,
                [结果 = std::move(结果)](const 受限请求::回答& 回答) {
                    结果(回答.成功 && 是网页(回答.状态, 回答.内容类型));
                });
}
