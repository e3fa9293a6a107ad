#include "analyzer/dsp/level_code.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analyzer/dsp/rounding.h"

namespace tolk {

namespace {

constexpr int kLowestRampIndex = 4;
constexpr int kHighestRampIndex = 235;

}  // namespace

std::int16_t levelCode(double power) {
  if (!(power > 0.0)) return 0;
  const int code = roundToInt(40.0 * std::log10(power));
  return std::int16_t(std::clamp<int>(code, std::numeric_limits<std::int16_t>::min(),
                                      std::numeric_limits<std::int16_t>::max()));
}

int paletteIndex(int code, int levelMinDb, int levelMaxDb) {
  if (code == 0) return kLowestRampIndex;
  // A range of width 0 maps everything above the level to the top, the rest
  // to the bottom (the division gives an infinity or a NaN).
  const double index =
      double(code - 4 * levelMinDb) * 240.0 / (4.0 * (double(levelMaxDb) - levelMinDb));
  return std::clamp(truncToInt(index), kLowestRampIndex, kHighestRampIndex);
}

}  // namespace tolk
