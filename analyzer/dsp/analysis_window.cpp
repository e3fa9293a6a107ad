#include "analyzer/dsp/analysis_window.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <new>

#include "analyzer/dsp/rounding.h"

namespace tolk {

namespace {

// The window's period constant, kept at the precision the analyzer has
// always used so that levels stay comparable with earlier analyses.
constexpr double kTwoPi = 6.28318530718;

constexpr int kSmallestFftSize = 512;
constexpr int kLargestFftSize = 16384;

}  // namespace

AnalysisWindow::AnalysisWindow(int fftSize, int windowLength)
    : windowLength_(windowLength), coefficients_(fftSize, 0.0), work_(fftSize, 0.0f) {
  const int half = windowLength / 2;
  const int centre = fftSize / 2;
  for (int i = -half; i < half; ++i) {
    coefficients_[centre + i] = 0.5 * std::cos(kTwoPi * i / (2.0 * half)) + 0.5;
  }
}

std::optional<AnalysisWindow> buildAnalysisWindow(int fftSize, int sampleRateHz, float windowMs) {
  if (fftSize < kSmallestFftSize || fftSize > kLargestFftSize ||
      !std::has_single_bit(unsigned(fftSize)) || sampleRateHz <= 0 || !(windowMs > 0.0f)) {
    return std::nullopt;
  }
  const float lengthSamples = windowMs * float(sampleRateHz) / 1000.0f;
  const int windowLength = std::clamp(truncToInt(lengthSamples), 0, fftSize);
  try {
    return AnalysisWindow(fftSize, windowLength);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace tolk
