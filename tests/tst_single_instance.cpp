#include "product_identity.h"
#include "single_instance.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString 名 = QStringLiteral(VETTORA_INSTANCE_NAME);
const QByteArray 绘制行 = "vettora.startup: launcher first paint\n";

// What the program printed besides its first paint. A Windows program has no terminal: its
// messages go to the debugger, and are read here only for the paint; under Wine they tell
// of calls Wine lacks.
QByteArray 其余输出(QByteArray 输出)
{
    输出.replace(绘制行, QByteArray());
    return QGuiApplication::platformName() == QLatin1String("windows") ? QByteArray() : 输出;
}

// A started program, with what it printed on its standard error.
struct 程序 {
    QProcess 进程;
    QByteArray 错误输出;

    // Waits for the launcher's first paint.
    bool 等到绘制(int 毫秒 = 10000)
    {
        QDeadlineTimer 期限(毫秒);
        while (!错误输出.contains(绘制行) && !期限.hasExpired() && 进程.state() != QProcess::NotRunning) {
            进程.waitForReadyRead(50);
            读();
        }
        读();
        if (!错误输出.contains(绘制行)) qWarning("no first paint; it printed: %s", 错误输出.constData());
        return 错误输出.contains(绘制行);
    }

    bool 等到结束(int 毫秒 = 10000)
    {
        QDeadlineTimer 期限(毫秒);
        while (进程.state() != QProcess::NotRunning && !期限.hasExpired()) QTest::qWait(20);
        读();
        return 进程.state() == QProcess::NotRunning;
    }

    void 读() { 错误输出 += 进程.readAllStandardError().replace("\r\n", "\n"); }
};

}  // namespace

// The single-instance rule with real processes of the program, on Linux in an X server of
// the test's own: one launcher per user and display, whatever the runtime folder says, and
// no other process can keep it from starting.
class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void secondStartHandsOnItsTokenAndEnds_data();
    void secondStartHandsOnItsTokenAndEnds();
    void secondStartOfTheProgramEnds_data();
    void secondStartOfTheProgramEnds();
    void closingGivesTheLockBack();
    void startAfterTheFirstWasKilled();
    void twoStartedTogetherLeaveOne();
    void oneLauncherPerDisplay();
    void nameTakenFirstByAnotherProcess_data();
    void nameTakenFirstByAnotherProcess();

private:
    程序* 启动(const QProcessEnvironment& 环境);
    程序* 启动() { return 启动(m_环境); }
    void 检查再次启动(程序& 在运行, const QProcessEnvironment& 环境);
    QStringList 名字表();

    QTemporaryDir m_临时;  // the programs' temporary folder: nothing of theirs is left there
    QProcessEnvironment m_环境;
    std::vector<std::unique_ptr<程序>> m_程序;
};

void SingleInstanceTest::initTestCase()
{
    QVERIFY(QFile::exists(QStringLiteral(VETTORA_EXE)));
    // The launcher says when it has painted; Qt's messages, on Windows too, reach the
    // standard error this test reads.
    m_环境 = QProcessEnvironment::systemEnvironment();
    m_环境.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("vettora.startup.info=true"));
    m_环境.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    m_环境.insert(QStringLiteral("TMPDIR"), m_临时.path());
}

void SingleInstanceTest::cleanup()
{
    for (auto& 一个 : m_程序) {
        if (一个->进程.state() != QProcess::NotRunning) {
            一个->进程.kill();
            一个->进程.waitForFinished(5000);
        }
    }
    m_程序.clear();
}

程序* SingleInstanceTest::启动(const QProcessEnvironment& 环境)
{
    m_程序.push_back(std::make_unique<程序>());
    程序* 新 = m_程序.back().get();
    新->进程.setProcessEnvironment(环境);
    新->进程.start(QStringLiteral(VETTORA_EXE), {});
    return 新;
}

// A later start ends with status 0, prints nothing, and leaves the running one running.
void SingleInstanceTest::检查再次启动(程序& 在运行, const QProcessEnvironment& 环境)
{
    程序* 再次 = 启动(环境);
    QVERIFY(再次->等到结束());
    QCOMPARE(再次->进程.exitStatus(), QProcess::NormalExit);
    QCOMPARE(再次->进程.exitCode(), 0);
    QCOMPARE(其余输出(再次->错误输出), QByteArray());
    QCOMPARE(在运行.进程.state(), QProcess::Running);
}

