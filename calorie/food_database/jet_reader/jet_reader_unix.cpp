// The Jet reader helper's start on Linux: it bounds its own memory and processor time.

#include "jet_reader.h"
#include "jet_reader_limits.h"

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
    const rlimit memory{jet_reader::memory_limit, jet_reader::memory_limit};
    setrlimit(RLIMIT_AS, &memory);
#endif
    const rlimit cpu{jet_reader::processor_seconds, jet_reader::processor_seconds};
    setrlimit(RLIMIT_CPU, &cpu);
    return jet_reader::run(std::vector<std::filesystem::path>(argv, argv + argc));
}
