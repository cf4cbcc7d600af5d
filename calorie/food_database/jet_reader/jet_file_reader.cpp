#include "jet_file_reader.h"

#include "jet_pages.h"
#include "jet_values.h"

#include <algorithm>
#include <charconv>

namespace jet_file {
namespace {

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
    if (!file.read_page(header_page, header) || std::memcmp(header.data(), jet_signature, sizeof jet_signature - 1) != 0
        || header[version_at] != jet4_version) {
        return outcome::not_jet4;
    }

    // The catalog: where each table's definition starts.
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
        first_page = static_cast<std::uint32_t>(object) & object_definition_page_mask;
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
