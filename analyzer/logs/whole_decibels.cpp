#include "analyzer/logs/whole_decibels.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "analyzer/dsp/rounding.h"

namespace tolk {

namespace {

int exactLevel(double power) {
  return roundToInt(10 * std::log10(power));
}

}  // namespace

WholeDecibels::WholeDecibels() : stepUp_(kHighestDb - kLowestDb + 2) {
  for (int i = 0; i < int(stepUp_.size()); ++i) {
    // Start from the power of the half-decibel boundary and settle on the
    // first power the exact rule puts at this level or above.
    const int level = kLowestDb + i;
    double power = std::pow(10.0, (level - 0.5) / 10);
    while (exactLevel(power) >= level) power = std::nextafter(power, 0.0);
    while (exactLevel(power) < level) power = std::nextafter(power, HUGE_VAL);
    stepUp_[i] = power;
  }
}

int WholeDecibels::level(double power) const {
  if (!(power > 0)) return 0;
  if (power < stepUp_.front() || power >= stepUp_.back()) return exactLevel(power);
  // log2(power) is close to its exponent plus the mantissa's fraction (within
  // 0.09 octaves, a quarter decibel), so the guess is at most a step off.
  const auto bits = std::bit_cast<std::uint64_t>(power);
  const double log2 =
      double(int(bits >> 52) - 1023) + double(bits & 0xFFFFFFFFFFFFFull) / 4503599627370496.0;
  int i = int(3.0102999566398 * log2 + 0.5 + 1000) - 1000 - kLowestDb;
  if (i < 0) i = 0;
  if (i >= int(stepUp_.size())) i = int(stepUp_.size()) - 1;
  while (i + 1 < int(stepUp_.size()) && power >= stepUp_[i + 1]) ++i;
  while (i > 0 && power < stepUp_[i]) --i;
  return kLowestDb + i;
}

}  // namespace tolk
