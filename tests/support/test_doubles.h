#pragma once

#include "memory_result_box.h"
#include "page_io.h"

#include <QList>
#include <QStringList>

// A page's boxes and sex choice, as plain values.
class 测试输入 final : public 页面输入 {
public:
    测试输入(QStringList 文本表, 性别 选中 = 性别::男) : m_文本(std::move(文本表)), m_性别(选中) {}
    QString 文本(int 索引) const override { return m_文本.value(索引); }
    性别 选中性别() const override { return m_性别; }

private:
    QStringList m_文本;
    性别 m_性别;
};

// Records the messages instead of showing them.
class 消息记录 final : public 消息框 {
public:
    void 显示(const QString& 消息) override { 消息表 << 消息; }
    QStringList 消息表;
};

class 剪贴板记录 final : public 剪贴板 {
public:
    void 清空() override { 内容 = QString(); ++清空次数; }
    void 放入文本(const QString& 文本) override { 内容 = 文本; }
    QString 内容 = QStringLiteral("old");
    int 清空次数 = 0;
};

// A run of characters with the same format: start, length, bold, colour (&HBBGGRR).
struct 格式段 {
    int 起点;
    int 长度;
    bool 粗体;
    quint32 颜色;
    bool operator==(const 格式段&) const = default;
};

inline QList<格式段> 格式段表(const 内存结果框& 框)
{
    QList<格式段> 段表;
    const int 长度 = static_cast<int>(框.文本().size());
    for (int i = 0; i < 长度; ++i) {
        const auto 格式 = 框.格式(i);
        if (!段表.isEmpty() && 段表.back().粗体 == 格式.粗体 && 段表.back().颜色 == 格式.颜色) {
            ++段表.back().长度;
        } else {
            段表.append({i, 1, 格式.粗体, 格式.颜色});
        }
    }
    return 段表;
}

inline char* toString(const 格式段& 段)
{
    return qstrdup(QStringLiteral("(%1,%2,%3,%4)").arg(段.起点).arg(段.长度).arg(段.粗体 ? "bold" : "plain")
                       .arg(段.颜色, 6, 16, QLatin1Char('0')).toUtf8().constData());
}
