#include "basal_metabolic_rate.h"
#include "body_mass_index.h"
#include "fat_burning_heart_rate.h"
#include "healthy_weight_range.h"
#include "one_minute_assessment.h"
#include "standard_weight.h"
#include "test_doubles.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<格式段>)

namespace {

using 计算例程 = void (*)(const 页面输入&, 结果框&, 消息框&);

计算例程 按页(const QString& 页)
{
    if (页 == "bmi") return 方法_身体质量指数::计算;
    if (页 == "bmr") return 方法_基础代谢计算::计算;
    if (页 == "range") return 方法_健康体重范围::计算;
    if (页 == "heart") return 方法_燃脂运动计算::计算;
    if (页 == "minute") return 方法_一分钟彻底了解自己::计算;
    return 方法_标准体重计算::计算;
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
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("female");
    QTest::addColumn<QString>("line");

    auto 行 = [](const char* 名, const char* 页, QStringList 框, bool 女, QString 首行) {
        QTest::newRow(名) << QString::fromLatin1(页) << 框 << 女 << 首行;
    };
    const QString 指数 = u"您的身体质量指数（BMI）为："_qs;
    行("bmi 170/65", "bmi", {"170", "65"}, false, 指数 + "22.49");
    行("bmi 175/70", "bmi", {"175", "70"}, false, 指数 + "22.86");
    行("bmi 160/60 rounds up", "bmi", {"160", "60"}, false, 指数 + "23.44");
    行("bmi 200/88.5 half to even", "bmi", {"200", "88.5"}, false, 指数 + "22.12");
    行("bmi 180/81 whole", "bmi", {"180", "81"}, false, 指数 + "25");
    行("bmi 250/30", "bmi", {"250", "30"}, false, 指数 + "4.8");
    行("bmi 100/250", "bmi", {"100", "250"}, false, 指数 + "250");
    行("bmi 200/96", "bmi", {"200", "96"}, false, 指数 + "24");
    行("bmi 170cm reads 170", "bmi", {"170cm", "65kg"}, false, 指数 + "22.49");

    const QString 范围 = u"您的健康体重范围为："_qs;
    行("range 170", "range", {"170"}, false, 范围 + u"53公斤～69公斤"_qs);
    行("range 160", "range", {"160"}, false, 范围 + u"47公斤～61公斤"_qs);
    行("range 180", "range", {"180"}, false, 范围 + u"60公斤～78公斤"_qs);
    行("range 100 half to even", "range", {"100"}, false, 范围 + u"18公斤～24公斤"_qs);
    行("range 50", "range", {"50"}, false, 范围 + u"5公斤～6公斤"_qs);
    行("range 250", "range", {"250"}, false, 范围 + u"116公斤～150公斤"_qs);
    行("range 200", "range", {"200"}, false, 范围 + u"74公斤～96公斤"_qs);

    const QString 代谢 = u"您的基础代谢率为： "_qs;
    行("bmr man 30/170/65", "bmr", {"30", "170", "65"}, false, 代谢 + u"1602 大卡"_qs);
    行("bmr man 25/175/70", "bmr", {"25", "175", "70"}, false, 代谢 + u"1731 大卡"_qs);
    行("bmr man smallest", "bmr", {"100", "100", "30"}, false, 代谢 + u"289 大卡"_qs);
    行("bmr man largest", "bmr", {"1", "250", "250"}, false, 代谢 + u"4743 大卡"_qs);
    行("bmr woman 30/160/55", "bmr", {"30", "160", "55"}, true, 代谢 + u"1317 大卡"_qs);
    行("bmr woman 45/158/60", "bmr", {"45", "158", "60"}, true, 代谢 + u"1291 大卡"_qs);
    行("bmr woman smallest", "bmr", {"100", "100", "30"}, true, 代谢 + u"645 大卡"_qs);
    行("bmr woman largest", "bmr", {"1", "250", "250"}, true, 代谢 + u"3480 大卡"_qs);

    const QString 心率 = u"您的中低强度运动心率是："_qs;
    auto 心率行 = [&心率](int 低, int 高) {
        return 心率 + QString::number(低) + u" 次/分钟到 "_qs + QString::number(高) + u" 次/分钟"_qs;
    };
    行("heart 30", "heart", {"30"}, false, 心率行(114, 152));
    行("heart 25", "heart", {"25"}, false, 心率行(117, 156));
    行("heart 45", "heart", {"45"}, false, 心率行(105, 140));
    行("heart 60", "heart", {"60"}, false, 心率行(96, 128));
    行("heart 33", "heart", {"33"}, false, 心率行(112, 150));
    行("heart 1", "heart", {"1"}, false, 心率行(131, 175));
    行("heart 100", "heart", {"100"}, false, 心率行(72, 96));

    auto 标准 = [](int 公斤) { return u"您的年龄身高对应标准体重为： "_qs + QString::number(公斤) + u" 公斤。(1公斤=2斤)"_qs; };
    行("standard man 19/152", "standard", {"19", "152"}, false, 标准(50));
    行("standard man 19/170", "standard", {"19", "170"}, false, 标准(56));
    行("standard man 69/188", "standard", {"69", "188"}, false, 标准(77));
    行("standard woman 69/176", "standard", {"69", "176"}, true, 标准(61));
    行("standard woman 47/160", "standard", {"47", "160"}, true, 标准(57));
    行("standard woman 49/160", "standard", {"49", "160"}, true, 标准(56));
    行("standard man 35.8/171.9", "standard", {"35.8", "171.9"}, false, 标准(61));
    行("standard man 35/172", "standard", {"35", "172"}, false, 标准(63));
    行("standard woman 22", "standard", {"22", "160"}, true, 标准(49));
    行("standard woman 25", "standard", {"25", "160"}, true, 标准(49));
    行("standard man 21/155.9", "standard", {"21", "155.9"}, false, 标准(51));
    行("standard man 21/156", "standard", {"21", "156"}, false, 标准(53));

    行("minute man 30/170/65", "minute", {"30", "170", "65"}, false, 指数 + "22.49");
}

void MeasurePageTest::firstLine()
{
    QFETCH(QString, page);
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
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("female");
    QTest::addColumn<QString>("text");

    QTest::newRow("bmi") << "bmi" << QStringList{"170", "65"} << false
        << u"您的身体质量指数（BMI）为：22.49\r\n"
           u"身体质量指数(BMI)：评估体重与身高比例的常用工具，适用范围：18至65岁的人士。\r\n"
           u"儿童、发育中的青少年、孕妇、乳母、老人及身型健硕的运动员除外。\r\n"_qs + 参考表;
    QTest::newRow("range") << "range" << QStringList{"170"} << false << u"您的健康体重范围为：53公斤～69公斤\r\n\r\n"_qs;
    QTest::newRow("bmr") << "bmr" << QStringList{"30", "160", "55"} << true
        << u"您的基础代谢率为： 1317 大卡\r\n基础代谢率(BMR)：在安静状态下(通常为静卧状态)消耗的最低热量"_qs;
    QTest::newRow("heart") << "heart" << QStringList{"30"} << false
        << u"您的中低强度运动心率是：114 次/分钟到 152 次/分钟\r\n"_qs + 燃脂条件;
    QTest::newRow("standard") << "standard" << QStringList{"47", "160"} << true
        << u"您的年龄身高对应标准体重为： 57 公斤。(1公斤=2斤)"_qs;
    QTest::newRow("minute woman 25/165/55") << "minute" << QStringList{"25", "165", "55"} << true
        << u"您的身体质量指数（BMI）为：20.2\r\n"
           u"身体质量指数(BMI)：评估体重与身高比例的常用工具，适用范围：18至65岁的人士\r\n"
           u"儿童发育中的青少年孕妇乳母老人及身型健硕的运动员除外\r\n"_qs
           + 参考表 + u"\r\n\r\n"
           u"您的健康体重范围为：50公斤～65公斤\r\n\r\n"
           u"您的基础代谢率为：1349大卡\r\n"
           u"基础代谢率(BMR)：在安静状态下(通常为静卧状态)消耗的最低热量\r\n\r\n"
           u"您的中低强度运动心率是：117 次/分钟到 156 次/分钟\r\n"_qs + 燃脂条件;
    const QString 尾 = u"\r\n"_qs + 燃脂条件;
    QTest::newRow("minute man 1/50/30") << "minute" << QStringList{"1", "50", "30"} << false
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
    QFETCH(QString, page);
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
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("female");
    QTest::addColumn<QList<格式段>>("runs");  // the last run goes to the end of the text

    QTest::newRow("bmi: line 1 and its carriage return bold") << "bmi" << QStringList{"170", "65"} << false
        << QList<格式段>{{0, 15, true, 句}, {15, 5, true, 数}, {20, 1, true, 句}, {21, -1, false, 文}};
    QTest::newRow("range: both bounds pink") << "range" << QStringList{"170"} << false
        << QList<格式段>{{0, 10, true, 句}, {10, 2, true, 数}, {12, 3, true, 句}, {15, 2, true, 数},
                         {17, 2, true, 句}, {19, -1, false, 文}};
    QTest::newRow("bmr") << "bmr" << QStringList{"30", "170", "65"} << false
        << QList<格式段>{{0, 10, true, 句}, {10, 4, true, 数}, {14, 3, true, 句}, {17, -1, false, 文}};
    QTest::newRow("heart") << "heart" << QStringList{"30"} << false
        << QList<格式段>{{0, 12, true, 句}, {12, 3, true, 数}, {15, 7, true, 句}, {22, 3, true, 数},
                         {25, 5, true, 句}, {30, -1, false, 文}};
    QTest::newRow("standard: the bracket stays plain") << "standard" << QStringList{"19", "170"} << false
        << QList<格式段>{{0, 15, true, 句}, {15, 2, true, 数}, {17, 4, true, 句}, {21, -1, false, 文}};
    QTest::newRow("minute: the 65 of line 7, not of 18至65岁") << "minute" << QStringList{"25", "165", "55"} << true
        << QList<格式段>{{0, 15, true, 句},   {15, 4, true, 数},   {19, 1, true, 句},   {20, 196, false, 文},
                         {216, 10, true, 句}, {226, 2, true, 数},  {228, 3, true, 句},  {231, 2, true, 数},
                         {233, 2, true, 句},  {235, 4, false, 文}, {239, 9, true, 句},  {248, 4, true, 数},
                         {252, 2, true, 句},  {254, 39, false, 文}, {293, 12, true, 句}, {305, 3, true, 数},
                         {308, 7, true, 句},  {315, 3, true, 数},  {318, 5, true, 句},  {323, -1, false, 文}};
}

void MeasurePageTest::formatting()
{
    QFETCH(QString, page);
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
    方法_身体质量指数::计算(测试输入({"170", "65"}), 框, 记录);
    const QString 之前 = 框.文本();
    const auto 之前格式 = 格式段表(框);

    方法_身体质量指数::计算(测试输入({"170", "20"}), 框, 记录);
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
    const QStringList 一分钟 = 结果(方法_一分钟彻底了解自己::计算, boxes);
    QCOMPARE(一分钟.size(), 17);
    QCOMPARE(一分钟[0], 结果(方法_身体质量指数::计算, {boxes[1], boxes[2]})[0]);
    QCOMPARE(一分钟[6], 结果(方法_健康体重范围::计算, {boxes[1]})[0]);
    QCOMPARE(一分钟[8], 结果(方法_基础代谢计算::计算, boxes)[0].remove(u' '));
    QCOMPARE(一分钟.mid(11), 结果(方法_燃脂运动计算::计算, {boxes[0]}));
    QCOMPARE(一分钟[5], QString());
    QCOMPARE(一分钟[7], QString());
    QCOMPARE(一分钟[10], QString());
    QVERIFY(记录.消息表.isEmpty());
}

QTEST_APPLESS_MAIN(MeasurePageTest)
#include "tst_measure_pages.moc"
