// File bytes → the food database loader as the program runs it at start-up: format
// detection, the SQLite reader, the food table. Files in the Access format go to a
// helper that is not there (the helper has a harness of its own).

#include "calorie_plan.h"
#include "food_database_readers.h"
#include "food_loader.h"
#include "fuzz_support.h"

#include <QElapsedTimer>
#include <QFile>

#include <cmath>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    准备文件读取(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* 数据, std::size_t 大小)
{
    const QByteArray 内容 = 作为字节(数据, 大小);
    const QString 路径 = 写入文件(内容);
    QElapsedTimer 计时;
    计时.start();
    自定义方法::载入食物数据(路径, 路径 + QStringLiteral(".no-helper"));
    必须(计时.elapsed() < 食物库::载入时限.count() + 500);

    for (const 食物信息& 食物 : 自定义变量::食物数据) {
        必须(字段都不超长(食物));
        必须(std::isfinite(方法_卡路里计算器::热量值(食物.FoodHot + QStringLiteral(u" 大卡"))));
    }
    QFile 文件(路径);
    必须(文件.open(QIODevice::ReadOnly) && 文件.readAll() == 内容);  // never written
    return 0;
}
