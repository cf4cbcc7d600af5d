// name_squatter, as another process of the machine would take a name first (tests only):
//   name_squatter list                       the abstract Unix socket names listening now
//   name_squatter hold NAME bound|listening [nobody]
// holds the abstract name NAME (without its "@"), bound or listening without ever
// answering, as the user nobody when asked (root only: else exit code 3), says "held" and
// waits to be ended.

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include <grp.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "list") == 0) {
        std::ifstream table("/proc/net/unix");
        std::string line;
        std::getline(table, line);
        while (std::getline(table, line)) {
            // Num RefCount Protocol Flags Type St Inode Path; flag 00010000 marks a listening socket.
            char flags[16] = {}, path[256] = {};
            if (std::sscanf(line.c_str(), "%*s %*s %*s %15s %*s %*s %*s %255s", flags, path) == 2
                && std::strcmp(flags, "00010000") == 0 && path[0] == '@') {
                std::puts(path + 1);
            }
        }
        return 0;
    }
    if (argc < 4 || std::strcmp(argv[1], "hold") != 0) {
        std::fputs("usage: name_squatter list | hold NAME bound|listening [nobody]\n", stderr);
        return 2;
    }
    if (argc > 4 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) return 3;
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t length = std::strlen(argv[2]);
    if (length + 1 > sizeof address.sun_path) return 2;
    std::memcpy(address.sun_path + 1, argv[2], length);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), offsetof(sockaddr_un, sun_path) + 1 + length) != 0) return 4;
    if (std::strcmp(argv[3], "listening") == 0 && listen(fd, 8) != 0) return 4;
    std::puts("held");
    std::fflush(stdout);
    for (;;) pause();
}
