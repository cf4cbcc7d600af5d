#include "basal_metabolic_rate.h"
#include "body_mass_index.h"
#include "fat_burning_heart_rate.h"
#include "healthy_weight_range.h"
#include "one_minute_assessment.h"
#include "standard_weight.h"
#include "test_doubles.h"

#include <QTest>

namespace {

using 检查 = bool (*)(const 页面输入&, 消息框&);

const QString 年龄 = u"请正确填写您的“年龄”！"_qs;
const QString 身高 = u"请正确填写您的“身高”！"_qs;
const QString 体重 = u"请正确填写您的“体重”！"_qs;

检查 按页(const QString& 页)
{
    if (页 == "bmi") return 方法_身体质量指数::检查输入;
    if (页 == "bmr") return 方法_基础代谢计算::检查输入;
    if (页 == "range") return 方法_健康体重范围::检查输入;
    if (页 == "heart") return 方法_燃脂运动计算::检查输入;
    if (页 == "minute") return 方法_一分钟彻底了解自己::检查输入;
    return 方法_标准体重计算::检查输入;
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
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("female");
    QTest::addColumn<QString>("message");  // empty: accepted

    auto 行 = [](const char* 名, const char* 页, QStringList 框, QString 消息, bool 女 = false) {
        QTest::newRow(名) << QString::fromLatin1(页) << 框 << 女 << 消息;
    };
    // Body mass index: height 100 to 250, weight 30 to 250.
    行("bmi typical", "bmi", {"170", "65"}, {});
    行("bmi height 100", "bmi", {"100", "65"}, {});
    行("bmi height 99.9", "bmi", {"99.9", "65"}, 身高);
    行("bmi height 250", "bmi", {"250", "65"}, {});
    行("bmi height 250.01", "bmi", {"250.01", "65"}, 身高);
    行("bmi height 50", "bmi", {"50", "65"}, 身高);
    行("bmi weight 30", "bmi", {"170", "30"}, {});
    行("bmi weight 250", "bmi", {"170", "250"}, {});
    行("bmi weight 29.9", "bmi", {"170", "29.9"}, 体重);
    行("bmi both empty: height first", "bmi", {"", ""}, 身高);
    行("bmi 170cm", "bmi", {"170cm", "65"}, {});
    行("bmi letters", "bmi", {"abc", "65"}, 身高);
    行("bmi leading space", "bmi", {"170", " 65"}, {});
    行("bmi negative", "bmi", {"-170", "65"}, 身高);
    行("bmi huge", "bmi", {"1e400", "65"}, 身高);
    行("bmi blank only", "bmi", {"   ", "65"}, 身高);
    行("bmi full-width", "bmi", {u"１７０"_qs, u"６５"_qs}, {});
    // Basal metabolic rate: age 1 to 100, height 100 to 250, weight 30 to 250.
    行("bmr all bad: age first", "bmr", {"0", "10", "5"}, 年龄);
    行("bmr age 1", "bmr", {"1", "170", "65"}, {});
    行("bmr age 0.5", "bmr", {"0.5", "170", "65"}, 年龄);
    行("bmr age 100", "bmr", {"100", "170", "65"}, {});
    行("bmr age 100.5", "bmr", {"100.5", "170", "65"}, 年龄);
    行("bmr height 99", "bmr", {"30", "99", "65"}, 身高);
    行("bmr weight 251", "bmr", {"30", "170", "251"}, 体重);
    // Healthy weight range: height 50 to 250.
    行("range height 50", "range", {"50"}, {});
    行("range height 49", "range", {"49"}, 身高);
    行("range height 250.5", "range", {"250.5"}, 身高);
    // Fat-burning heart rate: age 1 to 100.
    行("heart age 1", "heart", {"1"}, {});
    行("heart age 101", "heart", {"101"}, 年龄);
    行("heart empty", "heart", {""}, 年龄);
    // One minute: age 1 to 100, height 50 to 250, weight 30 to 250.
    行("minute height 50", "minute", {"30", "50", "30"}, {});
    行("minute height 49.9", "minute", {"30", "49.9", "30"}, 身高);
    行("minute weight 29", "minute", {"30", "170", "29"}, 体重);
    行("minute age 0", "minute", {"0", "170", "65"}, 年龄);
    // Standard weight: age 19 to 69; height 152 to 188 for men, to 176 for women.
    行("standard age 19", "standard", {"19", "170"}, {});
    行("standard age 69", "standard", {"69", "170"}, {});
    行("standard age 18.9", "standard", {"18.9", "170"}, 年龄);
    行("standard age 69.5", "standard", {"69.5", "170"}, 年龄);
    行("standard man 188", "standard", {"30", "188"}, {});
    行("standard man 189", "standard", {"30", "189"}, 身高);
    行("standard woman 176", "standard", {"30", "176"}, {}, true);
    行("standard woman 177", "standard", {"30", "177"}, 身高, true);
    行("standard man 151", "standard", {"30", "151"}, 身高);
    行("standard woman 151", "standard", {"30", "151"}, 身高, true);
    行("standard 30岁", "standard", {u"30岁"_qs, "170"}, {});
}

void InputCheckTest::check()
{
    QFETCH(QString, page);
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
