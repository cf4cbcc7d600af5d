#pragma once

// The program's own reader of Access 2000-2003 (Jet 4) files, for systems without
// libmdb: it finds a table in the file's catalog and reads its records' fields as
// UTF-8 texts. Plain C++, no library beyond the standard one.
//
// Every read is checked against the page it comes from, loops are bounded by the
// file's page count, and a text is read to at most text_limit bytes; a file that
// does not hold what a Jet 4 file holds gives no records, never a crash.

#include <cstdint>
#include <functional>
#include <string_view>
#include <span>
#include <string>
#include <vector>

namespace jet_file {

inline constexpr std::size_t page_size = 4096;
inline constexpr std::size_t text_limit = 4096;  // raw bytes of one field; the program keeps far fewer

// Fills a page-sized buffer with page `number` of the file; false when it cannot.
using page_source = std::function<bool(std::uint32_t number, std::span<std::uint8_t, page_size> page)>;

enum class outcome { read, no_table, not_jet4 };

// Reads the fields named `fields` (names compared without regard to case) of at most
// max_records records of table `table` into `records`, one text per field, empty when
// the table has no such field or the value is NULL.
outcome read_table(const page_source& source, std::uint32_t page_count, std::string_view table,
                   std::span<const std::string_view> fields, std::size_t max_records,
                   std::vector<std::vector<std::string>>& records);

// A page source over bytes in memory.
page_source memory_pages(std::span<const std::uint8_t> bytes);

}  // namespace jet_file
