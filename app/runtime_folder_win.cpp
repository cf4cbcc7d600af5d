#include "runtime_folder.h"

// Windows has no runtime folder for Qt to look for.
运行目录::运行目录() = default;
运行目录::~运行目录() = default;
void 运行目录::还原()
{
}
