// The Jet reader helper's start on Windows: wmain (linked with -municode) for the file's
// name in full, whatever the system's code page, and standard output in binary mode.

#include "jet_reader.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

int wmain(int argc, wchar_t* argv[])
{
    _setmode(_fileno(stdout), _O_BINARY);  // "\n" as written, not "\r\n"
    return jet_reader::run(std::vector<std::filesystem::path>(argv, argv + argc));
}
