#include "installer_handoff.h"
#include "update_flow.h"
#include "update_server.h"

#include <QCryptographicHash>
#include <QDir>
#include <QNetworkProxy>
#include <QTemporaryDir>
#include <QTest>

#include <sodium.h>

// The updater's work against a web server of the test's own, reached as the built-in host:
// only a newer version, in a list the maker signed, is offered; only a download of the
// listed size and SHA-256 is handed over; a download never outlives the updater.
class UpdateFlowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void offersAndHandsOverOnlyWhatTheMakerSigned_data();
    void offersAndHandsOverOnlyWhatTheMakerSigned();

private:
    QTemporaryDir m_临时;
};

namespace {

const QString 列表路径 = QStringLiteral("/softs/vettora/update.txt");
const QString 下载路径 = QStringLiteral("/softs/vettora/new-setup");
const QByteArray 新程序(300 * 1024, 'v');

QByteArray 读钥(const char* 名)
{
    QFile 文件(QStringLiteral(TEST_KEY_DIR "/") + QString::fromLatin1(名));
    return 文件.open(QIODevice::ReadOnly) ? QByteArray::fromHex(文件.readAll().trimmed()) : QByteArray();
}

// A list as the maker writes it, signed with the key made from these 32 bytes.
QByteArray 签名列表(const QByteArray& 正文, const QByteArray& 种子)
{
    unsigned char 公钥[crypto_sign_PUBLICKEYBYTES], 私钥[crypto_sign_SECRETKEYBYTES], 签名[crypto_sign_BYTES];
    crypto_sign_seed_keypair(公钥, 私钥, reinterpret_cast<const unsigned char*>(种子.constData()));
    crypto_sign_detached(签名, nullptr, reinterpret_cast<const unsigned char*>(正文.constData()),
                         static_cast<unsigned long long>(正文.size()), 私钥);
    return 正文 + "signature " + QByteArray(reinterpret_cast<const char*>(签名), crypto_sign_BYTES).toHex() + '\n';
}

QByteArray 正文(const QByteArray& 版本, int 天数, const QByteArray& 产品, const QByteArray& 主机)
{
    return "vettora-update-list 1\nproduct " + 产品 + "\nversion " + 版本 + "\nexpires "
        + QDateTime::currentDateTimeUtc().addDays(天数).toString(Qt::ISODate).toLatin1() + "\ndownload "
        + 安装交付::系统().toLatin1() + " http://" + 主机 + 下载路径.toLatin1() + ' ' + QByteArray::number(新程序.size())
        + ' ' + QCryptographicHash::hash(新程序, QCryptographicHash::Sha256).toHex() + "\nnotes 修正了一些问题。\n";
}

// What a person does: answers the offer as told, and closes the window at the end.
class 测试界面 final : public 更新界面 {
public:
    更新流程* 流程 = nullptr;
    bool 立即更新 = true;
    QString 提供的版本;
    qint64 最后进度 = 0;
    QStringList 未完成原因;

    void 提供(const QString& 版本, const QString&) override
    {
        提供的版本 = 版本;
        QMetaObject::invokeMethod(qApp, [this] { 流程->回答(立即更新); }, Qt::QueuedConnection);
    }
    void 下载进度(qint64 已收, qint64) override { 最后进度 = 已收; }
    void 已就绪(const QString&) override
    {
        流程->打开安装程序();
        流程->关闭();
    }
    void 未完成(const QString& 原因) override
    {
        未完成原因 << 原因;
        流程->关闭();
    }
};

int 遗留下载目录()
{
    return static_cast<int>(QDir(下载目录::所在()).entryList({QStringLiteral("vettora-update-*")}, QDir::Dirs).size());
}

}  // namespace

void UpdateFlowTest::initTestCase()
{
    QVERIFY(sodium_init() >= 0);
    for (const char* 名 : {"TMPDIR", "TMP", "TEMP", "XDG_CACHE_HOME"}) qputenv(名, QFile::encodeName(m_临时.path()));
}

