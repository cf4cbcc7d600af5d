#include "advert_strip.h"
#include "form_main.h"
#include "message_service.h"
#include "test_doubles.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

// The advert strip with a real web engine under a real X server, on a page served
// from this test on the loopback address; nothing reaches the network.
class AdvertStripTest : public QObject {
    Q_OBJECT
public slots:
    void openExternally(const QUrl& 地址) { m_外部 << 地址; }

private slots:
    void initTestCase();
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("http"); }
    void launcherPointsTheStripAtTheAdvertPage();
    void linkOpensInTheSystemBrowser();
    void pageCannotOpenWindows();

private:
    QWebEngineView* 载入本地页(广告条& 条);
    QUrl 本地(const char* 路径) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_服务.serverPort()).arg(QLatin1String(路径)));
    }

    QTcpServer m_服务;
    QStringList m_请求;
    QList<QUrl> m_外部;
    消息记录 m_消息;
};

namespace {
const QByteArray 页面 =
    "<html><body style='margin:0'>"
    "<a id='ad' href='/elsewhere' style='display:block;width:100%;height:95px;background:#7b3'>ad</a>"
    "<script>window.open('/popup');</script>"
    "</body></html>";
}

void AdvertStripTest::initTestCase()
{
    消息服务::替换(&m_消息);
    QDesktopServices::setUrlHandler("http", this, "openExternally");
    QVERIFY(m_服务.listen(QHostAddress::LocalHost));
    connect(&m_服务, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* 连接 = m_服务.nextPendingConnection()) {
            connect(连接, &QTcpSocket::readyRead, 连接, [this, 连接] {
                const QByteArray 请求 = 连接->readAll();
                const QByteArray 首行 = 请求.left(请求.indexOf('\r'));
                m_请求 << QString::fromLatin1(首行.split(' ').value(1));
                连接->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: "
                            + QByteArray::number(页面.size()) + "\r\n\r\n" + 页面);
                连接->disconnectFromHost();
            });
            connect(连接, &QTcpSocket::disconnected, 连接, &QObject::deleteLater);
        }
    });
}

QWebEngineView* AdvertStripTest::载入本地页(广告条& 条)
{
    条.setGeometry(0, 0, 857, 95);
    条.show();
    if (!QTest::qWaitForWindowExposed(&条)) return nullptr;
    for (int i = 0; i < 250 && !条.网页视图(); ++i) QTest::qWait(20);
    auto* 视图 = qobject_cast<QWebEngineView*>(条.网页视图());
    if (!视图) return nullptr;
    QSignalSpy 载完(视图, &QWebEngineView::loadFinished);
    条.导航(本地("/"));
    if (!载完.wait(20000) || !载完.front().front().toBool()) return nullptr;
    return 视图;
}

void AdvertStripTest::launcherPointsTheStripAtTheAdvertPage()
{
    Form_Main 启动窗口;
    启动窗口.显示();
    QVERIFY(QTest::qWaitForWindowExposed(&启动窗口));
    QTRY_VERIFY_WITH_TIMEOUT(启动窗口.广告()->网页视图(), 5000);
    auto* 视图 = qobject_cast<QWebEngineView*>(启动窗口.广告()->网页视图());
    QCOMPARE(视图->url(), QUrl("http://www.vettora.cn/softs/vettora/gg.html"));
    QCOMPARE(启动窗口.广告()->geometry(), QRect(-2, 0, 857, 95));
    QCOMPARE(视图->size(), QSize(857, 95));
}

void AdvertStripTest::linkOpensInTheSystemBrowser()
{
    广告条 条(nullptr);
    QWebEngineView* 视图 = 载入本地页(条);
    QVERIFY(视图);
    m_外部.clear();
    QWidget* 画面 = 视图->focusProxy();
    QVERIFY(画面);
    QTest::qWait(300);  // let the page's first frame reach the screen
    QTest::mousePress(画面, Qt::LeftButton, {}, QPoint(300, 40));
    QTest::mouseRelease(画面, Qt::LeftButton, {}, QPoint(300, 40), 50);
    QTRY_COMPARE_WITH_TIMEOUT(m_外部.size(), 1, 5000);
    QCOMPARE(m_外部.front(), 本地("/elsewhere"));
    QTest::qWait(500);
    QCOMPARE(视图->url(), 本地("/"));
    QVERIFY(!m_请求.contains("/elsewhere"));
}

void AdvertStripTest::pageCannotOpenWindows()
{
    m_请求.clear();
    广告条 条(nullptr);
    QVERIFY(载入本地页(条));
    QTest::qWait(1000);
    QCOMPARE(m_请求.filter("/popup"), QStringList());
    QCOMPARE(m_请求.first(), QStringLiteral("/"));
    const auto 顶层 = QApplication::topLevelWidgets();
    for (QWidget* 窗 : 顶层) {
        if (窗->isVisible()) QVERIFY2(窗 == &条, qPrintable(窗->objectName()));
    }
}

QTEST_MAIN(AdvertStripTest)
#include "tst_advert_strip.moc"
