#include "analyzer/dsp/analysis_grid.h"

#include "analyzer/dsp/analysis_messages.h"
#include "analyzer/dsp/rounding.h"

namespace tolk {

std::size_t AnalysisGrid::columnStartFrame(int column) const {
  const int values = roundToInt(column * valuesPerColumn);
  return std::size_t(values / channels);
}

WaveResult<AnalysisGrid> makeAnalysisGrid(std::size_t segmentFrames, int channels, int sampleRateHz,
                                          int fftSize, double msPerColumn, int rowCount) {
  const WaveError tooSmall{analysis_messages::kTimeScaleTooSmall};
  AnalysisGrid grid;
  grid.msPerColumn = msPerColumn;
  grid.channels = channels;
  grid.rowCount = rowCount;
  grid.framesPerColumn = msPerColumn * sampleRateHz / 1000;
  grid.valuesPerColumn = grid.framesPerColumn * channels;
  if (roundToInt(grid.framesPerColumn) <= 0 || rowCount < 2) return tooSmall;
  const double spareValues = (double(segmentFrames) - fftSize) * channels;
  grid.columnCount = roundToInt(spareValues / grid.valuesPerColumn);
  if (grid.columnCount <= 0) return tooSmall;
  // The rounding may leave the last block one step past the end: drop it.
  while (grid.columnCount > 0 &&
         grid.columnStartFrame(grid.columnCount - 1) + fftSize > segmentFrames) {
    --grid.columnCount;
  }
  if (grid.columnCount <= 0) return tooSmall;
  return grid;
}

}  // namespace tolk
