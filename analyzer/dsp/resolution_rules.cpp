#include "analyzer/dsp/resolution_rules.h"

#include <algorithm>

#include "analyzer/dsp/rounding.h"

namespace tolk {

namespace {

constexpr int kFftSizes[] = {512, 1024, 2048, 4096, 8192, 16384};
constexpr float kLogScaleResolutionHz = 20;
constexpr int kMostRowsPerResolution = 500;

int tenthsOf(float resolutionHz, int sampleRateHz, int fftSize) {
  const float binWidth = float(sampleRateHz) / fftSize;
  return std::clamp(roundToInt(resolutionHz * 10 / binWidth), 10, 100);
}

}  // namespace

float automaticResolutionHz(FrequencyScale scale, double lowHz, double highHz, int sampleRateHz,
                            double msPerColumn, int bandHeight) {
  if (scale != FrequencyScale::Linear) return kLogScaleResolutionHz;
  const float band = float(highHz - lowHz);
  const float ceiling = float(sampleRateHz) * 10 / 512;
  float resolution = band / float(std::max(1, std::min(bandHeight, kMostRowsPerResolution)));
  const float timeLimited = float(1000 / (12 * msPerColumn));
  if (timeLimited > resolution) resolution = timeLimited;
  if (ceiling < resolution) resolution = ceiling;
  return resolution;
}

int fftSizeForResolution(int sampleRateHz, double resolutionHz) {
  const double rate = sampleRateHz;
  const double limited = std::clamp(resolutionHz, rate / 16384, 5 * rate / 512);
  for (const int size : kFftSizes) {
    const double binWidth = rate / size;
    if (binWidth <= limited && 5 * binWidth >= limited) return size;
  }
  return 16384;
}

ResolutionChoice automaticResolution(float resolutionHz, int sampleRateHz) {
  ResolutionChoice choice;
  choice.freqResolutionHz = resolutionHz;
  choice.fftSize = fftSizeForResolution(sampleRateHz, resolutionHz);
  if (float(sampleRateHz) * 20 / choice.freqResolutionHz < 512) {
    choice.freqResolutionHz = float(sampleRateHz) * 20 / 512;
  }
  if (float(sampleRateHz) / choice.freqResolutionHz > 16384) {
    choice.freqResolutionHz = float(sampleRateHz) / 16384;
  }
  choice.resolutionTenths = tenthsOf(choice.freqResolutionHz, sampleRateHz, choice.fftSize);
  return choice;
}

ResolutionChoice manualResolution(int fftSize, float resolutionHz, int sampleRateHz) {
  const float binWidth = float(sampleRateHz) / fftSize;
  ResolutionChoice choice;
  choice.fftSize = fftSize;
  choice.freqResolutionHz = std::clamp(resolutionHz, binWidth, 10 * binWidth);
  choice.resolutionTenths = tenthsOf(choice.freqResolutionHz, sampleRateHz, fftSize);
  return choice;
}

}  // namespace tolk
