#pragma once

#include <cstddef>

// What the Jet reader helper may take, on every system: a damaged file makes it fail fast
// instead of growing or spinning. On Linux the helper sets these on itself; on Windows the
// program starts it in a job object that holds them.
namespace jet_reader {

inline constexpr std::size_t memory_limit = 256UL * 1024 * 1024;  // bytes of address space or commit
inline constexpr int processor_seconds = 2;

}  // namespace jet_reader
