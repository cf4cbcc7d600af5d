// The Jet reader helper's start on Linux: its memory and processor time bounded, so that
// a damaged file makes it fail fast instead of growing or spinning.

#include "jet_reader.h"

#include <sys/resource.h>

// AddressSanitizer reserves far more address space than the helper may have.
#if defined(__SANITIZE_ADDRESS__)
#define VETTORA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VETTORA_ADDRESS_SANITIZER 1
#endif
#endif

int main(int argc, char* argv[])
{
#ifndef VETTORA_ADDRESS_SANITIZER
    const rlimit memory{256UL * 1024 * 1024, 256UL * 1024 * 1024};
    setrlimit(RLIMIT_AS, &memory);
#endif
    const rlimit cpu{2, 2};
    setrlimit(RLIMIT_CPU, &cpu);
    return jet_reader::run(std::vector<std::filesystem::path>(argv, argv + argc));
}
