#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QString>

#include <chrono>
#include <functional>

class QLocalSocket;

// One launcher per user and desktop. The first process holds the system's lock of it,
// which the system drops when the process ends however it ends, and listens on a local
// channel; a later process hands on what its desktop gave it to come to the front with,
// and ends.
class 单实例 {
public:
    explicit 单实例(const QString& 窗口标题);
    ~单实例();
    单实例(const 单实例&) = delete;
    单实例& operator=(const 单实例&) = delete;

    // True when a launcher of an earlier start was found and asked to come forward, with
    // this start's activation token (asked of 凭据 then): this process should end. False
    // when this process is to run the program.
    using 凭据来源 = std::function<QByteArray()>;
    bool 检查重复运行(const 凭据来源& 凭据 = {}, std::chrono::milliseconds 最长等待 = std::chrono::seconds(5));

    // Runs on the first process whenever a later one starts, with that start's token.
    void 收到唤醒时(std::function<void(const QByteArray& 凭据)> 唤醒) { m_唤醒 = std::move(唤醒); }

    QString 通道名() const { return m_通道名; }

private:
    enum class 请求结果 { 已转达, 无人应答, 他人占用 };
    请求结果 请求唤醒(const 凭据来源& 凭据);
    void 接待(QLocalSocket* 连接);

    QString m_窗口标题;
    bool m_占用 = false;
    QString m_通道名;
    QLocalServer m_服务;
    std::function<void(const QByteArray&)> m_唤醒;
};
