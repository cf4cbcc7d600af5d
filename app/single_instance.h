#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace 单实例系统 {
class 锁;
class 连接;
}  // namespace 单实例系统

// One launcher per user and desktop. The first process holds the system's lock of it,
// which the system gives back when the process ends however it ends, and hears later
// starts on a thread of its own; a later start hands on what its desktop gave it to come
// to the front with, and ends once the launcher has answered. Only this user's launcher
// is ever asked: where the lock is another user's, or its holder does not answer, or it
// cannot be had at all, a start runs on its own.
class 单实例 {
public:
    explicit 单实例(const QString& 名);
    ~单实例();
    单实例(const 单实例&) = delete;
    单实例& operator=(const 单实例&) = delete;

    // True when this user's running launcher answered this start's request, with this
    // start's activation token (asked of 凭据 then): this process should end. False when
    // this process is to run the program, holding the lock or on its own.
    using 凭据来源 = std::function<QByteArray()>;
    bool 检查重复运行(const 凭据来源& 凭据 = {}, std::chrono::milliseconds 最长等待 = std::chrono::milliseconds(700));

    // From now on each later start runs 唤醒 on this thread, with that start's token, and
    // is answered then. Until this is called the launcher is starting, and its listening
    // thread answers for it; the last token that came meanwhile is handed on here.
    void 开始接待(std::function<void(const QByteArray& 凭据)> 唤醒);

    // The launcher is closing: no later start is heard or answered any more, and the lock
    // is given back, so that a start from now on runs a launcher of its own.
    void 停止接待();

    bool 持有锁() const { return m_锁 != nullptr; }

private:
    void 倾听();
    void 接待(const std::shared_ptr<单实例系统::连接>& 连接, const QByteArray& 凭据);

    QString m_名;
    std::unique_ptr<单实例系统::锁> m_锁;
    std::thread m_线程;
    std::mutex m_互斥;  // what the listening thread and this one share below
    std::function<void(const QByteArray&)> m_唤醒;
    QByteArray m_启动时凭据;
    bool m_启动时有请求 = false;
    std::atomic<bool> m_停止{false};
};
