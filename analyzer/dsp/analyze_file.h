#pragma once

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "analyzer/dsp/analysis_grid.h"
#include "analyzer/dsp/column_pipeline.h"
#include "analyzer/dsp/sound_segment.h"

namespace tolk {

// Receives every column of a file analysis as it is computed: the row
// levels, peaks and total level of each channel; the pipeline gives the
// per-bin power densities for a data log.
class ColumnSink {
 public:
  virtual ~ColumnSink() = default;
  virtual void column(int column, std::span<const ChannelColumn> channels,
                      const ColumnPipeline& pipeline) = 0;
};

// Called before every column; the window serves its events there. Returns
// true when the user asked the run to stop (the column then still runs).
using YieldCallback = std::function<bool()>;

// What a run leaves besides what its sinks made of the columns.
struct AnalysisTraces {
  // Total level of every column and channel, dB; columns not reached keep levelMin.
  std::vector<std::vector<float>> totalLevelDb;
  // The peak envelope of every column and channel (largest, smallest).
  std::vector<std::vector<int>> peakMax;
  std::vector<std::vector<int>> peakMin;
  int columnsDone = 0;
  bool stopped = false;
};

// The analysis loop over a loaded segment: column c reads fftSize frames
// from grid.columnStartFrame(c), runs the column pipeline and hands the
// result to every sink. Gives nothing when the analysis window cannot be
// built (the run ends without drawing).
std::optional<AnalysisTraces> runAnalyzeFile(const SoundSegment& sound, const AnalysisGrid& grid,
                                             const ColumnSettings& settings,
                                             double gainAttenuationDb, int levelMin,
                                             std::span<ColumnSink* const> sinks,
                                             const YieldCallback& yield = {});

}  // namespace tolk
