#pragma once

#include <array>

namespace fseq {

// The last spectrum an import read, which the formant plot draws over the
// imported frame. Points are numbered 1 … 930 as the search walks them;
// element 0 of each array is not used.
struct SpectrumImportBuffer {
  static constexpr int kPoints = 930;
  static constexpr double kEmptyFreqHz = 8010;
  static constexpr double kEmptyLevelDb = -100;

  std::array<double, kPoints + 1> freq{};      // Hz
  std::array<double, kPoints + 1> level{};     // dB
  std::array<double, kPoints + 1> smoothed{};  // smoothSpectrum of level
  double xScale = 1.0;  // horizontal scale of the spectrum in the formant plot

  SpectrumImportBuffer() { reset(); }

  // Every point at 8010 Hz and −100 dB, xScale 1.0: the state at the start of
  // every import.
  void reset();
};

// The running mean of the levels over windows of 24 points, divided by 25 and
// lowered by 3 dB, written centred; the ends take the nearest computed value.
// points is the length of the spectrum being searched.
void smoothSpectrum(SpectrumImportBuffer& buffer, int points);

}  // namespace fseq
