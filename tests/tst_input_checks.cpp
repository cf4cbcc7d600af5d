#include "page_table.h"
#include "test_doubles.h"

#include <QTest>

namespace {

using 检查 = bool (*)(const 页面输入&, 消息框&);

const QString 年龄 = u"请正确填写您的“年龄”！"_qs;
const QString 身高 = u"请正确填写您的“身高”！"_qs;
const QString 体重 = u"请正确填写您的“体重”！"_qs;

检查 按页(int 页号)
{
    return 页面表()[static_cast<std::size_t>(页号)].测量->检查输入;
}

}  // namespace

class InputCheckTest : public QObject {
    Q_OBJECT
private slots:
    void check_data();
    void check();
};

void InputCheckTest::check_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("female");
    QTest::addColumn<QString>("message");  // empty: accepted

    auto 行 = [](const char* 名, int 页, QStringList 框, QString 消息, bool 女 = false) {
        QTest::newRow(名) << 页 << 框 << 女 << 消息;
    };
    // Body mass index: height 100 to 250, weight 30 to 250.
    行("bmi typical", 页::身体质量指数, {"170", "65"}, {});
    行("bmi height 100", 页::身体质量指数, {"100", "65"}, {});
    行("bmi height 99.9", 页::身体质量指数, {"99.9", "65"}, 身高);
    行("bmi height 250", 页::身体质量指数, {"250", "65"}, {});
    行("bmi height 250.01", 页::身体质量指数, {"250.01", "65"}, 身高);
    行("bmi height 50", 页::身体质量指数, {"50", "65"}, 身高);
    行("bmi weight 30", 页::身体质量指数, {"170", "30"}, {});
    行("bmi weight 250", 页::身体质量指数, {"170", "250"}, {});
    行("bmi weight 29.9", 页::身体质量指数, {"170", "29.9"}, 体重);
    行("bmi both empty: height first", 页::身体质量指数, {"", ""}, 身高);
    行("bmi 170cm", 页::身体质量指数, {"170cm", "65"}, {});
    行("bmi letters", 页::身体质量指数, {"abc", "65"}, 身高);
    行("bmi leading space", 页::身体质量指数, {"170", " 65"}, {});
    行("bmi negative", 页::身体质量指数, {"-170", "65"}, 身高);
    行("bmi huge", 页::身体质量指数, {"1e400", "65"}, 身高);
    行("bmi blank only", 页::身体质量指数, {"   ", "65"}, 身高);
    行("bmi full-width", 页::身体质量指数, {u"１７０"_qs, u"６５"_qs}, {});
    // Basal metabolic rate: age 1 to 100, height 100 to 250, weight 30 to 250.
    行("bmr all bad: age first", 页::基础代谢计算, {"0", "10", "5"}, 年龄);
    行("bmr age 1", 页::基础代谢计算, {"1", "170", "65"}, {});
    行("bmr age 0.5", 页::基础代谢计算, {"0.5", "170", "65"}, 年龄);
    行("bmr age 100", 页::基础代谢计算, {"100", "170", "65"}, {});
    行("bmr age 100.5", 页::基础代谢计算, {"100.5", "170", "65"}, 年龄);
    行("bmr height 99", 页::基础代谢计算, {"30", "99", "65"}, 身高);
    行("bmr weight 251", 页::基础代谢计算, {"30", "170", "251"}, 体重);
    // Healthy weight range: height 50 to 250.
    行("range height 50", 页::健康体重范围, {"50"}, {});
    行("range height 49", 页::健康体重范围, {"49"}, 身高);
    行("range height 250.5", 页::健康体重范围, {"250.5"}, 身高);
    // Fat-burning heart rate: age 1 to 100.
    行("heart age 1", 页::燃脂运动计算, {"1"}, {});
    行("heart age 101", 页::燃脂运动计算, {"101"}, 年龄);
    行("heart empty", 页::燃脂运动计算, {""}, 年龄);
    // One minute: age 1 to 100, height 50 to 250, weight 30 to 250.
    行("minute height 50", 页::一分钟彻底了解自己, {"30", "50", "30"}, {});
    行("minute height 49.9", 页::一分钟彻底了解自己, {"30", "49.9", "30"}, 身高);
    行("minute weight 29", 页::一分钟彻底了解自己, {"30", "170", "29"}, 体重);
    行("minute age 0", 页::一分钟彻底了解自己, {"0", "170", "65"}, 年龄);
    // Standard weight: age 19 to 69; height 152 to 188 for men, to 176 for women.
    行("standard age 19", 页::标准体重计算, {"19", "170"}, {});
    行("standard age 69", 页::标准体重计算, {"69", "170"}, {});
    行("standard age 18.9", 页::标准体重计算, {"18.9", "170"}, 年龄);
    行("standard age 69.5", 页::标准体重计算, {"69.5", "170"}, 年龄);
    行("standard man 188", 页::标准体重计算, {"30", "188"}, {});
    行("standard man 189", 页::标准体重计算, {"30", "189"}, 身高);
    行("standard woman 176", 页::标准体重计算, {"30", "176"}, {}, true);
    行("standard woman 177", 页::标准体重计算, {"30", "177"}, 身高, true);
    行("standard man 151", 页::标准体重计算, {"30", "151"}, 身高);
    行("standard woman 151", 页::标准体重计算, {"30", "151"}, 身高, true);
    行("standard 30岁", 页::标准体重计算, {u"30岁"_qs, "170"}, {});
}

void InputCheckTest::check()
{
    QFETCH(int, page);
    QFETCH(QStringList, boxes);
    QFETCH(bool, female);
    QFETCH(QString, message);

    const 测试输入 输入(boxes, female ? 性别::女 : 性别::男);
    消息记录 记录;
    const bool 通过 = 按页(page)(输入, 记录);

    QCOMPARE(通过, message.isEmpty());
    QCOMPARE(记录.消息表, message.isEmpty() ? QStringList() : QStringList{message});
}

QTEST_APPLESS_MAIN(InputCheckTest)
#include "tst_input_checks.moc"
