#pragma once

#include "analyzer/dsp/row_levels.h"

namespace tolk {

// An FFT size with its frequency resolution.
struct ResolutionChoice {
  int fftSize = 4096;
  float freqResolutionHz = 0;
  int resolutionTenths = 10;  // the resolution in tenths of a bin width, 10 ... 100
};

// The automatic resolution of a Scroll display: 20 Hz on the Log and Oct/3
// scales; otherwise the band over min(band height, 500) rows, at least
// 1000 / (12 msPerColumn), at most rate * 10 / 512.
float automaticResolutionHz(FrequencyScale scale, double lowHz, double highHz, int sampleRateHz,
                            double msPerColumn, int bandHeight);

// The smallest FFT size (512 ... 16384) whose bin width does not exceed the
// resolution, after limiting the resolution to rate / 16384 ... 5 rate / 512.
int fftSizeForResolution(int sampleRateHz, double resolutionHz);

// What the automatic dialogs commit: the size for the resolution, the
// resolution kept within the sizes' range, and its tenths of a bin width.
ResolutionChoice automaticResolution(float resolutionHz, int sampleRateHz);

// A size and resolution given by hand: the resolution is limited to one ...
// ten bin widths of the size.
ResolutionChoice manualResolution(int fftSize, float resolutionHz, int sampleRateHz);

}  // namespace tolk
