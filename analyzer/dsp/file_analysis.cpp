#include "analyzer/dsp/file_analysis.h"

#include <algorithm>

namespace tolk {

namespace {

constexpr int kLogLowestHz = 20;
constexpr int kLogHighestLowHz = 1000;

// The band of the analysis in analysis Hz: on the Linear scale the whole of
// 0 ... rate/2 when the request is empty or beyond it; on the Log and Oct/3
// scales the low limit within 20 ... 1000 Hz and the high one at rate/2.
void settleBand(FileAnalysis& analysis, const FileAnalysisRequest& request) {
  const int nyquist = analysis.rate.sampleRateHz / 2;
  const int m = analysis.rate.multiplier;
  int low = request.lowBandLimitHz / m;
  int high = request.highBandLimitHz / m;
  if (analysis.freqScale == FrequencyScale::Linear) {
    if (low >= high || high > nyquist || low < 0) {
      low = 0;
      high = nyquist;
    }
  } else {
    low = std::clamp(low, kLogLowestHz, kLogHighestLowHz);
    high = nyquist;
  }
  analysis.lowBandLimit = low;
  analysis.highBandLimit = high;
}

ResolutionChoice settleResolution(const FileAnalysis& analysis, const FileAnalysisRequest& request,
                                  double msPerColumn) {
  const int rate = analysis.rate.sampleRateHz;
  if (request.freqResolutionHz && !request.fftSize) {
    const int size = fftSizeForResolution(rate, *request.freqResolutionHz);
    return manualResolution(size, *request.freqResolutionHz, rate);
  }
  const int bandHeight = analysis.layout.imageHeight - analysis.layout.timeAxisHeight;
  const float automatic =
      automaticResolutionHz(analysis.freqScale, analysis.lowBandLimit, analysis.highBandLimit, rate,
                            msPerColumn, bandHeight);
  if (request.fftSize) {
    return manualResolution(*request.fftSize, request.freqResolutionHz.value_or(automatic), rate);
  }
  return automaticResolution(automatic, rate);
}

}  // namespace

ColumnSettings FileAnalysis::columnSettings(int rows, double averagingTimeMs) const {
  ColumnSettings settings;
  settings.fftSize = resolution.fftSize;
  settings.sampleRateHz = rate.sampleRateHz;
  settings.channels = sound.channels;
  settings.windowMs = 1000.0f / resolution.freqResolutionHz;
  settings.resolutionTenths = resolution.resolutionTenths;
  settings.msPerColumn = grid.msPerColumn;
  settings.averagingTimeMs = averagingTimeMs;
  settings.rows.scale = freqScale;
  settings.rows.rowCount = rows;
  settings.rows.lowHz = lowBandLimit;
  settings.rows.highHz = highBandLimit;
  return settings;
}

WaveResult<FileAnalysis> prepareFileAnalysis(const FileAnalysisRequest& request,
                                             const ImageLayout& layout) {
  auto header = readWaveHeader(request.file, WaveReader::AnalyzeFile, request.scratchFolder);
  if (!header.ok()) return header.error();
  auto rate = analysisRateFor(int(header.value().info.sampleRateHz));
  if (!rate.ok()) return rate.error();

  FileAnalysis analysis;
  analysis.header = header.value();
  analysis.rate = rate.value();
  analysis.layout = layout;
  analysis.displayMode = request.displayMode;
  analysis.freqScale = request.freqScale;
  analysis.channelSelect = request.channelSelect;
  analysis.averagingTimeMs = request.averagingTimeMs;
  analysis.levelMin = request.levelMin;
  analysis.levelMax = request.levelMax;
  analysis.gainAttenuationDb = request.gainAttenuationDb;
  settleBand(analysis, request);

  // Times are real ones; a time-expanded file is analysed M times longer.
  const int m = analysis.rate.multiplier;
  const bool dual =
      analysis.header.info.channels == 2 && request.channelSelect == ChannelSelect::Dual;
  const double msPerColumn = msPerColumnFor(request.displayWidthSeconds * m, layout, dual);
  analysis.resolution = settleResolution(analysis, request, msPerColumn);

  std::optional<double> endMs;
  if (request.endSeconds) endMs = *request.endSeconds * 1000 * m;
  auto sound = loadSoundSegment(analysis.header, analysis.rate.sampleRateHz,
                                request.beginSeconds * 1000 * m, endMs);
  if (!sound.ok()) return sound.error();
  analysis.sound = std::move(sound.value());

  auto grid = makeAnalysisGrid(analysis.sound.frames(), analysis.sound.channels,
                               analysis.rate.sampleRateHz, analysis.resolution.fftSize, msPerColumn,
                               spectrumRows(layout, request.displayMode));
  if (!grid.ok()) return grid.error();
  analysis.grid = grid.value();
  return analysis;
}

}  // namespace tolk
