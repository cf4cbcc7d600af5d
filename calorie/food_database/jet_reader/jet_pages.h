#pragma once

// The pages of a Jet 4 file as the program's own reader walks them: a table's definition,
// the live rows of its data pages, and a row's fields as texts.

#include "jet_layout.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace jet_file {

using page = std::array<std::uint8_t, page_size>;

struct column {
    std::uint8_t type = 0;
    std::uint16_t number = 0;           // its bit in a row's NULL mask
    std::uint16_t variable_number = 0;  // its place among a row's variable-length fields
    std::uint16_t fixed_offset = 0;
    std::uint16_t size = 0;
    bool fixed = false;
    std::string name;                   // ASCII letters folded to lower case
};

struct definition {
    std::vector<column> columns;  // by number
    std::uint16_t variable_columns = 0;
};

class reader {
public:
    reader(const page_source& source, std::uint32_t page_count) : m_source(source), m_page_count(page_count) {}

    bool read_page(std::uint32_t number, page& into) const;

    // The table definition that starts on page `first`.
    std::optional<definition> read_definition(std::uint32_t first) const;

    // Calls `row` with each live row of the table whose definition is on page `owner`, page by
    // page in file order, until it returns false.
    void rows(std::uint32_t owner, const std::function<bool(bytes row)>& row) const;

    // A field of a row, as text; empty when NULL or not there.
    std::string field(const definition& table, bytes row, const column& wanted) const;

private:
    std::string memo_text(bytes value) const;

    const page_source& m_source;
    std::uint32_t m_page_count;
};

}  // namespace jet_file
