#include "food_loader_fixture.h"
#include "sqlite_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

// The food database loader on the shipped database, the Access fixtures and broken files.
class FoodLoaderTest : public QObject, private 食物库夹具 {
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
};

namespace {
const auto& 表 = 自定义变量::食物数据;
}

void FoodLoaderTest::initTestCase()
{
    QVERIFY(就绪());
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

// Each fixture through every Access reader the build has: libmdb's and the program's own.
void FoodLoaderTest::jetFixtures_data()
{
    QTest::addColumn<QString>("helper");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("filled");
    QTest::addColumn<QList<食物信息>>("first");

    const QList<食物信息> 三种 = {{u"苹果"_qs, u"平安果"_qs, "52", "100"},
                                  {u"米饭"_qs, {}, "116", "100"},
                                  {u"牛奶"_qs, u"纯牛奶"_qs, "65.5", "250"}};
    QStringList 读取程序表{QStringLiteral(JET_READER)};
#ifdef JET_READER_OWN
    读取程序表 << QStringLiteral(JET_READER_OWN);
#endif
    for (const QString& 助手 : 读取程序表) {
        const QByteArray 名 = QFileInfo(助手).completeBaseName().toUtf8() + ": ";
        const auto 行 = [&](const char* 说明) -> QTestData& { return QTest::newRow((名 + 说明).constData()) << 助手; };
        行("three foods, null alias") << 测试数据("jet4-three-foods.mdb") << 3 << 三种;
        行("Access 2002-2003") << 测试数据("jet4-v2003-three-foods.mdb") << 3 << 三种;
        行("250 rows keep the first 200") << 测试数据("jet4-250-foods.mdb") << 200
            << QList<食物信息>{{u"食物1"_qs, u"别名1"_qs, "1", "100"}, {u"食物2"_qs, u"别名2"_qs, "2", "100"}};
        行("empty table") << 测试数据("jet4-empty-table.mdb") << 0 << QList<食物信息>{};
        行("no alias field") << 测试数据("jet4-no-alias-field.mdb") << 2
            << QList<食物信息>{{u"鸡蛋"_qs, {}, "139", "100"}, {u"豆腐"_qs, {}, "0.5", "50"}};
        行("no FoodData table") << 测试数据("jet4-no-fooddata-table.mdb") << 0 << QList<食物信息>{};
    }
}

void FoodLoaderTest::jetFixtures()
{
    QFETCH(QString, helper);
    QFETCH(QString, file);
    QFETCH(int, filled);
    QFETCH(QList<食物信息>, first);

    QCOMPARE(食物库::识别格式(file), 食物库::格式::Jet);
    自定义方法::载入食物数据(file, helper);
    QCOMPARE(已填槽数(), filled);
    for (int i = 0; i < first.size(); ++i) QCOMPARE(表[static_cast<std::size_t>(i + 1)], first[i]);
    if (filled == 200) QCOMPARE(表[200].FoodName, u"食物200"_qs);
}

void FoodLoaderTest::sqliteEdgeCases()
{
    // 205 records, a NULL alias, no FoodQuantity field, a real energy value.
    const QString 路径 = 目录.filePath("edge.sqlite");
    QVERIFY(建SQLite库(路径, "CREATE TABLE FoodData (Id INTEGER, FoodName TEXT, FoodOtherName TEXT, FoodHot REAL);"
                            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 205) "
                            "INSERT INTO FoodData SELECT i, '食物' || i, CASE i WHEN 2 THEN NULL ELSE 'alias' END, i + 0.5 FROM n;"));

    载入(路径);
    QCOMPARE(已填槽数(), 200);
    QCOMPARE(表[1], (食物信息{u"食物1"_qs, "alias", "1.5", {}}));
    QCOMPARE(表[2], (食物信息{u"食物2"_qs, {}, "2.5", {}}));
    QCOMPARE(表[200].FoodName, u"食物200"_qs);

    // A database kept with a write-ahead log: read, and nothing made beside it.
    QDir 日志库(目录.filePath("wal"));
    QVERIFY(日志库.mkpath("."));
    QVERIFY(建SQLite库(日志库.filePath("FoodData.mdb"), "PRAGMA journal_mode = WAL; CREATE TABLE FoodData (FoodName, FoodHot);"
                                                           "INSERT INTO FoodData VALUES ('苹果', 52);"));
    载入(日志库.filePath("FoodData.mdb"));
    QCOMPARE(表[1], (食物信息{u"苹果"_qs, {}, "52", {}}));
    QCOMPARE(日志库.entryList(QDir::Files), QStringList{"FoodData.mdb"});
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
    QDir(目录.path()).mkdir("folder.mdb");
    QTest::newRow("a folder in the file's place") << 目录.filePath("folder.mdb");
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
    const QString 路径 = 目录.filePath("Data/FoodData.mdb");
    载入(路径);
    QCOMPARE(已填槽数(), 0);
    QVERIFY(!QFile::exists(路径));
    QCOMPARE(食物库::读取SQLite(路径), std::nullopt);
    QVERIFY(!QFile::exists(路径));
}

void FoodLoaderTest::missingHelperReadsNothing()
{
    自定义方法::载入食物数据(测试数据("jet4-three-foods.mdb"), 目录.filePath("no-such-helper"));
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

QTEST_GUILESS_MAIN(FoodLoaderTest)
#include "tst_food_loader.moc"
