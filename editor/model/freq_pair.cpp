#include "editor/model/freq_pair.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "editor/model/rounding.h"

namespace fseq {

namespace {

constexpr double kLowestOctaveBaseHz = 0.013435364;  // the frequency of (1, 0)
constexpr double kFineRatio = 1.005429901;           // 2^(1/128) to eight places
constexpr double kDumpStepsPerFine = 3.98;
constexpr int kDumpCoarseOffset = 41;

// Frequencies within this relative distance of a step boundary count as lying
// on it, so that rounding error in the repeated multiplication below cannot
// push the frequency of a pair one fine step up.
constexpr double kBoundaryTolerance = 1e-9;

double octaveBaseHz(std::int32_t coarse) {
  return std::ldexp(kLowestOctaveBaseHz, coarse - 1);
}

}  // namespace

double FreqValue2(std::int32_t coarse, std::int32_t fine) {
  coarse = std::clamp(coarse, 0, kMaxCoarse);
  fine = std::clamp(fine, 0, kMaxFine);
  return octaveBaseHz(coarse) * std::pow(kFineRatio, fine);
}

FreqPair FreqSettings(double hz) {
  if (!(hz > octaveBaseHz(0) * (1 + kBoundaryTolerance))) return {0, 0};

  std::int32_t coarse = kMaxCoarse;
  double base = octaveBaseHz(coarse);
  while (base > hz * (1 + kBoundaryTolerance)) {
    --coarse;
    base = octaveBaseHz(coarse);
  }

  std::int32_t fine = 1;
  double step = base * kFineRatio;
  while (fine <= kMaxFine && step < hz * (1 - kBoundaryTolerance)) {
    ++fine;
    step *= kFineRatio;
  }
  return {coarse, std::min(fine, kMaxFine)};
}

std::string FreqValue(std::int32_t coarse, std::int32_t fine) {
  const double hz = FreqValue2(coarse, fine);
  const int decimals = hz < 10 ? 3 : hz < 100 ? 2 : hz < 1000 ? 1 : 0;
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, hz);
  return text;
}

DumpFreqBytes FS1RToFseq(std::int32_t coarse, std::int32_t fine) {
  const std::int64_t value = (kDumpCoarseOffset + 4 * std::int64_t{coarse}) * 128 +
                             roundHalfEven(fine * kDumpStepsPerFine);
  const auto clamped = static_cast<std::uint16_t>(std::clamp<std::int64_t>(value, 0, 0x3FFF));
  return {static_cast<std::uint8_t>(clamped >> 7), static_cast<std::uint8_t>(clamped & 0x7F)};
}

FreqPair FseqToFS1R(std::uint8_t high, std::uint8_t low) {
  const double octaves = (high - kDumpCoarseOffset) / 4.0;
  const auto coarse = static_cast<std::int32_t>(truncate(octaves));
  const auto fine = static_cast<std::int32_t>(
      roundHalfEven(((octaves - coarse) * 512 + low) / kDumpStepsPerFine));
  return {coarse, fine};
}

}  // namespace fseq
