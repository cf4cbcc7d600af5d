#pragma once

#include <QtGlobal>

#include <cmath>
#include <limits>

// Every rounding in the calculators goes to the nearest value, halves to the even neighbour.
namespace 舍入 {

inline double 到整数(double x)
{
    const double 近 = std::round(x);  // halves away from zero
    if (std::fabs(x - std::trunc(x)) == 0.5) return 2.0 * std::round(x / 2.0);
    return 近;
}

// Rounds the value scaled by 10^位数, as 23.4375 → 23.44 and 22.125 → 22.12.
inline double 到小数位(double x, int 位数)
{
    const double 倍数 = std::pow(10.0, 位数);
    return 到整数(x * 倍数) / 倍数;
}

// Conversion to a 32-bit integer; values beyond its range are held at its ends.
inline qint32 到整数32(double x)
{
    const double r = 到整数(x);
    if (!(r >= std::numeric_limits<qint32>::min())) return std::numeric_limits<qint32>::min();
    if (r > std::numeric_limits<qint32>::max()) return std::numeric_limits<qint32>::max();
    return static_cast<qint32>(r);
}

}  // namespace 舍入
