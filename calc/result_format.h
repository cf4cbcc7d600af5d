#pragma once

#include "page_io.h"

#include <span>
#include <vector>

// How every measure page writes its result: the whole text plain in grey, each
// result sentence bold in dark grey, its figures pink, then nothing selected.
namespace 结果格式 {

inline constexpr quint32 正文颜色 = 0x444444;
inline constexpr quint32 句子颜色 = 0x333333;
inline constexpr quint32 数字颜色 = 0xAA33FF;  // &HBBGGRR: red FF, green 33, blue AA

struct 范围 {
    int 起点;  // 0-based
    int 长度;
    bool operator==(const 范围&) const = default;
};

struct 结果句 {
    范围 句子;
    std::vector<范围> 数字;  // coloured in this order
};

// 1-based position of the first occurrence of 目标 at or after position 从; 0 when absent.
int 查找(const QString& 文本, const QString& 目标, int 从 = 1);

// From the heading to the end of 结尾 (the closing figure and unit), both searched at or after 从.
范围 句子范围(const QString& 文本, const QString& 标题, const QString& 结尾, int 从 = 1);

// The first occurrence of a figure's text at or after 从.
范围 数字范围(const QString& 文本, const QString& 数字, int 从 = 1);

// Empties the box, writes the text and formats it.
void 写入(结果框& 框, const QString& 文本, std::span<const 结果句> 结果句表);

}  // namespace 结果格式
