#include "calorie_plan.h"
#include "food_data.h"
#include "test_doubles.h"

#include <QTest>

namespace {

// The meal tree as a list of nodes in display order; each food node names its meal.
class 测试树 final : public 餐次树 {
public:
    struct 节点 {
        QString 键;
        QString 文本;
        QString 父键;  // empty for a meal
        bool 展开 = false;
    };

    void 添加根节点(const QString& 键, const QString& 文本) override { 节点表.push_back({键, 文本, {}}); }
    void 添加子节点(const QString& 父键, const QString& 文本) override
    {
        // After the meal's last child, so the order is the tree's order.
        auto 位置 = std::find_if(节点表.begin(), 节点表.end(), [&父键](const 节点& n) { return n.键 == 父键; });
        if (位置 == 节点表.end()) return;
        ++位置;
        while (位置 != 节点表.end() && 位置->父键 == 父键) ++位置;
        const int 插入处 = static_cast<int>(位置 - 节点表.begin());
        节点表.insert(位置, {{}, 文本, 父键});
        if (选中 >= 插入处) ++选中;  // the same node stays selected
    }
    void 展开(int 位置) override { 节点表[static_cast<std::size_t>(位置 - 1)].展开 = true; }
    std::optional<QString> 选中节点文本() const override
    {
        if (选中 < 0) return std::nullopt;
        return 节点表[static_cast<std::size_t>(选中)].文本;
    }
    void 删除选中节点() override
    {
        节点表.erase(节点表.begin() + 选中);
        选中 = -1;
    }

    void 选择(const QString& 文本)
    {
        选中 = -1;
        for (int i = 0; i < static_cast<int>(节点表.size()); ++i) {
            if (节点表[static_cast<std::size_t>(i)].文本 == 文本) 选中 = i;
        }
    }
    QStringList 子节点(const QString& 餐) const
    {
        QStringList 文本;
        for (const 节点& n : 节点表) {
            if (n.父键 == 餐) 文本 << n.文本;
        }
        return 文本;
    }

    std::vector<节点> 节点表;
    int 选中 = -1;
};

class 测试列表 final : public 食物列表 {
public:
    void 添加行(const QString& 文本, const QString& 子项1, const QString& 子项2, const QString& 子项3) override
    {
        行表.push_back({文本, 子项1, 子项2, 子项3});
    }
    std::optional<行> 选中行() const override
    {
        if (选中 < 0) return std::nullopt;
        const QStringList& r = 行表[static_cast<std::size_t>(选中)];
        return 行{r[0], r[2]};
    }
    std::vector<QStringList> 行表;
    int 选中 = -1;
};

}  // namespace

// The meal plan on plain objects: the running total, the nodes and the result text.
class CaloriePlanTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void opening();
    void addAndRemove_data();
    void addAndRemove();
    void addingKeepsTheMealSelected();
    void addingWithAFoodNodeSelectedChangesNothing();
    void addingAnEmptyRowOrNothingChangesNothing();
    void removingAMealChangesNothing();
    void clearThenAddShowsTheRunningTotal();
    void totalIsRedAndSelected();

private:
    void 添加(const QString& 餐, int 行);
    void 删除(const QString& 节点文本);

    测试树 m_树;
    测试列表 m_列表;
    内存结果框 m_框;
    std::optional<方法_卡路里计算器::页面> m_页;
};

void CaloriePlanTest::init()
{
    auto& 表 = 自定义变量::食物数据;
    表.fill({});
    表[1] = {u"苹果"_qs, u"平安果"_qs, "52", "100"};
    表[2] = {u"米饭"_qs, {}, "30.5", "100"};
    表[3] = {u"甲"_qs, {}, "0.1", "1"};
    表[4] = {u"乙"_qs, {}, "0.2", "1"};
    表[5] = {u"丙"_qs, {}, "0.126", "1"};
    表[6] = {u"丁"_qs, {}, "1", "1"};
    m_树 = {};
    m_列表 = {};
    m_框 = {};
    m_页.emplace(方法_卡路里计算器::页面{m_树, m_列表, m_框});
    方法_卡路里计算器::添加餐次(*m_页);
    方法_卡路里计算器::初始化页面(*m_页);
}

void CaloriePlanTest::添加(const QString& 餐, int 行)
{
    m_树.选择(餐);
    m_列表.选中 = 行 - 1;
    方法_卡路里计算器::添加食物(*m_页);
}

void CaloriePlanTest::删除(const QString& 节点文本)
{
    m_树.选择(节点文本);
    方法_卡路里计算器::删除食物(*m_页);
}

void CaloriePlanTest::opening()
{
    QStringList 餐;
    for (const auto& n : m_树.节点表) {
        餐 << n.文本;
        QCOMPARE(n.键, n.文本);
        QVERIFY(n.展开);
    }
    QCOMPARE(餐, (QStringList{u"早餐"_qs, u"上午加餐"_qs, u"午餐"_qs, u"下午加餐"_qs, u"晚餐"_qs, u"晚上加餐"_qs}));
    QCOMPARE(m_列表.行表.size(), std::size_t(200));
    QCOMPARE(m_列表.行表[0], (QStringList{u"苹果"_qs, u"平安果"_qs, u"52 大卡"_qs, u"100 克"_qs}));
    QCOMPARE(m_列表.行表[199], (QStringList{{}, {}, u" 大卡"_qs, u" 克"_qs}));
    QCOMPARE(m_框.文本(), u"共摄入：0 大卡\r\n总消耗 = 活动消耗 + 基础代谢率"_qs);
}

