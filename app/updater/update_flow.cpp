#include "update_flow.h"

#include "installer_handoff.h"
#include "update_log.h"

#include <QDateTime>
#include <QFileInfo>

更新流程::更新流程(更新界面& 界面, 设置 设置, std::function<void(int)> 结束)
    : m_界面(界面), m_设置(std::move(设置)), m_结束(std::move(结束))
{
    if (!m_设置.交付) m_设置.交付 = 安装交付::交给安装程序;
}

void 更新流程::开始()
{
    下载目录::清理遗留();
    m_请求.开始(
        "GET", m_设置.期望.列表地址, m_设置.列表限度,
        [this](const QByteArray& 块) {
            m_列表 += 块;
            return true;
        },
        nullptr, [this](const 受限请求::回答& 回答) { 列表到达(回答.成功); });
}

void 更新流程::列表到达(bool 成功)
{
    m_设置.期望.现在 = QDateTime::currentDateTimeUtc();
    m_更新 = 更新::检查(std::exchange(m_列表, QByteArray()), m_设置.期望);
    if (!成功 || m_更新.结论 != 更新::判定::有更新) {
        qCInfo(更新日志, "nothing offered: %s", 成功 ? "the list was refused" : "no list came");
        结束(完毕);  // nothing is shown
        return;
    }
    m_界面.提供(m_更新.版本, m_更新.说明);
}

void 更新流程::回答(bool 立即更新)
{
    if (!立即更新) {
        结束(以后再说);
        return;
    }
    m_目录 = std::make_unique<下载目录>();
    m_文件.setFileName(m_目录->文件(安装交付::文件名(m_更新.版本)));
    if (!m_目录->有效() || !m_文件.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        失败(QStringLiteral(u"无法保存下载的文件。"));
        return;
    }
    const 受限请求::限度 限度{m_更新.下载.大小, m_设置.下载总毫秒, m_设置.下载静默毫秒};
    m_请求.开始(
        "GET", m_更新.下载.地址, 限度,
        [this](const QByteArray& 块) {
            m_摘要.加(块);
            return m_文件.write(块) == 块.size();
        },
        [this](qint64 已收, qint64) { m_界面.下载进度(已收, m_更新.下载.大小); },
        [this](const 受限请求::回答& 回答) { 下载完成(回答.成功); });
}

void 更新流程::下载完成(bool 成功)
{
    const QByteArray sha256 = m_摘要.结果();
    m_文件.close();
    const qint64 大小 = QFileInfo(m_文件.fileName()).size();
    if (m_已取消) {
        结束(完毕);
        return;
    }
    if (!成功) {
        失败(QStringLiteral(u"下载没有完成，请稍后再试。"));
        return;
    }
    if (大小 != m_更新.下载.大小 || sha256 != m_更新.下载.sha256) {
        失败(QStringLiteral(u"下载的文件与发布的不符，已删除。"));
        return;
    }
    if (!安装交付::验证后即交付()) {
        m_界面.已就绪(安装交付::手动安装说明(m_文件.fileName()));
        return;
    }
    if (!m_设置.交付(m_文件.fileName(), m_更新.下载.大小, m_更新.下载.sha256)) {
        失败(QStringLiteral(u"未能启动安装程序。"));
        return;
    }
    m_目录->留下();  // the setup program runs from it
    qCInfo(更新日志, "handed over");
    结束(完毕);
}

void 更新流程::取消()
{
    m_已取消 = true;
    m_请求.取消();
}

void 更新流程::打开安装程序()
{
    if (!m_设置.交付(m_文件.fileName(), m_更新.下载.大小, m_更新.下载.sha256)) {
        m_界面.未完成(QStringLiteral(u"未能打开软件安装程序，请按上面的说明安装。"));
    }
}

void 更新流程::关闭()
{
    结束(完毕);
}

void 更新流程::失败(const QString& 原因)
{
    if (m_文件.isOpen()) m_文件.close();
    m_目录.reset();  // nothing of the download is kept
    m_界面.未完成(原因);
}

void 更新流程::结束(int 退出码)
{
    m_目录.reset();
    if (auto 结束 = std::exchange(m_结束, nullptr)) 结束(退出码);
}
