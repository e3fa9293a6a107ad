#include "analyzer/dsp/ultrasound_rule.h"

#include "analyzer/dsp/analysis_messages.h"
#include "analyzer/dsp/rounding.h"

namespace tolk {

namespace {

constexpr int kHighestPlainRateHz = 96000;
constexpr int kLargestMultiplier = 20;
constexpr int kBaseRatesHz[] = {48000, 44100, 32000, 22050, 16000, 11025};

}  // namespace

WaveResult<AnalysisRate> analysisRateFor(int fileRateHz) {
  if (fileRateHz <= kHighestPlainRateHz) return AnalysisRate{1, fileRateHz};
  for (const int base : kBaseRatesHz) {
    if (fileRateHz % base != 0) continue;
    const int multiplier = fileRateHz / base;
    const int rate = fileRateHz / multiplier;
    if (multiplier <= kLargestMultiplier && rate >= 11025 && rate <= 48000) {
      return AnalysisRate{multiplier, rate};
    }
  }
  const int multiplier = roundToInt(fileRateHz / 48000.0);
  if (multiplier > kLargestMultiplier) return WaveError{analysis_messages::kRateOutOfRange};
  return AnalysisRate{multiplier, roundToInt(double(fileRateHz) / multiplier)};
}

}  // namespace tolk
