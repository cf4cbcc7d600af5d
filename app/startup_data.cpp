#include "startup_data.h"

#include "standard_weight_tables.h"

namespace 自定义方法 {

void 初始化数据()
{
    载入标准体重表();
}

}  // namespace 自定义方法
