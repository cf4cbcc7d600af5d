#include "food_database_readers.h"
#include "food_loader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

// The food database loader on the shipped database, the Access fixtures and broken files.
class FoodLoaderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void shippedDatabase();
    void jetFixtures_data();
    void jetFixtures();
    void sqliteEdgeCases();
    void loadingAgainStartsEmpty();
    void badFiles_data();
    void badFiles();
    void missingFileIsNotCreated();
    void missingHelperReadsNothing();
    void helperOutput_data();
    void helperOutput();
    void loadTime_data();
    void loadTime();
    void damagedCopies_data();
    void damagedCopies();

private:
    static void 载入(const QString& 路径) { 自定义方法::载入食物数据(路径, QStringLiteral(JET_READER)); }
    static QString 测试数据(const char* 名) { return QStringLiteral(TEST_DATA_DIR "/") + QLatin1String(名); }
    static int 已填槽数();
    QString 写文件(const QString& 名, const QByteArray& 内容);

    QTemporaryDir m_目录;
};

namespace {
const auto& 表 = 自定义变量::食物数据;
}

int FoodLoaderTest::已填槽数()
{
    return static_cast<int>(std::count_if(表.begin(), 表.end(), [](const 食物信息& 食物) { return !(食物 == 食物信息{}); }));
}

QString FoodLoaderTest::写文件(const QString& 名, const QByteArray& 内容)
{
    const QString 路径 = m_目录.filePath(名);
    QFile 文件(路径);
    if (!文件.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    文件.write(内容);
    return 路径;
}

void FoodLoaderTest::initTestCase()
{
    QVERIFY(m_目录.isValid());
    QVERIFY(QFile::exists(QStringLiteral(SHIPPED_DATABASE)));
    QVERIFY(QFile::exists(QStringLiteral(JET_READER)));
}

void FoodLoaderTest::shippedDatabase()
{
    QCOMPARE(食物库::识别格式(QStringLiteral(SHIPPED_DATABASE)), 食物库::格式::SQLite);
    载入(QStringLiteral(SHIPPED_DATABASE));
    QCOMPARE(已填槽数(), 200);
    QCOMPARE(表[0], 食物信息{});
    QCOMPARE(表[1], (食物信息{u"大米"_qs, u"稻米"_qs, "346", "100"}));
    QCOMPARE(表[2], (食物信息{u"米饭"_qs, u"白米饭"_qs, "116", "100"}));
    QCOMPARE(表[200], (食物信息{u"啤酒"_qs, {}, "118.8", "330"}));
    const auto 苹果 = std::find_if(表.begin(), 表.end(), [](const 食物信息& 食物) { return 食物.FoodName == u"苹果"_qs; });
    QVERIFY(苹果 != 表.end());
    QCOMPARE(苹果->FoodHot, QStringLiteral("53"));
}

void FoodLoaderTest::jetFixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("filled");
    QTest::addColumn<QList<食物信息>>("first");

    const QList<食物信息> 三种 = {{u"苹果"_qs, u"平安果"_qs, "52", "100"},
                                  {u"米饭"_qs, {}, "116", "100"},
                                  {u"牛奶"_qs, u"纯牛奶"_qs, "65.5", "250"}};
    QTest::newRow("three foods, null alias") << 测试数据("jet4-three-foods.mdb") << 3 << 三种;
    QTest::newRow("Access 2002-2003") << 测试数据("jet4-v2003-three-foods.mdb") << 3 << 三种;
    QTest::newRow("250 rows keep the first 200") << 测试数据("jet4-250-foods.mdb") << 200
        << QList<食物信息>{{u"食物1"_qs, u"别名1"_qs, "1", "100"}, {u"食物2"_qs, u"别名2"_qs, "2", "100"}};
    QTest::newRow("empty table") << 测试数据("jet4-empty-table.mdb") << 0 << QList<食物信息>{};
    QTest::newRow("no alias field") << 测试数据("jet4-no-alias-field.mdb") << 2
        << QList<食物信息>{{u"鸡蛋"_qs, {}, "139", "100"}, {u"豆腐"_qs, {}, "0.5", "50"}};
    QTest::newRow("no FoodData table") << 测试数据("jet4-no-fooddata-table.mdb") << 0 << QList<食物信息>{};
}

void FoodLoaderTest::jetFixtures()
{
    QFETCH(QString, file);
    QFETCH(int, filled);
    QFETCH(QList<食物信息>, first);

    QCOMPARE(食物库::识别格式(file), 食物库::格式::Jet);
    载入(file);
    QCOMPARE(已填槽数(), filled);
    for (int i = 0; i < first.size(); ++i) QCOMPARE(表[static_cast<std::size_t>(i + 1)], first[i]);
    if (filled == 200) QCOMPARE(表[200].FoodName, u"食物200"_qs);
}