// The names of the channels there are now, as any process of the machine can list them.
QStringList SingleInstanceTest::名字表()
{
    QProcess 列出;
    列出.start(QStringLiteral(NAME_SQUATTER), {QStringLiteral("list")});
    列出.waitForFinished(10000);
    return QString::fromLocal8Bit(列出.readAllStandardOutput()).split(QRegularExpression(QStringLiteral("\r?\n")),
                                                                   Qt::SkipEmptyParts);
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
    单实例 首个(名);
    QList<QByteArray> 收到;
    QVERIFY(!首个.检查重复运行());
    QVERIFY(首个.持有锁());
    首个.开始接待([&收到](const QByteArray& 凭据) { 收到 << 凭据; });

    QProcessEnvironment 环境 = m_环境;
    if (!variable.isEmpty()) 环境.insert(variable, QString::fromLatin1(token));
    程序* 第二个 = 启动(环境);
    QVERIFY(第二个->等到结束());
    QCOMPARE(第二个->进程.exitStatus(), QProcess::NormalExit);
    QCOMPARE(第二个->进程.exitCode(), 0);
    QCOMPARE(收到, QList<QByteArray>{handedOn});  // answered only once the launcher had it
}

// The runtime folder differs between su, sudo -u, ssh and a desktop login of one user,
// and may be missing or unusable: one launcher all the same, nothing said about it on the
// terminal and no folder made for it.
void SingleInstanceTest::secondStartOfTheProgramEnds_data()
{
    QTest::addColumn<QString>("firstDir");
    QTest::addColumn<QString>("secondDir");
    QTest::newRow("same runtime folder") << "first" << "first";
    QTest::newRow("another runtime folder") << "first" << "second";
    QTest::newRow("no runtime folder") << QString() << QString();
    QTest::newRow("a runtime folder that is not there") << "missing" << "missing";
    QTest::newRow("a runtime folder open to others") << "open" << "first";
}

void SingleInstanceTest::secondStartOfTheProgramEnds()
{
    QFETCH(QString, firstDir);
    QFETCH(QString, secondDir);
    QDir 临时(m_临时.path());
    const QStringList 已有 = 临时.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const auto 所有者 = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    for (const char* 夹 : {"first", "second"}) {
        if (!临时.exists(QString::fromLatin1(夹))) QVERIFY(临时.mkdir(QString::fromLatin1(夹), 所有者));
    }
    if (!临时.exists(QStringLiteral("open"))) QVERIFY(临时.mkdir(QStringLiteral("open"), 所有者 | QFile::ReadOther | QFile::ExeOther));
    const auto 环境 = [this, &临时](const QString& 夹) {
        QProcessEnvironment 环境 = m_环境;
        环境.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        if (!夹.isEmpty()) 环境.insert(QStringLiteral("XDG_RUNTIME_DIR"), 临时.filePath(夹));
        return 环境;
    };

    程序* 第一个 = 启动(环境(firstDir));
    QVERIFY(第一个->等到绘制());
    QCOMPARE(其余输出(第一个->错误输出), QByteArray());
    检查再次启动(*第一个, 环境(secondDir));
    QCOMPARE(临时.entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral("first"), QStringLiteral("open"), QStringLiteral("second")}));
}

// When the launcher closes it stops hearing starts and gives the lock back: a start from
// then on becomes the launcher, instead of being handed to one that is going away.
void SingleInstanceTest::closingGivesTheLockBack()
{
    单实例 首个(名);
    int 唤醒 = 0;
    QVERIFY(!首个.检查重复运行());
    首个.开始接待([&唤醒](const QByteArray&) { ++唤醒; });
    首个.停止接待();
    QVERIFY(!首个.持有锁());

    单实例 接任(名);
    QVERIFY(!接任.检查重复运行());
    QVERIFY(接任.持有锁());
    QCOMPARE(唤醒, 0);
}

void SingleInstanceTest::startAfterTheFirstWasKilled()
{
    程序* 第一个 = 启动();
    QVERIFY(第一个->等到绘制());
    第一个->进程.kill();  // SIGKILL
    QVERIFY(第一个->等到结束());

    程序* 第二个 = 启动();
    QVERIFY(第二个->等到绘制());
    检查再次启动(*第二个, m_环境);
}

