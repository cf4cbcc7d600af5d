#include "calorie_plan.h"
#include "food_database_readers.h"
#include "food_loader.h"
#include "sqlite_file.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

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
    void hostileDatabases_data();
    void hostileDatabases();
    void misbehavingHelper_data();
    void misbehavingHelper();

private:
    static void 载入(const QString& 路径) { 自定义方法::载入食物数据(路径, QStringLiteral(JET_READER)); }
    static QString 测试数据(const char* 名) { return QStringLiteral(TEST_DATA_DIR "/") + QLatin1String(名); }
    static int 已填槽数();
    static QByteArray 文件摘要(const QString& 路径);
    static qint64 常驻内存();
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

QByteArray FoodLoaderTest::文件摘要(const QString& 路径)
{
    QFile 文件(路径);
    QCryptographicHash 摘要(QCryptographicHash::Sha256);
    return 文件.open(QIODevice::ReadOnly) && 摘要.addData(&文件) ? 摘要.result() : QByteArray();
}

// Bytes of the test's resident memory, 0 where the system does not tell, and under
// AddressSanitizer, which keeps freed memory in quarantine.
qint64 FoodLoaderTest::常驻内存()
{
#ifdef __SANITIZE_ADDRESS__
    return 0;
#endif
    QFile 状态(QStringLiteral("/proc/self/statm"));
    if (!状态.open(QIODevice::ReadOnly)) return 0;
    return 状态.readAll().split(' ').value(1).toLongLong() * 4096;
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
    const QString 路径 = m_目录.filePath("edge.sqlite");
    QVERIFY(建SQLite库(路径, "CREATE TABLE FoodData (Id INTEGER, FoodName TEXT, FoodOtherName TEXT, FoodHot REAL);"
                            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 205) "
                            "INSERT INTO FoodData SELECT i, '食物' || i, CASE i WHEN 2 THEN NULL ELSE 'alias' END, i + 0.5 FROM n;"));

    载入(路径);
    QCOMPARE(已填槽数(), 200);
    QCOMPARE(表[1], (食物信息{u"食物1"_qs, "alias", "1.5", {}}));
    QCOMPARE(表[2], (食物信息{u"食物2"_qs, {}, "2.5", {}}));
    QCOMPARE(表[200].FoodName, u"食物200"_qs);

    // A database kept with a write-ahead log: read, and nothing made beside it.
    QDir 目录(m_目录.filePath("wal"));
    QVERIFY(目录.mkpath("."));
    QVERIFY(建SQLite库(目录.filePath("FoodData.mdb"), "PRAGMA journal_mode = WAL; CREATE TABLE FoodData (FoodName, FoodHot);"
                                                         "INSERT INTO FoodData VALUES ('苹果', 52);"));
    载入(目录.filePath("FoodData.mdb"));
    QCOMPARE(表[1], (食物信息{u"苹果"_qs, {}, "52", {}}));
    QCOMPARE(目录.entryList(QDir::Files), QStringList{"FoodData.mdb"});
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
#ifdef Q_OS_WIN
    const qint64 上限 = 200000;  // an Access file costs a process start, slow on Windows (and slower under Wine)
#else
    const qint64 上限 = 20000;
#endif
    QCOMPARE_LT(微秒.front(), 上限);
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

