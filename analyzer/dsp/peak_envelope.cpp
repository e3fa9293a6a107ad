#include "analyzer/dsp/peak_envelope.h"

#include <algorithm>

#include "analyzer/dsp/rounding.h"

namespace tolk {

PeakEnvelope peakEnvelope(std::span<const float> samples, int windowLength, int sampleRateHz,
                          double msPerColumn, int limit) {
  const int count = int(samples.size());
  const int centre = std::min(count, windowLength) / 2;
  const int reach = std::max(1, truncToInt(sampleRateHz * msPerColumn / 1000.0));
  const int first = std::max(0, centre - reach + 1);
  const int last = std::min(count - 1, centre + reach - 1);
  // Rounding keeps the order of values, so only the extremes need rounding.
  float largest = 0;
  float smallest = 0;
  for (int m = first; m <= last; ++m) {
    largest = std::max(largest, samples[m]);
    smallest = std::min(smallest, samples[m]);
  }
  return {std::min(roundToInt(largest), limit), std::max(roundToInt(smallest), -limit)};
}

}  // namespace tolk
