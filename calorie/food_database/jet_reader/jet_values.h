#pragma once

// The values of a Jet 4 file as texts, for the program's own reader of them.

#include "jet_layout.h"

#include <string>
#include <string_view>

namespace jet_file {

// A Jet 4 text as UTF-8, from at most text_limit of its bytes.
std::string jet_text(bytes raw);

// A value that lies whole in its row, as text: numbers in the shortest form that reads
// back, texts as UTF-8, empty for kinds that are no food's text. (A memo field points
// elsewhere; the page reader follows it.)
std::string value_text(std::uint8_t type, bytes value);

// A name with its ASCII letters in lower case: names compare without regard to case.
std::string folded(std::string_view name);

}  // namespace jet_file
