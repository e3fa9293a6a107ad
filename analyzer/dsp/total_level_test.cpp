#include "analyzer/dsp/total_level.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tolk {
namespace {

TEST(TotalLevelTest, RootMeanSquareInDecibels) {
  EXPECT_FLOAT_EQ(totalLevelDb(std::vector<float>(100, 1.0f)), 0.0f);
  EXPECT_NEAR(totalLevelDb(std::vector<float>(100, -1000.0f)), 60.0f, 1e-4);
  std::vector<float> sine(4800);
  for (std::size_t i = 0; i < sine.size(); ++i) sine[i] = float(32767 * std::sin(i * 0.01 * M_PI));
  EXPECT_NEAR(totalLevelDb(sine), 20 * std::log10(32767 / std::sqrt(2.0)), 1e-3);
}

TEST(TotalLevelTest, SilenceGivesTheFiniteFloor) {
  EXPECT_EQ(totalLevelDb(std::vector<float>(4096, 0.0f)), -120.0f);
  EXPECT_EQ(totalLevelDb({}), -120.0f);
  // Far below the floor is the floor too.
  EXPECT_EQ(totalLevelDb(std::vector<float>(10, 1e-9f)), -120.0f);
}

}  // namespace
}  // namespace tolk
