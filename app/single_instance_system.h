#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <memory>

// What the single-instance rule asks of the system; a file per system answers. Every call
// blocks for at most its deadline, so that the rule's listening thread and a later start
// can each use them directly.
namespace 单实例系统 {

// One connection between a later start and the running launcher.
class 连接 {
public:
    virtual ~连接() = default;
    // Writes all of 数据 before the deadline.
    virtual bool 写(const QByteArray& 数据, QDeadlineTimer 期限) = 0;
    // Reads up to and with a line feed, at most 最长 bytes; what came before the deadline
    // or the other end's close.
    virtual QByteArray 读行(qsizetype 最长, QDeadlineTimer 期限) = 0;
};

// The lock of this user's one launcher on this desktop, with the listening end of its
// channel. Given back when the object goes, and by the system when the process ends.
class 锁 {
public:
    virtual ~锁() = default;
    // The next connection of a process of this user; none once 停止 has been called.
    virtual std::unique_ptr<连接> 接受() = 0;
    // Makes a waiting 接受 return, from another thread.
    virtual void 停止() = 0;
};

enum class 占用结果 {
    已占用,  // this process holds the lock and listens
    被占,    // another process holds it
    不可用,  // it cannot be had: this process runs without it
};
std::unique_ptr<锁> 占用(const QString& 名, 占用结果& 结果);

enum class 对方 {
    本用户,  // the channel's server is a process of this user: the connection is open
    他人,    // another user's, or one that cannot be told: nothing was sent
    无人,    // nothing answers the name now
};
// Connects to the channel of the launcher that holds the lock, and tells whose it is. To
// this user's launcher it hands on the right to come to the front where the system has one.
std::unique_ptr<连接> 连接到(const QString& 名, 对方& 是谁, QDeadlineTimer 期限);

}  // namespace 单实例系统
