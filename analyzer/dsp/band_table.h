#pragma once

#include <cstdint>
#include <vector>

namespace tolk {

// The logarithmic frequency grid of the Log and Oct/3 scales: bands starting
// at 14.2544 Hz, bandsPerOctave to the octave (30 for the file analysis, 3 for
// the Oct/3 scale of the live engines), each mapped onto the FFT bins it
// covers. Entry bandCount repeats the last band's width.
struct BandTable {
  static constexpr float kBaseFreqHz = 14.2544f;

  int bandsPerOctave = 0;
  float logStep = 0;  // log10(2) / bandsPerOctave
  int bandCount = 0;
  std::vector<std::int16_t> bandStartBin;  // bandCount + 1 entries
  std::vector<std::int16_t> bandBinCount;  // bandCount + 1 entries, each at least 1
};

BandTable buildBandTable(int fftSize, int sampleRateHz, int bandsPerOctave = 30);

}  // namespace tolk
