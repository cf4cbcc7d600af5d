#include "app_setup.h"
#include "form_main.h"
#include "measure_page.h"
#include "message_service.h"
#include "open_page.h"
#include "result_box_widget.h"
#include "test_doubles.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

// The launcher and the pages as a user meets them: presses on tiles, typing,
// "计算", the result box's popup menu, closing and opening again.
class LauncherAndPagesTest : public QObject {
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
    void typicalRequest();
    void enterComputes();
    void failedCheckKeepsResult();
    void menuOnlyOnRightButton_data();
    void menuOnlyOnRightButton();
    void copySelectedAndClear();
    void closingShowsLauncherAndReopeningIsEmpty();
    void secondOpeningBringsTheSamePageForward();
    void wakeShowsLauncherBesidePage();
    void tabOrderFollowsInputRow();
    void everyControlHasAnAccessibleName();
    void qtTextsAreChinese();
    void resultFontLinesUpTheTable();
    void updateTimerEndsWithoutALibrary();

private:
    测量页面* 打开测量页(qint16 索引);
    Form_Main* m_启动窗口 = nullptr;
    消息记录 m_消息;
};

void LauncherAndPagesTest::initTestCase()
{
    安装界面语言与字体(*qApp);
    消息服务::替换(&m_消息);
    m_启动窗口 = new Form_Main;
    m_启动窗口->显示();
    QVERIFY(QTest::qWaitForWindowExposed(m_启动窗口));
}

