#include "page_table.h"
#include "standard_weight_tables.h"
#include "test_doubles.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<格式段>)

namespace {

using 计算例程 = void (*)(const 页面输入&, 结果框&, 消息框&);

计算例程 按页(int 页号)
{
    return 页面表()[static_cast<std::size_t>(页号)].测量->计算;
}

constexpr quint32 句 = 0x333333;
constexpr quint32 数 = 0xAA33FF;
constexpr quint32 文 = 0x444444;

const QString CRLF = QStringLiteral("\r\n");
const QString 参考表 = u"BMI指数          <18.5          18.5-24          24-28          >28\r\n"
                      u"对应分类         轻体重         健康体重         超重           肥胖"_qs;
const QString 燃脂条件 = u"人体要燃烧脂肪，需要满足三个必要条件：\r\n"
                        u"     1、该运动要达到中低强度的运动心率；\r\n"
                        u"     2、这种中低强度运动心率的运动要持续20分钟以上；\r\n"
                        u"     3、这种运动必须是大肌肉群的运动，如慢跑游泳健身操等。\r\n"
                        u"低于或高于这个范围，都不算中低强度运动心率，燃烧的也就不是脂肪了"_qs;

}  // namespace

class MeasurePageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void firstLine_data();
    void firstLine();
    void wholeText_data();
    void wholeText();
    void formatting_data();
    void formatting();
    void failedCheckKeepsResult();
    void oneMinuteMatchesSinglePages_data();
    void oneMinuteMatchesSinglePages();
};

void MeasurePageTest::initTestCase()
{
    自定义方法::载入标准体重表();
}

