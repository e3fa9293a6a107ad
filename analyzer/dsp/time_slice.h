#pragma once

#include <cstdint>
#include <vector>

#include "analyzer/dsp/file_analysis.h"

namespace tolk {

// The spectrum at one moment of an analysed file: the column spectra over
// the averaging time before it (one second when there is none), averaged,
// as level codes of the points of a spectrum plot.
struct TimeSliceSpectrum {
  std::vector<std::vector<std::int16_t>> pointLevels;  // per channel, one code per point
  std::vector<float> totalLevelDb;                     // per channel, of the last column
  int columns = 0;
  double eventMs = 0;  // the moment, counted from the start of the file
};

// Where the slice ending endMs (counted from the segment's start) lies:
// byte offsets aligned down to multiples of 12, the last block included.
struct TimeSliceSpan {
  std::size_t startByte = 0;
  std::size_t endByte = 0;  // the moment itself, before the last block is added
  int columns = 1;
};

// Fails with kSliceBeyondSegment when the last block would not lie inside
// the segment.
WaveResult<TimeSliceSpan> timeSliceSpan(const FileAnalysis& analysis, double endMs);

// Runs the column pipeline over the span with `points` rows spread over the
// band as the spectrum plot spreads them. Refused for a Dual stereo view.
WaveResult<TimeSliceSpectrum> computeTimeSlice(const FileAnalysis& analysis, double endMs,
                                               int points);

}  // namespace tolk
