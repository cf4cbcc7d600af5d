#pragma once

// Measuring a started program from outside, for the start-up benchmark: its first paint
// as it reports it, and its memory some seconds after its start, as Linux tells it (/proc).

#include <QProcess>
#include <QString>
#include <QStringList>

#include <optional>

// Runs the event loop for 毫秒 milliseconds.
void 等待(int 毫秒);

// Starts 程序 with the benchmark's environment: the startup log on, the runtime folder
// and the advert proxy given, in a process group of its own.
QProcess* 启动(const QString& 程序, const QStringList& 参数, const QString& 运行目录, const QString& 代理);

// Ends the process and its children, and lets the machine settle.
void 结束(QProcess* 进程);

// Milliseconds from the start to the "first paint" line; nothing when it never came.
std::optional<double> 首次绘制(const QString& 程序, const QString& 运行目录, const QString& 代理,
                             const QStringList& 参数 = {});

struct 内存值 {
    double 总 = 0;     // proportional set size of the process and its children, MiB
    double 峰值 = 0;   // peak resident memory of the process, MiB
};

// The memory ten seconds after the start.
内存值 内存(const QString& 程序, const QStringList& 参数, const QString& 运行目录, const QString& 代理);
