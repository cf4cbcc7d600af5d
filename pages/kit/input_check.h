#pragma once

#include "page_io.h"

#include <span>

// The input check that every measure page runs before it computes.
namespace 输入检查 {

enum class 量 { 年龄, 身高, 体重 };

// "请正确填写您的“年龄”！" and its two sisters.
QString 提示(量 要填的量);

// One box of a page's check: accepted when 下限 ≤ v ≤ 上限, both inclusive.
// On the standard weight page the height's upper bound depends on the sex.
struct 检查项 {
    int 框;
    量 要填的量;
    double 下限;
    double 上限_男;
    double 上限_女;
};

constexpr 检查项 范围(int 框, 量 要填的量, double 下限, double 上限)
{
    return {框, 要填的量, 下限, 上限, 上限};
}

// Examines the boxes in order; at the first that fails, shows its message and
// returns false. An empty text, 0, and a number too large for a double all fail.
bool 按顺序检查(std::span<const 检查项> 检查项表, const 页面输入& 输入, 消息框& 消息);

// The value a page computes with: the box's leading number, read as the check reads it.
double 读取(const 页面输入& 输入, int 框);

}  // namespace 输入检查
