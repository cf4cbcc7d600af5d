#pragma once

#include "sha256.h"

#include <QTimer>
#include <QUrl>

#include <functional>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

// One GET from the update server, bounded: at most 最多字节 (an answer that announces or
// brings more fails), within 总毫秒 overall and 静默毫秒 without a byte, only a 2xx answer,
// redirects only to the same host, port and scheme, no compression, through the desktop's
// proxy settings. What comes is written to a device and hashed with SHA-256 on its way.
class 受限下载 final {
public:
    struct 限度 {
        qint64 最多字节;
        int 总毫秒;
        int 静默毫秒;
    };
    using 进度回调 = std::function<void(qint64 已收, qint64 总数)>;
    using 完成回调 = std::function<void(bool 成功, const QByteArray& sha256)>;

    explicit 受限下载(QNetworkAccessManager& 网络);
    ~受限下载();  // a download on its way ends, calling nothing
    受限下载(const 受限下载&) = delete;
    受限下载& operator=(const 受限下载&) = delete;

    void 开始(const QUrl& 地址, const 限度& 限度, QIODevice& 去处, 进度回调 进度, 完成回调 完成);
    void 取消();  // ends it as failed

private:
    void 读();
    void 结束(bool 成功);

    QNetworkAccessManager& m_网络;
    QNetworkReply* m_回答 = nullptr;
    QIODevice* m_去处 = nullptr;
    QUrl m_地址;
    限度 m_限度{};
    qint64 m_已收 = 0;
    摘要SHA256 m_摘要;
    QTimer m_总时限;
    进度回调 m_进度;
    完成回调 m_完成;
};
