#include "editor/model/rounding.h"

#include <cmath>

namespace fseq {

std::int64_t roundHalfEven(double value) {
  const double lower = std::floor(value);
  const double fraction = value - lower;
  auto result = static_cast<std::int64_t>(lower);
  if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
  return result;
}

std::int64_t truncate(double value) {
  return static_cast<std::int64_t>(std::trunc(value));
}

}  // namespace fseq
