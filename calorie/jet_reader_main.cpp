// vettora-jet-reader FILE: prints table FoodData of an Access (Jet) database in the
// format of jet_output_format.h. libmdb is not hardened against damaged files, so
// the program runs this in a process of its own and gives up on it when it fails.

#include "jet_output_format.h"

#include <mdbtools.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef __linux__
#include <sys/resource.h>
#endif

namespace {

constexpr int max_records = 200;  // the food table holds no more

void limit_resources()
{
#ifdef __linux__
    // A damaged file can make libmdb allocate or loop without end: fail fast instead.
#ifndef __SANITIZE_ADDRESS__  // AddressSanitizer reserves far more address space than this
    const rlimit memory{1024UL * 1024 * 1024, 1024UL * 1024 * 1024};
    setrlimit(RLIMIT_AS, &memory);
#endif
    const rlimit cpu{5, 5};
    setrlimit(RLIMIT_CPU, &cpu);
#endif
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: vettora-jet-reader FILE\n", stderr);
        return 2;
    }
    limit_resources();

    MdbHandle* mdb = mdb_open(argv[1], MDB_NOFLAGS);
    if (!mdb) return 3;
    if (!mdb_read_catalog(mdb, MDB_TABLE)) {
        mdb_close(mdb);
        return 3;
    }
    MdbTableDef* table = mdb_read_table_by_name(mdb, const_cast<gchar*>("FoodData"), MDB_TABLE);
    if (!table) {
        mdb_close(mdb);
        return 4;
    }
    if (!mdb_read_columns(table)) {
        mdb_free_tabledef(table);
        mdb_close(mdb);
        return 4;
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

    std::string out = jet_output::header;
    int records = 0;
    while (records < max_records && mdb_fetch_row(table)) {
        for (int f = 0; f < jet_output::field_count; ++f) {
            if (f > 0) out += '\t';
            if (!bound[f]) continue;
            const int length = lengths[f] < 0 ? 0 : (lengths[f] > MDB_BIND_SIZE ? MDB_BIND_SIZE : lengths[f]);
            out += jet_output::escape(buffers[f].data(), static_cast<std::size_t>(length));
        }
        out += '\n';
        ++records;
    }
    out += jet_output::trailer + std::to_string(records) + "\n";

    mdb_free_tabledef(table);
    mdb_close(mdb);
    return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0 ? 0 : 5;
}
