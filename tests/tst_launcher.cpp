#include "launcher_fixture.h"
#include "measure_page.h"
#include "result_box_widget.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

// The launcher as a user meets it: presses on its tiles, opening and closing pages, a
// second start, the update check.
class LauncherTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void launcherLayout();
    void tileOpensItsPage_data();
    void tileOpensItsPage();
    void otherButtonsOpenNothing_data();
    void otherButtonsOpenNothing();
    void indexOutsideTheTilesDoesNothing();
    void closingShowsLauncherAndReopeningIsEmpty();
    void secondOpeningBringsTheSamePageForward();
    void wakeShowsLauncherBesidePage();
    void everyControlHasAnAccessibleName();
    void qtTextsAreChinese();
    void updateTimerEndsWithoutALibrary();

private:
    测量页面* 打开测量页(qint16 索引) { return m_夹具.打开测量页(索引); }
    启动窗口夹具 m_夹具;
    Form_Main*& m_启动窗口 = m_夹具.启动窗口;
    消息记录& m_消息 = m_夹具.消息;
};

void LauncherTest::initTestCase()
{
    QVERIFY(m_夹具.启动());
}

void LauncherTest::cleanup()
{
    m_夹具.收拾();
}

void LauncherTest::launcherLayout()
{
    QCOMPARE(m_启动窗口->windowTitle(), QStringLiteral("Vettora Ver.3.0.0.0"));
    QCOMPARE(m_启动窗口->size(), QSize(854, 560));
    QCOMPARE(m_启动窗口->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::MSWindowsFixedSizeDialogHint),
             Qt::MSWindowsFixedSizeDialogHint);  // a fixed layout: no maximize, no resizing border
    QCOMPARE(m_启动窗口->findChild<QWidget*>("WebBrowser_AD")->geometry(), QRect(-2, 0, 857, 95));
    QCOMPARE(m_启动窗口->findChild<QWidget*>(u"Picture_底部背景"_qs)->geometry(), QRect(0, 96, 854, 463));
    const QPoint 位置[7] = {{498, 64}, {14, 202}, {566, 326}, {290, 202}, {566, 202}, {14, 326}, {290, 326}};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(m_启动窗口->findChild<QWidget*>(QStringLiteral("Picture_Back_%1").arg(i))->geometry(),
                 QRect(位置[i], QSize(274, 112)));
        QCOMPARE(m_启动窗口->磁贴标题(i)->cursor().hotSpot(), QPoint(6, 0));
        QCOMPARE(m_启动窗口->图标(i)->cursor().hotSpot(), QPoint(6, 0));
    }
}

void LauncherTest::tileOpensItsPage_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("onIcon");
    QTest::addColumn<QString>("caption");
    const char* 标题[7] = {"一分钟彻底了解自己", "卡路里计算器", "身体质量指数(BMI)", "标准体重计算",
                         "基础代谢计算", "健康体重范围", "燃脂运动计算"};
    for (int i = 0; i < 7; ++i) {
        QTest::addRow("tile %d title", i) << i << false << QString::fromUtf8(标题[i]);
        QTest::addRow("tile %d icon", i) << i << true << QString::fromUtf8(标题[i]);
    }
}

void LauncherTest::tileOpensItsPage()
{
    QFETCH(int, index);
    QFETCH(bool, onIcon);
    QFETCH(QString, caption);

    QWidget* 目标 = onIcon ? m_启动窗口->图标(index) : m_启动窗口->磁贴标题(index);
    QTest::mousePress(目标, Qt::LeftButton);
    QWidget* 页 = 方法_Form_Main::页面(static_cast<qint16>(index));
    QVERIFY(页);
    QVERIFY(页->isVisible());
    QCOMPARE(页->windowTitle(), caption);
    QVERIFY(!页->parentWidget());
    QCOMPARE(页->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::MSWindowsFixedSizeDialogHint),
             Qt::MSWindowsFixedSizeDialogHint);
    QVERIFY(!m_启动窗口->isVisible());
}

void LauncherTest::otherButtonsOpenNothing_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("control");
    for (const char* 控件 : {"Label_Title_2", "Image_Logo_2"}) {
        QTest::addRow("right on %s", 控件) << int(Qt::RightButton) << QString::fromLatin1(控件);
        QTest::addRow("middle on %s", 控件) << int(Qt::MiddleButton) << QString::fromLatin1(控件);
    }
    QTest::newRow("left on the description") << int(Qt::LeftButton) << "Label_Tips_2";
    QTest::newRow("left on the panel") << int(Qt::LeftButton) << "Picture_Back_2";
}

