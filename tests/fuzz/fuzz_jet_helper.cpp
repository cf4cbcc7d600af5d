// File bytes → the Jet helper, run as the program runs it: a process of its own, ended
// at the loader's deadline. Whatever the helper does with the file, the program gets
// its answer in time and keeps nothing longer than a field may be.

#include "food_database_readers.h"
#include "fuzz_support.h"

#include <QElapsedTimer>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    准备文件读取(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* 数据, std::size_t 大小)
{
    const QString 路径 = 写入文件(作为字节(数据, 大小));
    QElapsedTimer 计时;
    计时.start();
    const auto 记录 = 食物库::读取Jet(路径, QStringLiteral(JET_READER));
    必须(计时.elapsed() < 食物库::载入时限.count() + 1000);  // the deadline, and ending the helper
    if (!记录) return 0;
    必须(记录->size() <= static_cast<std::size_t>(食物库::最多记录));
    for (const 食物信息& 食物 : *记录) 必须(字段都不超长(食物));
    return 0;
}
