#pragma once

#include "calorie_plan.h"
#include "food_database_readers.h"
#include "food_loader.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

// What the food loader's tests share: loading a file as the program does, the test data,
// the food table's filled slots, files in a folder of the test's own.
class 食物库夹具 {
public:
    static void 载入(const QString& 路径) { 自定义方法::载入食物数据(路径, QStringLiteral(JET_READER)); }
    static QString 测试数据(const char* 名) { return QStringLiteral(TEST_DATA_DIR "/") + QLatin1String(名); }

    static int 已填槽数()
    {
        const auto& 表 = 自定义变量::食物数据;
        return static_cast<int>(std::count_if(表.begin(), 表.end(), [](const 食物信息& 食物) { return !(食物 == 食物信息{}); }));
    }

    static QByteArray 文件摘要(const QString& 路径)
    {
        QFile 文件(路径);
        QCryptographicHash 摘要(QCryptographicHash::Sha256);
        return 文件.open(QIODevice::ReadOnly) && 摘要.addData(&文件) ? 摘要.result() : QByteArray();
    }

    QString 写文件(const QString& 名, const QByteArray& 内容)
    {
        const QString 路径 = 目录.filePath(名);
        QFile 文件(路径);
        if (!文件.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
        文件.write(内容);
        return 路径;
    }

    // For initTestCase.
    bool 就绪() const
    {
        return 目录.isValid() && QFile::exists(QStringLiteral(SHIPPED_DATABASE)) && QFile::exists(QStringLiteral(JET_READER));
    }

    QTemporaryDir 目录;
};
