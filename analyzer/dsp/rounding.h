#pragma once

// The analyzer's rounding rules, used for every conversion of a computed value
// to an integer: round is half away from zero, trunc is toward zero. Both give
// 0 for a NaN and saturate at the limits of int instead of overflowing.

namespace tolk {

int roundToInt(double value);
int truncToInt(double value);

}  // namespace tolk
