#pragma once

#include "page_io.h"

#include <optional>

// What the calorie page's module sees of the page: the meal tree, the food list
// and the result box.

class 餐次树 {
public:
    virtual ~餐次树() = default;
    virtual void 添加根节点(const QString& 键, const QString& 文本) = 0;
    virtual void 添加子节点(const QString& 父键, const QString& 文本) = 0;  // as the last child
    virtual void 展开(int 位置) = 0;  // 1-based, among all nodes in order
    virtual std::optional<QString> 选中节点文本() const = 0;
    virtual void 删除选中节点() = 0;
};

class 食物列表 {
public:
    struct 行 {
        QString 文本;   // the food's name
        QString 子项2;  // its energy column, "52 大卡"
    };
    virtual ~食物列表() = default;
    virtual void 添加行(const QString& 文本, const QString& 子项1, const QString& 子项2, const QString& 子项3) = 0;
    virtual std::optional<行> 选中行() const = 0;
};

namespace 方法_卡路里计算器 {

struct 页面 {
    餐次树& 树;
    食物列表& 列表;
    结果框& 结果;
};

// The six meals, in the order of the day.
void 添加餐次(页面& 页);
// Fills the food list, expands the meals, sets the total to 0 and writes the result.
void 初始化页面(页面& 页);
// Adds the selected food to the selected meal. Nothing happens when no meal is
// selected or the selected row holds no food.
void 添加食物(页面& 页);
// Removes the selected food node; a meal node is never removed.
void 删除食物(页面& 页);

// The day's energy total, kilocalories.
double 摄入总热量();

// The number a text spells before its first " 大卡", read as the input boxes are read.
double 热量值(const QString& 文本);

}  // namespace 方法_卡路里计算器
