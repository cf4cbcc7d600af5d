#include "jet_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace jet_file {
namespace {

// UTF-16 code units (as Jet stores texts) to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string utf8(const std::u16string& units)
{
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        std::uint32_t c = units[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

template <typename T>
std::string number_text(T value)
{
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value)) return {};
    }
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;  // shortest form that reads back
    return std::string(buffer, end);
}

// Money: a 64-bit count of ten-thousandths.
std::string money_text(std::int64_t value)
{
    const bool negative = value < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string text = std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(10000 + magnitude % 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) text += '.' + fraction;
    return negative ? '-' + text : text;
}

}  // namespace

// UTF-16LE, or "compressed": after its mark, runs of one-byte characters and of UTF-16
// units, each 00 byte switching between the two.
std::string jet_text(bytes raw)
{
    raw = raw.first(std::min(raw.size(), text_limit));
    std::u16string units;
    if (raw.size() >= sizeof compressed_text_mark && raw[0] == compressed_text_mark[0] && raw[1] == compressed_text_mark[1]) {
        bool one_byte = true;
        for (std::size_t i = sizeof compressed_text_mark; i < raw.size();) {
            if (raw[i] == 0) {
                one_byte = !one_byte;
                ++i;
            } else if (one_byte) {
                units += static_cast<char16_t>(raw[i++]);
            } else if (i + 1 < raw.size()) {
                units += static_cast<char16_t>(raw[i] | raw[i + 1] << 8);
                i += 2;
            } else {
                break;
            }
        }
    } else {
        for (std::size_t i = 0; i + 1 < raw.size(); i += 2) units += static_cast<char16_t>(raw[i] | raw[i + 1] << 8);
    }
    return utf8(units);
}

std::string value_text(std::uint8_t type, bytes value)
{
    switch (type) {
    case byte: { std::uint8_t v = 0; return get(value, 0, v) ? number_text(v) : std::string(); }
    case integer: { std::int16_t v = 0; return get(value, 0, v) ? number_text(v) : std::string(); }
    case long_integer: { std::int32_t v = 0; return get(value, 0, v) ? number_text(v) : std::string(); }
    case money: { std::int64_t v = 0; return get(value, 0, v) ? money_text(v) : std::string(); }
    case single: { float v = 0; return get(value, 0, v) ? number_text(v) : std::string(); }
    case double_:
    case date_time: { double v = 0; return get(value, 0, v) ? number_text(v) : std::string(); }
    case text: return jet_text(value);
    default: return {};  // binary, OLE objects, numbers of other kinds: not texts of a food
    }
}

std::string folded(std::string_view name)
{
    std::string out(name);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

}  // namespace jet_file
