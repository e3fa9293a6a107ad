#include "analyzer/dsp/level_code.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tolk {
namespace {

TEST(LevelCodeTest, QuarterDecibelsRoundedHalfAwayFromZero) {
  struct Case {
    double power;
    int code;
  };
  const Case cases[] = {
      {1.0, 0},
      {10.0, 40},
      {1e-3, -120},
      {1e9, 360},
      {std::pow(10.0, 0.0125), 1},    // 0.5 quarter-dB rounds up
      {std::pow(10.0, -0.0125), -1},  // -0.5 rounds away from zero
      {std::pow(10.0, 0.012), 0},     // 0.48
      {std::numeric_limits<double>::infinity(), 32767},
  };
  for (const auto& c : cases) EXPECT_EQ(levelCode(c.power), c.code) << c.power;
}

TEST(LevelCodeTest, NoPowerGivesZero) {
  EXPECT_EQ(levelCode(0.0), 0);
  EXPECT_EQ(levelCode(-5.0), 0);
  EXPECT_EQ(levelCode(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(PaletteIndexTest, MapsTheLevelRangeOntoTheRampEntries) {
  // Scale 0 ... 120 dB: codes 0 ... 480, 240 steps.
  struct Case {
    int code;
    int index;
  };
  const Case cases[] = {
      {0, 4},      // no energy
      {-40, 4},    // below the scale
      {8, 4},      // 4 dB: step 4
      {20, 10},    // 5 dB
      {240, 120},  // mid scale
      {471, 235},  // trunc(235.5)
      {480, 235},  // top: 240 is limited
      {900, 235},
  };
  for (const auto& c : cases) EXPECT_EQ(paletteIndex(c.code, 0, 120), c.index) << c.code;
}

TEST(PaletteIndexTest, OffsetAndEmptyRanges) {
  EXPECT_EQ(paletteIndex(4 * 70, 40, 100), 120);
  EXPECT_EQ(paletteIndex(-4 * 10, -30, 30), 80);
  EXPECT_EQ(paletteIndex(200, 50, 50), 4);  // exactly at an empty range
  EXPECT_EQ(paletteIndex(204, 50, 50), 235);
  EXPECT_EQ(paletteIndex(196, 50, 50), 4);
}

}  // namespace
}  // namespace tolk
