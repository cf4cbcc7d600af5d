#include "jet_pages.h"

#include "jet_values.h"

#include <algorithm>
#include <set>

namespace jet_file {
namespace {

// Bounds on chains of pages, against a damaged file's loops.
constexpr std::size_t most_definition_pages = 64;
constexpr std::size_t most_memo_pages = 16;

std::optional<definition> parse_definition(bytes d)
{
    std::uint16_t variable = 0, count = 0;
    std::uint32_t real_indexes = 0;
    if (!get(d, variable_column_count_at, variable) || !get(d, column_count_at, count)
        || !get(d, real_index_count_at, real_indexes)) {
        return std::nullopt;
    }
    if (real_indexes > d.size() / real_index_size) return std::nullopt;
    std::size_t at = real_indexes_at + real_indexes * real_index_size;
    definition table;
    table.variable_columns = variable;
    for (std::uint16_t i = 0; i < count; ++i, at += column_entry_size) {
        column c;
        std::uint8_t flags = 0;
        if (!get(d, at + column_type_at, c.type) || !get(d, at + column_number_at, c.number)
            || !get(d, at + column_variable_number_at, c.variable_number) || !get(d, at + column_flags_at, flags)
            || !get(d, at + column_fixed_offset_at, c.fixed_offset) || !get(d, at + column_size_at, c.size)) {
            return std::nullopt;
        }
        c.fixed = flags & fixed_length_flag;
        table.columns.push_back(c);
    }
    for (column& c : table.columns) {  // then the names
        std::uint16_t length = 0;
        if (!get(d, at, length) || d.size() - at - name_length_size < length) return std::nullopt;
        c.name = folded(jet_text(d.subspan(at + name_length_size, length)));
        at += name_length_size + length;
    }
    std::stable_sort(table.columns.begin(), table.columns.end(),
                     [](const column& a, const column& b) { return a.number < b.number; });
    return table;
}

// Row r of a data page: from its offset to the offset of the row before it (rows are
// stored from the end of the page backwards). Deleted rows are skipped.
std::optional<bytes> find_row(const page& p, std::uint16_t r)
{
    std::uint16_t start = 0, end = page_size;
    get(bytes(p), row_offsets_at + r * row_offset_size, start);
    if (r > 0) {
        get(bytes(p), row_offsets_at + (r - 1u) * row_offset_size, end);
        end &= offset_mask;
    }
    if (start & deleted_row) return std::nullopt;
    start &= offset_mask;
    if (start >= end || end > page_size) return std::nullopt;
    return bytes(p).subspan(start, end - start);
}

}  // namespace

bool reader::read_page(std::uint32_t number, page& into) const
{
    return number < m_page_count && m_source(number, into);
}

// The definition's pages joined, each after the first without its header.
std::optional<definition> reader::read_definition(std::uint32_t first) const
{
    std::vector<std::uint8_t> joined;
    std::set<std::uint32_t> seen;
    page p;
    for (std::uint32_t number = first; number != 0; ) {
        if (seen.size() >= most_definition_pages || !seen.insert(number).second) return std::nullopt;
        if (!read_page(number, p) || p[page_type_at] != table_definition_page) return std::nullopt;
        joined.insert(joined.end(), p.begin() + (joined.empty() ? 0 : definition_page_header), p.end());
        if (!get(bytes(p), next_definition_page_at, number)) return std::nullopt;
    }
    return parse_definition(joined);
}

void reader::rows(std::uint32_t owner, const std::function<bool(bytes row)>& row) const
{
    page p;
    for (std::uint32_t number = header_page + 1; number < m_page_count; ++number) {
        if (!read_page(number, p) || p[page_type_at] != data_page) continue;
        std::uint32_t page_owner = 0;
        std::uint16_t count = 0;
        get(bytes(p), owner_at, page_owner);
        get(bytes(p), row_count_at, count);
        if (page_owner != owner) continue;
        count = static_cast<std::uint16_t>(std::min<std::size_t>(count, (page_size - row_offsets_at) / row_offset_size));
        for (std::uint16_t r = 0; r < count; ++r) {
            const auto found = find_row(p, r);
            if (found && !row(*found)) return;
        }
    }
}

std::string reader::field(const definition& table, bytes row, const column& wanted) const
{
    std::uint16_t row_columns = 0;
    if (!get(row, 0, row_columns)) return {};
    const std::size_t mask_size = (row_columns + 7u) / 8u;
    if (mask_size + row_column_count_size > row.size()) return {};
    const bytes mask = row.last(mask_size);
    const auto present = [&](const column& c) {
        return c.number < row_columns && (mask[c.number / 8] >> (c.number % 8) & 1);
    };
    if (wanted.type == boolean) return present(wanted) ? "1" : "0";  // a yes/no field is its mask bit
    if (!present(wanted)) return {};

    std::uint16_t row_variable = 0;
    std::vector<std::uint16_t> variable_offsets;
    if (table.variable_columns > 0) {
        const std::size_t count_at = row.size() - mask_size - variable_count_size;
        if (!get(row, count_at, row_variable)) return {};
        // The offsets must fit before the count, with at least a byte before them.
        if (mask_size + variable_count_size + (row_variable + 1u) * variable_offset_size + 1 > row.size()) return {};
        variable_offsets.resize(row_variable + 1u);
        for (std::size_t i = 0; i <= row_variable; ++i) {
            get(row, count_at - (i + 1) * variable_offset_size, variable_offsets[i]);
        }
    }

    // Fixed-length fields lie in column order after the column count; a row written before a
    // column was added has fewer of them.
    const std::size_t row_fixed = row_columns > row_variable ? row_columns - row_variable : 0;
    std::size_t fixed_seen = 0;
    for (const column& c : table.columns) {
        bytes value;
        if (c.fixed && fixed_seen < row_fixed) {
            ++fixed_seen;
            if (&c != &wanted) continue;
            const std::size_t at = fixed_values_at + c.fixed_offset;
            if (at > row.size() || row.size() - at < c.size) return {};
            value = row.subspan(at, c.size);
        } else if (!c.fixed && c.variable_number < row_variable) {
            if (&c != &wanted) continue;
            const std::uint16_t from = variable_offsets[c.variable_number];
            const std::uint16_t to = variable_offsets[c.variable_number + 1u];
            if (from > to || to > row.size()) return {};
            value = row.subspan(from, to - from);
        } else {
            if (&c == &wanted) return {};
            continue;
        }
        return c.type == memo ? memo_text(value) : value_text(c.type, value);
    }
    return {};
}

// A memo's text: in its row, or in one row elsewhere, or in a chain of rows.
std::string reader::memo_text(bytes value) const
{
    std::uint32_t length = 0, pointer = 0;
    if (!get(value, memo_length_at, length) || !get(value, memo_pointer_at, pointer)) return {};
    const std::size_t wanted = std::min<std::size_t>(length & memo_length_mask, text_limit);
    if (length & memo_inline) {
        if (value.size() < memo_inline_text_at) return {};
        const bytes inline_text = value.subspan(memo_inline_text_at);
        return jet_text(inline_text.first(std::min(wanted, inline_text.size())));
    }
    std::vector<std::uint8_t> joined;
    const bool single_row = length & memo_in_one_row;
    page p;
    for (std::size_t hops = 0; pointer != 0 && hops < most_memo_pages && joined.size() < wanted; ++hops) {
        if (!read_page(pointer >> pointer_page_shift, p) || p[page_type_at] != data_page) return {};
        std::uint16_t rows = 0;
        get(bytes(p), row_count_at, rows);
        if ((pointer & pointer_row_mask) >= rows) return {};
        const auto row = find_row(p, static_cast<std::uint16_t>(pointer & pointer_row_mask));
        if (!row) return {};
        bytes part = *row;
        if (single_row) {
            pointer = 0;
        } else if (!get(part, 0, pointer)) {
            return {};
        } else {
            part = part.subspan(memo_next_pointer_size);
        }
        joined.insert(joined.end(), part.begin(), part.begin() + std::min(part.size(), wanted - joined.size()));
    }
    return jet_text(joined);
}

}  // namespace jet_file
