#include "editor/import/import_settings.h"

#include <algorithm>

namespace fseq {

namespace {

constexpr double kLowestLowerHz = 10;
constexpr double kHighestUpperHz = 8000;

}  // namespace

void ImportSettings::clampToRanges() {
  pitchFinderMax = kPitchFinderMaxRange.clamp(pitchFinderMax);
  noiseLevelBias = kNoiseLevelBiasRange.clamp(noiseLevelBias);
  for (auto& hz : bandUpperHz) hz = kBandUpperRange.clamp(hz);
  for (auto& hz : specificHz) hz = kSpecificFrequencyRange.clamp(hz);
  specificRangeHz = kSpecificRangeRange.clamp(specificRangeHz);
  for (auto& width : formantBandwidth) width = kFormantBandwidthRange.clamp(width);
  differenceThreshold = kDifferenceThresholdRange.clamp(differenceThreshold);
}

FormantBands formantBands(const ImportSettings& settings) {
  FormantBands bands;
  if (settings.mode == FormantLocationMode::FrequencyBands) {
    for (int k = 0; k < 8; ++k) bands.upperHz[k] = settings.bandUpperHz[k];
    return bands;
  }
  bands.skipToLower = true;
  const double range = settings.specificRangeHz;
  for (int k = 0; k < 8; ++k) {
    bands.lowerHz[k] = std::max(kLowestLowerHz, settings.specificHz[k] - range);
    bands.upperHz[k] = std::min(kHighestUpperHz, bands.lowerHz[k] + 2 * range);
  }
  return bands;
}

}  // namespace fseq
