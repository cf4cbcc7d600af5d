#include "advert_strip.h"
#include "form_main.h"
#include "message_service.h"
#include "test_doubles.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <unistd.h>

// The launcher's advert strip under a real X server, as it is started: the web engine
// and the advert request go through a proxy that this test serves on the loopback
// address, so the program's own advert address arrives here and nothing reaches the
// network. The engine starts at most once per process, so the cases without a page
// come first.
class AdvertStripTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void bannerWhenThereIsNoPage_data();
    void bannerWhenThereIsNoPage();
    void pageShownFetchedOnceInTheSameWindow();
    void bannerWhenTheRendererDies();
    void linkOpensWithTheSystemOpener();

private:
    enum class 回答方式 { 网页, 未找到, 非网页, 断开, 不回答 };

    // Shows a launcher; its window id at the first map is kept in m_窗口号.
    std::unique_ptr<Form_Main> 启动();
    QWidget* 等网页(Form_Main& 启动窗口);
    bool 显示横幅(Form_Main& 启动窗口) const;

    QTcpServer m_服务;
    回答方式 m_方式 = 回答方式::网页;
    QStringList m_请求;
    QTemporaryDir m_打开器目录;
    WId m_窗口号 = 0;
    消息记录 m_消息;
};

namespace {

const QByteArray 页面 =
    "<html><body style='margin:0'>"
    "<a id='ad' href='http://www.vettora.cn/elsewhere' "
    "style='display:block;width:2000px;height:400px;background:#7b3'>ad</a>"
    "<script>window.open('/popup');setTimeout(function(){document.getElementById('ad').click();},200);</script>"
    "</body></html>";

QByteArray 回答(const char* 状态, const char* 类型, const QByteArray& 内容, bool 带内容)
{
    return QByteArray("HTTP/1.1 ") + 状态 + "\r\nContent-Type: " + 类型 + "\r\nConnection: close\r\nContent-Length: "
        + QByteArray::number(内容.size()) + "\r\n\r\n" + (带内容 ? 内容 : QByteArray());
}

struct 进程 {
    pid_t 号;
    pid_t 父号;
};

// The processes below this one that run the web engine. Its renderers are the children
// of its zygote, not of this process, and keep the zygote's command line.
QList<进程> 网页进程()
{
    QHash<pid_t, pid_t> 父进程;
    const auto 进程表 = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& 号 : 进程表) {
        QFile 状态(QStringLiteral("/proc/%1/stat").arg(号));
        if (!状态.open(QIODevice::ReadOnly)) continue;
        const QByteArray 行 = 状态.readAll();
        const QList<QByteArray> 字段 = 行.mid(行.lastIndexOf(')') + 2).split(' ');
        if (字段.size() > 1) 父进程.insert(号.toInt(), 字段[1].toInt());
    }
    QList<进程> 结果;
    for (auto 它 = 父进程.cbegin(); 它 != 父进程.cend(); ++它) {
        pid_t 祖先 = 它.value();
        while (祖先 > 1 && 祖先 != getpid()) 祖先 = 父进程.value(祖先, 0);
        if (祖先 != getpid()) continue;
        QFile 命令行(QStringLiteral("/proc/%1/cmdline").arg(它.key()));
        if (命令行.open(QIODevice::ReadOnly) && 命令行.readAll().contains("QtWebEngineProcess")) {
            结果.append({它.key(), 它.value()});
        }
    }
    return 结果;
}

}  // namespace

