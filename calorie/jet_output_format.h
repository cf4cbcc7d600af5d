#pragma once

// What the Jet reader helper writes on standard output, and how its texts are escaped.
// Both the helper (plain C++) and the program's parser use this header.
//
//   VETTORA-FOODS 1\n
//   FoodName \t FoodOtherName \t FoodHot \t FoodQuantity \n     one line per record
//   END <number of records>\n
//
// Fields are UTF-8; '%', tab, line breaks and other control bytes are written %XX.

#include <string>

namespace jet_output {

inline constexpr const char* header = "VETTORA-FOODS 1\n";
inline constexpr const char* trailer = "END ";
inline constexpr int field_count = 4;
inline constexpr const char* field_names[field_count] = {"FoodName", "FoodOtherName", "FoodHot", "FoodQuantity"};

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