void MeasurePageTest::firstLine_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("female");
    QTest::addColumn<QString>("line");

    auto 行 = [](const char* 名, int 页, QStringList 框, bool 女, QString 首行) {
        QTest::newRow(名) << 页 << 框 << 女 << 首行;
    };
    const QString 指数 = u"您的身体质量指数（BMI）为："_qs;
    行("bmi 170/65", 页::身体质量指数, {"170", "65"}, false, 指数 + "22.49");
    行("bmi 175/70", 页::身体质量指数, {"175", "70"}, false, 指数 + "22.86");
    行("bmi 160/60 rounds up", 页::身体质量指数, {"160", "60"}, false, 指数 + "23.44");
    行("bmi 200/88.5 half to even", 页::身体质量指数, {"200", "88.5"}, false, 指数 + "22.12");
    行("bmi 180/81 whole", 页::身体质量指数, {"180", "81"}, false, 指数 + "25");
    行("bmi 250/30", 页::身体质量指数, {"250", "30"}, false, 指数 + "4.8");
    行("bmi 100/250", 页::身体质量指数, {"100", "250"}, false, 指数 + "250");
    行("bmi 200/96", 页::身体质量指数, {"200", "96"}, false, 指数 + "24");
    行("bmi 170cm reads 170", 页::身体质量指数, {"170cm", "65kg"}, false, 指数 + "22.49");

    const QString 范围 = u"您的健康体重范围为："_qs;
    行("range 170", 页::健康体重范围, {"170"}, false, 范围 + u"53公斤～69公斤"_qs);
    行("range 160", 页::健康体重范围, {"160"}, false, 范围 + u"47公斤～61公斤"_qs);
    行("range 180", 页::健康体重范围, {"180"}, false, 范围 + u"60公斤～78公斤"_qs);
    行("range 100 half to even", 页::健康体重范围, {"100"}, false, 范围 + u"18公斤～24公斤"_qs);
    行("range 50", 页::健康体重范围, {"50"}, false, 范围 + u"5公斤～6公斤"_qs);
    行("range 250", 页::健康体重范围, {"250"}, false, 范围 + u"116公斤～150公斤"_qs);
    行("range 200", 页::健康体重范围, {"200"}, false, 范围 + u"74公斤～96公斤"_qs);

    const QString 代谢 = u"您的基础代谢率为： "_qs;
    行("bmr man 30/170/65", 页::基础代谢计算, {"30", "170", "65"}, false, 代谢 + u"1602 大卡"_qs);
    行("bmr man 25/175/70", 页::基础代谢计算, {"25", "175", "70"}, false, 代谢 + u"1731 大卡"_qs);
    行("bmr man smallest", 页::基础代谢计算, {"100", "100", "30"}, false, 代谢 + u"289 大卡"_qs);
    行("bmr man largest", 页::基础代谢计算, {"1", "250", "250"}, false, 代谢 + u"4743 大卡"_qs);
    行("bmr woman 30/160/55", 页::基础代谢计算, {"30", "160", "55"}, true, 代谢 + u"1317 大卡"_qs);
    行("bmr woman 45/158/60", 页::基础代谢计算, {"45", "158", "60"}, true, 代谢 + u"1291 大卡"_qs);
    行("bmr woman smallest", 页::基础代谢计算, {"100", "100", "30"}, true, 代谢 + u"645 大卡"_qs);
    行("bmr woman largest", 页::基础代谢计算, {"1", "250", "250"}, true, 代谢 + u"3480 大卡"_qs);

    const QString 心率 = u"您的中低强度运动心率是："_qs;
    auto 心率行 = [&心率](int 低, int 高) {
        return 心率 + QString::number(低) + u" 次/分钟到 "_qs + QString::number(高) + u" 次/分钟"_qs;
    };
    行("heart 30", 页::燃脂运动计算, {"30"}, false, 心率行(114, 152));
    行("heart 25", 页::燃脂运动计算, {"25"}, false, 心率行(117, 156));
    行("heart 45", 页::燃脂运动计算, {"45"}, false, 心率行(105, 140));
    行("heart 60", 页::燃脂运动计算, {"60"}, false, 心率行(96, 128));
    行("heart 33", 页::燃脂运动计算, {"33"}, false, 心率行(112, 150));
    行("heart 1", 页::燃脂运动计算, {"1"}, false, 心率行(131, 175));
    行("heart 100", 页::燃脂运动计算, {"100"}, false, 心率行(72, 96));

    auto 标准 = [](int 公斤) { return u"您的年龄身高对应标准体重为： "_qs + QString::number(公斤) + u" 公斤。(1公斤=2斤)"_qs; };
    行("standard man 19/152", 页::标准体重计算, {"19", "152"}, false, 标准(50));
    行("standard man 19/170", 页::标准体重计算, {"19", "170"}, false, 标准(56));
    行("standard man 69/188", 页::标准体重计算, {"69", "188"}, false, 标准(77));
    行("standard woman 69/176", 页::标准体重计算, {"69", "176"}, true, 标准(61));
    行("standard woman 47/160", 页::标准体重计算, {"47", "160"}, true, 标准(57));
    行("standard woman 49/160", 页::标准体重计算, {"49", "160"}, true, 标准(56));
    行("standard man 35.8/171.9", 页::标准体重计算, {"35.8", "171.9"}, false, 标准(61));
    行("standard man 35/172", 页::标准体重计算, {"35", "172"}, false, 标准(63));
    行("standard woman 22", 页::标准体重计算, {"22", "160"}, true, 标准(49));
    行("standard woman 25", 页::标准体重计算, {"25", "160"}, true, 标准(49));
    行("standard man 21/155.9", 页::标准体重计算, {"21", "155.9"}, false, 标准(51));
    行("standard man 21/156", 页::标准体重计算, {"21", "156"}, false, 标准(53));

    行("minute man 30/170/65", 页::一分钟彻底了解自己, {"30", "170", "65"}, false, 指数 + "22.49");
}

void MeasurePageTest::firstLine()
{
    QFETCH(int, page);
    QFETCH(QStringList, boxes);
    QFETCH(bool, female);
    QFETCH(QString, line);

    内存结果框 框;
    消息记录 记录;
    按页(page)(测试输入(boxes, female ? 性别::女 : 性别::男), 框, 记录);
    QVERIFY(记录.消息表.isEmpty());
    QCOMPARE(框.文本().section(CRLF, 0, 0), line);
}

