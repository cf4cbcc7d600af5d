#include "food_loader_fixture.h"
#include "sqlite_file.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

// The food database loader's bounds: its time, damaged and hostile files, a helper that
// misbehaves.
class FoodLoaderBoundsTest : public QObject, private 食物库夹具 {
    Q_OBJECT
private slots:
    void initTestCase();
    void loadTime_data();
    void loadTime();
    void damagedCopies_data();
    void damagedCopies();
    void hostileDatabases_data();
    void hostileDatabases();
    void misbehavingHelper_data();
    void misbehavingHelper();

private:
    static qint64 常驻内存();
};

namespace {
const auto& 表 = 自定义变量::食物数据;
}

// Bytes of the test's resident memory, 0 where the system does not tell, and under
// AddressSanitizer, which keeps freed memory in quarantine.
qint64 FoodLoaderBoundsTest::常驻内存()
{
#ifdef __SANITIZE_ADDRESS__
    return 0;
#endif
    QFile 状态(QStringLiteral("/proc/self/statm"));
    if (!状态.open(QIODevice::ReadOnly)) return 0;
    return 状态.readAll().split(' ').value(1).toLongLong() * 4096;
}

void FoodLoaderBoundsTest::initTestCase()
{
    QVERIFY(就绪());
}

void FoodLoaderBoundsTest::loadTime_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("shipped database") << QStringLiteral(SHIPPED_DATABASE);
    QTest::newRow("250-row Access file") << 测试数据("jet4-250-foods.mdb");
}

void FoodLoaderBoundsTest::loadTime()
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
    // Far below the loader's one-second bound, also on a busy machine and under Wine, where an
    // Access file costs a slow process start: a load that comes near it has gone wrong.
    QCOMPARE_LT(微秒.front(), qint64(500000));
    QCOMPARE(已填槽数(), 200);
}

void FoodLoaderBoundsTest::damagedCopies_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("seconds");  // each Access copy is read by a process of its own
    QTest::newRow("Access fixture") << 测试数据("jet4-three-foods.mdb") << 2000 << 60;
    QTest::newRow("shipped SQLite database") << QStringLiteral(SHIPPED_DATABASE) << 3000 << 30;
}

void FoodLoaderBoundsTest::damagedCopies()
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

void FoodLoaderBoundsTest::hostileDatabases_data()
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
void FoodLoaderBoundsTest::hostileDatabases()
{
    QFETCH(QByteArray, sql);
    QFETCH(int, filled);
    QFETCH(int, nameLength);
    const QString 路径 = 目录.filePath("hostile.mdb");
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
void FoodLoaderBoundsTest::misbehavingHelper_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::newRow("never ends") << QByteArray("sleep 30");
    QTest::newRow("endless output") << QByteArray("printf 'VETTORA-FOODS 1\\n'; yes 'a\tb\t1\t2'");
    QTest::newRow("endless line") << QByteArray("printf 'VETTORA-FOODS 1\\n'; tr '\\0' x < /dev/zero");
    QTest::newRow("killed") << QByteArray("printf 'VETTORA-FOODS 1\\nEND 0\\n'; kill -9 $$");
}

void FoodLoaderBoundsTest::misbehavingHelper()
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

QTEST_GUILESS_MAIN(FoodLoaderBoundsTest)
#include "tst_food_loader_bounds.moc"
