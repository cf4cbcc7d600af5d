#include "food_data.h"

namespace 自定义变量 {
std::array<食物信息, 201> 食物数据;
}
