#include "jet_helper_start.h"

#include <QProcess>

// On Linux the helper bounds itself as it starts (jet_reader_unix.cpp).
void 启动读取程序(QProcess& 进程, const QString& 读取程序, const QString& 路径)
{
    进程.start(读取程序, {路径}, QIODevice::ReadOnly);
}
