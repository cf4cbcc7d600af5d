#include "standard_weight.h"
#include "standard_weight_tables.h"

#include <QTest>

Q_DECLARE_METATYPE(标准体重行)

class StandardWeightTableTest : public QObject {
    Q_OBJECT
private slots:
    void emptyBeforeLoading();
    void rows_data();
    void rows();
    void elements_data();
    void elements();
    void loadingTwiceGivesTheSame();
    void ageToRow_data();
    void ageToRow();
    void heightToColumn_data();
    void heightToColumn();
    void lookupOutsideTheTable_data();
    void lookupOutsideTheTable();
};

void StandardWeightTableTest::emptyBeforeLoading()
{
    QVERIFY(!自定义变量::标准体重表_男[0].has_value());
    QVERIFY(!自定义变量::标准体重表_女[25].has_value());
    自定义方法::载入标准体重表();
}

void StandardWeightTableTest::rows_data()
{
    QTest::addColumn<bool>("female");
    QTest::addColumn<int>("row");
    QTest::addColumn<标准体重行>("values");

    const 标准体重行 男晚年{56, 57, 58, 60, 62, 64, 67, 70, 74, 77};
    QTest::newRow("men 0") << false << 0 << 标准体重行{50, 52, 52, 54, 56, 58, 61, 64, 67, 70};
    QTest::newRow("men 17 (53 years)") << false << 17 << 标准体重行{57, 58, 59, 61, 63, 65, 68, 71, 75, 78};
    for (int r = 20; r <= 25; ++r) {
        QTest::addRow("men %d", r) << false << r << 男晚年;
    }
    const 标准体重行 女青年{46, 47, 49, 50, 51, 52, 54, 56, 57, 60};
    const 标准体重行 女晚年{52, 54, 55, 56, 57, 59, 61, 62, 63, 66};
    for (int r : {0, 1, 2}) QTest::addRow("women %d", r) << true << r << 女青年;
    QTest::newRow("women 14 (47 years)") << true << 14 << 标准体重行{52, 53, 57, 57, 57, 58, 60, 62, 63, 67};
    for (int r : {23, 24, 25}) QTest::addRow("women %d", r) << true << r << 女晚年;
}

void StandardWeightTableTest::rows()
{
    QFETCH(bool, female);
    QFETCH(int, row);
    QFETCH(标准体重行, values);
    const 标准体重表& 表 = female ? 自定义变量::标准体重表_女 : 自定义变量::标准体重表_男;
    QVERIFY(表[static_cast<std::size_t>(row)].has_value());
    QCOMPARE(*表[static_cast<std::size_t>(row)], values);
}

void StandardWeightTableTest::elements_data()
{
    QTest::addColumn<bool>("female");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("kilograms");
    // Single elements of rows that rows() does not hold whole; through the lookup.
    QTest::newRow("women 15/2") << true << 15 << 2 << 56;
    QTest::newRow("women 19/9") << true << 19 << 9 << 68;
    QTest::newRow("men 10/7") << false << 10 << 7 << 70;
}

void StandardWeightTableTest::elements()
{
    QFETCH(bool, female);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, kilograms);
    const 标准体重表& 表 = female ? 自定义变量::标准体重表_女 : 自定义变量::标准体重表_男;
    QCOMPARE(方法_标准体重计算::查表(表, row, column), std::optional<qint32>(kilograms));
}

void StandardWeightTableTest::loadingTwiceGivesTheSame()
{
    const 标准体重表 之前 = 自定义变量::标准体重表_女;
    自定义方法::载入标准体重表();
    QVERIFY(之前 == 自定义变量::标准体重表_女);
    QVERIFY(!自定义变量::标准体重表_女[26].has_value());
}

void StandardWeightTableTest::ageToRow_data()
{
    QTest::addColumn<double>("age");
    QTest::addColumn<int>("row");
    QTest::newRow("19") << 19.0 << 0;
    QTest::newRow("20") << 20.0 << 0;
    QTest::newRow("21") << 21.0 << 1;
    QTest::newRow("22") << 22.0 << 2;
    QTest::newRow("23") << 23.0 << 2;
    QTest::newRow("24") << 24.0 << 2;
    QTest::newRow("25") << 25.0 << 3;
    QTest::newRow("26") << 26.0 << 4;
    QTest::newRow("35.8 takes 35") << 35.8 << 8;
    QTest::newRow("68") << 68.0 << 24;
    QTest::newRow("69") << 69.0 << 25;
    QTest::newRow("69.5 takes 69") << 69.5 << 25;
}

void StandardWeightTableTest::ageToRow()
{
    QFETCH(double, age);
    QFETCH(int, row);
    QCOMPARE(方法_标准体重计算::行(age), row);
}

void StandardWeightTableTest::heightToColumn_data()
{
    QTest::addColumn<double>("height");
    QTest::addColumn<int>("column");
    QTest::newRow("152") << 152.0 << 0;
    QTest::newRow("155.9") << 155.9 << 0;
    QTest::newRow("156") << 156.0 << 1;
    QTest::newRow("171.9") << 171.9 << 4;
    QTest::newRow("172") << 172.0 << 5;
    QTest::newRow("176") << 176.0 << 6;
    QTest::newRow("188") << 188.0 << 9;
    QTest::newRow("151 below") << 151.0 << -1;
}

void StandardWeightTableTest::heightToColumn()
{
    QFETCH(double, height);
    QFETCH(int, column);
    QCOMPARE(方法_标准体重计算::列(height), column);
}

void StandardWeightTableTest::lookupOutsideTheTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("row 26, never filled") << 26 << 0;
    QTest::newRow("row 27") << 27 << 0;
    QTest::newRow("row -1") << -1 << 0;
    QTest::newRow("column 10") << 0 << 10;
    QTest::newRow("column -1") << 0 << -1;
}

void StandardWeightTableTest::lookupOutsideTheTable()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QCOMPARE(方法_标准体重计算::查表(自定义变量::标准体重表_男, row, column), std::nullopt);
}

QTEST_APPLESS_MAIN(StandardWeightTableTest)
#include "tst_standard_weight_tables.moc"