void MeasurePageTest::wholeText_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("female");
    QTest::addColumn<QString>("text");

    QTest::newRow("bmi") << int(页::身体质量指数) << QStringList{"170", "65"} << false
        << u"您的身体质量指数（BMI）为：22.49\r\n"
           u"身体质量指数(BMI)：评估体重与身高比例的常用工具，适用范围：18至65岁的人士。\r\n"
           u"儿童、发育中的青少年、孕妇、乳母、老人及身型健硕的运动员除外。\r\n"_qs + 参考表;
    QTest::newRow("range") << int(页::健康体重范围) << QStringList{"170"} << false << u"您的健康体重范围为：53公斤～69公斤\r\n\r\n"_qs;
    QTest::newRow("bmr") << int(页::基础代谢计算) << QStringList{"30", "160", "55"} << true
        << u"您的基础代谢率为： 1317 大卡\r\n基础代谢率(BMR)：在安静状态下(通常为静卧状态)消耗的最低热量"_qs;
    QTest::newRow("heart") << int(页::燃脂运动计算) << QStringList{"30"} << false
        << u"您的中低强度运动心率是：114 次/分钟到 152 次/分钟\r\n"_qs + 燃脂条件;
    QTest::newRow("standard") << int(页::标准体重计算) << QStringList{"47", "160"} << true
        << u"您的年龄身高对应标准体重为： 57 公斤。(1公斤=2斤)"_qs;
    QTest::newRow("minute woman 25/165/55") << int(页::一分钟彻底了解自己) << QStringList{"25", "165", "55"} << true
        << u"您的身体质量指数（BMI）为：20.2\r\n"
           u"身体质量指数(BMI)：评估体重与身高比例的常用工具，适用范围：18至65岁的人士\r\n"
           u"儿童发育中的青少年孕妇乳母老人及身型健硕的运动员除外\r\n"_qs
           + 参考表 + u"\r\n\r\n"
           u"您的健康体重范围为：50公斤～65公斤\r\n\r\n"
           u"您的基础代谢率为：1349大卡\r\n"
           u"基础代谢率(BMR)：在安静状态下(通常为静卧状态)消耗的最低热量\r\n\r\n"
           u"您的中低强度运动心率是：117 次/分钟到 156 次/分钟\r\n"_qs + 燃脂条件;
    const QString 尾 = u"\r\n"_qs + 燃脂条件;
    QTest::newRow("minute man 1/50/30") << int(页::一分钟彻底了解自己) << QStringList{"1", "50", "30"} << false
        << u"您的身体质量指数（BMI）为：120\r\n"
           u"身体质量指数(BMI)：评估体重与身高比例的常用工具，适用范围：18至65岁的人士\r\n"
           u"儿童发育中的青少年孕妇乳母老人及身型健硕的运动员除外\r\n"_qs
           + 参考表 + u"\r\n\r\n"
           u"您的健康体重范围为：5公斤～6公斤\r\n\r\n"
           u"您的基础代谢率为：722大卡\r\n"
           u"基础代谢率(BMR)：在安静状态下(通常为静卧状态)消耗的最低热量\r\n\r\n"
           u"您的中低强度运动心率是：131 次/分钟到 175 次/分钟"_qs + 尾;
}

void MeasurePageTest::wholeText()
{
    QFETCH(int, page);
    QFETCH(QStringList, boxes);
    QFETCH(bool, female);
    QFETCH(QString, text);

    内存结果框 框;
    消息记录 记录;
    按页(page)(测试输入(boxes, female ? 性别::女 : 性别::男), 框, 记录);
    QCOMPARE(框.文本(), text);
    QCOMPARE(框.选择起点(), 0);
    QCOMPARE(框.选择长度(), 0);
}

