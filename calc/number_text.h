#pragma once

#include <QString>

// Figures in their shortest plain decimal form: "." as decimal point, at most 15
// significant digits, no exponent, no thousands separator, no trailing zeros and
// no decimal point for whole numbers (22.49, 22.5, 25, 0.3 for 0.1 + 0.2).
QString 数字文本(double 值);
