#pragma once

// The Jet reader helper's source of records: table FoodData of an Access (Jet) file,
// its four food fields as UTF-8 texts, in the order the file stores the records. Two
// back ends: libmdb where the system has it, and the program's own reader of Jet 4
// files (jet_file_reader.h) everywhere else.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace jet_foods {

using record = std::array<std::string, 4>;  // FoodName, FoodOtherName, FoodHot, FoodQuantity

enum status { read_ok = 0, not_readable = 3, no_food_table = 4 };

// Reads at most max_records records of FoodData from the file at path.
status read(const std::filesystem::path& path, int max_records, std::vector<record>& records);

}  // namespace jet_foods
