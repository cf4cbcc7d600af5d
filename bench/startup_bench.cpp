// Start-up benchmark, run under a real X server. Each figure is given against a baseline
// measured in the same run:
//  - time from process start to the launcher's first paint, against a bare 854 × 560 Qt
//    window started the same way (alternately, medians);
//  - memory 10 s after start, as the proportional set size of the process and all its
//    children (web engine processes included), offline and online, against the same
//    program without its web view module; online, the advert server is this benchmark,
//    reached through a proxy on the loopback address, never the network;
//  - what each measure of the advert strip bought: the HEAD request before the engine
//    (offline: the engine is never started), drawing in software and Chromium's flags
//    (a minimal web engine window with OpenGL, drawn in software, and run as the strip
//    runs it).
// The Windows leg runs the Windows program and a bare window built the same way under
// Wine, through a launcher script: the first paint and the memory of each.
//
// Usage: startup_bench PROGRAM BARE_WINDOW WEB_WINDOW [RUNS [MEMORY_ROUNDS]]
//        startup_bench --windows LAUNCHER PROGRAM.exe BARE_WINDOW.exe [RUNS]

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int 内存测量毫秒 = 10000;

// The advert server, as a proxy: every request gets the small page, whatever its address.
class 广告服务 final {
public:
    bool 开始()
    {
        QObject::connect(&m_服务, &QTcpServer::newConnection, &m_服务, [this] {
            while (QTcpSocket* 连接 = m_服务.nextPendingConnection()) {
                QObject::connect(连接, &QTcpSocket::disconnected, 连接, &QObject::deleteLater);
                QObject::connect(连接, &QTcpSocket::readyRead, 连接, [连接] {
                    const bool 只要头 = 连接->readAll().startsWith("HEAD ");
                    static const QByteArray 页面 =
                        "<html><body style='margin:0;background:#9c6;font:bold 28px sans-serif'>"
                        "<a href='http://www.vettora.cn/' style='display:block;height:95px;color:#fff'>Vettora</a>"
                        "</body></html>";
                    连接->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: "
                                + QByteArray::number(页面.size()) + "\r\n\r\n" + (只要头 ? QByteArray() : 页面));
                    连接->disconnectFromHost();
                });
            }
        });
        return m_服务.listen(QHostAddress::LocalHost);
    }
    QString 地址() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_服务.serverPort()); }

private:
    QTcpServer m_服务;
};

void 等待(int 毫秒)
{
    QEventLoop 循环;
    QTimer::singleShot(毫秒, &循环, &QEventLoop::quit);
    循环.exec();
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
    double 千字节 = 0;
    for (auto 它 = 父进程.cbegin(); 它 != 父进程.cend(); ++它) {
        qint64 祖先 = 它.key();
        while (祖先 > 1 && 祖先 != 进程号) 祖先 = 父进程.value(祖先, 0);
        if (祖先 != 进程号) continue;
        QFile 汇总(QStringLiteral("/proc/%1/smaps_rollup").arg(它.key()));
        if (!汇总.open(QIODevice::ReadOnly)) continue;
        for (const QByteArray& 项 : 汇总.readAll().split('\n')) {
            if (项.startsWith("Pss:")) 千字节 += 项.mid(4).trimmed().split(' ').front().toDouble();
        }
    }
    return 千字节 / 1024.0;
}

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
    ::kill(-static_cast<pid_t>(进程->processId()), SIGKILL);
    进程->waitForFinished(5000);
    delete 进程;
    等待(500);  // let the machine settle before the next start
}

std::optional<double> 首次绘制(const QString& 程序, const QString& 运行目录, const QString& 代理,
                             const QStringList& 参数 = {})
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

double 内存(const QString& 程序, const QStringList& 参数, const QString& 运行目录, const QString& 代理)
{
    QProcess* 进程 = 启动(程序, 参数, 运行目录, 代理);
    等待(内存测量毫秒);
    const double 兆字节 = 总内存(进程->processId());
    结束(进程);
    return 兆字节;
}

