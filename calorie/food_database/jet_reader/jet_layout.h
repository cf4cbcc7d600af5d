#pragma once

// Where things lie in an Access 2000-2003 (Jet 4) file, for the program's own reader of
// them (jet_file_reader.h), and the checked read of a value at an offset. Offsets count
// bytes from the start of the page, row or entry named; values are little-endian.

#include "jet_file_reader.h"

#include <cstring>
#include <span>

namespace jet_file {

using bytes = std::span<const std::uint8_t>;

// Reads a T at offset `at` of `b`; false when it does not lie whole within.
template <typename T>
bool get(bytes b, std::size_t at, T& value)
{
    if (at > b.size() || b.size() - at < sizeof(T)) return false;
    std::memcpy(&value, b.data() + at, sizeof(T));  // the file is little-endian, as are the program's targets
    return true;
}

// Every page: what kind of page it is, in its first byte.
inline constexpr std::size_t page_type_at = 0;
inline constexpr std::uint8_t data_page = 0x01;
inline constexpr std::uint8_t table_definition_page = 0x02;

// Page 0, the file's header: a signature, then the version of the format.
inline constexpr std::uint32_t header_page = 0;
inline constexpr char jet_signature[] = "\x00\x01\x00\x00Standard Jet DB";
inline constexpr std::size_t version_at = 0x14;
inline constexpr std::uint8_t jet4_version = 1;  // 0 is Jet 3, 2 and later ACE

// A data page: the page where the definition of the table it belongs to starts, its number
// of rows, then the rows' offsets, each in the low 13 bits of 2 bytes with flags above.
inline constexpr std::size_t owner_at = 4;
inline constexpr std::size_t row_count_at = 12;
inline constexpr std::size_t row_offsets_at = 14;
inline constexpr std::size_t row_offset_size = 2;
inline constexpr std::uint16_t offset_mask = 0x1FFF;
inline constexpr std::uint16_t deleted_row = 0x4000;

// A row pointer, as memo fields hold them: the page number above 8 bits of row number.
inline constexpr unsigned pointer_page_shift = 8;
inline constexpr std::uint32_t pointer_row_mask = 0xFF;

// A table definition page: the next page of the same definition (0 after the last). A page
// after the first goes on with the definition after its 8-byte header.
inline constexpr std::size_t next_definition_page_at = 4;
inline constexpr std::size_t definition_page_header = 8;

// A table definition, its pages joined: the number of variable-length columns, of columns
// and of real indexes; from real_indexes_at an entry per real index, then an entry per
// column, then the columns' names, each a 2-byte length in bytes and the name's text.
inline constexpr std::size_t variable_column_count_at = 43;
inline constexpr std::size_t column_count_at = 45;
inline constexpr std::size_t real_index_count_at = 51;
inline constexpr std::size_t real_indexes_at = 63;
inline constexpr std::size_t real_index_size = 12;
inline constexpr std::size_t column_entry_size = 25;
inline constexpr std::size_t name_length_size = 2;

// A column entry: the column's type, its number (its bit in a row's NULL mask), its place
// among the variable-length columns, its flags, where its value lies among the fixed-length
// ones, and its size.
inline constexpr std::size_t column_type_at = 0;
inline constexpr std::size_t column_number_at = 5;
inline constexpr std::size_t column_variable_number_at = 7;
inline constexpr std::size_t column_flags_at = 15;
inline constexpr std::size_t column_fixed_offset_at = 21;
inline constexpr std::size_t column_size_at = 23;
inline constexpr std::uint8_t fixed_length_flag = 0x01;

enum column_type : std::uint8_t {
    boolean = 0x01, byte = 0x02, integer = 0x03, long_integer = 0x04, money = 0x05,
    single = 0x06, double_ = 0x07, date_time = 0x08, text = 0x0A, memo = 0x0C,
};

// A row: its number of columns, then the fixed-length values. At its end, backwards: the
// NULL mask (a bit per column, set where the value is there), the number of variable-length
// values, and one offset more than that number (a value ends where the next begins).
inline constexpr std::size_t row_column_count_size = 2;
inline constexpr std::size_t fixed_values_at = row_column_count_size;
inline constexpr std::size_t variable_count_size = 2;
inline constexpr std::size_t variable_offset_size = 2;

// A memo value: the text's length with two flags in its top bits, a pointer to the row the
// text lies in, and from memo_inline_text_at the text itself when it lies in this row. Else
// it fills one row, or a chain of rows each of which starts with the pointer to the next.
inline constexpr std::size_t memo_length_at = 0;
inline constexpr std::size_t memo_pointer_at = 4;
inline constexpr std::size_t memo_inline_text_at = 12;
inline constexpr std::uint32_t memo_length_mask = 0x3FFFFFFF;
inline constexpr std::uint32_t memo_inline = 0x80000000;
inline constexpr std::uint32_t memo_in_one_row = 0x40000000;
inline constexpr std::size_t memo_next_pointer_size = 4;

// The catalog (MSysObjects), whose definition starts on page 2: a table's row there has
// Type 1, and the low 24 bits of its Id are the page its definition starts on.
inline constexpr std::uint32_t catalog_page = 2;
inline constexpr std::uint16_t table_object = 1;
inline constexpr std::uint32_t object_definition_page_mask = 0x00FFFFFF;

// A "compressed" text starts with these two bytes (a plain one is UTF-16LE).
inline constexpr std::uint8_t compressed_text_mark[] = {0xFF, 0xFE};

}  // namespace jet_file
