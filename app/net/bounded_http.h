#pragma once

#include <QByteArray>
#include <QTimer>
#include <QUrl>

#include <functional>

class QTcpSocket;

// One plain HTTP/1.1 request to the maker's server, every byte of it bounded: the answer's
// head at most 16 KiB, its body at most 最多字节 (an answer that announces or brings more
// fails), within 总毫秒 overall and 静默毫秒 without a byte; only the same scheme, host
// and port as the first address, also through redirects (at most five); no compressed
// body; through the proxy Qt's proxy settings give (the desktop's, where the program asks
// for them). Written here rather than taken from Qt's network access, whose parser keeps
// whatever a server sends as the answer's head.
class 受限请求 final {
public:
    struct 限度 {
        qint64 最多字节;
        int 总毫秒;
        int 静默毫秒;
    };
    struct 回答 {
        bool 成功 = false;  // a 2xx answer, whole
        int 状态 = 0;
        QByteArray 内容类型;
    };
    using 数据回调 = std::function<bool(const QByteArray& 块)>;  // false stops it as failed
    using 进度回调 = std::function<void(qint64 已收, qint64 总数)>;  // 总数 -1: not announced
    using 完成回调 = std::function<void(const 回答& 回答)>;

    受限请求();
    ~受限请求();  // a request on its way ends, calling nothing
    受限请求(const 受限请求&) = delete;
    受限请求& operator=(const 受限请求&) = delete;

    // GET, the body to 数据; HEAD: no body.
    void 开始(const QByteArray& 方法, const QUrl& 地址, const 限度& 限度, 数据回调 数据, 进度回调 进度, 完成回调 完成);
    void 取消();  // ends it as failed

private:
    enum class 阶段 { 头, 定长, 至关闭, 块长, 块数据, 块尾, 尾部 };
    void 请求(const QUrl& 地址);
    void 放下套接字();
    void 读();
    bool 读头();
    bool 读体();
    bool 收(QByteArray 块);
    void 结束(bool 成功);

    QByteArray m_方法;
    QUrl m_起点;
    QUrl m_地址;
    限度 m_限度{};
    数据回调 m_数据;
    进度回调 m_进度;
    完成回调 m_完成;
    QTcpSocket* m_套接字 = nullptr;
    QTimer m_总时限;
    QTimer m_静默时限;
    QByteArray m_缓冲;
    阶段 m_阶段 = 阶段::头;
    qint64 m_头字节 = 0;
    qint64 m_已收 = 0;
    qint64 m_总数 = -1;
    qint64 m_本块余 = 0;
    int m_转向次数 = 0;
    回答 m_回答;
};
