#pragma once

#include "analyzer/audio/wave_error.h"

namespace tolk {

// How a file is analysed: at its own rate, or time-expanded by `multiplier`
// when it was recorded above 96000 Hz.
struct AnalysisRate {
  int multiplier = 1;
  int sampleRateHz = 0;  // the rate the analysis treats the samples as having

  bool ultrasound() const { return multiplier > 1; }
};

// Above 96000 Hz the first of 48000, 44100, 32000, 22050, 16000 and 11025 Hz
// that divides the rate exactly with a multiplier of at most 20 and a result
// within 11025 ... 48000 Hz wins; otherwise the multiplier is the rate over
// 48000 Hz rounded. A multiplier above 20 gives "Sampling Rate Out of Range".
WaveResult<AnalysisRate> analysisRateFor(int fileRateHz);

}  // namespace tolk
