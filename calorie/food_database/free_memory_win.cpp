#include "free_memory.h"

// Nothing to ask for on Windows: its heap decommits large free blocks by itself.
void 归还空闲内存() {}
