#include "analyzer/dsp/band_table.h"

#include <algorithm>
#include <cmath>

#include "analyzer/dsp/rounding.h"

namespace tolk {

BandTable buildBandTable(int fftSize, int sampleRateHz, int bandsPerOctave) {
  BandTable table;
  table.bandsPerOctave = bandsPerOctave;
  table.logStep = float(std::log10(2.0) / bandsPerOctave);
  const double logBase = std::log10(double(BandTable::kBaseFreqHz));
  table.bandCount =
      std::max(0, roundToInt((std::log10(sampleRateHz / 2.0) - logBase) / table.logStep));

  // Lower edge of band l in FFT bins.
  const auto edgeBins = [&](int l) {
    return float(fftSize * std::pow(10.0, logBase + l * double(table.logStep)) / sampleRateHz);
  };
  const int count = table.bandCount;
  table.bandStartBin.resize(count + 1);
  table.bandBinCount.resize(count + 1);
  float previousEdge = edgeBins(0);
  table.bandStartBin[0] = std::int16_t(roundToInt(previousEdge));
  for (int l = 1; l <= count; ++l) {
    const float edge = edgeBins(l);
    table.bandStartBin[l] = std::int16_t(roundToInt(edge));
    table.bandBinCount[l - 1] =
        std::int16_t(roundToInt(std::max(0.0f, edge - previousEdge - 1.0f)) + 1);
    previousEdge = edge;
  }
  table.bandBinCount[count] = count > 0 ? table.bandBinCount[count - 1] : std::int16_t(1);
  return table;
}

}  // namespace tolk
