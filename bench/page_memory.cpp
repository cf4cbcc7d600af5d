// Pages opened and closed again and again, as by a person who keeps the launcher open all
// day: the launcher set up as the program sets it up, each page opened from it, painted and
// closed ROUNDS times, and the heap after those rounds against the heap before them. Each
// page is opened and closed a few times first, so that what Qt sets up once for good (a
// font, a style's first drawing) is already in the figure before. A page that keeps more
// than LIMIT_KIB after its rounds ends the benchmark with status 1.
// Runs under a real X server (make bench), and under Wine (make bench-windows).
//
// Usage: page_memory [ROUNDS [LIMIT_KIB]]     (100 rounds, 300 KiB)

#include "app_setup.h"
#include "form_main.h"
#include "heap_in_use.h"
#include "open_page.h"
#include "page_table.h"

#include <QApplication>
#include <QEvent>
#include <QPixmapCache>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int 预热次数 = 3;

// Whether a widget has painted since it was made.
class 绘制记录 final : public QObject {
public:
    bool 已绘制 = false;

protected:
    bool eventFilter(QObject*, QEvent* 事件) override
    {
        if (事件->type() == QEvent::Paint) 已绘制 = true;
        return false;
    }
};

// Opens the page of tile 索引 from the launcher, waits for its first frame, and closes it;
// false when it did not show.
bool 开关一次(Form_Main& 启动窗口, qint16 索引)
{
    方法_Form_Main::打开页面(启动窗口, 索引);
    QWidget* 页 = 方法_Form_Main::页面(索引);
    if (!页) return false;
    绘制记录 记录;
    页->installEventFilter(&记录);
    const bool 显示了 = QTest::qWaitForWindowExposed(页) && QTest::qWaitFor([&记录] { return 记录.已绘制; });
    页->removeEventFilter(&记录);
    页->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return 显示了 && !方法_Form_Main::页面(索引);
}

double 千字节(long long 字节)
{
    return static_cast<double>(字节) / 1024.0;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Offline: the launcher's advert request goes to a port where nothing listens.
    qputenv("http_proxy", "http://127.0.0.1:9");
    不提示桌面常情();
    QApplication 程序(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int 次数 = argc > 1 ? std::atoi(argv[1]) : 100;
    const double 上限 = argc > 2 ? std::atof(argv[2]) : 300.0;
    if (次数 < 1 || 上限 <= 0) {
        std::fputs("usage: page_memory [ROUNDS [LIMIT_KIB]]\n", stderr);
        return 2;
    }

    安装界面语言与字体(程序);
    安装窗口无障碍角色();
    Form_Main 启动窗口;
    启动窗口.显示();
    启动窗口.更新计时()->stop();  // no update check in the middle of the figures
    if (!QTest::qWaitForWindowExposed(&启动窗口)) {
        std::fputs("page_memory: the launcher did not show\n", stderr);
        return 1;
    }

    bool 都在限内 = true;
    for (qint16 索引 = 0; 索引 < static_cast<qint16>(页面表().size()); ++索引) {
        const QString 名称 = 页面表()[static_cast<std::size_t>(索引)].标题;
        // Each page from an empty pixmap cache: what an earlier page left there would
        // otherwise be pushed out by what this one leaves, and hide it.
        QPixmapCache::clear();
        for (int i = 0; i < 预热次数; ++i) {
            if (!开关一次(启动窗口, 索引)) {
                std::fprintf(stderr, "page_memory: page %d did not show or did not go\n", 索引);
                return 1;
            }
        }
        const auto 之前 = static_cast<long long>(堆占用字节());
        for (int i = 0; i < 次数; ++i) {
            if (!开关一次(启动窗口, 索引)) {
                std::fprintf(stderr, "page_memory: page %d did not show or did not go\n", 索引);
                return 1;
            }
        }
        const double 增长 = 千字节(static_cast<long long>(堆占用字节()) - 之前);
        const bool 限内 = 增长 <= 上限;
        都在限内 = 都在限内 && 限内;
        std::printf("page %d, %s: %d openings, heap %+.1f KiB (%+.2f KiB an opening)%s\n", 索引,
                    名称.toUtf8().constData(), 次数, 增长, 增长 / 次数, 限内 ? "" : ", over the limit");
    }
    std::printf("limit: %.0f KiB a page after %d openings\n", 上限, 次数);
    return 都在限内 ? 0 : 1;
}