void MeasurePageTest::formatting_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("female");
    QTest::addColumn<QList<格式段>>("runs");  // the last run goes to the end of the text

    QTest::newRow("bmi: line 1 and its carriage return bold") << int(页::身体质量指数) << QStringList{"170", "65"} << false
        << QList<格式段>{{0, 15, true, 句}, {15, 5, true, 数}, {20, 1, true, 句}, {21, -1, false, 文}};
    QTest::newRow("range: both bounds pink") << int(页::健康体重范围) << QStringList{"170"} << false
        << QList<格式段>{{0, 10, true, 句}, {10, 2, true, 数}, {12, 3, true, 句}, {15, 2, true, 数},
                         {17, 2, true, 句}, {19, -1, false, 文}};
    QTest::newRow("bmr") << int(页::基础代谢计算) << QStringList{"30", "170", "65"} << false
        << QList<格式段>{{0, 10, true, 句}, {10, 4, true, 数}, {14, 3, true, 句}, {17, -1, false, 文}};
    QTest::newRow("heart") << int(页::燃脂运动计算) << QStringList{"30"} << false
        << QList<格式段>{{0, 12, true, 句}, {12, 3, true, 数}, {15, 7, true, 句}, {22, 3, true, 数},
                         {25, 5, true, 句}, {30, -1, false, 文}};
    QTest::newRow("standard: the bracket stays plain") << int(页::标准体重计算) << QStringList{"19", "170"} << false
        << QList<格式段>{{0, 15, true, 句}, {15, 2, true, 数}, {17, 4, true, 句}, {21, -1, false, 文}};
    QTest::newRow("minute: the 65 of line 7, not of 18至65岁") << int(页::一分钟彻底了解自己) << QStringList{"25", "165", "55"} << true
        << QList<格式段>{{0, 15, true, 句},   {15, 4, true, 数},   {19, 1, true, 句},   {20, 196, false, 文},
                         {216, 10, true, 句}, {226, 2, true, 数},  {228, 3, true, 句},  {231, 2, true, 数},
                         {233, 2, true, 句},  {235, 4, false, 文}, {239, 9, true, 句},  {248, 4, true, 数},
                         {252, 2, true, 句},  {254, 39, false, 文}, {293, 12, true, 句}, {305, 3, true, 数},
                         {308, 7, true, 句},  {315, 3, true, 数},  {318, 5, true, 句},  {323, -1, false, 文}};
}

void MeasurePageTest::formatting()
{
    QFETCH(int, page);
    QFETCH(QStringList, boxes);
    QFETCH(bool, female);
    QFETCH(QList<格式段>, runs);

    内存结果框 框;
    消息记录 记录;
    按页(page)(测试输入(boxes, female ? 性别::女 : 性别::男), 框, 记录);
    runs.back().长度 = static_cast<int>(框.文本().size()) - runs.back().起点;
    QCOMPARE(格式段表(框), runs);
}

void MeasurePageTest::failedCheckKeepsResult()
{
    内存结果框 框;
    消息记录 记录;
    按页(页::身体质量指数)(测试输入({"170", "65"}), 框, 记录);
    const QString 之前 = 框.文本();
    const auto 之前格式 = 格式段表(框);

    按页(页::身体质量指数)(测试输入({"170", "20"}), 框, 记录);
    QCOMPARE(记录.消息表, QStringList{u"请正确填写您的“体重”！"_qs});
    QCOMPARE(框.文本(), 之前);
    QCOMPARE(格式段表(框), 之前格式);
}

void MeasurePageTest::oneMinuteMatchesSinglePages_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("female");
    QTest::newRow("man 30/170/65") << QStringList{"30", "170", "65"} << false;
    QTest::newRow("woman 100/250/250") << QStringList{"100", "250", "250"} << true;
    QTest::newRow("woman 45/158/60") << QStringList{"45", "158", "60"} << true;
}

void MeasurePageTest::oneMinuteMatchesSinglePages()
{
    QFETCH(QStringList, boxes);
    QFETCH(bool, female);
    const 性别 选中 = female ? 性别::女 : 性别::男;
    消息记录 记录;
    auto 结果 = [&](计算例程 例程, const QStringList& 框文本) {
        内存结果框 框;
        例程(测试输入(框文本, 选中), 框, 记录);
        return 框.文本().split(CRLF);
    };
    const QStringList 一分钟 = 结果(按页(页::一分钟彻底了解自己), boxes);
    QCOMPARE(一分钟.size(), 17);
    QCOMPARE(一分钟[0], 结果(按页(页::身体质量指数), {boxes[1], boxes[2]})[0]);
    QCOMPARE(一分钟[6], 结果(按页(页::健康体重范围), {boxes[1]})[0]);
    QCOMPARE(一分钟[8], 结果(按页(页::基础代谢计算), boxes)[0].remove(u' '));
    QCOMPARE(一分钟.mid(11), 结果(按页(页::燃脂运动计算), {boxes[0]}));
    QCOMPARE(一分钟[5], QString());
    QCOMPARE(一分钟[7], QString());
    QCOMPARE(一分钟[10], QString());
    QVERIFY(记录.消息表.isEmpty());
}

QTEST_APPLESS_MAIN(MeasurePageTest)
#include "tst_measure_pages.moc"
