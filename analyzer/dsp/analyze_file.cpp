#include "analyzer/dsp/analyze_file.h"

#include <algorithm>

namespace tolk {

std::optional<AnalysisTraces> runAnalyzeFile(const SoundSegment& sound, const AnalysisGrid& grid,
                                             const ColumnSettings& settings,
                                             double gainAttenuationDb, int levelMin,
                                             std::span<ColumnSink* const> sinks,
                                             const YieldCallback& yield) {
  auto pipeline = ColumnPipeline::create(settings);
  if (!pipeline) return std::nullopt;

  AnalysisTraces traces;
  const auto columns = std::size_t(grid.columnCount);
  traces.totalLevelDb.assign(sound.channels, std::vector<float>(columns, float(levelMin)));
  traces.peakMax.assign(sound.channels, std::vector<int>(columns, 0));
  traces.peakMin.assign(sound.channels, std::vector<int>(columns, 0));

  ColumnInput input;
  input.format = sound.format;
  input.gainAttenuationDb = gainAttenuationDb;
  const std::size_t lastStart = sound.frames() - std::size_t(settings.fftSize);
  for (int c = 0; c < grid.columnCount && !traces.stopped; ++c) {
    if (yield) traces.stopped = yield();
    const std::size_t start = std::min(grid.columnStartFrame(c), lastStart);
    input.frames = sound.samples() + start * std::size_t(sound.frameBytes());
    const auto& result = pipeline->process(input);
    for (int channel = 0; channel < sound.channels; ++channel) {
      traces.totalLevelDb[channel][c] = result[channel].totalLevelDb;
      traces.peakMax[channel][c] = result[channel].peakMax;
      traces.peakMin[channel][c] = result[channel].peakMin;
    }
    for (ColumnSink* sink : sinks) sink->column(c, result, *pipeline);
    traces.columnsDone = c + 1;
  }
  return traces;
}

}  // namespace tolk
