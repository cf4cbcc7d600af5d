#pragma once

// Hands back to the system the memory the C library keeps free for later use, where it
// keeps any: after a big read the program is no bigger than before. A file per system.
void 归还空闲内存();
