#include "calorie_page.h"
#include "food_database_readers.h"
#include "food_loader.h"
#include "form_main.h"
#include "message_service.h"
#include "open_page.h"
#include "result_box_widget.h"
#include "test_doubles.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTextCursor>
#include <QTreeWidget>

// The calorie page as a user works it: clicks, double-clicks and Enter on the views.
class CaloriePageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opening();
    void doubleClicksAddAndRemove();
    void enterAddsAndRemoves();
    void emptyRowAddsNothing();
    void reopeningStartsEmpty();
    void resultBoxHasTheMenu();
    void longestFieldsOpenAtOnce();

private:
    QTreeWidgetItem* 餐(const QString& 名) const;
    void 单击(QTreeWidget* 视图, QTreeWidgetItem* 项);
    void 双击(QTreeWidget* 视图, QTreeWidgetItem* 项);
    QString 第一行() const { return m_页->结果框()->toPlainText().section(u'\n', 0, 0); }

    Form_Main* m_启动窗口 = nullptr;
    Form_卡路里计算器* m_页 = nullptr;
    消息记录 m_消息;
};

void CaloriePageTest::initTestCase()
{
    消息服务::替换(&m_消息);
    m_启动窗口 = new Form_Main;
    m_启动窗口->显示();
    自定义方法::载入食物数据(QStringLiteral(TEST_DATA_DIR "/jet4-three-foods.mdb"), QStringLiteral(JET_READER));
}

void CaloriePageTest::init()
{
    QTest::mouseClick(m_启动窗口->磁贴标题(1), Qt::LeftButton);
    m_页 = dynamic_cast<Form_卡路里计算器*>(方法_Form_Main::页面(1));
    QVERIFY(m_页);
    QVERIFY(QTest::qWaitForWindowExposed(m_页));
}