void AdvertStripTest::initTestCase()
{
    消息服务::替换(&m_消息);
    QVERIFY(m_服务.listen(QHostAddress::LocalHost));
    const QByteArray 代理 = "http://127.0.0.1:" + QByteArray::number(m_服务.serverPort());
    qputenv("http_proxy", 代理);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--proxy-server=" + 代理);

    // The system opener: an xdg-open of this test's own, first on the PATH.
    QFile 打开器(m_打开器目录.filePath(QStringLiteral("xdg-open")));
    QVERIFY(打开器.open(QIODevice::WriteOnly));
    打开器.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/opened\"\n");
    打开器.close();
    打开器.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(m_打开器目录.path()) + ':' + qgetenv("PATH"));

    connect(&m_服务, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* 连接 = m_服务.nextPendingConnection()) {
            connect(连接, &QTcpSocket::disconnected, 连接, &QObject::deleteLater);
            connect(连接, &QTcpSocket::readyRead, 连接, [this, 连接] {
                const QList<QByteArray> 首行 = 连接->readAll().split('\r').front().split(' ');
                const QString 方法 = QString::fromLatin1(首行.value(0));
                const QString 路径 = QUrl(QString::fromLatin1(首行.value(1))).path();
                m_请求 << 方法 + QLatin1Char(' ') + 路径;
                const bool 带内容 = 方法 != QLatin1String("HEAD");
                switch (m_方式) {
                case 回答方式::网页:
                    if (路径 == QLatin1String("/softs/vettora/gg.html")) {
                        连接->write(回答("200 OK", "text/html; charset=utf-8", 页面, 带内容));
                    } else {
                        连接->write(回答("404 Not Found", "text/html", "<html>no</html>", 带内容));
                    }
                    break;
                case 回答方式::未找到:
                    连接->write(回答("404 Not Found", "text/html", "<html>no</html>", 带内容));
                    break;
                case 回答方式::非网页:
                    连接->write(回答("200 OK", "image/png", QByteArray(64, 'x'), 带内容));
                    break;
                case 回答方式::断开:
                    break;
                case 回答方式::不回答:
                    return;
                }
                连接->disconnectFromHost();
            });
        }
    });
}

std::unique_ptr<Form_Main> AdvertStripTest::启动()
{
    m_请求.clear();
    auto 启动窗口 = std::make_unique<Form_Main>();
    启动窗口->显示();
    if (!QTest::qWaitForWindowExposed(启动窗口.get())) return nullptr;
    m_窗口号 = 启动窗口->winId();
    return 启动窗口;
}

QWidget* AdvertStripTest::等网页(Form_Main& 启动窗口)
{
    for (int i = 0; i < 1000; ++i) {
        QWidget* 视图 = 启动窗口.广告()->网页视图();
        if (视图 && 视图->isVisible()) return 视图;
        QTest::qWait(20);
    }
    return nullptr;
}

// What the strip shows is the program's own banner, and only that.
bool AdvertStripTest::显示横幅(Form_Main& 启动窗口) const
{
    广告条& 条 = *启动窗口.广告();
    QImage 期望(条.size(), QImage::Format_RGB32);
    QPainter 画笔(&期望);
    图片(QStringLiteral(":/assets/advert-banner.svg")).绘制(画笔, QRectF(期望.rect()));
    画笔.end();
    return !条.网页视图() && 条.grab().toImage().convertToFormat(QImage::Format_RGB32) == 期望;
}

void AdvertStripTest::bannerWhenThereIsNoPage_data()
{
    QTest::addColumn<回答方式>("方式");
    QTest::addColumn<int>("等待毫秒");
    QTest::newRow("connection closed without an answer") << 回答方式::断开 << 1500;
    QTest::newRow("404") << 回答方式::未找到 << 1500;
    QTest::newRow("not HTML") << 回答方式::非网页 << 1500;
    QTest::newRow("no answer within five seconds") << 回答方式::不回答 << 6500;
}

void AdvertStripTest::bannerWhenThereIsNoPage()
{
    QFETCH(回答方式, 方式);
    QFETCH(int, 等待毫秒);
    m_方式 = 方式;
    const auto 启动窗口 = 启动();
    QVERIFY(启动窗口);
    QTRY_VERIFY_WITH_TIMEOUT(!m_请求.isEmpty(), 5000);
    QTest::qWait(等待毫秒);
    // Only the headers were asked for (again, where the connection closed); the engine never asked.
    QCOMPARE(m_请求.filter(QStringLiteral("HEAD /softs/vettora/gg.html")), m_请求);
    QVERIFY(显示横幅(*启动窗口));
    QVERIFY(网页进程().isEmpty());
    QCOMPARE(启动窗口->winId(), m_窗口号);
}

