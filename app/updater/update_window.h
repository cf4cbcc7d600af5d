#pragma once

#include "update_flow.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTextEdit;

// The updater's one small window, in the program's look: 发现新版本 with the notes and
// 立即更新 or 以后再说, then the download's progress with 取消, then (on Linux) how to
// install what was verified, or why the update did not finish. Closing it answers what
// it asks: 以后再说, 取消, or done.
class 更新窗口 final : public QWidget, public 更新界面 {
public:
    explicit 更新窗口(const QString& 当前版本);
    void 连接(更新流程& 流程) { m_流程 = &流程; }

    void 提供(const QString& 版本, const QString& 说明) override;
    void 下载进度(qint64 已收, qint64 总数) override;
    void 已就绪(const QString& 手动说明) override;
    void 未完成(const QString& 原因) override;

protected:
    void closeEvent(QCloseEvent* 事件) override;

private:
    enum 阶段 { 询问, 下载, 就绪, 结束 };
    QWidget* 按钮行(std::initializer_list<QPushButton*> 按钮);
    void 到(阶段 阶段);

    QString m_当前版本;
    更新流程* m_流程 = nullptr;
    阶段 m_阶段 = 询问;
    QLabel* m_标题;
    QLabel* m_提示;
    QTextEdit* m_说明;
    QStackedWidget* m_下方;
    QProgressBar* m_进度;
    QLabel* m_结语;
    QPushButton* m_立即更新;
};
