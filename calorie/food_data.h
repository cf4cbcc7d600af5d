#pragma once

#include <QString>

#include <array>

// One food as the food list shows it; every field is text, a number in its plain form.
struct 食物信息 {
    QString FoodName;
    QString FoodOtherName;
    QString FoodHot;       // kilocalories of the reference quantity
    QString FoodQuantity;  // grams
    bool operator==(const 食物信息&) const = default;
};

namespace 自定义变量 {
// Slots 1 to 200 hold the foods in the order the database returned them; slot 0 is never used.
extern std::array<食物信息, 201> 食物数据;
}
