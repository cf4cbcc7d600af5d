#include "number_reader.h"

#include <charconv>
#include <cmath>
#include <string>

namespace 数值读取 {
namespace {

bool 是空白(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// The text without the blanks that the reader skips, as ASCII up to the first
// character that is not ASCII (which ends every number anyway).
std::string 去空白(const QString& 文本)
{
    std::string 结果;
    for (const QChar 字 : 文本) {
        const char16_t c = 字.unicode();
        if (是空白(c)) continue;
        if (c > 0x7F) break;
        结果.push_back(static_cast<char>(c));
    }
    return 结果;
}

int 位值(char c, int 进制)
{
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < 进制 ? v : -1;
}

读数 读整数(const std::string& s, std::size_t 起点, int 进制)
{
    double 值 = 0;
    for (std::size_t i = 起点; i < s.size(); ++i) {
        const int v = 位值(s[i], 进制);
        if (v < 0) break;
        值 = 值 * 进制 + v;
    }
    if (std::isinf(值)) return {0, true};
    return {值, false};
}

读数 读十进制(const std::string& s)
{
    std::size_t i = 0;
    std::string 数;  // the number in the form std::from_chars takes
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') 数.push_back('-');
        ++i;
    }
    bool 有数字 = false;
    bool 有点 = false;
    // Decimal exponent of the first non-zero digit, to tell overflow from underflow.
    long long 首位量级 = 0;
    bool 见到非零 = false;
    bool 首位在整数部分 = false;
    long long 整数位 = 0;
    long long 小数位 = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            有数字 = true;
            数.push_back(c);
            if (有点) ++小数位; else ++整数位;
            if (c != '0' && !见到非零) {
                见到非零 = true;
                首位在整数部分 = !有点;
                首位量级 = 有点 ? -小数位 : 整数位;  // integer part: its index, fixed below
            }
        } else if (c == '.' && !有点) {
            有点 = true;
            数.push_back('.');
        } else {
            break;
        }
    }
    if (!有数字) return {0, false};
    if (首位在整数部分) 首位量级 = 整数位 - 首位量级;

    long long 指数 = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        bool 负 = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            负 = s[j] == '-';
            ++j;
        }
        for (; j < s.size() && s[j] >= '0' && s[j] <= '9'; ++j) {
            if (指数 < 1000000) 指数 = 指数 * 10 + (s[j] - '0');
        }
        if (负) 指数 = -指数;
        数 += 'e' + std::to_string(指数);
    }

    double 值 = 0;
    const auto 结果 = std::from_chars(数.data(), 数.data() + 数.size(), 值);
    if (结果.ec == std::errc::result_out_of_range) {
        // Either too large or too small for a double; the leading digit's magnitude tells which.
        return (见到非零 && 首位量级 + 指数 > 0) ? 读数{0, true} : 读数{0, false};
    }
    if (结果.ec != std::errc{}) return {0, false};
    return {值 == 0 ? 0.0 : 值, false};
}

}  // namespace

读数 读取前导数值(const QString& 文本)
{
    const std::string s = 去空白(文本.normalized(QString::NormalizationForm_KC));
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return 读整数(s, 2, 16);
        if (s[1] == 'O' || s[1] == 'o') return 读整数(s, 2, 8);
        return {0, false};
    }
    return 读十进制(s);
}

}  // namespace 数值读取
