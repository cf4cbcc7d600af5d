#pragma once

#include "bounded_http.h"

#include <QUrl>

#include <functional>

// Asks the advert server whether its page is there before anything of the web engine is
// loaded: a HEAD request (headers only, so the page itself is fetched once, by the engine),
// bounded in size and time, redirects only within the same host, at most five seconds, on
// the event loop. Only a 2xx answer of an HTML type counts as a page.
class 广告探测 final {
public:
    static constexpr int 最长毫秒 = 5000;

    广告探测();

    // An answer still on its way when the object goes calls nothing any more.
    void 探测(const QUrl& 地址, std::function<void(bool 有页面)> 结果);

private:
    受限请求 m_请求;
};
