#include "analyzer/dsp/peak_envelope.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolk {
namespace {

TEST(PeakEnvelopeTest, LooksOnlyAroundTheWindowCentre) {
  std::vector<float> samples(1000, 0.0f);
  // centre = min(1000, 400) / 2 = 200; one column at 1000 Hz and 5 ms is A = 5
  // samples, so indices 196 ... 204 count.
  samples[195] = 9000;
  samples[205] = -9000;
  samples[196] = 100.5f;  // rounds to 101
  samples[204] = -20.5f;  // rounds to -21
  const PeakEnvelope peak = peakEnvelope(samples, 400, 1000, 5.0, 32750);
  EXPECT_EQ(peak.maxValue, 101);
  EXPECT_EQ(peak.minValue, -21);
}

TEST(PeakEnvelopeTest, StartsFromZeroAndIsLimitedPerChannel) {
  std::vector<float> positive(64, 5.0f);
  const PeakEnvelope p = peakEnvelope(positive, 64, 1000, 10.0, 32750);
  EXPECT_EQ(p.maxValue, 5);
  EXPECT_EQ(p.minValue, 0);

  std::vector<float> loud(64, 40000.0f);
  loud[30] = -40000.0f;
  const PeakEnvelope first = peakEnvelope(loud, 64, 48000, 10.0, 32750);
  EXPECT_EQ(first.maxValue, 32750);
  EXPECT_EQ(first.minValue, -32750);
  const PeakEnvelope second = peakEnvelope(loud, 64, 48000, 10.0, 32760);
  EXPECT_EQ(second.maxValue, 32760);
  EXPECT_EQ(second.minValue, -32760);
}

TEST(PeakEnvelopeTest, ShortColumnsStillLookAtTheCentreSample) {
  std::vector<float> samples(100, 0.0f);
  samples[50] = 7;
  samples[49] = 8;
  EXPECT_EQ(peakEnvelope(samples, 100, 1000, 0.1, 32750).maxValue, 7);  // A = 1
}

}  // namespace
}  // namespace tolk
