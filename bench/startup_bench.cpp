// Start-up benchmark: starts the program as a user would, and a bare 854 × 560 Qt window
// the same way, alternately, and measures the time from process start to the first
// paint of the window and the main process's peak memory. Prints the medians and the
// ratio of the program to the bare window; run it under a real X server.
//
// Usage: startup_bench PROGRAM BARE_WINDOW [RUNS]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct 测量 {
    double 首次绘制毫秒;
    double 峰值内存兆字节;
};

// VmHWM of a running process, in MiB.
double 峰值内存(qint64 进程号)
{
    QFile 状态(QStringLiteral("/proc/%1/status").arg(进程号));
    if (!状态.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& 行 : 状态.readAll().split('\n')) {
        if (行.startsWith("VmHWM:")) return static_cast<double>(行.mid(6).trimmed().split(' ').front().toLongLong()) / 1024.0;
    }
    return 0;
}

std::optional<测量> 运行一次(const QString& 程序, const QString& 运行目录)
{
    QProcess 进程;
    QProcessEnvironment 环境 = QProcessEnvironment::systemEnvironment();
    环境.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("vettora.startup.info=true"));
    环境.insert(QStringLiteral("XDG_RUNTIME_DIR"), 运行目录);
    进程.setProcessEnvironment(环境);
    进程.setProcessChannelMode(QProcess::SeparateChannels);
    进程.setReadChannel(QProcess::StandardError);  // where the milestones are logged
    // A process group of its own, so the web engine's helper processes end with it.
    进程.setChildProcessModifier([] { ::setpgid(0, 0); });

    QElapsedTimer 计时;
    计时.start();
    进程.start(程序, {});
    if (!进程.waitForStarted(10000)) return std::nullopt;
    QByteArray 错误输出;
    std::optional<double> 首次绘制;
    while (!首次绘制 && 计时.elapsed() < 30000 && 进程.state() == QProcess::Running) {
        if (进程.waitForReadyRead(100)) {
            错误输出 += 进程.readAllStandardError();
            if (错误输出.contains("first paint")) 首次绘制 = 计时.nsecsElapsed() / 1e6;
        }
    }
    if (!首次绘制) {
        std::fprintf(stderr, "%s: no first paint\n%s\n", qPrintable(程序), 错误输出.constData());
        return std::nullopt;
    }
    QThread::msleep(2000);  // the advert strip and its renderer are up by now
    const double 内存 = 峰值内存(进程.processId());
    ::kill(-static_cast<pid_t>(进程.processId()), SIGKILL);
    进程.waitForFinished(5000);
    QThread::msleep(500);  // let the machine settle before the next start
    return 测量{*首次绘制, 内存};
}

double 中位数(std::vector<double> 值)
{
    std::sort(值.begin(), 值.end());
    const std::size_t n = 值.size();
    return n % 2 ? 值[n / 2] : (值[n / 2 - 1] + 值[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication 程序(argc, argv);
    if (argc < 3) {
        std::fputs("usage: startup_bench PROGRAM BARE_WINDOW [RUNS]\n", stderr);
        return 2;
    }
    const QString 被测 = QString::fromLocal8Bit(argv[1]);
    const QString 基线 = QString::fromLocal8Bit(argv[2]);
    const int 次数 = std::max(argc > 3 ? std::atoi(argv[3]) : 10, 1);
    QTemporaryDir 运行目录;  // a runtime folder of its own, so no running copy of the program takes part

    std::vector<double> 程序绘制, 程序内存, 基线绘制, 基线内存;
    for (int i = 0; i < 次数; ++i) {
        const auto 空 = 运行一次(基线, 运行目录.path());
        const auto 满 = 运行一次(被测, 运行目录.path());
        if (!空 || !满) return 1;
        std::printf("run %2d: bare window %7.1f ms %6.1f MiB   program %7.1f ms %6.1f MiB\n", i + 1,
                    空->首次绘制毫秒, 空->峰值内存兆字节, 满->首次绘制毫秒, 满->峰值内存兆字节);
        基线绘制.push_back(空->首次绘制毫秒);
        基线内存.push_back(空->峰值内存兆字节);
        程序绘制.push_back(满->首次绘制毫秒);
        程序内存.push_back(满->峰值内存兆字节);
    }
    const double 空绘制 = 中位数(基线绘制), 满绘制 = 中位数(程序绘制);
    const double 空内存 = 中位数(基线内存), 满内存 = 中位数(程序内存);
    std::printf("\nmedians over %d runs:\n", 次数);
    std::printf("  first paint   bare window %7.1f ms   program %7.1f ms   ratio %.2f\n", 空绘制, 满绘制, 满绘制 / 空绘制);
    std::printf("  peak memory   bare window %7.1f MiB  program %7.1f MiB  ratio %.2f\n", 空内存, 满内存, 满内存 / 空内存);
    return 0;
}
