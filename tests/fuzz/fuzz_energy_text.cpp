// A meal tree node's text → its energy value, as the calorie page reads it when a food
// is taken out of a meal.

#include "calorie_plan.h"
#include "fuzz_support.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* 数据, std::size_t 大小)
{
    const QString 文本 = 作为UTF16(数据, 大小);
    必须(std::isfinite(方法_卡路里计算器::热量值(文本)));
    必须(方法_卡路里计算器::热量值(QString()) == 0);
    return 0;
}
