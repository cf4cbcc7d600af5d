#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <chrono>
#include <functional>

// One launcher per user: the first process holds a lock file in the user's runtime
// folder and listens on a local socket; a later process asks it to bring its
// launcher forward and then ends. A lock left by a killed process is taken over.
class 单实例 {
public:
    explicit 单实例(const QString& 窗口标题);

    // True when a launcher of an earlier start was found and asked to come forward:
    // this process should end. False when this process is to run the program.
    bool 检查重复运行(std::chrono::milliseconds 最长等待 = std::chrono::seconds(5));

    // Runs on the first process whenever a later one starts.
    void 收到唤醒时(std::function<void()> 唤醒) { m_唤醒 = std::move(唤醒); }

    QString 套接字名() const { return m_套接字名; }

private:
    void 开始监听();
    bool 请求唤醒();

    QString m_套接字名;
    QLockFile m_锁;
    QLocalServer m_服务;
    std::function<void()> m_唤醒;
};
