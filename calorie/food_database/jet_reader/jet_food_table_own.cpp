// The food records of an Access 2000-2003 (Jet 4) file through the program's own reader.

#include "jet_file_reader.h"
#include "jet_food_table.h"
#include "jet_output_format.h"

#include <algorithm>
#include <fstream>

namespace jet_foods {

status read(const std::filesystem::path& path, int max_records, std::vector<record>& records)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return not_readable;
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size <= 0) return not_readable;
    const auto pages = static_cast<std::uint32_t>(std::min<std::streamoff>((size + 4095) / 4096, 0xFFFFFF));
    const jet_file::page_source source = [&file](std::uint32_t number, std::span<std::uint8_t, jet_file::page_size> page) {
        file.clear();
        file.seekg(static_cast<std::streamoff>(number) * static_cast<std::streamoff>(page.size()));
        file.read(reinterpret_cast<char*>(page.data()), static_cast<std::streamsize>(page.size()));
        const auto got = static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0));
        std::fill(page.begin() + static_cast<std::ptrdiff_t>(got), page.end(), std::uint8_t{0});
        return got > 0;
    };

    const std::string_view fields[] = {jet_output::field_names[0], jet_output::field_names[1],
                                       jet_output::field_names[2], jet_output::field_names[3]};
    std::vector<std::vector<std::string>> rows;
    switch (jet_file::read_table(source, pages, "FoodData", fields, static_cast<std::size_t>(max_records), rows)) {
    case jet_file::outcome::not_jet4: return not_readable;
    case jet_file::outcome::no_table: return no_food_table;
    case jet_file::outcome::read: break;
    }
    for (auto& row : rows) records.push_back({std::move(row[0]), std::move(row[1]), std::move(row[2]), std::move(row[3])});
    return read_ok;
}

}  // namespace jet_foods
