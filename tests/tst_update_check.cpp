#include "form_main.h"
#include "message_service.h"
#include "open_page.h"
#include "test_doubles.h"
#include "update_check.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The update check with the test updater library beside this test program: one call,
// five seconds after each load of the launcher, with the update list's address.
class UpdateCheckTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void oneCallFiveSecondsAfterLoad();
    void pagesDoNotTriggerIt();
    void aNewLoadChecksAgain();
    void missingLibraryOrEntryCallsNothing();

private:
    QStringList 调用() const;
    bool 等到调用数(int 数, int 毫秒);

    QTemporaryDir m_目录;
    QString m_记录;
    Form_Main* m_启动窗口 = nullptr;
    消息记录 m_消息;
};

namespace {
const QString 地址 = QStringLiteral("http://www.vettora.cn/softs/vettora/update.txt");
}

void UpdateCheckTest::initTestCase()
{
    QVERIFY(QFile::exists(modUpdate::更新库路径(QCoreApplication::applicationDirPath())));
    m_记录 = m_目录.filePath("calls.log");
    qputenv("VETTORA_FAKE_UPDATER_LOG", m_记录.toLocal8Bit());
    消息服务::替换(&m_消息);
    m_启动窗口 = new Form_Main;
}

QStringList UpdateCheckTest::调用() const
{
    QFile 文件(m_记录);
    if (!文件.open(QIODevice::ReadOnly)) return {};
    return QString::fromLocal8Bit(文件.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

bool UpdateCheckTest::等到调用数(int 数, int 毫秒)
{
    QElapsedTimer 计时;
    计时.start();
    while (调用().size() < 数 && 计时.elapsed() < 毫秒) QTest::qWait(20);
    return 调用().size() == 数;
}

void UpdateCheckTest::oneCallFiveSecondsAfterLoad()
{
    QElapsedTimer 计时;
    计时.start();
    m_启动窗口->显示();
    QTest::qWait(1000);
    QTest::mouseClick(m_启动窗口->磁贴标题(2), Qt::LeftButton);  // the launcher is hidden now
    QVERIFY(!m_启动窗口->isVisible());

    QVERIFY(等到调用数(1, 8000));
    QCOMPARE_GE(计时.elapsed(), qint64(4900));
    QCOMPARE_LE(计时.elapsed(), qint64(6500));
    QCOMPARE(调用(), QStringList{地址});
    QVERIFY(!m_启动窗口->更新计时()->isActive());
}

void UpdateCheckTest::pagesDoNotTriggerIt()
{
    方法_Form_Main::页面(2)->close();
    for (qint16 i : {qint16(0), qint16(2), qint16(6)}) {
        QTest::mouseClick(m_启动窗口->磁贴标题(i), Qt::LeftButton);
        QTest::qWait(100);
        QWidget* 页 = 方法_Form_Main::页面(i);
        QVERIFY(页);
        页->close();
    }
    QTest::qWait(5500);
    QCOMPARE(调用().size(), 1);
    QVERIFY(m_启动窗口->isVisible());
}

void UpdateCheckTest::aNewLoadChecksAgain()
{
    m_启动窗口->close();  // unloads the launcher; showing it loads it again
    m_启动窗口->显示();
    QVERIFY(m_启动窗口->更新计时()->isActive());
    QVERIFY(等到调用数(2, 8000));
    QCOMPARE(调用(), (QStringList{地址, 地址}));
}

void UpdateCheckTest::missingLibraryOrEntryCallsNothing()
{
    QCOMPARE(modUpdate::DoUpdate(地址, m_目录.path()), false);
    QCOMPARE(modUpdate::DoUpdate(地址, QStringLiteral(NO_ENTRY_DIR)), false);
    QCOMPARE(调用().size(), 2);
    QCOMPARE(modUpdate::DoUpdate(地址, QCoreApplication::applicationDirPath()), true);
}

QTEST_MAIN(UpdateCheckTest)
#include "tst_update_check.moc"
