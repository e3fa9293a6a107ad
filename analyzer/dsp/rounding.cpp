#include "analyzer/dsp/rounding.h"

#include <cmath>
#include <limits>

namespace tolk {

namespace {

int saturate(double integral) {
  constexpr double kMax = std::numeric_limits<int>::max();
  constexpr double kMin = std::numeric_limits<int>::min();
  if (std::isnan(integral)) return 0;
  if (integral >= kMax) return std::numeric_limits<int>::max();
  if (integral <= kMin) return std::numeric_limits<int>::min();
  return static_cast<int>(integral);
}

}  // namespace

int roundToInt(double value) {
  return saturate(std::round(value));
}

int truncToInt(double value) {
  return saturate(std::trunc(value));
}

}  // namespace tolk
