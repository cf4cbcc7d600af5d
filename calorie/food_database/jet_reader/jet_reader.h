#pragma once

// The Jet reader helper's work, the same on every system. Its start, with what the system
// asks of the process first, is a file per system: jet_reader_unix.cpp, jet_reader_win.cpp.

#include <filesystem>
#include <vector>

namespace jet_reader {

// Given the helper's command line, its own name first and then the file, prints the file's
// foods on standard output and returns the exit status.
int run(const std::vector<std::filesystem::path>& arguments);

}  // namespace jet_reader
