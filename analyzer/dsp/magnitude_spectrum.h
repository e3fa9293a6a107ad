#pragma once

#include <functional>
#include <span>

#include "analyzer/dsp/analysis_window.h"

namespace tolk {

enum class WindowMode { Apply, AsIs };

// The forward real transform behind the spectrum: realFft(data, +1) unless a
// benchmark puts another transform with the same packed result in its place.
using ForwardRealTransform = std::function<void(std::span<float>)>;

void forwardRealFft(std::span<float> data);

// Replaces the first N/2 of the N samples (N = window.fftSize()) by the
// normalised spectrum: place 0 the signed DC term / N, places 1 ... N/2 - 2
// the magnitudes |F(k)| / N, and the last place N/2 - 1 the signed Nyquist
// term / N (the magnitude of bin N/2 - 1 is not produced). The rest of the
// samples are left as they were.
void magnitudeSpectrum(AnalysisWindow& window, std::span<float> samples, WindowMode mode,
                       const ForwardRealTransform& transform = forwardRealFft);

}  // namespace tolk
