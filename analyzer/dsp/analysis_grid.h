#pragma once

#include <cstddef>

#include "analyzer/audio/wave_error.h"

namespace tolk {

// The time grid of one file analysis: one column per display step, each an
// FFT block of fftSize frames.
struct AnalysisGrid {
  double msPerColumn = 10;
  double framesPerColumn = 0;  // msPerColumn * rate / 1000
  double valuesPerColumn = 0;  // framesPerColumn * channels, in single-channel samples
  int columnCount = 0;
  int rowCount = 0;
  int channels = 1;

  // First frame of column c: round(c * valuesPerColumn) cut down to a whole frame.
  std::size_t columnStartFrame(int column) const;
};

// Fails with "Time Scale Too Small" when a column is less than one frame
// long or the segment holds no block after the first.
WaveResult<AnalysisGrid> makeAnalysisGrid(std::size_t segmentFrames, int channels, int sampleRateHz,
                                          int fftSize, double msPerColumn, int rowCount);

}  // namespace tolk
