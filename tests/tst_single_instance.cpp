#include "single_instance.h"

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The single-instance rule with real processes of the program.
class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void secondStartWakesTheFirstAndEnds();
    void secondStartOfTheProgramEnds();
    void startAfterTheFirstWasKilled();
    void twoStartedTogetherLeaveOne();

private:
    std::unique_ptr<QProcess> 启动();
    void 检查再次启动(QProcess& 在运行);
    bool 等到在听(int 毫秒 = 10000);
    static bool 等到结束(QProcess& 进程, int 毫秒 = 10000);

    QString m_套接字名;
    std::unique_ptr<QTemporaryDir> m_运行目录;
    std::vector<std::unique_ptr<QProcess>> m_进程;
};

namespace {
const QString 标题 = QStringLiteral("Vettora Ver.3.0.0.0");
}

void SingleInstanceTest::initTestCase()
{
    QVERIFY(QFile::exists(QStringLiteral(VETTORA_EXE)));
}

void SingleInstanceTest::init()
{
    // A runtime folder of our own, so a program the user has open does not take part.
    m_运行目录 = std::make_unique<QTemporaryDir>();
    QVERIFY(m_运行目录->isValid());
    QFile::setPermissions(m_运行目录->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", m_运行目录->path().toLocal8Bit());
    m_套接字名 = 单实例(标题).套接字名();
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

std::unique_ptr<QProcess> SingleInstanceTest::启动()
{
    auto 进程 = std::make_unique<QProcess>();
    QProcessEnvironment 环境 = QProcessEnvironment::systemEnvironment();  // the test's own window system
    环境.insert("XDG_RUNTIME_DIR", m_运行目录->path());
    进程->setProcessEnvironment(环境);
    进程->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    进程->start(QStringLiteral(VETTORA_EXE), {});
    return 进程;
}

bool SingleInstanceTest::等到在听(int 毫秒)
{
    QDeadlineTimer 期限(毫秒);
    while (!期限.hasExpired()) {
        QLocalSocket 连接;
        连接.connectToServer(m_套接字名);
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

void SingleInstanceTest::secondStartWakesTheFirstAndEnds()
{
    单实例 首个(标题);
    int 唤醒次数 = 0;
    首个.收到唤醒时([&唤醒次数] { ++唤醒次数; });
    QVERIFY(!首个.检查重复运行());

    auto 第二个 = 启动();
    QVERIFY(等到结束(*第二个));
    QCOMPARE(第二个->exitStatus(), QProcess::NormalExit);
    QCOMPARE(第二个->exitCode(), 0);
    QTRY_COMPARE(唤醒次数, 1);
    m_进程.push_back(std::move(第二个));
}

// A later start ends with status 0 and leaves the running one running.
void SingleInstanceTest::检查再次启动(QProcess& 在运行)
{
    auto 再次 = 启动();
    QVERIFY(等到结束(*再次));
    QCOMPARE(再次->exitStatus(), QProcess::NormalExit);
    QCOMPARE(再次->exitCode(), 0);
    QCOMPARE(在运行.state(), QProcess::Running);
    m_进程.push_back(std::move(再次));
}

void SingleInstanceTest::secondStartOfTheProgramEnds()
{
    auto 第一个 = 启动();
    QVERIFY(等到在听());
    检查再次启动(*第一个);
    m_进程.push_back(std::move(第一个));
}

void SingleInstanceTest::startAfterTheFirstWasKilled()
{
    auto 第一个 = 启动();
    QVERIFY(等到在听());
    第一个->kill();  // SIGKILL: the lock file and the socket stay behind
    QVERIFY(第一个->waitForFinished(5000));

    auto 第二个 = 启动();
    QVERIFY(等到在听());
    QTest::qWait(300);
    QCOMPARE(第二个->state(), QProcess::Running);

    检查再次启动(*第二个);
    m_进程.push_back(std::move(第一个));
    m_进程.push_back(std::move(第二个));
}

void SingleInstanceTest::twoStartedTogetherLeaveOne()
{
    for (int 回合 = 0; 回合 < 3; ++回合) {
        auto 甲 = 启动();
        auto 乙 = 启动();
        QVERIFY(等到在听());
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
        m_进程.push_back(std::move(甲));
        m_进程.push_back(std::move(乙));
        cleanup();
    }
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
