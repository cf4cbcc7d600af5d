#include "single_instance.h"

#include <QGuiApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
const QString 标题 = QStringLiteral("Vettora Ver.3.0.0.0");

// The program's environment as a desktop gives it: Qt's warnings go where they go there (on
// Windows to the debugger, not to the standard error this test run reads).
QProcessEnvironment 程序环境()
{
    QProcessEnvironment 环境 = QProcessEnvironment::systemEnvironment();
    环境.remove(QStringLiteral("QT_FORCE_STDERR_LOGGING"));
    return 环境;
}

}  // namespace

// The single-instance rule with real processes of the program, on Linux in an X server of
// the test's own: one launcher per user and display, whatever the runtime folder says.
class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void secondStartHandsOnItsTokenAndEnds_data();
    void secondStartHandsOnItsTokenAndEnds();
    void secondStartOfTheProgramEnds_data();
    void secondStartOfTheProgramEnds();
    void startAfterTheFirstWasKilled();
    void twoStartedTogetherLeaveOne();
    void oneLauncherPerDisplay();

private:
    QProcess* 启动(const QProcessEnvironment& 环境 = 程序环境());
    void 检查再次启动(QProcess& 在运行, const QProcessEnvironment& 环境 = 程序环境());
    bool 等到在听(const QString& 通道名, int 毫秒 = 10000);
    static bool 等到结束(QProcess& 进程, int 毫秒 = 10000);

    QString m_通道名;
    std::vector<std::unique_ptr<QProcess>> m_进程;
};

void SingleInstanceTest::initTestCase()
{
    QVERIFY(QFile::exists(QStringLiteral(VETTORA_EXE)));
    m_通道名 = 单实例(标题).通道名();
}

void SingleInstanceTest::cleanup()
{
    for (auto& 进程 : m_进程) {
        if (进程->state() != QProcess::NotRunning) {
            进程->kill();
            进程->waitForFinished(5000);
        }
    }
    m_进程.clear();
}

QProcess* SingleInstanceTest::启动(const QProcessEnvironment& 环境)
{
    auto 进程 = std::make_unique<QProcess>();
    进程->setProcessEnvironment(环境);
    进程->start(QStringLiteral(VETTORA_EXE), {});
    m_进程.push_back(std::move(进程));
    return m_进程.back().get();
}

bool SingleInstanceTest::等到在听(const QString& 通道名, int 毫秒)
{
    QDeadlineTimer 期限(毫秒);
    while (!期限.hasExpired()) {
        QLocalSocket 连接;
        连接.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
        连接.connectToServer(通道名);
        if (连接.waitForConnected(100)) return true;
        QTest::qWait(50);
    }
    return false;
}

bool SingleInstanceTest::等到结束(QProcess& 进程, int 毫秒)
{
    QDeadlineTimer 期限(毫秒);
    while (进程.state() != QProcess::NotRunning && !期限.hasExpired()) QTest::qWait(20);
    return 进程.state() == QProcess::NotRunning;
}

void SingleInstanceTest::secondStartHandsOnItsTokenAndEnds_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QByteArray>("token");
    QTest::addColumn<QByteArray>("handedOn");
    QTest::newRow("no token") << QString() << QByteArray() << QByteArray();
    QTest::newRow("X11 startup id") << QStringLiteral("DESKTOP_STARTUP_ID") << QByteArray("desktop-1_TIME4242")
                                    << QByteArray("desktop-1_TIME4242");
    QTest::newRow("Wayland token") << QStringLiteral("XDG_ACTIVATION_TOKEN") << QByteArray("9f1c-aa") << QByteArray("9f1c-aa");
    QTest::newRow("not a token") << QStringLiteral("DESKTOP_STARTUP_ID") << QByteArray("a b\tc") << QByteArray();
}

void SingleInstanceTest::secondStartHandsOnItsTokenAndEnds()
{
    QFETCH(QString, variable);
    QFETCH(QByteArray, token);
    QFETCH(QByteArray, handedOn);
    if (QGuiApplication::platformName() == QLatin1String("windows") && !token.isEmpty()) {
        QSKIP("on Windows a later start hands on its right to the foreground, not a token");
    }
    单实例 首个(标题);
    QList<QByteArray> 收到;
    首个.收到唤醒时([&收到](const QByteArray& 凭据) { 收到 << 凭据; });
    QVERIFY(!首个.检查重复运行());

    QProcessEnvironment 环境 = 程序环境();
    if (!variable.isEmpty()) 环境.insert(variable, QString::fromLatin1(token));
    QProcess* 第二个 = 启动(环境);
    QVERIFY(等到结束(*第二个));
    QCOMPARE(第二个->exitStatus(), QProcess::NormalExit);
    QCOMPARE(第二个->exitCode(), 0);
    QTRY_COMPARE(收到, QList<QByteArray>{handedOn});
}

