#include "analyzer/dsp/column_pipeline.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "analyzer/dsp/peak_envelope.h"
#include "analyzer/dsp/rounding.h"
#include "analyzer/dsp/total_level.h"

namespace tolk {

namespace {

constexpr int kResponseTableSize = 2048;
constexpr int kCalibratedRateHz = 48000;
// Peak limits of the first and the second channel's waveform strip.
constexpr int kPeakLimits[2] = {32750, 32760};

// The resolution gain makes up for the energy a window shorter than the
// block loses: p * 10^-0.27 with p the resolution in tenths of a bin width.
double resolutionGain(int resolutionTenths) {
  return std::pow(10.0, (10.0 * std::log10(double(resolutionTenths)) - 2.7) / 10.0);
}

std::vector<float> binGains(const ColumnSettings& settings) {
  const int bins = settings.fftSize / 2;
  const auto gain = float(resolutionGain(settings.resolutionTenths));
  std::vector<float> gains(bins, gain);
  const auto table = settings.responseTable;
  const bool measured = int(table.size()) >= kResponseTableSize &&
                        std::any_of(table.begin(), table.end(), [](float f) { return f != 0; });
  if (settings.sampleRateHz == kCalibratedRateHz && measured) {
    for (int k = 0; k < bins; ++k) {
      const int entry = truncToInt(double(k) * kResponseTableSize * 2 / settings.fftSize);
      gains[k] = table[entry] * gain;
    }
  }
  return gains;
}

}  // namespace

std::optional<ColumnPipeline> ColumnPipeline::create(const ColumnSettings& settings,
                                                     ForwardRealTransform transform) {
  auto window = buildAnalysisWindow(settings.fftSize, settings.sampleRateHz, settings.windowMs);
  if (!window || settings.channels < 1 || settings.channels > 2) return std::nullopt;
  return ColumnPipeline(settings, std::move(*window), std::move(transform));
}

ColumnPipeline::ColumnPipeline(const ColumnSettings& settings, AnalysisWindow window,
                               ForwardRealTransform transform)
    : settings_(settings),
      window_(std::move(window)),
      transform_(std::move(transform)),
      averager_(settings.msPerColumn, settings.averagingTimeMs, settings.averagingRule),
      rows_(settings.rows, settings.fftSize, settings.sampleRateHz),
      binGain_(binGains(settings)),
      block_(settings.fftSize),
      average_(settings.channels, std::vector<double>(settings.fftSize / 2, 0.0)),
      results_(settings.channels) {
  for (ChannelColumn& result : results_) result.rowLevels.resize(rows_.rowCount());
}

const std::vector<ChannelColumn>& ColumnPipeline::process(const ColumnInput& input) {
  for (int channel = 0; channel < settings_.channels; ++channel) processChannel(input, channel);
  ++column_;
  return results_;
}

void ColumnPipeline::processChannel(const ColumnInput& input, int channel) {
  ChannelColumn& result = results_[channel];
  const int sampleBytes = bytesPerSample(input.format);
  scaleSamples(input.frames + channel * sampleBytes, std::size_t(sampleBytes) * settings_.channels,
               input.format, inputGain(input.gainAttenuationDb), block_);

  const PeakEnvelope peak = peakEnvelope(block_, window_.windowLength(), settings_.sampleRateHz,
                                         settings_.msPerColumn, kPeakLimits[channel]);
  result.peakMax = peak.maxValue;
  result.peakMin = peak.minValue;

  if (settings_.splGain) {
    const auto gain = float(*settings_.splGain);
    for (float& s : block_) s *= gain;
  }
  result.totalLevelDb = totalLevelDb(block_);

  magnitudeSpectrum(window_, block_, WindowMode::Apply, transform_);
  const std::span<float> spectrum(block_.data(), binGain_.size());
  for (std::size_t k = 0; k < spectrum.size(); ++k) spectrum[k] *= binGain_[k];
  averager_.add(spectrum, average_[channel], column_);
  rows_.levels(average_[channel], result.rowLevels);
}

double ColumnPipeline::powerDensity(int channel, int bin) const {
  const double magnitude = average_[channel][bin];
  return double(settings_.fftSize) * magnitude * magnitude / settings_.sampleRateHz;
}

}  // namespace tolk
