#include "analyzer/dsp/magnitude_spectrum.h"

#include <cmath>

#include "analyzer/dsp/fft.h"

namespace tolk {

void forwardRealFft(std::span<float> data) {
  realFft(data, +1);
}

void magnitudeSpectrum(AnalysisWindow& window, std::span<float> samples, WindowMode mode,
                       const ForwardRealTransform& transform) {
  const int n = window.fftSize();
  const std::span<float> work = window.work();
  const std::span<const double> coefficients = window.coefficients();
  if (mode == WindowMode::Apply) {
    for (int i = 0; i < n; ++i) work[i] = float(samples[i] * coefficients[i]);
  } else {
    for (int i = 0; i < n; ++i) work[i] = samples[i];
  }
  transform(work);

  const float scale = 1.0f / float(n);
  samples[0] = work[0] * scale;
  for (int k = 1; k < n / 2 - 1; ++k) {
    const float re = work[2 * k];
    const float im = work[2 * k + 1];
    samples[k] = std::sqrt(re * re + im * im) * scale;
  }
  samples[n / 2 - 1] = work[1] * scale;
}

}  // namespace tolk
