#include "jet_file_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <set>

namespace jet_file {
namespace {

// Jet 4 page layout.
constexpr std::uint8_t data_page = 0x01;
constexpr std::uint8_t table_definition_page = 0x02;
constexpr std::size_t row_count_at = 12;   // data page: number of rows, then their offsets
constexpr std::size_t owner_at = 4;        // data page: the table definition it belongs to
constexpr std::uint16_t offset_mask = 0x1FFF;
constexpr std::uint16_t deleted_row = 0x4000;
constexpr std::uint32_t catalog_page = 2;  // MSysObjects
constexpr std::uint16_t table_object = 1;
constexpr std::size_t most_definition_pages = 64;
constexpr std::size_t most_memo_pages = 16;

enum column_type : std::uint8_t {
    boolean = 0x01, byte = 0x02, integer = 0x03, long_integer = 0x04, money = 0x05,
    single = 0x06, double_ = 0x07, date_time = 0x08, text = 0x0A, memo = 0x0C,
};

using page = std::array<std::uint8_t, page_size>;
using bytes = std::span<const std::uint8_t>;

template <typename T>
bool get(bytes b, std::size_t at, T& value)
{
    if (at > b.size() || b.size() - at < sizeof(T)) return false;
    std::memcpy(&value, b.data() + at, sizeof(T));  // the file is little-endian, as are the program's targets
    return true;
}

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

// A Jet 4 text: UTF-16LE, or "compressed" (FF FE, then runs of one-byte characters and
// of UTF-16 units, each 00 byte switching between the two).
std::string jet_text(bytes raw)
{
    raw = raw.first(std::min(raw.size(), text_limit));
    std::u16string units;
    if (raw.size() >= 2 && raw[0] == 0xFF && raw[1] == 0xFE) {
        bool one_byte = true;
        for (std::size_t i = 2; i < raw.size();) {
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

std::string folded(std::string_view name)
{
    std::string out(name);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

class reader {
public:
    reader(const page_source& source, std::uint32_t page_count) : m_source(source), m_page_count(page_count) {}

    bool read_page(std::uint32_t number, page& into) const
    {
        return number < m_page_count && m_source(number, into);
    }

    // The table definition that starts on page `first`: its pages joined, each after the first
    // without its 8-byte header.
    std::optional<definition> read_definition(std::uint32_t first) const
    {
        std::vector<std::uint8_t> joined;
        std::set<std::uint32_t> seen;
        page p;
        for (std::uint32_t number = first; number != 0; ) {
            if (seen.size() >= most_definition_pages || !seen.insert(number).second) return std::nullopt;
            if (!read_page(number, p) || p[0] != table_definition_page) return std::nullopt;
            joined.insert(joined.end(), p.begin() + (joined.empty() ? 0 : 8), p.end());
            if (!get(bytes(p), 4, number)) return std::nullopt;
        }
        return parse_definition(joined);
    }

    // Calls `row` with each live row of the table whose definition is on page `owner`, page by
    // page in file order, until it returns false.
    void rows(std::uint32_t owner, const std::function<bool(bytes row)>& row) const
    {
        page p;
        for (std::uint32_t number = 1; number < m_page_count; ++number) {
            if (!read_page(number, p) || p[0] != data_page) continue;
            std::uint32_t page_owner = 0;
            std::uint16_t count = 0;
            get(bytes(p), owner_at, page_owner);
            get(bytes(p), row_count_at, count);
            if (page_owner != owner) continue;
            count = static_cast<std::uint16_t>(std::min<std::size_t>(count, (page_size - row_count_at - 2) / 2));
            for (std::uint16_t r = 0; r < count; ++r) {
                const auto found = find_row(p, r);
                if (found && !row(*found)) return;
            }
        }
    }

    // A field of a row, as text; empty when NULL or not there.
    std::string field(const definition& table, bytes row, const column& wanted) const
    {
        std::uint16_t row_columns = 0;
        if (!get(row, 0, row_columns)) return {};
        const std::size_t mask_size = (row_columns + 7u) / 8u;
        if (mask_size + 2 > row.size()) return {};
        const bytes mask = row.last(mask_size);
        const auto present = [&](const column& c) {
            return c.number < row_columns && (mask[c.number / 8] >> (c.number % 8) & 1);
        };
        if (wanted.type == boolean) return present(wanted) ? "1" : "0";  // a yes/no field is its mask bit
        if (!present(wanted)) return {};

        std::uint16_t row_variable = 0;
        std::vector<std::uint16_t> variable_offsets;
        if (table.variable_columns > 0) {
            if (!get(row, row.size() - mask_size - 2, row_variable)) return {};
            if (mask_size + 3 + row_variable * 2u + 2 > row.size()) return {};
            variable_offsets.resize(row_variable + 1u);
            for (std::size_t i = 0; i <= row_variable; ++i) {
                get(row, row.size() - mask_size - 4 - i * 2, variable_offsets[i]);
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
                const std::size_t at = 2u + c.fixed_offset;
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
            return value_text(c.type, value);
        }
        return {};
    }

private:
    static std::optional<definition> parse_definition(bytes d)
    {
        std::uint16_t variable = 0, count = 0;
        std::uint32_t real_indexes = 0;
        if (!get(d, 43, variable) || !get(d, 45, count) || !get(d, 51, real_indexes)) return std::nullopt;
        if (real_indexes > d.size() / 12) return std::nullopt;
        std::size_t at = 63 + real_indexes * 12u;
        definition table;
        table.variable_columns = variable;
        for (std::uint16_t i = 0; i < count; ++i, at += 25) {
            column c;
            std::uint8_t flags = 0;
            if (!get(d, at, c.type) || !get(d, at + 5, c.number) || !get(d, at + 7, c.variable_number)
                || !get(d, at + 15, flags) || !get(d, at + 21, c.fixed_offset) || !get(d, at + 23, c.size)) {
                return std::nullopt;
            }
            c.fixed = flags & 0x01;
            table.columns.push_back(c);
        }
        for (column& c : table.columns) {  // then the names: a length in bytes and UTF-16LE
            std::uint16_t length = 0;
            if (!get(d, at, length) || d.size() - at - 2 < length) return std::nullopt;
            c.name = folded(jet_text(d.subspan(at + 2, length)));
            at += 2u + length;
        }
        std::stable_sort(table.columns.begin(), table.columns.end(),
                         [](const column& a, const column& b) { return a.number < b.number; });
        return table;
    }

    // Row r of a data page: from its offset to the offset of the row before it (rows are
    // stored from the end of the page backwards). Deleted rows are skipped.
    static std::optional<bytes> find_row(const page& p, std::uint16_t r)
    {
        std::uint16_t start = 0, end = page_size;
        get(bytes(p), row_count_at + 2 + r * 2u, start);
        if (r > 0) {
            get(bytes(p), row_count_at + r * 2u, end);
            end &= offset_mask;
        }
        if (start & deleted_row) return std::nullopt;
        start &= offset_mask;
        if (start >= end || end > page_size) return std::nullopt;
        return bytes(p).subspan(start, end - start);
    }

    std::string value_text(std::uint8_t type, bytes value) const
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
        case memo: return memo_text(value);
        default: return {};  // binary, OLE objects, numbers of other kinds: not texts of a food
        }
    }

    // A memo field: its length and flags, a pointer to a row, then the text itself when it
    // lies in the row; else in one row elsewhere, or a chain of rows each led by a pointer
    // to the next.
    std::string memo_text(bytes value) const
    {
        std::uint32_t length = 0, pointer = 0;
        if (!get(value, 0, length) || !get(value, 4, pointer)) return {};
        const std::size_t wanted = std::min<std::size_t>(length & 0x3FFFFFFF, text_limit);
        if (length & 0x80000000) {
            if (value.size() < 12) return {};
            const bytes inline_text = value.subspan(12);
            return jet_text(inline_text.first(std::min(wanted, inline_text.size())));
        }
        std::vector<std::uint8_t> joined;
        const bool single_row = length & 0x40000000;
        page p;
        for (std::size_t hops = 0; pointer != 0 && hops < most_memo_pages && joined.size() < wanted; ++hops) {
            if (!read_page(pointer >> 8, p) || p[0] != data_page) return {};
            std::uint16_t rows = 0;
            get(bytes(p), row_count_at, rows);
            if ((pointer & 0xFF) >= rows) return {};
            const auto row = find_row(p, static_cast<std::uint16_t>(pointer & 0xFF));
            if (!row) return {};
            bytes part = *row;
            if (single_row) {
                pointer = 0;
            } else if (!get(part, 0, pointer)) {
                return {};
            } else {
                part = part.subspan(4);
            }
            joined.insert(joined.end(), part.begin(), part.begin() + std::min(part.size(), wanted - joined.size()));
        }
        return jet_text(joined);
    }

    const page_source& m_source;
    std::uint32_t m_page_count;
};

const column* find_column(const definition& table, std::string_view name)
{
    const std::string wanted = folded(name);
    for (const column& c : table.columns) {
        if (c.name == wanted) return &c;
    }
    return nullptr;
}

}  // namespace

outcome read_table(const page_source& source, std::uint32_t page_count, std::string_view table,
                   std::span<const std::string_view> fields, std::size_t max_records,
                   std::vector<std::vector<std::string>>& records)
{
    records.clear();
    const reader file(source, page_count);
    page header;
    static constexpr char signature[] = "\x00\x01\x00\x00Standard Jet DB";
    if (!file.read_page(0, header) || std::memcmp(header.data(), signature, sizeof signature - 1) != 0
        || header[0x14] != 1) {
        return outcome::not_jet4;
    }

    // The catalog: a table's definition page is the low 24 bits of its Id.
    const auto catalog = file.read_definition(catalog_page);
    if (!catalog) return outcome::not_jet4;
    const column* id = find_column(*catalog, "Id");
    const column* name = find_column(*catalog, "Name");
    const column* type = find_column(*catalog, "Type");
    if (!id || !name || !type) return outcome::not_jet4;
    std::optional<std::uint32_t> first_page;
    file.rows(catalog_page, [&](bytes row) {
        if (file.field(*catalog, row, *type) != std::to_string(table_object)) return true;
        if (folded(file.field(*catalog, row, *name)) != folded(table)) return true;
        std::int32_t object = 0;
        const std::string id_text = file.field(*catalog, row, *id);
        std::from_chars(id_text.data(), id_text.data() + id_text.size(), object);
        first_page = static_cast<std::uint32_t>(object) & 0x00FFFFFF;
        return false;
    });
    if (!first_page) return outcome::no_table;
    const auto definition = file.read_definition(*first_page);
    if (!definition) return outcome::no_table;

    std::vector<const column*> wanted;
    for (std::string_view f : fields) wanted.push_back(find_column(*definition, f));
    file.rows(*first_page, [&](bytes row) {
        if (records.size() >= max_records) return false;
        auto& record = records.emplace_back();
        for (const column* c : wanted) record.push_back(c ? file.field(*definition, row, *c) : std::string());
        return records.size() < max_records;
    });
    return outcome::read;
}

page_source memory_pages(std::span<const std::uint8_t> bytes)
{
    return [bytes](std::uint32_t number, std::span<std::uint8_t, page_size> page) {
        const std::size_t at = std::size_t{number} * page_size;
        if (at >= bytes.size()) return false;
        const std::size_t n = std::min(page_size, bytes.size() - at);
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), n, page.begin());
        std::fill(page.begin() + static_cast<std::ptrdiff_t>(n), page.end(), std::uint8_t{0});
        return true;
    };
}

}  // namespace jet_file