void UpdateFlowTest::offersAndHandsOverOnlyWhatTheMakerSigned_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<int>("listAnswer");  // 更新服务器::方式
    QTest::addColumn<QByteArray>("download");
    QTest::addColumn<int>("downloadAnswer");
    QTest::addColumn<bool>("updateNow");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("handedOver");
    QTest::addColumn<int>("exitCode");

    const QByteArray 钥 = 读钥("test-key.secret");
    const QByteArray 他钥(crypto_sign_SEEDBYTES, '\x42');
    const QByteArray 好 = 签名列表(正文("3.1.0.0", 30, "cn.vettora.Vettora", "www.vettora.cn"), 钥);
    const int 内容 = int(更新服务器::方式::内容), 无尽 = int(更新服务器::方式::无尽);
    QByteArray 改过 = 新程序;
    改过[1000] = 'w';
    QTest::newRow("newer version") << 好 << 内容 << 新程序 << 内容 << true << "3.1.0.0" << true << 0;
    QTest::newRow("later, then") << 好 << 内容 << 新程序 << 内容 << false << "3.1.0.0" << false << 3;
    QTest::newRow("tampered download") << 好 << 内容 << 改过 << 内容 << true << "3.1.0.0" << false << 0;
    QTest::newRow("download longer than listed") << 好 << 内容 << QByteArray() << 无尽 << true << "3.1.0.0" << false << 0;
    const auto 不提供 = [&](const char* 名, const QByteArray& 列表, int 方式 = int(更新服务器::方式::内容)) {
        QTest::newRow(名) << 列表 << 方式 << 新程序 << 内容 << true << QString() << false << 0;
    };
    不提供("another key", 签名列表(正文("3.1.0.0", 30, "cn.vettora.Vettora", "www.vettora.cn"), 他钥));
    不提供("a changed byte", QByteArray(好).replace("3.1.0.0", "9.1.0.0"));
    不提供("expired", 签名列表(正文("3.1.0.0", -1, "cn.vettora.Vettora", "www.vettora.cn"), 钥));
    不提供("the same version", 签名列表(正文("3.0.0.0", 30, "cn.vettora.Vettora", "www.vettora.cn"), 钥));
    不提供("an older version", 签名列表(正文("2.9.9.9", 30, "cn.vettora.Vettora", "www.vettora.cn"), 钥));
    不提供("another product", 签名列表(正文("3.1.0.0", 30, "cn.example.Other", "www.vettora.cn"), 钥));
    不提供("download from another host", 签名列表(正文("3.1.0.0", 30, "cn.vettora.Vettora", "evil.example"), 钥));
    不提供("a list of a gigabyte", QByteArray(), 无尽);
    不提供("a head of a gigabyte", QByteArray(), int(更新服务器::方式::无尽头));
    不提供("a server that never answers", 好, int(更新服务器::方式::不回答));
    不提供("list sent to another host", "http://evil.example/update.txt", int(更新服务器::方式::转向));
}

void UpdateFlowTest::offersAndHandsOverOnlyWhatTheMakerSigned()
{
    QFETCH(QByteArray, list);
    QFETCH(int, listAnswer);
    QFETCH(QByteArray, download);
    QFETCH(int, downloadAnswer);
    QFETCH(bool, updateNow);
    QFETCH(QString, offered);
    QFETCH(bool, handedOver);
    QFETCH(int, exitCode);

    更新服务器 服务;
    服务.路径表[列表路径] = {更新服务器::方式(listAnswer), list};
    服务.路径表[下载路径] = {更新服务器::方式(downloadAnswer), download};
    服务.路径表[QStringLiteral("/update.txt")] = {更新服务器::方式::内容, list};  // what another host would say
    QVERIFY(服务.启动());
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), 服务.端口()));

    QStringList 交出;
    更新流程::设置 设置;
    设置.期望 = {读钥("test-key.public"), QUrl(QStringLiteral("http://www.vettora.cn") + 列表路径),
                 QStringLiteral("cn.vettora.Vettora"), QStringLiteral("3.0.0.0"), 安装交付::系统(), {}};
    设置.列表限度 = {更新::列表最长, 3000, 1500};
    设置.下载静默毫秒 = 1500;
    设置.下载总毫秒 = 5000;
    设置.交付 = [&交出](const QString& 文件, qint64, const QByteArray&) {
        QFile 给的(文件);
        交出 << (给的.open(QIODevice::ReadOnly) ? QString::fromLatin1(QCryptographicHash::hash(给的.readAll(), QCryptographicHash::Sha256).toHex()) : 文件);
        return true;
    };
    测试界面 界面;
    界面.立即更新 = updateNow;
    int 退出码 = -1;
    更新流程 流程(界面, 设置, [&退出码](int 码) { 退出码 = 码; });
    界面.流程 = &流程;
    流程.开始();
    QTRY_VERIFY_WITH_TIMEOUT(退出码 != -1, 10000);

    QCOMPARE(界面.提供的版本, offered);
    QCOMPARE(退出码, exitCode);
    const QString 新程序摘要 = QString::fromLatin1(QCryptographicHash::hash(新程序, QCryptographicHash::Sha256).toHex());
    QCOMPARE(交出, handedOver ? QStringList{新程序摘要} : QStringList());
    if (handedOver) QCOMPARE(界面.最后进度, 新程序.size());
    QCOMPARE(界面.未完成原因.size(), !offered.isEmpty() && updateNow && !handedOver ? 1 : 0);
    // The download is gone, unless an installer runs from it; the next updater takes that.
    if (handedOver && 安装交付::验证后即交付()) 下载目录::清理遗留();
    QCOMPARE(遗留下载目录(), 0);
    for (const QString& 请求 : std::as_const(服务.请求)) QVERIFY2(!请求.contains(QLatin1String("evil")), qPrintable(请求));
}

QTEST_MAIN(UpdateFlowTest)
#include "tst_update_flow.moc"
