#pragma once

#include <QString>

namespace 自定义方法 {

// Reads Data/FoodData.mdb in the program's folder into the food table, once per load
// of the launcher. A missing or unreadable file leaves the table empty, silently.
void 载入食物数据();

// The same with the database and the Jet reader helper given.
void 载入食物数据(const QString& 数据库, const QString& 读取程序);

}  // namespace 自定义方法

// Where the program keeps the food database and the Jet reader helper.
QString 食物库路径();
QString Jet读取程序路径();
