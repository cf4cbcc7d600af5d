#include "process_measures_linux.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

void 等待(int 毫秒)
{
    QEventLoop 循环;
    QTimer::singleShot(毫秒, &循环, &QEventLoop::quit);
    循环.exec();
}

namespace {

constexpr int 内存测量毫秒 = 10000;

// A figure that cannot be read ends the benchmark: a guessed one would make a ratio.
[[noreturn]] void 测不到(const QString& 什么)
{
    std::fprintf(stderr, "memory: %s\n", qPrintable(什么));
    std::exit(1);
}

// The number of a "Name:   1234 kB" line of /proc.
double 千字节(const QByteArray& 行)
{
    bool 好 = false;
    const double 值 = 行.mid(行.indexOf(':') + 1).trimmed().split(' ').front().toDouble(&好);
    if (!好) 测不到(QStringLiteral("unreadable line \"%1\"").arg(QString::fromLatin1(行)));
    return 值;
}

// Proportional set size of a process and all its descendants, in MiB.
double 总内存(qint64 进程号)
{
    QHash<qint64, qint64> 父进程;
    for (const QString& 号 : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile 状态(QStringLiteral("/proc/%1/stat").arg(号));
        if (!状态.open(QIODevice::ReadOnly)) continue;
        const QByteArray 行 = 状态.readAll();
        const QList<QByteArray> 字段 = 行.mid(行.lastIndexOf(')') + 2).split(' ');
        if (字段.size() > 1) 父进程.insert(号.toLongLong(), 字段[1].toLongLong());
    }
    double 总数 = 0;
    for (auto 它 = 父进程.cbegin(); 它 != 父进程.cend(); ++它) {
        qint64 祖先 = 它.key();
        while (祖先 > 1 && 祖先 != 进程号) 祖先 = 父进程.value(祖先, 0);
        if (祖先 != 进程号) continue;
        QFile 汇总(QStringLiteral("/proc/%1/smaps_rollup").arg(它.key()));
        if (!汇总.open(QIODevice::ReadOnly)) {
            if (它.key() == 进程号) 测不到(QStringLiteral("no %1").arg(汇总.fileName()));
            continue;  // a helper process that ended meanwhile
        }
        for (const QByteArray& 项 : 汇总.readAll().split('\n')) {
            if (项.startsWith("Pss:")) 总数 += 千字节(项);
        }
    }
    return 总数 / 1024.0;
}

// The peak resident memory of a process, in MiB.
double 峰值内存(qint64 进程号)
{
    QFile 状态(QStringLiteral("/proc/%1/status").arg(进程号));
    if (!状态.open(QIODevice::ReadOnly)) 测不到(QStringLiteral("no %1").arg(状态.fileName()));
    for (const QByteArray& 行 : 状态.readAll().split('\n')) {
        if (行.startsWith("VmHWM:")) return 千字节(行) / 1024.0;
    }
    测不到(QStringLiteral("no peak memory in %1").arg(状态.fileName()));
}

}  // namespace

QProcess* 启动(const QString& 程序, const QStringList& 参数, const QString& 运行目录, const QString& 代理)
{
    auto* 进程 = new QProcess;
    QProcessEnvironment 环境 = QProcessEnvironment::systemEnvironment();
    环境.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("vettora.startup.info=true"));
    环境.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));  // not the debugger, on Windows
    环境.insert(QStringLiteral("XDG_RUNTIME_DIR"), 运行目录);
    // Both the program's HEAD request and Chromium go through the proxy; offline it is an
    // address where nothing listens.
    环境.insert(QStringLiteral("http_proxy"), 代理);
    环境.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"),
                (环境.value(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS")) + QStringLiteral(" --proxy-server=") + 代理)
                    .trimmed());
    进程->setProcessEnvironment(环境);
    进程->setProcessChannelMode(QProcess::SeparateChannels);
    进程->setReadChannel(QProcess::StandardError);  // where the milestones are logged
    // A process group of its own, so the web engine's helper processes end with it.
    进程->setChildProcessModifier([] { ::setpgid(0, 0); });
    进程->start(程序, 参数);
    return 进程;
}

void 结束(QProcess* 进程)
{
    // A process that never started or has ended has the id 0, and a group of 0 is our own.
    if (const qint64 号 = 进程->processId(); 号 > 0) ::kill(-static_cast<pid_t>(号), SIGKILL);
    进程->waitForFinished(5000);
    delete 进程;
    等待(500);  // let the machine settle before the next start
}

std::optional<double> 首次绘制(const QString& 程序, const QString& 运行目录, const QString& 代理,
                             const QStringList& 参数)
{
    QElapsedTimer 计时;
    计时.start();
    QProcess* 进程 = 启动(程序, 参数, 运行目录, 代理);
    QByteArray 错误输出;
    std::optional<double> 毫秒;
    while (!毫秒 && 计时.elapsed() < 30000 && 进程->state() != QProcess::NotRunning) {
        if (进程->waitForReadyRead(100)) {
            错误输出 += 进程->readAllStandardError();
            if (错误输出.contains("first paint")) 毫秒 = static_cast<double>(计时.nsecsElapsed()) / 1e6;
        }
    }
    if (!毫秒) std::fprintf(stderr, "%s: no first paint\n%s\n", qPrintable(程序), 错误输出.constData());
    结束(进程);
    return 毫秒;
}

内存值 内存(const QString& 程序, const QStringList& 参数, const QString& 运行目录, const QString& 代理)
{
    QProcess* 进程 = 启动(程序, 参数, 运行目录, 代理);
    等待(内存测量毫秒);
    const 内存值 值{总内存(进程->processId()), 峰值内存(进程->processId())};
    结束(进程);
    return 值;
}

