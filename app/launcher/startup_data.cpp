#include "startup_data.h"

#include "food_loader.h"
#include "standard_weight_tables.h"

namespace 自定义方法 {

void 初始化数据()
{
    载入标准体重表();
    载入食物数据();
}

}  // namespace 自定义方法
