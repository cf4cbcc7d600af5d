#pragma once

// What the Jet reader helper writes on standard output, and how its texts are escaped.
// Both the helper (plain C++) and the program's parser use this header.
//
//   VETTORA-FOODS 1\n
//   FoodName \t FoodOtherName \t FoodHot \t FoodQuantity \n     one line per record
//   END <number of records>\n
//
// Fields are UTF-8 of at most field_length UTF-16 units (the length of an Access text
// field); '%', tab, line breaks and other control bytes are written %XX.

#include <cstddef>
#include <string>

namespace jet_output {

inline constexpr const char* header = "VETTORA-FOODS 1\n";
inline constexpr const char* trailer = "END ";
inline constexpr int field_count = 4;
inline constexpr const char* field_names[field_count] = {"FoodName", "FoodOtherName", "FoodHot", "FoodQuantity"};
inline constexpr std::size_t field_length = 255;

// Cuts a UTF-8 text after field_length UTF-16 units, at a character's boundary.
inline void cut_to_field_length(std::string& text)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) continue;  // inside a character
        const std::size_t width = c >= 0xF0 ? 2 : 1;  // beyond the BMP: a surrogate pair
        if (units + width > field_length) {
            text.resize(i);
            return;
        }
        units += width;
    }
}

inline std::string escape(const char* text, std::size_t length)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F || c == '%') {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace jet_output
