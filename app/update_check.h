#pragma once

#include <QString>

// The updater library beside the program (Update.dll, libUpdate.so elsewhere) and its
// one entry DoUpdate, which takes the update list's address as a NUL-terminated string
// in the local 8-bit encoding. Whatever updating involves happens inside the library.
namespace modUpdate {

QString 更新库路径(const QString& 文件夹);

// Loads the library from 文件夹 only, by absolute path, and calls DoUpdate with 地址,
// waiting for it to return; its result is not used. Without the library or its entry
// nothing is called. Returns whether DoUpdate was called.
bool DoUpdate(const QString& 地址, const QString& 文件夹);

}  // namespace modUpdate
