#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "analyzer/dsp/analysis_window.h"
#include "analyzer/dsp/magnitude_spectrum.h"
#include "analyzer/dsp/row_levels.h"
#include "analyzer/dsp/sample_scaling.h"
#include "analyzer/dsp/spectrum_averager.h"

namespace tolk {

// What one analysis run fixes for all its columns.
struct ColumnSettings {
  int fftSize = 4096;
  int sampleRateHz = 48000;
  int channels = 1;
  float windowMs = 85.3f;     // 1000 / frequency resolution in Hz
  int resolutionTenths = 10;  // resolution in tenths of a bin width, 10 ... 100
  double msPerColumn = 10;
  double averagingTimeMs = 0;
  AveragingRule averagingRule = AveragingRule::EveryBin;
  RowLayout rows;
  // The sound pressure level calibration gain, when a calibration is in force.
  std::optional<double> splGain;
  // 2048 frequency-response factors for this material (mono or stereo
  // table), applied only at 48000 Hz; empty or all zero means none.
  std::span<const float> responseTable;
};

// One block of interleaved PCM frames: fftSize frames of `channels` samples.
struct ColumnInput {
  const std::uint8_t* frames = nullptr;
  SampleFormat format = SampleFormat::Pcm16;
  double gainAttenuationDb = 0;  // read for every column: the gain may move during a run
};

// What one channel of one column gives the display.
struct ChannelColumn {
  int peakMax = 0;
  int peakMin = 0;
  float totalLevelDb = 0;
  std::vector<std::int16_t> rowLevels;
};

// The chain every engine runs for each display column and channel: sample
// scaling with the input gain, peak envelope, calibration gain, total level,
// windowed magnitude spectrum, frequency-response correction (48000 Hz only),
// resolution gain, averaging over time, then the level codes of the rows.
// Logarithms are taken only for the row (or band) levels; per-bin levels for
// a data log come from powerDensity() when the log asks for them.
class ColumnPipeline {
 public:
  // Gives nothing when the analysis window cannot be built (the run ends).
  static std::optional<ColumnPipeline> create(const ColumnSettings& settings,
                                              ForwardRealTransform transform = forwardRealFft);

  // Runs every channel of the block and counts the column.
  const std::vector<ChannelColumn>& process(const ColumnInput& input);

  int columnsProcessed() const { return column_; }
  // The live engine re-measures the averaging weight while it runs.
  SpectrumAverager& averager() { return averager_; }
  // N * avg[k]^2 / rate, the power density of bin k the levels are made of.
  double powerDensity(int channel, int bin) const;

 private:
  ColumnPipeline(const ColumnSettings& settings, AnalysisWindow window,
                 ForwardRealTransform transform);
  void processChannel(const ColumnInput& input, int channel);

  ColumnSettings settings_;
  AnalysisWindow window_;
  ForwardRealTransform transform_;
  SpectrumAverager averager_;
  RowLevels rows_;
  std::vector<float> binGain_;  // response correction times resolution gain, per bin
  std::vector<float> block_;
  std::vector<std::vector<double>> average_;
  std::vector<ChannelColumn> results_;
  int column_ = 0;
};

}  // namespace tolk
