// A stand-in for the updater library, for tests only: each call of DoUpdate appends its
// argument as a line to the file named by VETTORA_FAKE_UPDATER_LOG.

#include <cstdio>
#include <cstdlib>

extern "C" long DoUpdate(const char* address)
{
    if (const char* log = std::getenv("VETTORA_FAKE_UPDATER_LOG")) {
        if (std::FILE* file = std::fopen(log, "ab")) {
            std::fprintf(file, "%s\n", address);
            std::fclose(file);
        }
    }
    return 1;
}