double 中位数(std::vector<double> 值)
{
    std::sort(值.begin(), 值.end());
    const std::size_t n = 值.size();
    return n % 2 ? 值[n / 2] : (值[n / 2 - 1] + 值[n / 2]) / 2;
}

// The program and its data in a folder of their own, without the web view module.
QString 无模块副本(const QString& 程序, const QTemporaryDir& 目录)
{
    const QFileInfo 原(程序);
    const QString 副本 = 目录.filePath(QStringLiteral("vettora"));
    QDir().mkpath(目录.filePath(QStringLiteral("Data")));
    QFile::copy(程序, 副本);
    QFile::copy(原.dir().filePath(QStringLiteral("Data/FoodData.mdb")), 目录.filePath(QStringLiteral("Data/FoodData.mdb")));
    QFile::copy(原.dir().filePath(QStringLiteral("vettora-jet-reader")), 目录.filePath(QStringLiteral("vettora-jet-reader")));
    return 副本;
}

// The Windows program and the bare window, each started by the launcher (Wine): the first
// paint alternately, then the memory of each, 10 s after its start.
int Windows(const QString& 启动器, const QString& 被测, const QString& 基线, int 次数)
{
    QTemporaryDir 运行目录;
    const QString 离线 = QStringLiteral("http://127.0.0.1:9");
    std::vector<double> 程序绘制, 基线绘制, 程序内存, 基线内存;
    for (int i = 0; i < 次数; ++i) {
        const auto 空 = 首次绘制(启动器, 运行目录.path(), 离线, {基线});
        const auto 满 = 首次绘制(启动器, 运行目录.path(), 离线, {被测});
        if (!空 || !满) return 1;
        std::printf("first paint under Wine, run %2d: bare window %7.1f ms   program %7.1f ms\n", i + 1, *空, *满);
        基线绘制.push_back(*空);
        程序绘制.push_back(*满);
    }
    for (int i = 0; i < std::clamp(次数 / 4, 1, 3); ++i) {
        基线内存.push_back(内存(启动器, {基线}, 运行目录.path(), 离线));
        程序内存.push_back(内存(启动器, {被测}, 运行目录.path(), 离线));
        std::printf("memory under Wine, round %d: bare window %.1f MiB, program %.1f MiB\n", i + 1, 基线内存.back(),
                    程序内存.back());
    }
    const double 空绘制 = 中位数(基线绘制), 满绘制 = 中位数(程序绘制), 空内存 = 中位数(基线内存), 满内存 = 中位数(程序内存);
    std::printf("\nWindows program under Wine, medians (%d runs of the first paint):\n", 次数);
    std::printf("  first paint   bare window %7.1f ms    program %7.1f ms    ratio %.2f\n", 空绘制, 满绘制, 满绘制 / 空绘制);
    std::printf("  memory        bare window %7.1f MiB   program %7.1f MiB   ratio %.2f\n", 空内存, 满内存, 满内存 / 空内存);
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication 程序(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each run's line as it comes
    if (argc >= 5 && qstrcmp(argv[1], "--windows") == 0) {
        return Windows(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]),
                       std::max(argc > 5 ? std::atoi(argv[5]) : 10, 1));
    }
    if (argc < 4) {
        std::fputs("usage: startup_bench PROGRAM BARE_WINDOW WEB_WINDOW [RUNS [MEMORY_ROUNDS]]\n", stderr);
        return 2;
    }
    const QString 被测 = QString::fromLocal8Bit(argv[1]);
    const QString 基线 = QString::fromLocal8Bit(argv[2]);
    const QString 网页窗口 = QString::fromLocal8Bit(argv[3]);
    const int 次数 = std::max(argc > 4 ? std::atoi(argv[4]) : 10, 1);
    QTemporaryDir 运行目录;  // a runtime folder of its own, so no running copy of the program takes part
    QTemporaryDir 副本目录;
    const QString 无模块 = 无模块副本(被测, 副本目录);
    广告服务 服务;
    if (!服务.开始()) return 1;
    const QString 离线 = QStringLiteral("http://127.0.0.1:9");
    const QString 在线 = 服务.地址();

    std::vector<double> 程序绘制, 基线绘制;
    for (int i = 0; i < 次数; ++i) {
        const auto 空 = 首次绘制(基线, 运行目录.path(), 离线);
        const auto 满 = 首次绘制(被测, 运行目录.path(), 离线);
        if (!空 || !满) return 1;
        std::printf("first paint, run %2d: bare window %7.1f ms   program %7.1f ms\n", i + 1, *空, *满);
        基线绘制.push_back(*空);
        程序绘制.push_back(*满);
    }

    // Memory moves little from run to run: a few rounds of each case, alternately.
    const int 内存次数 = argc > 5 ? std::max(std::atoi(argv[5]), 0) : std::clamp(次数 / 4, 1, 3);
    std::vector<double> 无模块内存, 离线内存, 在线内存, 网页GL, 网页软件, 网页条;
    for (int i = 0; i < 内存次数; ++i) {
        无模块内存.push_back(内存(无模块, {}, 运行目录.path(), 离线));
        离线内存.push_back(内存(被测, {}, 运行目录.path(), 离线));
        在线内存.push_back(内存(被测, {}, 运行目录.path(), 在线));
        for (auto [方式, 值表] : {std::pair{"opengl", &网页GL}, {"software", &网页软件}, {"strip", &网页条}}) {
            值表->push_back(内存(网页窗口, {QStringLiteral("http://www.vettora.cn/"), QString::fromLatin1(方式)},
                                 运行目录.path(), 在线));
        }
        std::printf("memory, round %d: without module %.1f MiB, offline %.1f MiB, online %.1f MiB; "
                    "web window: OpenGL %.1f MiB, software %.1f MiB, as the strip %.1f MiB\n",
                    i + 1, 无模块内存.back(), 离线内存.back(), 在线内存.back(), 网页GL.back(), 网页软件.back(),
                    网页条.back());
    }

    const double 空绘制 = 中位数(基线绘制), 满绘制 = 中位数(程序绘制);
    if (内存次数 == 0) {
        std::printf("\nfirst paint, median of %d runs: bare window %.1f ms, program %.1f ms, ratio %.2f\n", 次数, 空绘制,
                    满绘制, 满绘制 / 空绘制);
        return 0;
    }
    const double 基准内存 = 中位数(无模块内存), 离线值 = 中位数(离线内存), 在线值 = 中位数(在线内存);
    const double GL值 = 中位数(网页GL), 软件值 = 中位数(网页软件), 条值 = 中位数(网页条);
    std::printf("\nmedians (%d runs of the first paint, %d of memory):\n", 次数, 内存次数);
    std::printf("  first paint      bare window %7.1f ms    program %7.1f ms    ratio %.2f (goal <= 1.20)\n", 空绘制,
                满绘制, 满绘制 / 空绘制);
    std::printf("  memory offline   without module %6.1f MiB  program %6.1f MiB   ratio %.2f (goal <= 1.15)\n", 基准内存,
                离线值, 离线值 / 基准内存);
    std::printf("  memory online    without module %6.1f MiB  program %6.1f MiB   ratio %.2f (goal <= 210 MB = %.1f MiB)\n",
                基准内存, 在线值, 在线值 / 基准内存, 210e6 / 1048576.0);
    std::printf("\nwhat each measure bought:\n");
    std::printf("  the HEAD request before the engine: offline the engine never starts, %.1f MiB less than "
                "with a page (%.1f against %.1f MiB)\n", 在线值 - 离线值, 离线值, 在线值);
    std::printf("  software drawing (Qt Quick software, Chromium --disable-gpu): a web engine window %.1f MiB "
                "against %.1f MiB with OpenGL, %.1f MiB less; it also keeps the launcher's native window\n",
                软件值, GL值, GL值 - 软件值);
    std::printf("  no unsandboxed zygote (--no-unsandboxed-zygote): %.1f MiB against %.1f MiB, %.1f MiB less\n", 条值,
                软件值, 软件值 - 条值);
    return 0;
}
