// The Jet helper's output → the program's parser of it.

#include "food_database_readers.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* 数据, std::size_t 大小)
{
    const auto 记录 = 食物库::解析读取程序输出(作为字节(数据, 大小));
    if (!记录) return 0;
    必须(记录->size() <= static_cast<std::size_t>(食物库::最多记录));
    // Every field came from the output: nothing longer than the whole of it.
    for (const 食物信息& 食物 : *记录) {
        for (const QString* 字段 : {&食物.FoodName, &食物.FoodOtherName, &食物.FoodHot, &食物.FoodQuantity}) {
            必须(static_cast<std::size_t>(字段->size()) <= 大小);
        }
    }
    return 0;
}
