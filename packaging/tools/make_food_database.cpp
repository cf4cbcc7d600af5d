// Builds the food database shipped beside the program from Data/foods.tsv.
// Usage: vettora_make_food_database foods.tsv FoodData.mdb

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace {

int 失败(const QString& 消息)
{
    std::fprintf(stderr, "make_food_database: %s\n", qPrintable(消息));
    return 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication 程序(argc, argv);
    if (argc != 3) return 失败(QStringLiteral("usage: make_food_database SOURCE.tsv OUTPUT"));

    QFile 源(QString::fromLocal8Bit(argv[1]));
    if (!源.open(QIODevice::ReadOnly | QIODevice::Text)) return 失败(源.errorString());
    QTextStream 输入(&源);
    输入.setEncoding(QStringConverter::Utf8);

    const QString 输出 = QString::fromLocal8Bit(argv[2]);
    const QString 临时 = 输出 + QStringLiteral(".tmp");
    QFile::remove(临时);
    int 写入数 = 0;
    {
        QSqlDatabase 库 = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("out"));
        库.setDatabaseName(临时);
        if (!库.open()) return 失败(库.lastError().text());
        QSqlQuery 语句(库);
        if (!语句.exec(QStringLiteral("CREATE TABLE FoodData (FoodName TEXT NOT NULL, FoodOtherName TEXT, "
                                       "FoodHot REAL NOT NULL, FoodQuantity INTEGER NOT NULL)"))) {
            return 失败(语句.lastError().text());
        }
        库.transaction();
        语句.prepare(QStringLiteral("INSERT INTO FoodData VALUES (?, ?, ?, ?)"));
        bool 见到表头 = false;
        int 行号 = 0;
        while (!输入.atEnd()) {
            const QString 行 = 输入.readLine();
            ++行号;
            if (行.isEmpty() || 行.startsWith(u'#')) continue;
            const QStringList 字段 = 行.split(u'\t');
            if (字段.size() != 6) return 失败(QStringLiteral("line %1: expected 6 fields").arg(行号));
            if (!见到表头) {
                见到表头 = true;
                continue;
            }
            bool 热量有效 = false;
            bool 重量有效 = false;
            const double 每百克 = QLocale::c().toFloat(字段[2], &热量有效);
            const int 克 = 字段[3].toInt(&重量有效);
            if (字段[0].isEmpty() || !热量有效 || !重量有效 || 克 <= 0) {
                return 失败(QStringLiteral("line %1: bad food").arg(行号));
            }
            语句.addBindValue(字段[0]);
            语句.addBindValue(字段[1].isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(字段[1]));
            语句.addBindValue(std::round(每百克 * 克 / 10.0) / 10.0);  // energy of the quantity, to 0.1 kcal
            语句.addBindValue(克);
            if (!语句.exec()) return 失败(语句.lastError().text());
            ++写入数;
        }
        库.commit();
        库.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("out"));
    QFile::remove(输出);
    if (!QFile::rename(临时, 输出)) return 失败(QStringLiteral("cannot write ") + 输出);
    std::printf("make_food_database: %d foods\n", 写入数);
    return 0;
}
