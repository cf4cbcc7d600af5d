// Start-up benchmark, run under a real X server. Each figure is given against a baseline
// measured in the same run:
//  - time from process start to the launcher's first paint, against a bare 854 × 560 Qt
//    window and against the same window with one line of Chinese text, started the same
//    way (alternately, medians);
//  - the peak resident memory 10 s after start, against the window with text;
//  - memory 10 s after start, as the proportional set size of the process and all its
//    children (web engine processes included), offline and online, against the same
//    program without its web view module; online, the advert server is this benchmark,
//    reached through a proxy on the loopback address, never the network;
//  - what each measure of the advert strip bought: the HEAD request before the engine
//    (offline: the engine is never started), drawing in software and Chromium's flags
//    (a minimal web engine window with OpenGL, drawn in software, and run as the strip
//    runs it).
// The Windows leg runs the Windows program and the two baseline windows built the same way
// under Wine, through a launcher script: the first paint and the memory of each.
//
// Two builds of the program compared: the text window and both builds started alternately
// (the builds taking turns at going first), the first paint of each, and the difference
// between the two builds run by run, as a change of a millisecond or two only shows
// against the spread of single starts that way.
//
// Usage: startup_bench PROGRAM BARE_WINDOW WEB_WINDOW [RUNS [MEMORY_ROUNDS]]
//        startup_bench --windows LAUNCHER PROGRAM.exe BARE_WINDOW.exe [RUNS]
//        startup_bench --against BEFORE PROGRAM BARE_WINDOW [RUNS]

#include "process_measures_linux.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

// Offline: a proxy on a port where nothing listens, so no request leaves the machine.
const QString 离线 = QStringLiteral("http://127.0.0.1:9");

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
    std::vector<double> 程序绘制, 基线绘制, 文字绘制, 程序内存, 基线内存;
    for (int i = 0; i < 次数; ++i) {
        const auto 空 = 首次绘制(启动器, 运行目录.path(), 离线, {基线});
        const auto 字 = 首次绘制(启动器, 运行目录.path(), 离线, {基线, QStringLiteral("text")});
        const auto 满 = 首次绘制(启动器, 运行目录.path(), 离线, {被测});
        if (!空 || !字 || !满) return 1;
        std::printf("first paint under Wine, run %2d: bare window %7.1f ms   text window %7.1f ms   program %7.1f ms\n",
                    i + 1, *空, *字, *满);
        基线绘制.push_back(*空);
        文字绘制.push_back(*字);
        程序绘制.push_back(*满);
    }
    for (int i = 0; i < std::clamp(次数 / 4, 1, 3); ++i) {
        基线内存.push_back(内存(启动器, {基线}, 运行目录.path(), 离线).总);
        程序内存.push_back(内存(启动器, {被测}, 运行目录.path(), 离线).总);
        std::printf("memory under Wine, round %d: bare window %.1f MiB, program %.1f MiB\n", i + 1, 基线内存.back(),
                    程序内存.back());
    }
    const double 空绘制 = 中位数(基线绘制), 字绘制 = 中位数(文字绘制), 满绘制 = 中位数(程序绘制);
    const double 空内存 = 中位数(基线内存), 满内存 = 中位数(程序内存);
    std::printf("\nWindows program under Wine, medians (%d runs of the first paint):\n", 次数);
    std::printf("  first paint   bare window %7.1f ms    program %7.1f ms    ratio %.2f\n", 空绘制, 满绘制, 满绘制 / 空绘制);
    std::printf("                text window %7.1f ms    program %7.1f ms    ratio %.2f (goal <= 1.20)\n", 字绘制, 满绘制,
                满绘制 / 字绘制);
    std::printf("  memory        bare window %7.1f MiB   program %7.1f MiB   ratio %.2f\n", 空内存, 满内存, 满内存 / 空内存);
    return 0;
}

// The lower quartile, the median and the upper quartile.
std::array<double, 3> 四分位(std::vector<double> 值)
{
    std::sort(值.begin(), 值.end());
    const auto 分位 = [&值](double p) { return 值[static_cast<std::size_t>(p * static_cast<double>(值.size() - 1) + 0.5)]; };
    return {分位(0.25), 中位数(值), 分位(0.75)};
}

