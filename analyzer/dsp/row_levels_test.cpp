#include "analyzer/dsp/row_levels.h"

#include <gtest/gtest.h>

#include <vector>

#include "analyzer/dsp/level_code.h"

namespace tolk {
namespace {

// With fftSize equal to the rate, a bin's power density is its squared magnitude.
constexpr int kFft = 1024;
constexpr int kRate = 1024;

std::vector<std::int16_t> linearRows(const std::vector<double>& average, int rows, double low,
                                     double high) {
  RowLevels levels({FrequencyScale::Linear, rows, low, high}, kFft, kRate);
  std::vector<std::int16_t> out(levels.rowCount());
  levels.levels(average, out);
  return out;
}

TEST(RowLevelsTest, LinearRowsAverageThePowerOfTheirBins) {
  std::vector<double> average(kFft / 2, 10.0);                             // power 100: code 80
  for (int k = 128; k < 256; ++k) average[k] = (k % 2 == 0) ? 0.0 : 20.0;  // mean power 200
  const auto rows = linearRows(average, 4, 0, 512);                        // 128 bins per row
  EXPECT_EQ(rows, (std::vector<std::int16_t>{80, levelCode(200), 80, 80}));
}

TEST(RowLevelsTest, LinearBinsBeyondTheSpectrumReadTheLastPlace) {
  std::vector<double> average(kFft / 2, 0.0);
  average[kFft / 2 - 1] = 100.0;
  // 150 bins per row: the last row covers bins 450 ... 599; 511 ... 599 read bin 511.
  const auto rows = linearRows(average, 4, 0, 600);
  EXPECT_EQ(rows[0], 0);
  EXPECT_EQ(rows[3], levelCode(89 * 10000.0 / 150));
}

TEST(RowLevelsTest, NarrowLinearRowsTakeOneBin) {
  std::vector<double> average(kFft / 2);
  for (int k = 0; k < kFft / 2; ++k) average[k] = k + 1.0;
  // Half a bin per row: row m reads bin round(m / 2), halves rounded up.
  const auto rows = linearRows(average, 1024, 0, 512);
  EXPECT_EQ(rows[0], levelCode(1.0));
  EXPECT_EQ(rows[1], levelCode(4.0));  // bin 1
  EXPECT_EQ(rows[2], levelCode(4.0));
  EXPECT_EQ(rows[3], levelCode(9.0));  // bin 2
}

TEST(RowLevelsTest, LogTakesTheLargestBinOfABandAndOctThirdTheSum) {
  constexpr int fft = 4096;
  constexpr int rate = 48000;
  std::vector<double> average(fft / 2, 0.0);
  // Both bins lie in the third-octave band from 14.6 kHz (bins 1246 ... 1569).
  average[1300] = 300;
  average[1400] = 400;
  const double scale = double(fft) / rate;
  for (const auto& [scale_, expected] :
       {std::pair{FrequencyScale::Log, levelCode(scale * 160000)},
        std::pair{FrequencyScale::ThirdOctave, levelCode(scale * 250000)}}) {
    RowLevels levels({scale_, 2, 20, 24000, 3}, fft, rate);
    std::vector<std::int16_t> rows(2);
    levels.levels(average, rows);
    EXPECT_EQ(rows[0], expected);  // the row spans every band: their largest level
    EXPECT_EQ(rows[1], 0);         // the top row holds the last band alone
  }
}

TEST(RowLevelsTest, ManyLogRowsShowABandInTheRowsOfItsFrequency) {
  constexpr int fft = 4096;
  constexpr int rate = 48000;
  std::vector<double> average(fft / 2, 0.0);
  average[85] = 1000;  // 996 Hz
  RowLevels levels({FrequencyScale::Log, 400, 20, 24000, 30}, fft, rate);
  std::vector<std::int16_t> rows(400);
  levels.levels(average, rows);
  int first = -1;
  int last = -1;
  for (int m = 0; m < 400; ++m) {
    if (rows[m] == 0) continue;
    if (first < 0) first = m;
    last = m;
  }
  // Row m starts at 20 * 1200^(m / 399): 996 Hz lies near row 220.
  EXPECT_GE(first, 218);
  EXPECT_LE(first, 222);
  EXPECT_LE(last - first, 3);
  EXPECT_EQ(rows[first], levelCode(double(fft) / rate * 1e6));
}

}  // namespace
}  // namespace tolk