void AdvertStripTest::pageShownFetchedOnceInTheSameWindow()
{
    m_方式 = 回答方式::网页;
    QElapsedTimer 映射后;
    const auto 启动窗口 = 启动();
    QVERIFY(启动窗口);
    映射后.start();
    QWidget* 视图 = 等网页(*启动窗口);
    QVERIFY(视图);
    QCOMPARE(视图->geometry(), QRect(0, 0, 857, 95));
    QCOMPARE(视图->property("url").toUrl(), QUrl("http://www.vettora.cn/softs/vettora/gg.html"));
    QTest::qWait(static_cast<int>(std::max<qint64>(0, 10000 - 映射后.elapsed())));
    QCOMPARE(启动窗口->winId(), m_窗口号);
    // The page once, after the probe's headers; the pop-up it asked for was refused.
    QCOMPARE(m_请求, (QStringList{"HEAD /softs/vettora/gg.html", "GET /softs/vettora/gg.html"}));
    for (QWidget* 窗 : QApplication::topLevelWidgets()) {
        if (窗->isVisible()) QVERIFY2(窗 == 启动窗口.get(), qPrintable(窗->objectName()));
    }
    // Cut at the strip's size: the page's green reaches every corner, no scrollbar.
    const QImage 画面 = 视图->grab().toImage();
    for (const QPoint 点 : {QPoint(2, 2), QPoint(850, 2), QPoint(2, 92), QPoint(850, 92)}) {
        QCOMPARE(QColor(画面.pixel(点)), QColor(0x77, 0xbb, 0x33));
    }
}

void AdvertStripTest::bannerWhenTheRendererDies()
{
    m_方式 = 回答方式::网页;
    const auto 启动窗口 = 启动();
    QVERIFY(启动窗口);
    QVERIFY(等网页(*启动窗口));
    int 渲染进程 = 0;
    for (const 进程& 进 : 网页进程()) {
        if (进.父号 == getpid()) continue;
        ::kill(进.号, SIGKILL);
        ++渲染进程;
    }
    QVERIFY(渲染进程 > 0);
    QTRY_VERIFY_WITH_TIMEOUT(!启动窗口->广告()->网页视图(), 10000);
    QTest::qWait(200);
    QVERIFY(显示横幅(*启动窗口));
    QCOMPARE(启动窗口->winId(), m_窗口号);
}

void AdvertStripTest::linkOpensWithTheSystemOpener()
{
    m_方式 = 回答方式::网页;
    const auto 启动窗口 = 启动();
    QVERIFY(启动窗口);
    QWidget* 视图 = 等网页(*启动窗口);
    QVERIFY(视图);
    QWidget* 画面 = 视图->focusProxy();
    QVERIFY(画面);
    QTest::qWait(500);  // let the page's first frame reach the screen
    QTest::mousePress(画面, Qt::LeftButton, {}, QPoint(300, 40));
    QTest::mouseRelease(画面, Qt::LeftButton, {}, QPoint(300, 40), 50);
    QFile 已打开(m_打开器目录.filePath(QStringLiteral("opened")));
    QTRY_VERIFY_WITH_TIMEOUT(已打开.exists(), 5000);
    QTest::qWait(300);
    QVERIFY(已打开.open(QIODevice::ReadOnly));
    QCOMPARE(已打开.readAll(), QByteArray("http://www.vettora.cn/elsewhere\n"));
    QTest::qWait(500);
    QVERIFY(启动窗口->广告()->网页视图());
    QCOMPARE(启动窗口->广告()->网页视图()->property("url").toUrl(), QUrl("http://www.vettora.cn/softs/vettora/gg.html"));
    QVERIFY(!m_请求.contains("GET /elsewhere"));
}

QTEST_MAIN(AdvertStripTest)
#include "tst_advert_strip.moc"
