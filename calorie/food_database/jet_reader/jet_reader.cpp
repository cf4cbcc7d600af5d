// vettora-jet-reader FILE: prints table FoodData of an Access (Jet) database in the
// format of jet_output_format.h. A damaged file may make a reader allocate or loop
// without end, so the program runs this in a process of its own, bounded in time,
// and gives up on it when it fails.

#include "jet_reader.h"

#include "jet_food_table.h"
#include "jet_output_format.h"

#include <cstdio>
#include <string>

namespace {

constexpr int max_records = 200;  // the food table holds no more

}  // namespace

int jet_reader::run(const std::vector<std::filesystem::path>& arguments)
{
    if (arguments.size() != 2) {
        std::fputs("usage: vettora-jet-reader FILE\n", stderr);
        return 2;
    }
    std::vector<jet_foods::record> records;
    if (const auto status = jet_foods::read(arguments[1], max_records, records); status != jet_foods::read_ok) return status;

    std::string out = jet_output::header;
    for (auto& record : records) {
        for (int f = 0; f < jet_output::field_count; ++f) {
            if (f > 0) out += '\t';
            jet_output::cut_to_field_length(record[f]);
            out += jet_output::escape(record[f].data(), record[f].size());
        }
        out += '\n';
    }
    out += jet_output::trailer + std::to_string(records.size()) + "\n";
    return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0 ? 0 : 5;
}
