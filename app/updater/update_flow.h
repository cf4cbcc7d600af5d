#pragma once

#include "bounded_http.h"
#include "download_folder.h"
#include "sha256.h"
#include "update_list.h"

#include <QFile>

#include <functional>
#include <memory>

// What a person sees of an update and answers: the updater's window, or a test's stand-in.
class 更新界面 {
public:
    virtual ~更新界面() = default;
    // 发现新版本: the answer comes back through 更新流程::回答.
    virtual void 提供(const QString& 版本, const QString& 说明) = 0;
    virtual void 下载进度(qint64 已收, qint64 总数) = 0;
    // Verified, where it waits for the person (Linux): how to go on. The window's closing
    // comes back through 更新流程::关闭.
    virtual void 已就绪(const QString& 手动说明) = 0;
    virtual void 未完成(const QString& 原因) = 0;
};

// The updater's work, without its window: it fetches the update list, holds it against
// the maker's key and this program, offers a newer version, downloads it into a folder of
// its own, checks its size and SHA-256 and hands it to what installs it. A list that is
// not right ends it unseen; nothing runs that was not verified, and the download is gone
// at the end unless an installer runs from it.
class 更新流程 final {
public:
    struct 设置 {
        更新::期望 期望;  // its 现在 is taken when the list has come
        受限请求::限度 列表限度{更新::列表最长, 20'000, 15'000};
        int 下载静默毫秒 = 30'000;
        int 下载总毫秒 = 60 * 60'000;
        // Hands a verified download over (安装交付::交给安装程序, unless a test says).
        std::function<bool(const QString& 文件, qint64 大小, const QByteArray& sha256)> 交付;
    };
    enum 退出 { 完毕 = 0, 以后再说 = 3 };

    更新流程(更新界面& 界面, 设置 设置, std::function<void(int 退出码)> 结束);

    void 开始();
    void 回答(bool 立即更新);
    void 取消();             // while it downloads
    void 打开安装程序();     // once it is ready and waits for the person
    void 关闭();             // the window went

private:
    void 列表到达(bool 成功);
    void 下载完成(bool 成功);
    void 失败(const QString& 原因);
    void 结束(int 退出码);

    更新界面& m_界面;
    设置 m_设置;
    std::function<void(int)> m_结束;
    受限请求 m_请求;
    QByteArray m_列表;
    摘要SHA256 m_摘要;
    更新::检查结果 m_更新;
    std::unique_ptr<下载目录> m_目录;
    QFile m_文件;
    bool m_已取消 = false;
};
