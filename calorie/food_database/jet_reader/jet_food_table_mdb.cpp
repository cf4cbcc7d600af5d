// The food records of an Access file through libmdb (mdbtools), which reads Jet 3,
// Jet 4 and ACE files.

#include "jet_food_table.h"
#include "jet_output_format.h"

#include <mdbtools.h>

#include <algorithm>

namespace jet_foods {

status read(const std::filesystem::path& path, int max_records, std::vector<record>& records)
{
    MdbHandle* mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
    if (!mdb) return not_readable;
    if (!mdb_read_catalog(mdb, MDB_TABLE)) {
        mdb_close(mdb);
        return not_readable;
    }
    MdbTableDef* table = mdb_read_table_by_name(mdb, const_cast<gchar*>("FoodData"), MDB_TABLE);
    if (!table || !mdb_read_columns(table)) {
        if (table) mdb_free_tabledef(table);
        mdb_close(mdb);
        return no_food_table;
    }
    mdb_rewind_table(table);

    // Bind each of the four fields that the table has; a missing one stays empty.
    std::vector<std::vector<char>> buffers(jet_output::field_count);
    std::vector<int> lengths(jet_output::field_count, 0);
    std::vector<bool> bound(jet_output::field_count, false);
    for (unsigned int i = 0; i < table->num_cols && i < table->columns->len; ++i) {
        const auto* column = static_cast<const MdbColumn*>(g_ptr_array_index(table->columns, i));
        for (int f = 0; f < jet_output::field_count; ++f) {
            if (!bound[f] && g_ascii_strcasecmp(column->name, jet_output::field_names[f]) == 0) {
                buffers[f].assign(MDB_BIND_SIZE + 1, '\0');
                mdb_bind_column(table, static_cast<int>(i) + 1, buffers[f].data(), &lengths[f]);
                bound[f] = true;
            }
        }
    }

    while (static_cast<int>(records.size()) < max_records && mdb_fetch_row(table)) {
        record& r = records.emplace_back();
        for (int f = 0; f < jet_output::field_count; ++f) {
            if (!bound[f]) continue;
            r[f].assign(buffers[f].data(), static_cast<std::size_t>(std::clamp(lengths[f], 0, MDB_BIND_SIZE)));
        }
    }
    mdb_free_tabledef(table);
    mdb_close(mdb);
    return read_ok;
}

}  // namespace jet_foods
