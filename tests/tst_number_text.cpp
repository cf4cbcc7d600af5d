#include "number_text.h"
#include "rounding.h"

#include <QTest>

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void text_data();
    void text();
    void halfToEven_data();
    void halfToEven();
};

void NumberTextTest::text_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("two decimals") << 22.49 << "22.49";
    QTest::newRow("trailing zero dropped") << 22.5 << "22.5";
    QTest::newRow("whole") << 25.0 << "25";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("negative") << -35.0 << "-35";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
    QTest::newRow("small, no exponent") << 0.000001 << "0.000001";
    QTest::newRow("large, no exponent") << 1e20 << "100000000000000000000";
    QTest::newRow("15 significant digits") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("no thousands separator") << 1234567.5 << "1234567.5";
}

void NumberTextTest::text()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(数字文本(value), text);
}

void NumberTextTest::halfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<double>("rounded");
    QTest::newRow("18.5 to 18") << 18.5 << 0 << 18.0;
    QTest::newRow("19.5 to 20") << 19.5 << 0 << 20.0;
    QTest::newRow("4.625 to 5") << 4.625 << 0 << 5.0;
    QTest::newRow("115.625 to 116") << 115.625 << 0 << 116.0;
    QTest::newRow("-2.5 to -2") << -2.5 << 0 << -2.0;
    QTest::newRow("23.4375 to 23.44") << 23.4375 << 2 << 23.44;
    QTest::newRow("22.125 to 22.12") << 22.125 << 2 << 22.12;
    QTest::newRow("1.126 to 1.13") << 1.126 << 2 << 1.13;
}

void NumberTextTest::halfToEven()
{
    QFETCH(double, value);
    QFETCH(int, places);
    QFETCH(double, rounded);
    QCOMPARE(舍入::到小数位(value, places), rounded);
}

QTEST_APPLESS_MAIN(NumberTextTest)
#include "tst_number_text.moc"
