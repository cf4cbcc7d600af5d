#pragma once

#include <QString>

// Reads the number an input box begins with, the way every page reads its boxes.
namespace 数值读取 {

struct 读数 {
    double 值 = 0;        // 0 when nothing readable stands at the start
    bool 过大 = false;    // the leading number does not fit in a double
};

// Blanks, tabs and line feeds are skipped wherever they stand; then an optional sign,
// digits with at most one ".", and an optional exponent (E or D, sign, digits).
// "&H" and "&O" read a hexadecimal or octal integer. Reading stops at the first
// other character. The text is NFKC-normalised first, so the full-width digits,
// "．", "－" and the ideographic space of a Chinese input method read as ASCII.
读数 读取前导数值(const QString& 文本);

}  // namespace 数值读取
