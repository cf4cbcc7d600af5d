#pragma once

#include <QString>

class QProcess;

// Starts the Jet reader helper on 路径, for its standard output, bounded as jet_reader_limits.h
// says. A file per system.
void 启动读取程序(QProcess& 进程, const QString& 读取程序, const QString& 路径);