void CaloriePlanTest::addAndRemove_data()
{
    QTest::addColumn<QList<int>>("rows");       // added to 午餐, in order
    QTest::addColumn<QString>("removed");       // a node text, or empty
    QTest::addColumn<QString>("total");
    QTest::newRow("52 + 30.5") << QList<int>{1, 2} << QString() << "82.5";
    QTest::newRow("52 + 30.5, remove 52") << QList<int>{1, 2} << u"52 大卡  苹果"_qs << "30.5";
    QTest::newRow("0.1 + 0.2") << QList<int>{3, 4} << QString() << "0.3";
    QTest::newRow("0.126 + 1, remove 1 rounds") << QList<int>{5, 6} << u"1 大卡  丁"_qs << "0.13";
    QTest::newRow("the same food twice") << QList<int>{1, 1} << QString() << "104";
    QTest::newRow("added twice, removed once") << QList<int>{1, 1} << u"52 大卡  苹果"_qs << "52";
}

void CaloriePlanTest::addAndRemove()
{
    QFETCH(QList<int>, rows);
    QFETCH(QString, removed);
    QFETCH(QString, total);
    for (int 行 : rows) 添加(u"午餐"_qs, 行);
    QCOMPARE(m_树.子节点(u"午餐"_qs).size(), rows.size());
    if (!removed.isEmpty()) {
        删除(removed);
        QCOMPARE(m_树.子节点(u"午餐"_qs).size(), rows.size() - 1);
    }
    QCOMPARE(m_框.文本(), u"共摄入："_qs + total + u" 大卡\r\n总消耗 = 活动消耗 + 基础代谢率"_qs);
}

void CaloriePlanTest::addingKeepsTheMealSelected()
{
    添加(u"午餐"_qs, 1);
    QCOMPARE(m_树.选中节点文本(), u"午餐"_qs);
    m_列表.选中 = 1;
    方法_卡路里计算器::添加食物(*m_页);
    QCOMPARE(m_树.子节点(u"午餐"_qs), (QStringList{u"52 大卡  苹果"_qs, u"30.5 大卡  米饭"_qs}));
    QVERIFY(m_树.子节点(u"早餐"_qs).isEmpty());
}

void CaloriePlanTest::addingWithAFoodNodeSelectedChangesNothing()
{
    添加(u"早餐"_qs, 1);
    const QString 之前 = m_框.文本();
    添加(u"52 大卡  苹果"_qs, 2);
    QCOMPARE(m_树.节点表.size(), std::size_t(7));
    QCOMPARE(m_框.文本(), 之前);
    QCOMPARE(方法_卡路里计算器::摄入总热量(), 52.0);
}

void CaloriePlanTest::addingAnEmptyRowOrNothingChangesNothing()
{
    添加(u"早餐"_qs, 150);  // a slot with no food
    添加(u"早餐"_qs, 0);    // no row selected
    m_树.选中 = -1;         // no meal selected
    m_列表.选中 = 0;
    方法_卡路里计算器::添加食物(*m_页);
    QCOMPARE(m_树.节点表.size(), std::size_t(6));
    QCOMPARE(方法_卡路里计算器::摄入总热量(), 0.0);
}

void CaloriePlanTest::removingAMealChangesNothing()
{
    添加(u"晚餐"_qs, 1);
    删除(u"晚餐"_qs);
    m_树.选中 = -1;
    方法_卡路里计算器::删除食物(*m_页);
    QCOMPARE(m_树.节点表.size(), std::size_t(7));
    QCOMPARE(方法_卡路里计算器::摄入总热量(), 52.0);
}

void CaloriePlanTest::clearThenAddShowsTheRunningTotal()
{
    添加(u"午餐"_qs, 1);
    m_框.设置文本({});
    添加(u"午餐"_qs, 2);
    QCOMPARE(m_框.文本(), u"共摄入：82.5 大卡\r\n总消耗 = 活动消耗 + 基础代谢率"_qs);
}

void CaloriePlanTest::totalIsRedAndSelected()
{
    添加(u"午餐"_qs, 2);
    QCOMPARE(m_框.选择起点(), 4);
    QCOMPARE(m_框.选择长度(), 4);
    QCOMPARE(m_框.选中文本(), QStringLiteral("30.5"));
    QCOMPARE(格式段表(m_框), (QList<格式段>{{0, 4, false, 0}, {4, 4, false, 0x0000FF},
                                         {8, static_cast<int>(m_框.文本().size()) - 8, false, 0}}));
}

QTEST_APPLESS_MAIN(CaloriePlanTest)
#include "tst_calorie_plan.moc"
