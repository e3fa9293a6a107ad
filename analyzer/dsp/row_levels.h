#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "analyzer/dsp/band_table.h"

namespace tolk {

enum class FrequencyScale { Linear, Log, ThirdOctave };

// The frequency layout of the display rows of one run.
struct RowLayout {
  FrequencyScale scale = FrequencyScale::Linear;
  int rowCount = 1;
  double lowHz = 0;
  double highHz = 24000;
  // Bands per octave of the Log and Oct/3 grids: 30, or 3 for the Oct/3
  // scale of the live engines.
  int bandsPerOctave = 30;
};

// Turns an averaged magnitude spectrum into the level codes of the display
// rows. Which bins and bands feed each row is worked out once per run, so a
// column costs one logarithm per row (Linear) or per band in use (Log, Oct/3).
//
// Linear: row m starts at bin round(first + m * binsPerRow) and averages the
// power density of round(binsPerRow) bins (one bin when that is 1 or less).
// Log, Oct/3: each band of the BandTable takes the largest (Log) or the sum
// (Oct/3) of its bins' squared magnitudes; row m spans the bands between
// 10^(log10(low) + m s) and 10^(log10(low) + (m + 1) s), s = the log span
// over rowCount - 1, and shows the largest of them. Bin reads are limited to
// the spectrum, so no layout reads outside it.
class RowLevels {
 public:
  RowLevels(const RowLayout& layout, int fftSize, int sampleRateHz);

  int rowCount() const { return rowCount_; }

  // average holds fftSize / 2 averaged magnitudes; rows receives rowCount() codes.
  void levels(std::span<const double> average, std::span<std::int16_t> rows);

 private:
  struct Range {
    int first;
    int last;  // inclusive
  };

  void linearLevels(std::span<const double> average, std::span<std::int16_t> rows) const;
  void bandLevels(std::span<const double> average, std::span<std::int16_t> rows);

  FrequencyScale scale_;
  int rowCount_;
  int lastBin_;                  // fftSize / 2 - 1
  double powerScale_;            // fftSize / sampleRate
  std::vector<Range> rowBins_;   // Linear: the bins of each row
  std::vector<Range> rowBands_;  // Log, Oct/3: the bands of each row
  BandTable bands_;
  std::vector<bool> bandUsed_;
  std::vector<std::int16_t> bandLevel_;
};

}  // namespace tolk
