#include "number_reader.h"

#include <QTest>

class NumberReaderTest : public QObject {
    Q_OBJECT
private slots:
    void read_data();
    void read();
};

void NumberReaderTest::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("tooLarge");

    QTest::newRow("plain") << "170" << 170.0 << false;
    QTest::newRow("leading space") << " 65" << 65.0 << false;
    QTest::newRow("unit after") << "170cm" << 170.0 << false;
    QTest::newRow("space inside") << "1 70" << 170.0 << false;
    QTest::newRow("tab and line feed inside") << "\t6\n5" << 65.0 << false;
    QTest::newRow("carriage return stops") << "\r170" << 0.0 << false;
    QTest::newRow("exponent E") << "1e2" << 100.0 << false;
    QTest::newRow("exponent D") << "1D3" << 1000.0 << false;
    QTest::newRow("exponent sign") << "25E-1" << 2.5 << false;
    QTest::newRow("exponent without digits") << "7e" << 7.0 << false;
    QTest::newRow("letters only") << "abc" << 0.0 << false;
    QTest::newRow("empty") << "" << 0.0 << false;
    QTest::newRow("comma stops") << "1,70" << 1.0 << false;
    QTest::newRow("second point stops") << "1.2.3" << 1.2 << false;
    QTest::newRow("point first") << ".5" << 0.5 << false;
    QTest::newRow("point last") << "5." << 5.0 << false;
    QTest::newRow("negative") << "-5" << -5.0 << false;
    QTest::newRow("plus sign") << "+5" << 5.0 << false;
    QTest::newRow("two signs") << "+-5" << 0.0 << false;
    QTest::newRow("sign alone") << "-" << 0.0 << false;
    QTest::newRow("hex") << "&HFF" << 255.0 << false;
    QTest::newRow("hex lower case") << "&h1f" << 31.0 << false;
    QTest::newRow("octal") << "&O17" << 15.0 << false;
    QTest::newRow("hex without digits") << "&H" << 0.0 << false;
    QTest::newRow("hex with spaces") << "& H 1 0" << 16.0 << false;
    QTest::newRow("full-width digits") << u"１７０"_qs << 170.0 << false;
    QTest::newRow("full-width point") << u"１７０．５"_qs << 170.5 << false;
    QTest::newRow("full-width minus") << u"－５"_qs << -5.0 << false;
    QTest::newRow("ideographic space") << u"\u3000６５"_qs << 65.0 << false;
    QTest::newRow("CJK after number") << u"30岁"_qs << 30.0 << false;
    QTest::newRow("too large") << "1e400" << 0.0 << true;
    QTest::newRow("too large negative") << "-1e400" << 0.0 << true;
    QTest::newRow("many digits too large") << QString(400, QLatin1Char('9')) << 0.0 << true;
    QTest::newRow("too small reads 0") << "1e-400" << 0.0 << false;
    QTest::newRow("small fraction too small") << "0.0000001e-320" << 0.0 << false;
    QTest::newRow("largest double") << "1.7976931348623157e308" << 1.7976931348623157e308 << false;
    QTest::newRow("zero") << "0" << 0.0 << false;
    QTest::newRow("huge exponent digits") << "1e99999999999" << 0.0 << true;
}

void NumberReaderTest::read()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(bool, tooLarge);
    const auto 读数 = 数值读取::读取前导数值(text);
    QCOMPARE(读数.过大, tooLarge);
    QCOMPARE(读数.值, value);
}

QTEST_APPLESS_MAIN(NumberReaderTest)
#include "tst_number_reader.moc"
