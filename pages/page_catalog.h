#pragma once

#include "page_io.h"

#include <QString>

#include <vector>

// The six measure pages, described once: one frame builds each of them from its row.

struct 输入栏 {
    QString 标题;  // "身高：" ...
    int 标题x;
    int 框x;
    QString 单位;  // "厘米" ...
    int 单位x;
};

struct 页面描述 {
    QString 窗体名;    // Form_身体质量指数 ...
    QString 标题栏;    // the window caption
    QString 顶部标题;
    QString 顶部提示;  // CR LF and lone CR as the page writes them
    QString 输入提示;
    QString 顶部图片;  // resource path
    bool 有性别;       // "性别：" with "男" and "女" before the boxes
    std::vector<输入栏> 输入;  // Text_Value(0), (1), (2)
    bool 计算按钮提示;  // the "点击进行计算" tool tip
    void (*计算)(const 页面输入&, 结果框&, 消息框&);
};

namespace 页面目录 {
const 页面描述& 一分钟彻底了解自己();
const 页面描述& 身体质量指数();
const 页面描述& 标准体重计算();
const 页面描述& 基础代谢计算();
const 页面描述& 健康体重范围();
const 页面描述& 燃脂运动计算();
}  // namespace 页面目录
