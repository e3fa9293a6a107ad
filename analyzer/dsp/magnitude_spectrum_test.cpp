#include "analyzer/dsp/magnitude_spectrum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "analyzer/dsp/level_code.h"
#include "analyzer/dsp/reference_dft.h"

namespace tolk {
namespace {

constexpr int kRate = 48000;

AnalysisWindow windowOf(int fftSize, double binWidths) {
  auto window = buildAnalysisWindow(fftSize, kRate, float(1000.0 * fftSize / (binWidths * kRate)));
  EXPECT_TRUE(window);
  return std::move(*window);
}

TEST(MagnitudeSpectrumTest, SilenceGivesZeros) {
  AnalysisWindow window = windowOf(1024, 2);
  std::vector<float> samples(1024, 0.0f);
  magnitudeSpectrum(window, samples, WindowMode::Apply);
  for (int k = 0; k < 512; ++k) ASSERT_EQ(samples[k], 0.0f) << k;
}

TEST(MagnitudeSpectrumTest, TheLastPlaceHoldsTheSignedNyquistTerm) {
  AnalysisWindow window = windowOf(1024, 1);
  std::vector<float> samples(1024);
  for (int i = 0; i < 1024; ++i) samples[i] = (i % 2 == 0) ? -1000.0f : 1000.0f;
  magnitudeSpectrum(window, samples, WindowMode::AsIs);
  EXPECT_FLOAT_EQ(samples[511], -1000.0f);
  EXPECT_NEAR(samples[0], 0.0f, 1e-3);
  for (int k = 1; k < 511; ++k) ASSERT_NEAR(samples[k], 0.0f, 1e-3) << k;
}

TEST(MagnitudeSpectrumTest, ASineInTheMiddleOfABinHasHalfItsAmplitude) {
  AnalysisWindow window = windowOf(2048, 1);
  std::vector<float> samples(2048);
  for (int i = 0; i < 2048; ++i) samples[i] = float(300.0 * std::cos(2 * M_PI * 100 * i / 2048.0));
  magnitudeSpectrum(window, samples, WindowMode::AsIs);
  EXPECT_NEAR(samples[100], 150.0f, 1e-3);
  EXPECT_NEAR(samples[99], 0.0f, 1e-3);
  EXPECT_NEAR(samples[0], 0.0f, 1e-3);
}

// The windowed spectrum of a test signal against a double-precision DFT:
// magnitudes within 1e-5 of the value or of the block's largest magnitude,
// and the level codes equal except where the exact level lies within 0.01 of
// a rounding boundary.
TEST(MagnitudeSpectrumTest, MatchesADoublePrecisionDftInMagnitudeAndLevelCode) {
  for (const int fftSize : {512, 4096, 16384}) {
    AnalysisWindow window = windowOf(fftSize, 3);
    std::vector<float> samples = testing::testSignal(fftSize, 21);
    for (float& s : samples) s *= 2000.0f;
    std::vector<float> windowed(fftSize);
    for (int i = 0; i < fftSize; ++i) {
      windowed[i] = float(samples[i] * window.coefficients()[i]);
    }
    const testing::ReferenceDft reference(windowed);
    magnitudeSpectrum(window, samples, WindowMode::Apply);

    const double largest = reference.largestMagnitude() / fftSize;
    int codesCompared = 0;
    for (const int k : reference.binsToCheck()) {
      if (k < 1 || k >= fftSize / 2 - 1) continue;
      const double exact = std::abs(reference.bin(k)) / fftSize;
      ASSERT_NEAR(samples[k], exact, 1e-5 * std::max(exact, largest)) << fftSize << " " << k;
      const double exactCode = 40.0 * std::log10(fftSize * exact * exact / kRate);
      const double fraction = std::abs(exactCode - std::trunc(exactCode));
      if (std::abs(fraction - 0.5) < 0.01) continue;
      const double power = double(fftSize) * samples[k] * samples[k] / kRate;
      ASSERT_EQ(levelCode(power), std::lround(exactCode)) << fftSize << " " << k;
      ++codesCompared;
    }
    EXPECT_GT(codesCompared, 200);
  }
}

}  // namespace
}  // namespace tolk
