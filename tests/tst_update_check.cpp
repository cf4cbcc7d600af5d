#include "form_main.h"
#include "message_service.h"
#include "open_page.h"
#include "test_doubles.h"
#include "update_check.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The update check with the test updater library beside this test program: one call,
// five seconds after each load of the launcher, with the update list's address. The
// tests shorten the five seconds, each with a launcher and a call log of its own.
class UpdateCheckTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void oneCallAfterEachLoad();
    void pagesDoNotTriggerIt();
    void missingLibraryOrEntryCallsNothing();

private:
    QStringList 调用() const;

    QTemporaryDir m_目录;
    QString m_记录;
    Form_Main* m_启动窗口 = nullptr;
    消息记录 m_消息;
};

namespace {
const QString 地址 = QStringLiteral("http://www.vettora.cn/softs/vettora/update.txt");
constexpr int 测试间隔 = 200;  // milliseconds, for the five seconds
}

void UpdateCheckTest::initTestCase()
{
    QVERIFY(QFile::exists(modUpdate::更新库路径(QCoreApplication::applicationDirPath())));
    m_记录 = m_目录.filePath("calls.log");
    qputenv("VETTORA_FAKE_UPDATER_LOG", m_记录.toLocal8Bit());
    消息服务::替换(&m_消息);
}

void UpdateCheckTest::init()
{
    QFile::remove(m_记录);
    m_启动窗口 = new Form_Main;
    QCOMPARE(m_启动窗口->更新计时()->interval(), 5000);
    m_启动窗口->更新计时()->setInterval(测试间隔);
}

void UpdateCheckTest::cleanup()
{
    for (qint16 i = 0; i < 7; ++i) {
        if (QWidget* 页 = 方法_Form_Main::页面(i)) 页->close();
    }
    delete m_启动窗口;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList UpdateCheckTest::调用() const
{
    QFile 文件(m_记录);
    if (!文件.open(QIODevice::ReadOnly)) return {};
    return QString::fromLocal8Bit(文件.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void UpdateCheckTest::oneCallAfterEachLoad()
{
    m_启动窗口->显示();
    QTest::mouseClick(m_启动窗口->磁贴标题(2), Qt::LeftButton);  // the launcher is hidden now
    QVERIFY(!m_启动窗口->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(调用(), QStringList{地址}, 10 * 测试间隔);
    QVERIFY(!m_启动窗口->更新计时()->isActive());  // the only way to a call: there is no other

    方法_Form_Main::页面(2)->close();
    m_启动窗口->close();  // unloads the launcher; showing it loads it again
    m_启动窗口->显示();
    QVERIFY(m_启动窗口->更新计时()->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(调用(), (QStringList{地址, 地址}), 10 * 测试间隔);
    QVERIFY(!m_启动窗口->更新计时()->isActive());
}

void UpdateCheckTest::pagesDoNotTriggerIt()
{
    m_启动窗口->显示();
    QTRY_COMPARE_WITH_TIMEOUT(调用().size(), 1, 10 * 测试间隔);
    for (qint16 i : {qint16(0), qint16(2), qint16(6)}) {
        QTest::mouseClick(m_启动窗口->磁贴标题(i), Qt::LeftButton);
        QWidget* 页 = 方法_Form_Main::页面(i);
        QVERIFY(页);
        页->close();
    }
    QVERIFY(!m_启动窗口->更新计时()->isActive());
    QCOMPARE(调用().size(), 1);
    QVERIFY(m_启动窗口->isVisible());
}

void UpdateCheckTest::missingLibraryOrEntryCallsNothing()
{
    QCOMPARE(modUpdate::DoUpdate(地址, m_目录.path()), false);
    QCOMPARE(modUpdate::DoUpdate(地址, QStringLiteral(NO_ENTRY_DIR)), false);
    QCOMPARE(调用().size(), 0);
    QCOMPARE(modUpdate::DoUpdate(地址, QCoreApplication::applicationDirPath()), true);
    QCOMPARE(调用(), QStringList{地址});
}

QTEST_MAIN(UpdateCheckTest)
#include "tst_update_check.moc"