int 对照(const QString& 之前, const QString& 被测, const QString& 基线, int 次数)
{
    QTemporaryDir 运行目录;
    std::vector<double> 文字绘制, 之前绘制, 被测绘制, 差;
    for (int i = 0; i < 次数; ++i) {
        const auto 字 = 首次绘制(基线, 运行目录.path(), 离线, {QStringLiteral("text")});
        // The two builds take turns at going first, as the second start finds more of what
        // they share still in memory.
        std::optional<double> 前, 后;
        if (i % 2 == 0) 前 = 首次绘制(之前, 运行目录.path(), 离线);
        后 = 首次绘制(被测, 运行目录.path(), 离线);
        if (i % 2 == 1) 前 = 首次绘制(之前, 运行目录.path(), 离线);
        if (!字 || !前 || !后) return 1;
        std::printf("first paint, run %3d: text window %7.1f ms   before %7.1f ms   program %7.1f ms\n", i + 1, *字, *前,
                    *后);
        文字绘制.push_back(*字);
        之前绘制.push_back(*前);
        被测绘制.push_back(*后);
        差.push_back(*后 - *前);
    }
    const double 字 = 中位数(文字绘制);
    std::printf("\nfirst paint, %d runs: median (quartiles), ratio to the text window's median\n", 次数);
    for (const auto& [名, 值] : {std::pair{"text window", &文字绘制}, {"before     ", &之前绘制}, {"program    ", &被测绘制}}) {
        const auto [下, 中, 上] = 四分位(*值);
        std::printf("  %s %7.1f ms (%.1f-%.1f)   ratio %.2f\n", 名, 中, 下, 上, 中 / 字);
    }
    const auto [下, 中, 上] = 四分位(差);
    const auto 快 = std::count_if(差.begin(), 差.end(), [](double d) { return d < 0; });
    std::printf("  program - before, run by run: %+.1f ms (%+.1f to %+.1f); the program faster in %lld of %d runs\n", 中,
                下, 上, static_cast<long long>(快), 次数);
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
    if (argc >= 5 && qstrcmp(argv[1], "--against") == 0) {
        return 对照(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]),
                    std::max(argc > 5 ? std::atoi(argv[5]) : 50, 1));
    }
    if (argc < 4) {
        std::fputs("usage: startup_bench PROGRAM BARE_WINDOW WEB_WINDOW [RUNS [MEMORY_ROUNDS]]\n"
                   "       startup_bench --windows LAUNCHER PROGRAM.exe BARE_WINDOW.exe [RUNS]\n"
                   "       startup_bench --against BEFORE PROGRAM BARE_WINDOW [RUNS]\n",
                   stderr);
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
    const QString 在线 = 服务.地址();

    std::vector<double> 程序绘制, 基线绘制, 文字绘制;
    for (int i = 0; i < 次数; ++i) {
        const auto 空 = 首次绘制(基线, 运行目录.path(), 离线);
        const auto 字 = 首次绘制(基线, 运行目录.path(), 离线, {QStringLiteral("text")});
        const auto 满 = 首次绘制(被测, 运行目录.path(), 离线);
        if (!空 || !字 || !满) return 1;
        std::printf("first paint, run %2d: bare window %7.1f ms   text window %7.1f ms   program %7.1f ms\n", i + 1, *空,
                    *字, *满);
        基线绘制.push_back(*空);
        文字绘制.push_back(*字);
        程序绘制.push_back(*满);
    }

    // Memory moves little from run to run: a few rounds of each case, alternately.
    const int 内存次数 = argc > 5 ? std::max(std::atoi(argv[5]), 0) : std::clamp(次数 / 4, 1, 3);
    std::vector<double> 无模块内存, 离线内存, 在线内存, 网页GL, 网页软件, 网页条, 文字峰值, 程序峰值;
    for (int i = 0; i < 内存次数; ++i) {
        文字峰值.push_back(内存(基线, {QStringLiteral("text")}, 运行目录.path(), 离线).峰值);
        无模块内存.push_back(内存(无模块, {}, 运行目录.path(), 离线).总);
        const 内存值 离线值 = 内存(被测, {}, 运行目录.path(), 离线);
        离线内存.push_back(离线值.总);
        程序峰值.push_back(离线值.峰值);
        在线内存.push_back(内存(被测, {}, 运行目录.path(), 在线).总);
        for (auto [方式, 值表] : {std::pair{"opengl", &网页GL}, {"software", &网页软件}, {"strip", &网页条}}) {
            值表->push_back(内存(网页窗口, {QStringLiteral("http://www.vettora.cn/"), QString::fromLatin1(方式)},
                                 运行目录.path(), 在线).总);
        }
        std::printf("memory, round %d: peak text window %.1f MiB, program %.1f MiB; without module %.1f MiB, "
                    "offline %.1f MiB, online %.1f MiB; web window: OpenGL %.1f MiB, software %.1f MiB, as the strip "
                    "%.1f MiB\n",
                    i + 1, 文字峰值.back(), 程序峰值.back(), 无模块内存.back(), 离线内存.back(), 在线内存.back(),
                    网页GL.back(), 网页软件.back(), 网页条.back());
    }

    const double 空绘制 = 中位数(基线绘制), 字绘制 = 中位数(文字绘制), 满绘制 = 中位数(程序绘制);
    std::printf("\nmedians (%d runs of the first paint, %d of memory):\n", 次数, 内存次数);
    std::printf("  first paint      bare window %7.1f ms    program %7.1f ms    ratio %.2f\n", 空绘制, 满绘制,
                满绘制 / 空绘制);
    std::printf("                   text window %7.1f ms    program %7.1f ms    ratio %.2f (goal <= 1.20)\n", 字绘制,
                满绘制, 满绘制 / 字绘制);
    if (内存次数 == 0) return 0;
    const double 字峰值 = 中位数(文字峰值), 满峰值 = 中位数(程序峰值);
    std::printf("  peak memory      text window %7.1f MiB   program %7.1f MiB   ratio %.2f (goal <= 1.50)\n", 字峰值,
                满峰值, 满峰值 / 字峰值);
    const double 基准内存 = 中位数(无模块内存), 离线值 = 中位数(离线内存), 在线值 = 中位数(在线内存);
    const double GL值 = 中位数(网页GL), 软件值 = 中位数(网页软件), 条值 = 中位数(网页条);
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