void SingleInstanceTest::twoStartedTogetherLeaveOne()
{
    for (int 回合 = 0; 回合 < 3; ++回合) {
        程序* 甲 = 启动();
        程序* 乙 = 启动();
        QVERIFY(甲->等到绘制() || 乙->等到绘制());
        QDeadlineTimer 期限(10000);
        while (甲->进程.state() != QProcess::NotRunning && 乙->进程.state() != QProcess::NotRunning && !期限.hasExpired()) {
            QTest::qWait(20);
        }
        程序& 结束的 = 甲->进程.state() == QProcess::Running ? *乙 : *甲;
        QVERIFY(结束的.等到结束());
        QCOMPARE(结束的.进程.exitStatus(), QProcess::NormalExit);
        QCOMPARE(结束的.进程.exitCode(), 0);
        QVERIFY(!结束的.错误输出.contains(绘制行));
        QCOMPARE((甲->进程.state() == QProcess::Running) + (乙->进程.state() == QProcess::Running), 1);
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
    QProcessEnvironment 那边 = m_环境;
    那边.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(服务器.readLine().trimmed()));

    程序* 这边的 = 启动();
    QVERIFY(这边的->等到绘制());
    程序* 那边的 = 启动(那边);
    QVERIFY(那边的->等到绘制());
    检查再次启动(*那边的, 那边);
    检查再次启动(*这边的, m_环境);
    cleanup();
    服务器.terminate();
    服务器.waitForFinished(5000);
}

// Another process takes the launcher's name first, found as anyone finds it: the program
// starts a launcher of its own within a second of a plain start, and hands it nothing; so
// does a start after it.
void SingleInstanceTest::nameTakenFirstByAnotherProcess_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("asAnotherUser");
    QTest::newRow("another user's, bound") << "bound" << true;
    QTest::newRow("another user's, listening") << "listening" << true;
    QTest::newRow("this user's, listening without answering") << "listening" << false;
}

void SingleInstanceTest::nameTakenFirstByAnotherProcess()
{
    QFETCH(QString, how);
    QFETCH(bool, asAnotherUser);
    const QStringList 之前 = 名字表();
    QElapsedTimer 计时;
    计时.start();
    程序* 平常 = 启动();
    QVERIFY(平常->等到绘制());
    const qint64 平常用时 = 计时.elapsed();
    QStringList 它的名字 = 名字表();
    for (const QString& 旧 : 之前) 它的名字.removeAll(旧);
    QCOMPARE(它的名字.size(), 1);
    cleanup();

    QProcess 占名者;
    QStringList 参数{QStringLiteral("hold"), 它的名字.front(), how};
    if (asAnotherUser) 参数 << QStringLiteral("nobody");
    占名者.start(QStringLiteral(NAME_SQUATTER), 参数);
    QDeadlineTimer 期限(10000);
    QByteArray 占名者说;
    while (!占名者说.contains("held") && 占名者.state() != QProcess::NotRunning && !期限.hasExpired()) {
        占名者.waitForReadyRead(50);
        占名者说 += 占名者.readAllStandardOutput();
    }
    if (!占名者说.contains("held")) {
        占名者.waitForFinished(1000);
        if (占名者.exitCode() == 2) QSKIP("this system has no such name");
        if (占名者.exitCode() == 3) QSKIP("no other user to be here");
        QFAIL("the name could not be taken");
    }
    计时.restart();
    程序* 被挡 = 启动();
    QVERIFY(被挡->等到绘制());
    QVERIFY2(计时.elapsed() < 平常用时 + 1000, qPrintable(QStringLiteral("%1 ms against %2 ms").arg(计时.elapsed()).arg(平常用时)));
    QCOMPARE(其余输出(被挡->错误输出), QByteArray());
    // Nobody holds the lock now: a later start is not handed to the other process either.
    程序* 再次 = 启动();
    QVERIFY(再次->等到绘制());
    QCOMPARE(被挡->进程.state(), QProcess::Running);
    占名者.kill();
    占名者.waitForFinished(5000);
}

QTEST_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
