// name_squatter, as another process of the machine would take a name first (tests only):
//   name_squatter list                  the named pipes there are now
//   name_squatter hold NAME listening   serves the pipe NAME first, and never answers;
// says "held" and waits to be ended. It cannot be another user ("nobody").

#include "product_identity.h"

#include <QCryptographicHash>
#include <QString>

#include <windows.h>

#include <sddl.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// Wine cannot list pipes. Then the launcher's is worked out as anyone can work it out,
// from what its maker made it of: the program's instance name, the user's SID and the
// session, and it is listed when it is there.
void list_launchers_pipe()
{
    HANDLE token = nullptr;
    DWORD length = 0, session = 0;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    GetTokenInformation(token, TokenUser, nullptr, 0, &length);
    std::string user(length, '\0');
    wchar_t* sid = nullptr;
    if (!GetTokenInformation(token, TokenUser, user.data(), length, &length)
        || !ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &sid)) {
        return;
    }
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    const QString key = QStringLiteral(VETTORA_INSTANCE_NAME "\n") + QString::fromWCharArray(sid) + QLatin1Char('\n')
        + QString::number(session);
    const QString name = QStringLiteral("vettora-")
        + QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
    const HANDLE pipe = CreateFileW((L"\\\\.\\pipe\\" + name.toStdWString()).c_str(), 0, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (pipe != INVALID_HANDLE_VALUE || GetLastError() == ERROR_PIPE_BUSY) std::printf("%s\n", qPrintable(name));
    if (pipe != INVALID_HANDLE_VALUE) CloseHandle(pipe);
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc == 2 && std::wcscmp(argv[1], L"list") == 0) {
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW(L"\\\\.\\pipe\\*", &found);
        if (search == INVALID_HANDLE_VALUE) {
            list_launchers_pipe();
            return 0;
        }
        do {
            std::printf("%ls\n", found.cFileName);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return 0;
    }
    if (argc == 5) return 3;  // no other user to be under Wine
    if (argc != 4 || std::wcscmp(argv[1], L"hold") != 0 || std::wcscmp(argv[3], L"listening") != 0) {
        std::fputs("usage: name_squatter list | hold NAME listening\n", stderr);
        return 2;
    }
    const std::wstring name = std::wstring(L"\\\\.\\pipe\\") + argv[2];
    const HANDLE pipe = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                         PIPE_TYPE_BYTE | PIPE_WAIT, PIPE_UNLIMITED_INSTANCES, 4096, 4096, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE) return 4;
    std::puts("held");
    std::fflush(stdout);
    for (;;) {
        ConnectNamedPipe(pipe, nullptr);  // takes a connection, and never reads or answers
        Sleep(INFINITE);
    }
}