void LauncherAndPagesTest::cleanup()
{
    for (qint16 i = 0; i < 7; ++i) {
        if (QWidget* 页 = 方法_Form_Main::页面(i)) 页->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_消息.消息表.clear();
    m_启动窗口->显示();
}

测量页面* LauncherAndPagesTest::打开测量页(qint16 索引)
{
    QTest::mouseClick(m_启动窗口->磁贴标题(索引), Qt::LeftButton);
    auto* 页 = dynamic_cast<测量页面*>(方法_Form_Main::页面(索引));
    if (页 && !QTest::qWaitForWindowExposed(页)) return nullptr;
    return 页;
}

void LauncherAndPagesTest::launcherLayout()
{
    QCOMPARE(m_启动窗口->windowTitle(), QStringLiteral("Vettora Ver.3.0.0.0"));
    QCOMPARE(m_启动窗口->size(), QSize(854, 560));
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

void LauncherAndPagesTest::tileOpensItsPage_data()
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

void LauncherAndPagesTest::tileOpensItsPage()
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
    QVERIFY(!m_启动窗口->isVisible());
}

void LauncherAndPagesTest::otherButtonsOpenNothing_data()
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

void LauncherAndPagesTest::otherButtonsOpenNothing()
{
    QFETCH(int, button);
    QFETCH(QString, control);
    QWidget* 控件 = m_启动窗口->findChild<QWidget*>(control);
    QVERIFY(控件);
    QTest::mousePress(控件, Qt::MouseButton(button), {}, QPoint(2, 2));
    QVERIFY(!方法_Form_Main::页面(2));
    QVERIFY(m_启动窗口->isVisible());
}

void LauncherAndPagesTest::indexOutsideTheTilesDoesNothing()
{
    for (qint16 索引 : {qint16(-1), qint16(7), qint16(32767)}) {
        方法_Form_Main::打开页面(*m_启动窗口, 索引);
    }
    for (qint16 i = 0; i < 7; ++i) QVERIFY(!方法_Form_Main::页面(i));
    QVERIFY(m_启动窗口->isVisible());
}

void LauncherAndPagesTest::typicalRequest()
{
    测量页面* 页 = 打开测量页(2);
    QVERIFY(页);
    QTest::keyClicks(页->输入框(0), "170");
    QTest::keyClicks(页->输入框(1), "65");
    QTest::mouseClick(页->计算按钮(), Qt::LeftButton);

    结果框控件* 框 = 页->结果框();
    const QString 文本 = 框->toPlainText();
    QCOMPARE(文本.section(u'\n', 0, 0), u"您的身体质量指数（BMI）为：22.49"_qs);
    QCOMPARE(文本.count(u'\n'), 4);
    QVERIFY(!框->textCursor().hasSelection());

    // Line 1 bold, its figure pink; line 2 plain grey.
    QTextCursor 光标(框->document());
    光标.setPosition(16);
    QCOMPARE(光标.charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(光标.charFormat().foreground().color(), QColor(0xFF, 0x33, 0xAA));
    光标.setPosition(3);
    QCOMPARE(光标.charFormat().foreground().color(), QColor(0x33, 0x33, 0x33));
    光标.setPosition(框->document()->findBlockByNumber(1).position() + 2);
    QCOMPARE(光标.charFormat().fontWeight(), int(QFont::Normal));
    QCOMPARE(光标.charFormat().foreground().color(), QColor(0x44, 0x44, 0x44));

    QTest::mousePress(框->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    QVERIFY(框->菜单()->isVisible());
    const QStringList 菜单项 = [&] {
        QStringList 项;
        for (QAction* 动作 : 框->菜单()->actions()) 项 << (动作->isSeparator() ? "-" : 动作->text());
        return 项;
    }();
    QCOMPARE(菜单项, (QStringList{u"复制选中[&C]"_qs, u"复制全部[&A]"_qs, "-", u"清除信息[&R]"_qs}));
    for (QAction* 动作 : 框->菜单()->actions()) {
        if (动作->objectName() == "Pop_TextBox_CopyAll") 动作->trigger();
    }
    框->菜单()->hide();

    QCOMPARE(QGuiApplication::clipboard()->text(), 文本);
    QCOMPARE(m_消息.消息表, QStringList{u"已成功复制全部信息！"_qs});

    页->close();
    QVERIFY(m_启动窗口->isVisible());
}

void LauncherAndPagesTest::enterComputes()
{
    测量页面* 页 = 打开测量页(6);
    QVERIFY(页);
    QTest::keyClicks(页->输入框(0), "30");
    QTest::keyClick(页->输入框(0), Qt::Key_Return);
    QVERIFY(页->结果框()->toPlainText().startsWith(u"您的中低强度运动心率是：114 次/分钟到 152 次/分钟"_qs));
}

void LauncherAndPagesTest::failedCheckKeepsResult()
{
    测量页面* 页 = 打开测量页(5);
    QVERIFY(页);
    QTest::keyClicks(页->输入框(0), "170");
    QTest::mouseClick(页->计算按钮(), Qt::LeftButton);
    const QString 之前 = 页->结果框()->toHtml();

    页->输入框(0)->setText("49");
    QTest::mouseClick(页->计算按钮(), Qt::LeftButton);
    QCOMPARE(m_消息.消息表, QStringList{u"请正确填写您的“身高”！"_qs});
    QCOMPARE(页->结果框()->toHtml(), 之前);
    QCOMPARE(页->输入框(0)->text(), QStringLiteral("49"));
}

void LauncherAndPagesTest::menuOnlyOnRightButton_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("shown");
    QTest::newRow("right") << int(Qt::RightButton) << true;
    QTest::newRow("left") << int(Qt::LeftButton) << false;
    QTest::newRow("middle") << int(Qt::MiddleButton) << false;
}

void LauncherAndPagesTest::menuOnlyOnRightButton()
{
    QFETCH(int, button);
    QFETCH(bool, shown);
    测量页面* 页 = 打开测量页(2);
    QVERIFY(页);
    QTest::mousePress(页->结果框()->viewport(), Qt::MouseButton(button), {}, QPoint(30, 30));
    QCOMPARE(页->结果框()->菜单()->isVisible(), shown);
    页->结果框()->菜单()->hide();
    QTest::mouseRelease(页->结果框()->viewport(), Qt::MouseButton(button), {}, QPoint(30, 30));
}

void LauncherAndPagesTest::copySelectedAndClear()
{
    测量页面* 页 = 打开测量页(4);
    QVERIFY(页);
    页->输入框(0)->setText("30");
    页->输入框(1)->setText("170");
    页->输入框(2)->setText("65");
    QTest::mouseClick(页->计算按钮(), Qt::LeftButton);
    auto 动作 = [&](const char* 名) {
        for (QAction* a : 页->结果框()->菜单()->actions()) {
            if (a->objectName() == QLatin1String(名)) return a;
        }
        return static_cast<QAction*>(nullptr);
    };

    QGuiApplication::clipboard()->setText("old");
    动作("Pop_TextBox_CopyInfo")->trigger();  // nothing selected: an empty text, and still the message
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QCOMPARE(m_消息.消息表, QStringList{u"已成功复制选中信息！"_qs});

    选择(页->结果框()->操作(), 10, 4);
    动作("Pop_TextBox_CopyInfo")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1602"));

    动作("Pop_TextBox_Clear")->trigger();
    QCOMPARE(页->结果框()->toPlainText(), QString());
    QCOMPARE(页->输入框(2)->text(), QStringLiteral("65"));
    QCOMPARE(m_消息.消息表.size(), 2);
}

void LauncherAndPagesTest::closingShowsLauncherAndReopeningIsEmpty()
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

void LauncherAndPagesTest::secondOpeningBringsTheSamePageForward()
{
    测量页面* 页 = 打开测量页(0);
    QVERIFY(页);
    页->输入框(0)->setText("30");
    m_启动窗口->显示();
    方法_Form_Main::打开页面(*m_启动窗口, 0);
    QCOMPARE(方法_Form_Main::页面(0), static_cast<QWidget*>(页));
    QCOMPARE(页->输入框(0)->text(), QStringLiteral("30"));
}

void LauncherAndPagesTest::wakeShowsLauncherBesidePage()
{
    测量页面* 页 = 打开测量页(2);
    QVERIFY(页);
    m_启动窗口->showMinimized();
    m_启动窗口->唤醒();
    QVERIFY(m_启动窗口->isVisible());
    QVERIFY(!(m_启动窗口->windowState() & Qt::WindowMinimized));
    QVERIFY(页->isVisible());
}

void LauncherAndPagesTest::tabOrderFollowsInputRow()
{
    测量页面* 页 = 打开测量页(4);
    QVERIFY(页);
    QCOMPARE(页->性别选项(1)->nextInFocusChain() != nullptr, true);
    QList<QWidget*> 顺序;
    QWidget* 当前 = 页->性别选项(0);
    for (int i = 0; i < 6; ++i) {
        顺序 << 当前;
        当前 = 当前->nextInFocusChain();
        while (当前->focusPolicy() == Qt::NoFocus) 当前 = 当前->nextInFocusChain();
    }
    // The two options form one group: Tab leaves the group, so the chain is what counts.
    QCOMPARE(顺序, (QList<QWidget*>{页->性别选项(0), 页->性别选项(1), 页->输入框(0), 页->输入框(1), 页->输入框(2),
                                    页->计算按钮()}));
}

void LauncherAndPagesTest::everyControlHasAnAccessibleName()
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

void LauncherAndPagesTest::qtTextsAreChinese()
{
    QMessageBox 框(QMessageBox::NoIcon, "Vettora", "x", QMessageBox::Ok);
    QCOMPARE(框.button(QMessageBox::Ok)->text(), u"确定"_qs);
}

void LauncherAndPagesTest::resultFontLinesUpTheTable()
{
    测量页面* 页 = 打开测量页(2);
    QVERIFY(页);
    const QFont 字体 = 页->结果框()->font();
    if (!QFontInfo(字体).family().contains("Mono CJK") && QFontInfo(字体).family() != "NSimSun") {
        QSKIP("the CJK monospaced font (fonts-noto-cjk) is not installed");
    }
    const QFontMetricsF 度量(字体);
    QCOMPARE(度量.horizontalAdvance(u"对"_qs), 2 * 度量.horizontalAdvance("a"));
    QCOMPARE(度量.horizontalAdvance("i"), 度量.horizontalAdvance("W"));
    QCOMPARE(度量.horizontalAdvance(u"BMI指数          "_qs), 度量.horizontalAdvance(u"对应分类         "_qs));
}

void LauncherAndPagesTest::updateTimerEndsWithoutALibrary()
{
    // No updater library beside this test program: the check calls nothing and still ends.
    QTimer* 计时 = m_启动窗口->更新计时();
    QTRY_VERIFY_WITH_TIMEOUT(!计时->isActive(), 7000);
    QVERIFY(m_启动窗口->isVisible());
}

QTEST_MAIN(LauncherAndPagesTest)
#include "tst_launcher_and_pages.moc"
