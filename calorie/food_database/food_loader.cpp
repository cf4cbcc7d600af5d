#include "food_loader.h"

#include "food_database_readers.h"

#include <QCoreApplication>

QString 食物库路径()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Data/FoodData.mdb");
}

QString Jet读取程序路径()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" JET_READER_FILE_NAME);
}

namespace {

// At most the characters an Access text field holds, never half a surrogate pair.
QString 截短(const QString& 文本)
{
    qsizetype 长度 = std::min<qsizetype>(文本.size(), 食物库::最长字段);
    if (长度 < 文本.size() && 长度 > 0 && 文本[长度 - 1].isHighSurrogate()) --长度;
    return 文本.left(长度);
}

}  // namespace

namespace 自定义方法 {

void 载入食物数据()
{
    载入食物数据(食物库路径(), Jet读取程序路径());
}

void 载入食物数据(const QString& 数据库, const QString& 读取程序)
{
    auto& 表 = 自定义变量::食物数据;
    表.fill(食物信息{});  // a load of the launcher starts from an empty table, as a new run does

    const QDeadlineTimer 期限(食物库::载入时限);
    食物库::记录表 记录;
    switch (食物库::识别格式(数据库)) {
    case 食物库::格式::SQLite: 记录 = 食物库::读取SQLite(数据库, 期限); break;
    case 食物库::格式::Jet: 记录 = 食物库::读取Jet(数据库, 读取程序, 期限); break;
    case 食物库::格式::未知: break;
    }
    if (!记录) return;

    std::size_t 槽 = 1;
    for (const 食物信息& 食物 : *记录) {
        if (槽 >= 表.size()) break;  // records past slot 200 are not kept
        表[槽++] = {截短(食物.FoodName), 截短(食物.FoodOtherName), 截短(食物.FoodHot), 截短(食物.FoodQuantity)};
    }
}

}  // namespace 自定义方法
