#include "analyzer/dsp/total_level.h"

#include <algorithm>
#include <cmath>

namespace tolk {

float totalLevelDb(std::span<const float> samples) {
  if (samples.empty()) return kSilentTotalLevelDb;
  // Four running sums let the compiler keep several additions in flight.
  double sums[4] = {0, 0, 0, 0};
  const std::size_t count = samples.size();
  std::size_t i = 0;
  for (; i + 4 <= count; i += 4) {
    for (std::size_t j = 0; j < 4; ++j) sums[j] += double(samples[i + j]) * samples[i + j];
  }
  for (; i < count; ++i) sums[0] += double(samples[i]) * samples[i];
  const double sumOfSquares = (sums[0] + sums[1]) + (sums[2] + sums[3]);
  const double meanSquare = sumOfSquares / double(samples.size());
  if (!(meanSquare > 0)) return kSilentTotalLevelDb;
  // 20 log10(sqrt(x)) = 10 log10(x)
  return std::max(kSilentTotalLevelDb, float(10.0 * std::log10(meanSquare)));
}

}  // namespace tolk