void FoodLoaderTest::sqliteEdgeCases()
{
    // 205 records, a NULL alias, no FoodQuantity field, a real energy value.
    const QString 路径 = m_目录.filePath("edge.sqlite");
    {
        QSqlDatabase 库 = QSqlDatabase::addDatabase("QSQLITE", "edge");
        库.setDatabaseName(路径);
        QVERIFY(库.open());
        QSqlQuery 语句(库);
        QVERIFY(语句.exec("CREATE TABLE FoodData (Id INTEGER, FoodName TEXT, FoodOtherName TEXT, FoodHot REAL)"));
        库.transaction();
        for (int i = 1; i <= 205; ++i) {
            语句.prepare("INSERT INTO FoodData VALUES (?, ?, ?, ?)");
            语句.addBindValue(i);
            语句.addBindValue(QStringLiteral(u"食物%1").arg(i));
            语句.addBindValue(i == 2 ? QVariant(QMetaType::fromType<QString>()) : QVariant(QStringLiteral("alias")));
            语句.addBindValue(i + 0.5);
            QVERIFY(语句.exec());
        }
        库.commit();
    }
    QSqlDatabase::removeDatabase("edge");

    载入(路径);
    QCOMPARE(已填槽数(), 200);
    QCOMPARE(表[1], (食物信息{u"食物1"_qs, "alias", "1.5", {}}));
    QCOMPARE(表[2], (食物信息{u"食物2"_qs, {}, "2.5", {}}));
    QCOMPARE(表[200].FoodName, u"食物200"_qs);
}

void FoodLoaderTest::loadingAgainStartsEmpty()
{
    载入(测试数据("jet4-three-foods.mdb"));
    QCOMPARE(已填槽数(), 3);
    载入(测试数据("jet4-empty-table.mdb"));
    QCOMPARE(已填槽数(), 0);
}

void FoodLoaderTest::badFiles_data()
{
    QTest::addColumn<QString>("file");
    QFile 原库(QStringLiteral(SHIPPED_DATABASE));
    QVERIFY(原库.open(QIODevice::ReadOnly));
    const QByteArray 库内容 = 原库.readAll();
    QByteArray 随机(64 * 1024, '\0');
    QRandomGenerator 随机源(20261208);
    for (char& c : 随机) c = static_cast<char>(随机源.bounded(256));

    QTest::newRow("random bytes") << 写文件("random.mdb", 随机);
    QTest::newRow("empty file") << 写文件("empty.mdb", {});
    QTest::newRow("truncated SQLite") << 写文件("truncated.mdb", 库内容.left(库内容.size() / 3));
    QTest::newRow("SQLite header only") << 写文件("header.mdb", 库内容.left(100));
    QTest::newRow("Jet signature only") << 写文件("jethead.mdb", QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20));
    QDir(m_目录.path()).mkdir("folder.mdb");
    QTest::newRow("a folder in the file's place") << m_目录.filePath("folder.mdb");
}

void FoodLoaderTest::badFiles()
{
    QFETCH(QString, file);
    QVERIFY(!file.isEmpty());
    载入(QStringLiteral(SHIPPED_DATABASE));
    载入(file);
    QCOMPARE(已填槽数(), 0);
}

void FoodLoaderTest::missingFileIsNotCreated()
{
    const QString 路径 = m_目录.filePath("Data/FoodData.mdb");
    载入(路径);
    QCOMPARE(已填槽数(), 0);
    QVERIFY(!QFile::exists(路径));
    QCOMPARE(食物库::读取SQLite(路径), std::nullopt);
    QVERIFY(!QFile::exists(路径));
}

void FoodLoaderTest::missingHelperReadsNothing()
{
    自定义方法::载入食物数据(测试数据("jet4-three-foods.mdb"), m_目录.filePath("no-such-helper"));
    QCOMPARE(已填槽数(), 0);
}

