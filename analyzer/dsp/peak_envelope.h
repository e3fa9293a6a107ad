#pragma once

#include <span>

namespace tolk {

// The largest and smallest sample around the centre of a column's block, for
// the waveform strip. Both start from 0, so maxValue >= 0 >= minValue.
struct PeakEnvelope {
  int maxValue = 0;
  int minValue = 0;
};

// Looks at the samples m with centre - A < m < centre + A, where centre is
// min(N, windowLength) / 2 and A the samples of one column (at least 1);
// values are rounded half away from zero and limited to +-limit (32750 for the
// first channel, 32760 for the second).
PeakEnvelope peakEnvelope(std::span<const float> samples, int windowLength, int sampleRateHz,
                          double msPerColumn, int limit);

}  // namespace tolk
