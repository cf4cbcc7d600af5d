#include "number_reader.h"
#include "page_table.h"
#include "standard_weight_tables.h"
#include "test_doubles.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <string>

// A million random box texts through the reader and every page's check and computation:
// nothing crashes, no result holds "nan", "inf" or an exponent, and every accepted input
// gives figures within the ranges the pages promise. Repeatable: the generator always
// starts from the same state.
class RobustnessTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void randomTexts();
};

namespace {

// The figures of each page's bold result lines, in order, and the range each must lie in.
struct 结果范围 {
    int 页号;
    std::vector<std::pair<double, double>> 范围;
};

const std::vector<结果范围> 页表 = {
    {页::身体质量指数, {{4.8, 250}}},
    {页::健康体重范围, {{5, 116}, {6, 150}}},
    {页::基础代谢计算, {{289 - 1e-9, 4743}}},
    {页::燃脂运动计算, {{72, 131}, {96, 175}}},
    {页::标准体重计算, {{46, 78}}},
    {页::一分钟彻底了解自己, {{4.8, 1000}, {5, 116}, {6, 150}, {39, 4743}, {72, 131}, {96, 175}}},
};

class 文本生成 {
public:
    explicit 文本生成(quint32 起点) : m_随机(起点) {}

    QString 下一个()
    {
        QString 文本;
        const int 片数 = static_cast<int>(m_随机.bounded(5));
        for (int i = 0; i < 片数; ++i) 文本 += 片();
        return 文本;
    }

    // A text that is most often a plain number near the pages' ranges.
    QString 数()
    {
        if (m_随机.bounded(4) == 0) return 下一个();
        return QString::number(m_随机.bounded(320.0) - 20.0, 'f', static_cast<int>(m_随机.bounded(3)));
    }

    bool 抛币() { return m_随机.bounded(2) == 1; }

private:
    QString 片()
    {
        static const QStringList 片段 = {
            "0", "1", "7", "9", "42", "170", "65", "19.5", "250.01", "+", "-", ".", "..", "e", "E", "D", "e+", "E-",
            "&H", "&h", "&O", "FF", "1e308", "1e309", "-1e400", "1e-320", QString(400, u'9'), "0.000", " ", "\t", "\n",
            "\r", u"\u3000"_qs, u"１７０"_qs, u"．"_qs, u"－"_qs, u"厘米"_qs, "cm", ",", "nan", "inf", "0x1p3", ""};
        if (m_随机.bounded(6) == 0) {
            QString 乱码;
            const int 长 = 1 + static_cast<int>(m_随机.bounded(6));
            for (int i = 0; i < 长; ++i) 乱码 += QChar(static_cast<char16_t>(m_随机.bounded(0x10000)));
            return 乱码;
        }
        return 片段[static_cast<int>(m_随机.bounded(片段.size()))];
    }

    QRandomGenerator m_随机;
};

// The figures of the bold result lines (the first line of each section).
std::vector<double> 图形数字(const QString& 文本)
{
    static const QRegularExpression 标题行(QStringLiteral(u"^您的[^：]*：\\s*(.*)$"), QRegularExpression::MultilineOption);
    static const QRegularExpression 数字(QStringLiteral("-?[0-9]+(\\.[0-9]+)?"));
    std::vector<double> 结果;
    QString 平 = 文本;
    平.remove(u'\r');
    for (auto 行 = 标题行.globalMatch(平); 行.hasNext();) {
        const QString 内容 = 行.next().captured(1);
        for (auto 数 = 数字.globalMatch(内容); 数.hasNext();) {
            const QString 文 = 数.next().captured(0);
            if (内容.contains(u"1公斤=2斤"_qs) && (文 == "1" || 文 == "2")) continue;
            结果.push_back(std::stod(文.toStdString()));
        }
    }
    return 结果;
}

}  // namespace

void RobustnessTest::initTestCase()
{
    自定义方法::载入标准体重表();
}

void RobustnessTest::randomTexts()
{
    文本生成 生成(20261208);
    QElapsedTimer 计时;
    计时.start();
    int 接受 = 0;
    int 次数 = 0;
    const int 总数 = 1'000'000;
    for (; 次数 < 总数 && 计时.elapsed() < 240'000; ++次数) {
        const QString 文本 = 生成.下一个();
        const auto 读数 = 数值读取::读取前导数值(文本);
        QVERIFY(std::isfinite(读数.值));
        if (读数.过大) QCOMPARE(读数.值, 0.0);

        const 结果范围& 页面 = 页表[static_cast<std::size_t>(次数) % 页表.size()];
        const 测量页& 测量 = *页面表()[static_cast<std::size_t>(页面.页号)].测量;
        QStringList 框文本{文本};
        for (std::size_t i = 1; i < 测量.输入.size(); ++i) 框文本 << 生成.数();
        if (生成.抛币()) std::swap(框文本.first(), 框文本.back());
        const 测试输入 输入(框文本, 测量.有性别 && 生成.抛币() ? 性别::女 : 性别::男);
        内存结果框 框;
        消息记录 记录;
        测量.计算(输入, 框, 记录);

        if (!记录.消息表.isEmpty()) {
            QCOMPARE(记录.消息表.size(), 1);
            QVERIFY(框.文本().isEmpty());
            continue;
        }
        ++接受;
        const QString 结果 = 框.文本();
        for (const char* 禁 : {"nan", "inf", "e+", "e-", "E+", "E-"}) {
            QVERIFY2(!结果.contains(QLatin1String(禁)), qPrintable(框文本.join(" | ") + " -> " + 结果));
        }
        const auto 数字 = 图形数字(结果);
        QCOMPARE(数字.size(), 页面.范围.size());
        for (std::size_t k = 0; k < 数字.size(); ++k) {
            QVERIFY2(数字[k] >= 页面.范围[k].first && 数字[k] <= 页面.范围[k].second,
                     qPrintable(QStringLiteral("%1: %2 from %3").arg(测量.窗体名).arg(数字[k]).arg(框文本.join(" | "))));
        }
    }
    qInfo("%d texts in %lld ms, %d accepted", 次数, 计时.elapsed(), 接受);
    QCOMPARE(次数, 总数);
    QVERIFY(接受 > 总数 / 100);  // enough accepted inputs to check the ranges on
}

QTEST_APPLESS_MAIN(RobustnessTest)
#include "tst_robustness.moc"
