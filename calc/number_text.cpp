#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

QString 数字文本(double 值)
{
    if (!std::isfinite(值) || 值 == 0) return QStringLiteral("0");

    // d.dddddddddddddde±x: the value rounded to 15 significant digits.
    char 缓冲[40];
    const auto 结果 = std::to_chars(缓冲, 缓冲 + sizeof 缓冲, std::fabs(值), std::chars_format::scientific, 14);
    const std::string 科学(缓冲, 结果.ptr);
    const auto e = 科学.find('e');
    std::string 数字 = 科学.substr(0, 1) + 科学.substr(2, e - 2);
    const int 指数 = std::atoi(科学.c_str() + e + 1);
    while (数字.size() > 1 && 数字.back() == '0') 数字.pop_back();

    std::string 文本;
    if (指数 < 0) {
        文本 = "0." + std::string(static_cast<std::size_t>(-指数 - 1), '0') + 数字;
    } else {
        const auto 整数位数 = static_cast<std::size_t>(指数) + 1;
        if (数字.size() <= 整数位数) {
            文本 = 数字 + std::string(整数位数 - 数字.size(), '0');
        } else {
            文本 = 数字.substr(0, 整数位数) + "." + 数字.substr(整数位数);
        }
    }
    if (值 < 0) 文本.insert(文本.begin(), '-');
    return QString::fromLatin1(文本.data(), static_cast<qsizetype>(文本.size()));
}