void FoodLoaderTest::helperOutput_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("records");  // -1: rejected
    QTest::newRow("two records") << QByteArray("VETTORA-FOODS 1\na\tb\t1\t2\nc\t\t3\t4\nEND 2\n") << 2;
    QTest::newRow("none") << QByteArray("VETTORA-FOODS 1\nEND 0\n") << 0;
    QTest::newRow("escaped tab") << QByteArray("VETTORA-FOODS 1\na%09b\t\t\t\nEND 1\n") << 1;
    QTest::newRow("no header") << QByteArray("a\tb\t1\t2\nEND 1\n") << -1;
    QTest::newRow("empty") << QByteArray() << -1;
    QTest::newRow("cut before the end") << QByteArray("VETTORA-FOODS 1\na\tb\t1\t2\n") << -1;
    QTest::newRow("count differs") << QByteArray("VETTORA-FOODS 1\na\tb\t1\t2\nEND 2\n") << -1;
    QTest::newRow("count with a sign") << QByteArray("VETTORA-FOODS 1\na\tb\t1\t2\nEND +1\n") << -1;
    QTest::newRow("three fields") << QByteArray("VETTORA-FOODS 1\na\tb\t1\nEND 1\n") << -1;
    QTest::newRow("five fields") << QByteArray("VETTORA-FOODS 1\na\tb\t1\t2\t3\nEND 1\n") << -1;
    QTest::newRow("bad escape") << QByteArray("VETTORA-FOODS 1\na%G1\tb\t1\t2\nEND 1\n") << -1;
    QTest::newRow("escape cut short") << QByteArray("VETTORA-FOODS 1\na%4\tb\t1\t2\nEND 1\n") << -1;
    QTest::newRow("raw control byte") << QByteArray("VETTORA-FOODS 1\na\rb\tb\t1\t2\nEND 1\n") << -1;
    QTest::newRow("not UTF-8") << QByteArray("VETTORA-FOODS 1\n\xff\xfe\tb\t1\t2\nEND 1\n") << -1;
    QTest::newRow("text after the end") << QByteArray("VETTORA-FOODS 1\nEND 0\nmore\n") << -1;
    QByteArray 太多("VETTORA-FOODS 1\n");
    for (int i = 0; i < 201; ++i) 太多 += "a\tb\t1\t2\n";
    QTest::newRow("more than 200") << (太多 + "END 201\n") << -1;
}

void FoodLoaderTest::helperOutput()
{
    QFETCH(QByteArray, output);
    QFETCH(int, records);
    const auto 结果 = 食物库::解析读取程序输出(output);
    QCOMPARE(结果.has_value(), records >= 0);
    if (结果) QCOMPARE(static_cast<int>(结果->size()), records);
}

void FoodLoaderTest::loadTime_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("shipped database") << QStringLiteral(SHIPPED_DATABASE);
    QTest::newRow("250-row Access file") << 测试数据("jet4-250-foods.mdb");
}

void FoodLoaderTest::loadTime()
{
#ifdef __SANITIZE_ADDRESS__
    QSKIP("times mean nothing in a sanitizer build");
#endif
    QFETCH(QString, file);
    std::vector<qint64> 微秒;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer 计时;
        计时.start();
        载入(file);
        微秒.push_back(计时.nsecsElapsed() / 1000);
    }
    std::sort(微秒.begin(), 微秒.end());
    qInfo("load %s: best %.2f ms, median %.2f ms", qPrintable(QFileInfo(file).fileName()), 微秒.front() / 1000.0,
          微秒[微秒.size() / 2] / 1000.0);
    QCOMPARE_LT(微秒.front(), qint64(20000));
    QCOMPARE(已填槽数(), 200);
}

void FoodLoaderTest::damagedCopies_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("seconds");  // each Access copy is read by a process of its own
    QTest::newRow("Access fixture") << 测试数据("jet4-three-foods.mdb") << 2000 << 60;
    QTest::newRow("shipped SQLite database") << QStringLiteral(SHIPPED_DATABASE) << 3000 << 30;
}

void FoodLoaderTest::damagedCopies()
{
    QFETCH(QString, file);
    QFETCH(int, copies);
    QFETCH(int, seconds);
    QFile 原件(file);
    QVERIFY(原件.open(QIODevice::ReadOnly));
    const QByteArray 内容 = 原件.readAll();
    QRandomGenerator 随机源(4711);
    QElapsedTimer 总计时;
    总计时.start();
    int 次数 = 0;
    int 读到 = 0;
    // Bounded by count and by time; a copy that hangs the reader must not hang the program.
    while (次数 < copies && 总计时.elapsed() < seconds * 1000) {
        QByteArray 副本 = 内容;
        const int 处数 = 1 + static_cast<int>(随机源.bounded(16));
        for (int k = 0; k < 处数; ++k) {
            const auto 位置 = 随机源.bounded(static_cast<quint32>(副本.size()));
            副本[位置] = static_cast<char>(k % 2 ? 随机源.bounded(256) : 副本[位置] ^ (1 << 随机源.bounded(8)));
        }
        QElapsedTimer 计时;
        计时.start();
        载入(写文件(QStringLiteral("damaged-%1").arg(QFileInfo(file).fileName()), 副本));
        QCOMPARE_LT(计时.elapsed(), qint64(5000));
        QVERIFY(已填槽数() <= 200);
        读到 += 已填槽数() > 0;
        ++次数;
    }
    qInfo("%d damaged copies of %s loaded, %d of them with foods, %lld ms", 次数, qPrintable(QFileInfo(file).fileName()),
          读到, 总计时.elapsed());
    QVERIFY(次数 >= copies / 10);
}

QTEST_GUILESS_MAIN(FoodLoaderTest)
#include "tst_food_loader.moc"