void FoodLoaderTest::hostileDatabases_data()
{
    QTest::addColumn<QByteArray>("sql");
    QTest::addColumn<int>("filled");
    QTest::addColumn<int>("nameLength");  // of the first food

    const QByteArray 建表 = "CREATE TABLE FoodData (FoodName, FoodOtherName, FoodHot, FoodQuantity);";
    const QByteArray 无尽 = "CREATE VIEW FoodData AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
                            "SELECT 'f' || i AS FoodName, '' AS FoodOtherName, i AS FoodHot, 100 AS FoodQuantity FROM n";
    QTest::newRow("a query that never yields") << 无尽 + " WHERE i < 0;" << 0 << 0;
    QTest::newRow("200 rows, then endlessly none") << 无尽 + " WHERE i <= 200;" << 200 << 2;
    QTest::newRow("an endless query sorted") << 无尽 + " ORDER BY i DESC;" << 0 << 0;
    QTest::newRow("names of 1000 characters")
        << 建表 + "INSERT INTO FoodData VALUES (printf('%.1000c', 'm'), printf('%.300c', 'x'), 52, 100);" << 1 << 255;
    QTest::newRow("three names of 60 MB")
        << 建表 + "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3) "
                "INSERT INTO FoodData SELECT printf('%.60000000c', 'x'), '', 52, 100 FROM n;" << 0 << 0;
    QTest::newRow("an energy text of 50 MB")
        << 建表 + "INSERT INTO FoodData VALUES ('苹果', '', printf('%.50000000c', '9'), 100);" << 0 << 0;
    QTest::newRow("an energy text of 20000 digits")
        << 建表 + "INSERT INTO FoodData VALUES ('苹果', '', printf('%.20000c', '9'), 100);" << 1 << 2;
}

// Whatever the file holds: loaded within the time bound, no field longer than an Access
// text field, every energy figure finite, the file untouched, the program no bigger.
void FoodLoaderTest::hostileDatabases()
{
    QFETCH(QByteArray, sql);
    QFETCH(int, filled);
    QFETCH(int, nameLength);
    const QString 路径 = m_目录.filePath("hostile.mdb");
    QVERIFY(建SQLite库(路径, sql));
    const QByteArray 摘要 = 文件摘要(路径);
    载入(QStringLiteral(SHIPPED_DATABASE));
    const qint64 原内存 = 常驻内存();

    QElapsedTimer 计时;
    计时.start();
    载入(路径);
    const qint64 毫秒 = 计时.elapsed();
    qInfo("loaded in %lld ms, resident memory %+.1f MiB", 毫秒, (常驻内存() - 原内存) / 1048576.0);
    QCOMPARE_LT(毫秒, 食物库::载入时限.count() + 500);
    QCOMPARE(已填槽数(), filled);
    if (filled > 0) QCOMPARE(表[1].FoodName.size(), nameLength);
    for (const 食物信息& 食物 : 表) {
        for (const QString* 字段 : {&食物.FoodName, &食物.FoodOtherName, &食物.FoodHot, &食物.FoodQuantity}) {
            QCOMPARE_LE(字段->size(), 255);
        }
        QVERIFY(std::isfinite(方法_卡路里计算器::热量值(食物.FoodHot + u" 大卡"_qs)));
    }
    QCOMPARE(文件摘要(路径), 摘要);
    if (原内存 > 0) QCOMPARE_LT(常驻内存() - 原内存, qint64(8) << 20);
}

// A helper that hangs, talks without end or dies: the load still ends in time, with nothing.
void FoodLoaderTest::misbehavingHelper_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::newRow("never ends") << QByteArray("sleep 30");
    QTest::newRow("endless output") << QByteArray("printf 'VETTORA-FOODS 1\\n'; yes 'a\tb\t1\t2'");
    QTest::newRow("endless line") << QByteArray("printf 'VETTORA-FOODS 1\\n'; tr '\\0' x < /dev/zero");
    QTest::newRow("killed") << QByteArray("printf 'VETTORA-FOODS 1\\nEND 0\\n'; kill -9 $$");
}

void FoodLoaderTest::misbehavingHelper()
{
#ifdef Q_OS_WIN
    QSKIP("the stand-in helpers are shell scripts");
#endif
    QFETCH(QByteArray, script);
    const QString 助手 = 写文件("helper.sh", "#!/bin/sh\n" + script + "\n");
    QVERIFY(QFile::setPermissions(助手, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QElapsedTimer 计时;
    计时.start();
    自定义方法::载入食物数据(测试数据("jet4-three-foods.mdb"), 助手);
    QCOMPARE_LT(计时.elapsed(), 食物库::载入时限.count() + 500);
    QCOMPARE(已填槽数(), 0);
}

QTEST_GUILESS_MAIN(FoodLoaderTest)
#include "tst_food_loader.moc"
