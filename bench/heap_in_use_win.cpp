#include "heap_in_use.h"

#include <windows.h>

#include <vector>

// The busy blocks of every heap of the process: the C runtime's malloc takes its blocks
// from them, as the system's own libraries do.
std::size_t 堆占用字节()
{
    std::vector<HANDLE> 堆(64);
    DWORD 个数 = GetProcessHeaps(static_cast<DWORD>(堆.size()), 堆.data());
    if (个数 > 堆.size()) {
        堆.resize(个数);
        个数 = GetProcessHeaps(个数, 堆.data());
    }
    std::size_t 字节 = 0;
    for (DWORD i = 0; i < 个数 && i < 堆.size(); ++i) {
        if (!HeapLock(堆[i])) continue;
        PROCESS_HEAP_ENTRY 项{};
        while (HeapWalk(堆[i], &项)) {
            if (项.wFlags & PROCESS_HEAP_ENTRY_BUSY) 字节 += 项.cbData;
        }
        HeapUnlock(堆[i]);
    }
    return 字节;
}