// A later start ends with status 0, prints nothing, and leaves the running one running.
void SingleInstanceTest::检查再次启动(QProcess& 在运行, const QProcessEnvironment& 环境)
{
    QProcess* 再次 = 启动(环境);
    QVERIFY(等到结束(*再次));
    QCOMPARE(再次->exitStatus(), QProcess::NormalExit);
    QCOMPARE(再次->exitCode(), 0);
    QCOMPARE(再次->readAllStandardError(), QByteArray());
    QCOMPARE(在运行.state(), QProcess::Running);
}

// The runtime folder differs between su, sudo -u, ssh and a desktop login of one user,
// and may be missing: one launcher all the same.
void SingleInstanceTest::secondStartOfTheProgramEnds_data()
{
    QTest::addColumn<QString>("runtimeDir");
    QTest::newRow("same runtime folder") << QStringLiteral("first");
    QTest::newRow("another runtime folder") << QStringLiteral("second");
    QTest::newRow("no runtime folder") << QString();
}

void SingleInstanceTest::secondStartOfTheProgramEnds()
{
    QFETCH(QString, runtimeDir);
    QTemporaryDir 目录;
    for (const char* 名 : {"first", "second"}) {
        QVERIFY(QDir(目录.path()).mkdir(QString::fromLatin1(名), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    QProcessEnvironment 第一个环境 = 程序环境();
    第一个环境.insert(QStringLiteral("XDG_RUNTIME_DIR"), 目录.filePath(QStringLiteral("first")));
    QProcessEnvironment 再次环境 = 程序环境();
    再次环境.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    if (!runtimeDir.isEmpty()) 再次环境.insert(QStringLiteral("XDG_RUNTIME_DIR"), 目录.filePath(runtimeDir));

    QProcess* 第一个 = 启动(第一个环境);
    QVERIFY(等到在听(m_通道名));
    检查再次启动(*第一个, 再次环境);
}

void SingleInstanceTest::startAfterTheFirstWasKilled()
{
    QProcess* 第一个 = 启动();
    QVERIFY(等到在听(m_通道名));
    第一个->kill();  // SIGKILL
    QVERIFY(第一个->waitForFinished(5000));

    QProcess* 第二个 = 启动();
    QVERIFY(等到在听(m_通道名));
    QTest::qWait(300);
    QCOMPARE(第二个->state(), QProcess::Running);
    检查再次启动(*第二个);
}

void SingleInstanceTest::twoStartedTogetherLeaveOne()
{
    for (int 回合 = 0; 回合 < 3; ++回合) {
        QProcess* 甲 = 启动();
        QProcess* 乙 = 启动();
        QVERIFY(等到在听(m_通道名));
        QDeadlineTimer 期限(10000);
        while (甲->state() != QProcess::NotRunning && 乙->state() != QProcess::NotRunning && !期限.hasExpired()) {
            QTest::qWait(20);
        }
        QTest::qWait(300);
        const int 在运行 = (甲->state() == QProcess::Running) + (乙->state() == QProcess::Running);
        QCOMPARE(在运行, 1);
        QProcess& 结束的 = 甲->state() == QProcess::Running ? *乙 : *甲;
        QCOMPARE(结束的.exitStatus(), QProcess::NormalExit);
        QCOMPARE(结束的.exitCode(), 0);
        cleanup();
    }
}

// A start on a second X server gets a launcher there, where its user sees it; a later
// start there finds that one.
void SingleInstanceTest::oneLauncherPerDisplay()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) QSKIP("X servers are the Linux desktop's");
    QProcess 服务器;
    服务器.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                                       QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                                       QStringLiteral("800x600x24")});
    QVERIFY(服务器.waitForReadyRead(10000));
    const QString 显示 = QLatin1Char(':') + QString::fromLatin1(服务器.readLine().trimmed());
    QProcessEnvironment 那边 = 程序环境();
    那边.insert(QStringLiteral("DISPLAY"), 显示);

    QProcess* 这边的 = 启动();
    QVERIFY(等到在听(m_通道名));
    QProcess* 那边的 = 启动(那边);
    QTest::qWait(1500);
    QCOMPARE(那边的->state(), QProcess::Running);
    检查再次启动(*那边的, 那边);
    检查再次启动(*这边的);
    cleanup();
    服务器.terminate();
    服务器.waitForFinished(5000);
}

QTEST_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