void CaloriePageTest::cleanup()
{
    if (QWidget* 页 = 方法_Form_Main::页面(1)) 页->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTreeWidgetItem* CaloriePageTest::餐(const QString& 名) const
{
    const auto 项 = m_页->餐次树控件()->findItems(名, Qt::MatchExactly);
    return 项.isEmpty() ? nullptr : 项.front();
}

void CaloriePageTest::单击(QTreeWidget* 视图, QTreeWidgetItem* 项)
{
    QTest::mouseClick(视图->viewport(), Qt::LeftButton, {}, 视图->visualItemRect(项).center());
}

void CaloriePageTest::双击(QTreeWidget* 视图, QTreeWidgetItem* 项)
{
    const QPoint 点 = 视图->visualItemRect(项).center();
    QTest::mouseClick(视图->viewport(), Qt::LeftButton, {}, 点);
    QTest::mouseDClick(视图->viewport(), Qt::LeftButton, {}, 点);
}

void CaloriePageTest::opening()
{
    QTreeWidget* 树 = m_页->餐次树控件();
    QStringList 餐名;
    for (int i = 0; i < 树->topLevelItemCount(); ++i) {
        餐名 << 树->topLevelItem(i)->text(0);
        QVERIFY(树->topLevelItem(i)->isExpanded());
        QCOMPARE(树->topLevelItem(i)->childCount(), 0);
    }
    QCOMPARE(餐名, (QStringList{u"早餐"_qs, u"上午加餐"_qs, u"午餐"_qs, u"下午加餐"_qs, u"晚餐"_qs, u"晚上加餐"_qs}));
    QTreeWidget* 列表 = m_页->食物列表控件();
    QCOMPARE(列表->topLevelItemCount(), 200);
    const QTreeWidgetItem* 牛奶 = 列表->topLevelItem(2);
    QCOMPARE((QStringList{牛奶->text(0), 牛奶->text(1), 牛奶->text(2), 牛奶->text(3)}),
             (QStringList{u"牛奶"_qs, u"纯牛奶"_qs, u"65.5 大卡"_qs, u"250 克"_qs}));
    QCOMPARE(列表->topLevelItem(3)->text(2), u" 大卡"_qs);
    QCOMPARE(列表->headerItem()->text(2), u"食物热量"_qs);
    QCOMPARE(列表->toolTip(), u"双击列表添加"_qs);
    QCOMPARE(树->toolTip(), u"双击节点删除"_qs);
    QCOMPARE(m_页->结果框()->toPlainText(), u"共摄入：0 大卡\n总消耗 = 活动消耗 + 基础代谢率"_qs);
}

void CaloriePageTest::doubleClicksAddAndRemove()
{
    QTreeWidget* 树 = m_页->餐次树控件();
    QTreeWidget* 列表 = m_页->食物列表控件();
    单击(树, 餐(u"午餐"_qs));
    双击(列表, 列表->topLevelItem(0));
    双击(列表, 列表->topLevelItem(2));

    QTreeWidgetItem* 午餐 = 餐(u"午餐"_qs);
    QCOMPARE(午餐->childCount(), 2);
    QCOMPARE(午餐->child(0)->text(0), u"52 大卡  苹果"_qs);
    QCOMPARE(午餐->child(1)->text(0), u"65.5 大卡  牛奶"_qs);
    QCOMPARE(树->selectedItems(), QList<QTreeWidgetItem*>{午餐});
    QCOMPARE(第一行(), u"共摄入：117.5 大卡"_qs);
    QTextCursor 光标 = m_页->结果框()->textCursor();
    QCOMPARE(光标.selectedText(), QStringLiteral("117.5"));
    QCOMPARE(光标.charFormat().foreground().color(), QColor(255, 0, 0));

    双击(树, 午餐->child(0));
    QCOMPARE(午餐->childCount(), 1);
    QCOMPARE(第一行(), u"共摄入：65.5 大卡"_qs);
}

void CaloriePageTest::enterAddsAndRemoves()
{
    QTreeWidget* 树 = m_页->餐次树控件();
    QTreeWidget* 列表 = m_页->食物列表控件();
    单击(树, 餐(u"早餐"_qs));
    单击(列表, 列表->topLevelItem(1));
    QTest::keyClick(列表, Qt::Key_Return);
    QCOMPARE(餐(u"早餐"_qs)->childCount(), 1);
    QCOMPARE(第一行(), u"共摄入：116 大卡"_qs);

    单击(树, 餐(u"早餐"_qs)->child(0));
    QTest::keyClick(树, Qt::Key_Return);
    QCOMPARE(餐(u"早餐"_qs)->childCount(), 0);
    QCOMPARE(第一行(), u"共摄入：0 大卡"_qs);

    单击(树, 餐(u"早餐"_qs));  // Delete too, on a food and not on a meal
    QTest::keyClick(列表, Qt::Key_Return);
    QTest::keyClick(树, Qt::Key_Delete);
    QCOMPARE(餐(u"早餐"_qs)->childCount(), 1);
    单击(树, 餐(u"早餐"_qs)->child(0));
    QTest::keyClick(树, Qt::Key_Delete);
    QCOMPARE(餐(u"早餐"_qs)->childCount(), 0);
}

void CaloriePageTest::emptyRowAddsNothing()
{
    QTreeWidget* 列表 = m_页->食物列表控件();
    单击(m_页->餐次树控件(), 餐(u"晚餐"_qs));
    列表->scrollToItem(列表->topLevelItem(10));
    双击(列表, 列表->topLevelItem(10));
    QCOMPARE(餐(u"晚餐"_qs)->childCount(), 0);
    QCOMPARE(第一行(), u"共摄入：0 大卡"_qs);
}

void CaloriePageTest::reopeningStartsEmpty()
{
    单击(m_页->餐次树控件(), 餐(u"午餐"_qs));
    双击(m_页->食物列表控件(), m_页->食物列表控件()->topLevelItem(0));
    QCOMPARE(第一行(), u"共摄入：52 大卡"_qs);
    m_页->close();
    QVERIFY(m_启动窗口->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    init();
    QCOMPARE(餐(u"午餐"_qs)->childCount(), 0);
    QCOMPARE(第一行(), u"共摄入：0 大卡"_qs);
    QCOMPARE(m_页->食物列表控件()->topLevelItemCount(), 200);
}

void CaloriePageTest::resultBoxHasTheMenu()
{
    QTest::mousePress(m_页->结果框()->viewport(), Qt::RightButton, {}, QPoint(10, 10));
    QVERIFY(m_页->结果框()->菜单()->isVisible());
    m_页->结果框()->菜单()->hide();
}

// The longest table the loader can build: 200 foods, every field as long as it may be.
// The page opens at once, and a food of the longest energy figure adds a finite total.
void CaloriePageTest::longestFieldsOpenAtOnce()
{
    m_页->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto 原表 = 自定义变量::食物数据;
    const QString 名(食物库::最长字段, u'米'), 热量(食物库::最长字段, u'9');
    for (std::size_t i = 1; i < 自定义变量::食物数据.size(); ++i) 自定义变量::食物数据[i] = {名, 名, 热量, 热量};

    QElapsedTimer 计时;
    计时.start();
    init();
    QCOMPARE_LT(计时.elapsed(), qint64(1000));
    QTreeWidget* 列表 = m_页->食物列表控件();
    QCOMPARE(列表->topLevelItemCount(), 200);
    单击(m_页->餐次树控件(), 餐(u"早餐"_qs));
    列表->scrollToItem(列表->topLevelItem(199));
    双击(列表, 列表->topLevelItem(199));
    QCOMPARE(餐(u"早餐"_qs)->childCount(), 1);
    // 255 nines, to 15 significant digits: 10 to the 255th, written out.
    QCOMPARE(第一行(), u"共摄入：1"_qs + QString(255, u'0') + u" 大卡"_qs);
    自定义变量::食物数据 = 原表;
}

QTEST_MAIN(CaloriePageTest)
#include "tst_calorie_page.moc"
