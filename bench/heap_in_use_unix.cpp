#include "heap_in_use.h"

#include <malloc.h>

// glibc sums every arena: small blocks in use and the large ones it maps on its own.
std::size_t 堆占用字节()
{
    const struct mallinfo2 信息 = mallinfo2();
    return 信息.uordblks + 信息.hblkhd;
}