void LauncherTest::otherButtonsOpenNothing()
{
    QFETCH(int, button);
    QFETCH(QString, control);
    QWidget* 控件 = m_启动窗口->findChild<QWidget*>(control);
    QVERIFY(控件);
    QTest::mousePress(控件, Qt::MouseButton(button), {}, QPoint(2, 2));
    QVERIFY(!方法_Form_Main::页面(2));
    QVERIFY(m_启动窗口->isVisible());
}

void LauncherTest::indexOutsideTheTilesDoesNothing()
{
    for (qint16 索引 : {qint16(-1), qint16(7), qint16(32767)}) {
        方法_Form_Main::打开页面(*m_启动窗口, 索引);
    }
    for (qint16 i = 0; i < 7; ++i) QVERIFY(!方法_Form_Main::页面(i));
    QVERIFY(m_启动窗口->isVisible());
}

void LauncherTest::closingShowsLauncherAndReopeningIsEmpty()
{
    测量页面* 页 = 打开测量页(3);
    QVERIFY(页);
    页->性别选项(1)->setChecked(true);
    页->输入框(0)->setText("47");
    页->输入框(1)->setText("160");
    QTest::mouseClick(页->计算按钮(), Qt::LeftButton);
    QVERIFY(页->结果框()->toPlainText().contains(u"57 公斤。"_qs));

    页->close();
    QVERIFY(m_启动窗口->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!方法_Form_Main::页面(3));

    页 = 打开测量页(3);
    QVERIFY(页);
    QCOMPARE(页->输入框(0)->text(), QString());
    QCOMPARE(页->输入框(1)->text(), QString());
    QVERIFY(页->性别选项(0)->isChecked());
    QCOMPARE(页->结果框()->toPlainText(), QString());
}

void LauncherTest::secondOpeningBringsTheSamePageForward()
{
    测量页面* 页 = 打开测量页(0);
    QVERIFY(页);
    页->输入框(0)->setText("30");
    m_启动窗口->显示();
    方法_Form_Main::打开页面(*m_启动窗口, 0);
    QCOMPARE(方法_Form_Main::页面(0), static_cast<QWidget*>(页));
    QCOMPARE(页->输入框(0)->text(), QStringLiteral("30"));
}

void LauncherTest::wakeShowsLauncherBesidePage()
{
    测量页面* 页 = 打开测量页(2);
    QVERIFY(页);
    m_启动窗口->showMinimized();
    m_启动窗口->唤醒();
    QVERIFY(m_启动窗口->isVisible());
    QVERIFY(!(m_启动窗口->windowState() & Qt::WindowMinimized));
    QVERIFY(页->isVisible());
}

void LauncherTest::everyControlHasAnAccessibleName()
{
    QList<QWidget*> 窗口{m_启动窗口};
    for (qint16 i : {qint16(0), qint16(3)}) 窗口 << 打开测量页(i);
    for (QWidget* 窗 : 窗口) {
        QVERIFY(窗);
        const auto 控件表 = 窗->findChildren<QWidget*>();
        for (QWidget* 控件 : 控件表) {
            const bool 要名 = qobject_cast<QLabel*>(控件) || qobject_cast<QLineEdit*>(控件)
                             || qobject_cast<QAbstractButton*>(控件) || qobject_cast<QTextEdit*>(控件);
            if (要名) QVERIFY2(!控件->accessibleName().isEmpty(), qPrintable(控件->objectName()));
        }
    }
}

void LauncherTest::qtTextsAreChinese()
{
    QMessageBox 框(QMessageBox::NoIcon, "Vettora", "x", QMessageBox::Ok);
    QCOMPARE(框.button(QMessageBox::Ok)->text(), u"确定"_qs);
}

void LauncherTest::updateTimerEndsWithoutALibrary()
{
    // No updater library beside this test program: the check of a new load calls nothing and
    // still ends.
    QTimer* 计时 = m_启动窗口->更新计时();
    m_启动窗口->close();
    m_启动窗口->显示();
    QVERIFY(计时->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!计时->isActive(), 1000);
    QVERIFY(m_启动窗口->isVisible());
}

QTEST_MAIN(LauncherTest)
#include "tst_launcher.moc"
