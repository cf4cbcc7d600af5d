#pragma once

#include "page_io.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

// The program's seven pages, described once: the launcher's tile that opens each and
// what the page is. The launcher, the opening of pages, the tests and the fuzz harness
// all take the pages from here.

// One input box of a measure page, with its caption and unit; x within the body panel.
struct 输入栏 {
    QString 标题;  // "身高：" ...
    int 标题x;
    int 框x;
    QString 单位;  // "厘米" ...
    int 单位x;
};

// A page of the measure frame: header, one row of inputs, "计算" and the result box.
struct 测量页 {
    QString 窗体名;    // Form_身体质量指数 ...
    QString 标题栏;    // the window caption
    QString 顶部标题;
    QString 顶部提示;  // CR LF and lone CR as the page writes them
    QString 输入提示;
    bool 有性别 = false;        // "性别：" with "男" and "女" before the boxes
    std::vector<输入栏> 输入;   // Text_Value(0), (1), (2)
    bool 计算按钮提示 = true;   // the "点击进行计算" tool tip
    // The page module's two routines.
    bool (*检查输入)(const 页面输入&, 消息框&) = nullptr;
    void (*计算)(const 页面输入&, 结果框&, 消息框&) = nullptr;
};

struct 页面条目 {
    // The tile: Picture_Back at x, y within Picture_底部背景, in cell 行, 列 of the grid
    // (the keyboard's reading order and arrows); its title, description (ending with the
    // line breaks the form gives it) and icon, which is the page's header picture too.
    int x = 0, y = 0;
    int 行 = 0, 列 = 0;
    QString 标题;
    QString 说明;
    int 说明高度 = 44;
    bool 绿色标题 = false;  // tiles 0 and 1 stand out in green
    QString 图标;           // resource path
    // Makes the page; 关闭后 runs when it is closed.
    QWidget* (*建立)(const 页面条目&, std::function<void()> 关闭后) = nullptr;
    std::optional<测量页> 测量 = std::nullopt;  // the six measure pages
};

// The pages by their tile index, which is what opens a page, whatever the tile's place on
// the screen; 页数 is their count. The page table is made in this order.
namespace 页 {
enum 索引 : int { 一分钟彻底了解自己, 卡路里计算器, 身体质量指数, 标准体重计算, 基础代谢计算, 健康体重范围, 燃脂运动计算, 页数 };
}

const std::array<页面条目, 页::页数>& 页面表();
