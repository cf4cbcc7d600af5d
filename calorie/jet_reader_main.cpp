// vettora-jet-reader FILE: prints table FoodData of an Access (Jet) database in the
// format of jet_output_format.h. A damaged file may make a reader allocate or loop
// without end, so the program runs this in a process of its own, bounded in time,
// and gives up on it when it fails.

#include "jet_food_table.h"
#include "jet_output_format.h"

#include <cstdio>
#include <string>

#ifdef __linux__
#include <sys/resource.h>
#endif
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

// AddressSanitizer reserves far more address space than the helper may have.
#if defined(__SANITIZE_ADDRESS__)
#define VETTORA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VETTORA_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

constexpr int max_records = 200;  // the food table holds no more

void limit_resources()
{
#ifdef __linux__
    // Fail fast instead of growing or spinning.
#ifndef VETTORA_ADDRESS_SANITIZER
    const rlimit memory{256UL * 1024 * 1024, 256UL * 1024 * 1024};
    setrlimit(RLIMIT_AS, &memory);
#endif
    const rlimit cpu{2, 2};
    setrlimit(RLIMIT_CPU, &cpu);
#endif
}

int run(const std::filesystem::path& file)
{
    limit_resources();
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);  // "\n" as written, not "\r\n"
#endif
    std::vector<jet_foods::record> records;
    if (const auto status = jet_foods::read(file, max_records, records); status != jet_foods::read_ok) return status;

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

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t* argv[])  // the file's name in full, whatever the system's code page
#else
int main(int argc, char* argv[])
#endif
{
    if (argc != 2) {
        std::fputs("usage: vettora-jet-reader FILE\n", stderr);
        return 2;
    }
    return run(argv[1]);
}
