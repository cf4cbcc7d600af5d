#pragma once

#include <cstddef>

// Bytes the C library's heap has handed out and not had back, all threads together; a
// file per system answers.
std::size_t 堆占用字节();
