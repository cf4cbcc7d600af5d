// A stand-in for the setup program of a newer version, for the Windows end-to-end test
// only: it appends the path it runs from to the file named by VETTORA_FAKE_SETUP_LOG.

#include <windows.h>

#include <cstdio>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    wchar_t self[MAX_PATH];
    const wchar_t* log = _wgetenv(L"VETTORA_FAKE_SETUP_LOG");
    if (!log || !GetModuleFileNameW(nullptr, self, MAX_PATH)) return 1;
    if (std::FILE* file = _wfopen(log, L"ab")) {
        std::fprintf(file, "%ls\n", self);
        std::fclose(file);
    }
    return 0;
}
