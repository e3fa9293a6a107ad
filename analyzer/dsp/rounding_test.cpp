#include "analyzer/dsp/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tolk {
namespace {

struct RoundingCase {
  double value;
  int rounded;
  int truncated;
};

TEST(RoundingTest, HalvesGoAwayFromZeroAndTruncGoesTowardZero) {
  const RoundingCase cases[] = {
      {0.0, 0, 0},    {0.49999, 0, 0}, {0.5, 1, 0},   {1.5, 2, 1},  {2.5, 3, 2},     {-0.5, -1, 0},
      {-1.5, -2, -1}, {-2.5, -3, -2},  {-0.49, 0, 0}, {7.99, 8, 7}, {-7.99, -8, -7}, {1e-300, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(roundToInt(c.value), c.rounded) << c.value;
    EXPECT_EQ(truncToInt(c.value), c.truncated) << c.value;
  }
}

TEST(RoundingTest, NanGivesZeroAndHugeValuesSaturate) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(roundToInt(nan), 0);
  EXPECT_EQ(truncToInt(nan), 0);
  EXPECT_EQ(roundToInt(inf), kMax);
  EXPECT_EQ(truncToInt(-inf), kMin);
  EXPECT_EQ(roundToInt(1e12), kMax);
  EXPECT_EQ(truncToInt(-1e12), kMin);
}

}  // namespace
}  // namespace tolk
