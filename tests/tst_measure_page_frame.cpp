#include "launcher_fixture.h"
#include "measure_page.h"
#include "result_box_widget.h"

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

// A measure page as a user meets it: typing, "计算", Enter, the result box's popup menu,
// the order of the Tab key, the result's font.
class MeasurePageFrameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void typicalRequest();
    void enterComputes();
    void failedCheckKeepsResult();
    void menuOnlyOnRightButton_data();
    void menuOnlyOnRightButton();
    void copySelectedAndClear();
    void menuOffersWhatItCanCopy_data();
    void menuOffersWhatItCanCopy();
    void tabOrderFollowsInputRow();
    void resultFontLinesUpTheTable();

private:
    测量页面* 打开测量页(qint16 索引) { return m_夹具.打开测量页(索引); }
    启动窗口夹具 m_夹具;
    Form_Main*& m_启动窗口 = m_夹具.启动窗口;
    消息记录& m_消息 = m_夹具.消息;
};

void MeasurePageFrameTest::initTestCase()
{
    QVERIFY(m_夹具.启动());
}

void MeasurePageFrameTest::cleanup()
{
    m_夹具.收拾();
}

void MeasurePageFrameTest::typicalRequest()
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

void MeasurePageFrameTest::enterComputes()
{
    测量页面* 页 = 打开测量页(6);
    QVERIFY(页);
    QTest::keyClicks(页->输入框(0), "30");
    QTest::keyClick(页->输入框(0), Qt::Key_Return);
    QVERIFY(页->结果框()->toPlainText().startsWith(u"您的中低强度运动心率是：114 次/分钟到 152 次/分钟"_qs));
}

void MeasurePageFrameTest::failedCheckKeepsResult()
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

void MeasurePageFrameTest::menuOnlyOnRightButton_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("shown");
    QTest::newRow("right") << int(Qt::RightButton) << true;
    QTest::newRow("left") << int(Qt::LeftButton) << false;
    QTest::newRow("middle") << int(Qt::MiddleButton) << false;
}

void MeasurePageFrameTest::menuOnlyOnRightButton()
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

void MeasurePageFrameTest::copySelectedAndClear()
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
    动作("Pop_TextBox_CopyInfo")->trigger();  // nothing selected: the clipboard as it was, no message
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("old"));

    选择(页->结果框()->操作(), 10, 4);
    动作("Pop_TextBox_CopyInfo")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1602"));

    动作("Pop_TextBox_Clear")->trigger();
    QCOMPARE(页->结果框()->toPlainText(), QString());
    QCOMPARE(页->输入框(2)->text(), QStringLiteral("65"));
    动作("Pop_TextBox_CopyAll")->trigger();  // an empty box: nothing to copy
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1602"));
    QCOMPARE(m_消息.消息表, QStringList{u"已成功复制选中信息！"_qs});
}

void MeasurePageFrameTest::menuOffersWhatItCanCopy_data()
{
    QTest::addColumn<QString>("box");  // empty, result, selection (of the result), cleared (after a selection)
    QTest::addColumn<QString>("openedBy");
    QTest::addColumn<bool>("copySelected");
    QTest::addColumn<bool>("copyAll");
    QTest::newRow("empty, mouse") << "empty" << "mouse" << false << false;
    QTest::newRow("result, Shift+F10") << "result" << "Shift+F10" << false << true;
    QTest::newRow("selection, Shift+F10") << "selection" << "Shift+F10" << true << true;
    QTest::newRow("cleared, Shift+F10") << "cleared" << "Shift+F10" << false << false;
}

// Each time the menu opens, a copy command with nothing to copy is disabled; 清除信息 never is.
void MeasurePageFrameTest::menuOffersWhatItCanCopy()
{
    QFETCH(QString, box);
    QFETCH(QString, openedBy);
    测量页面* 页 = 打开测量页(6);
    QVERIFY(页);
    结果框控件* 框 = 页->结果框();
    auto 动作 = [框](const char* 名) { return 框->菜单()->findChild<QAction*>(QLatin1String(名)); };
    if (box != "empty") QTest::keyClicks(页->输入框(0), "30\r");
    if (box == "selection" || box == "cleared") 选择(框->操作(), 0, 4);
    if (box == "cleared") 动作("Pop_TextBox_Clear")->trigger();
    if (openedBy == "mouse") QTest::mousePress(框->viewport(), Qt::RightButton, {}, QPoint(30, 30));
    else QTest::keyClick(框, Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(框->菜单()->isVisible());
    QTEST(动作("Pop_TextBox_CopyInfo")->isEnabled(), "copySelected");
    QTEST(动作("Pop_TextBox_CopyAll")->isEnabled(), "copyAll");
    QVERIFY(动作("Pop_TextBox_Clear")->isEnabled());
    框->菜单()->hide();
    if (openedBy == "mouse") QTest::mouseRelease(框->viewport(), Qt::RightButton, {}, QPoint(30, 30));
}

void MeasurePageFrameTest::tabOrderFollowsInputRow()
{
    测量页面* 页 = 打开测量页(4);
    QVERIFY(页);
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

void MeasurePageFrameTest::resultFontLinesUpTheTable()
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

QTEST_MAIN(MeasurePageFrameTest)
#include "tst_measure_page_frame.moc"
