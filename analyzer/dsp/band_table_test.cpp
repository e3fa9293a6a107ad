#include "analyzer/dsp/band_table.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tolk {
namespace {

TEST(BandTableTest, ThirtyBandsPerOctaveAt48000Hz) {
  const BandTable table = buildBandTable(4096, 48000);
  EXPECT_EQ(table.bandsPerOctave, 30);
  EXPECT_FLOAT_EQ(table.logStep, float(std::log10(2.0) / 30));
  // log2(24000 / 14.2544) * 30 = 321.52, rounded half up.
  EXPECT_EQ(table.bandCount, 322);
  ASSERT_EQ(table.bandStartBin.size(), 323u);
  ASSERT_EQ(table.bandBinCount.size(), 323u);
  EXPECT_EQ(table.bandStartBin[0], 1);  // 14.25 Hz is bin 1.22
  // 1 kHz lies at band 30 * log2(1000 / 14.2544) = 183.9; bin 85.33.
  EXPECT_EQ(table.bandStartBin[184], 85);
  EXPECT_EQ(table.bandStartBin[322], 2071);  // past Nyquist: readers clamp
}

TEST(BandTableTest, EveryBandCoversAtLeastOneBinAndTheBandsFollowEachOther) {
  for (const int bandsPerOctave : {30, 3}) {
    for (const int fftSize : {512, 4096, 16384}) {
      const BandTable table = buildBandTable(fftSize, 44100, bandsPerOctave);
      for (int l = 0; l <= table.bandCount; ++l) {
        ASSERT_GE(table.bandBinCount[l], 1) << l;
        if (l > 0) {
          ASSERT_GE(table.bandStartBin[l], table.bandStartBin[l - 1]) << l;
        }
      }
      // A wide band reaches about to the next band's start.
      const int last = table.bandCount - 1;
      EXPECT_NEAR(table.bandStartBin[last] + table.bandBinCount[last], table.bandStartBin[last + 1],
                  1.0 + 0.01 * table.bandStartBin[last + 1]);
      EXPECT_EQ(table.bandBinCount[table.bandCount], table.bandBinCount[last]);
    }
  }
}

TEST(BandTableTest, ThirdOctaveBandsOfTheLiveEngines) {
  const BandTable table = buildBandTable(4096, 48000, 3);
  EXPECT_EQ(table.bandsPerOctave, 3);
  EXPECT_EQ(table.bandCount, 32);  // 32.15 third octaves up to 24 kHz
  // Band 20 starts at 14.2544 * 2^(20/3) = 1448 Hz, bin 123.6.
  EXPECT_EQ(table.bandStartBin[20], 124);
  EXPECT_EQ(table.bandBinCount[20], 32);  // 32.1 bins to band 21: minus 1, rounded, plus 1
}

}  // namespace
}  // namespace tolk
