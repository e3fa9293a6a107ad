#include "analyzer/dsp/spectrum_averager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace tolk {
namespace {

TEST(SpectrumAveragerTest, ASecondOfTenMillisecondColumnsIsAHundredArithmeticThenWeightAHundredth) {
  const SpectrumAverager averager(10, 1000, AveragingRule::EveryBin);
  EXPECT_DOUBLE_EQ(averager.weight(), 0.01);
  std::vector<double> average(1, 0.0);
  // Columns 0 ... 99 carry the values 1 ... 100: their mean is 50.5.
  for (int c = 0; c < 100; ++c) {
    const std::vector<float> value{float(c + 1)};
    averager.add(value, average, c);
  }
  EXPECT_NEAR(average[0], 50.5, 1e-9);
  // Column 100 enters with weight 0.01.
  averager.add(std::vector<float>{1050.5f}, average, 100);
  EXPECT_NEAR(average[0], 50.5 * 0.99 + 1050.5 * 0.01, 1e-9);
}

TEST(SpectrumAveragerTest, WithoutAveragingEveryColumnReplacesTheAverage) {
  for (const double timeMs : {0.0, 5.0}) {  // a time below one column also means weight 1
    const SpectrumAverager averager(10, timeMs, AveragingRule::EveryBin);
    EXPECT_DOUBLE_EQ(averager.weight(), 1.0);
    std::vector<double> average(2, 0.0);
    averager.add(std::vector<float>{3, 4}, average, 0);
    averager.add(std::vector<float>{7, 1}, average, 1);
    averager.add(std::vector<float>{2, 9}, average, 2);
    EXPECT_EQ(average, (std::vector<double>{2, 9}));
  }
}

TEST(SpectrumAveragerTest, TheLiveRuleKeepsTheAverageOfInvalidBins) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  std::vector<double> average(3, 0.0);
  const SpectrumAverager live(10, 20, AveragingRule::SkipInvalid);  // weight 0.5, 2 mean columns
  live.add(std::vector<float>{4, 4, 4}, average, 0);
  live.add(std::vector<float>{nan, 0, 8}, average, 1);
  EXPECT_EQ(average, (std::vector<double>{4, 4, 6}));
  live.add(std::vector<float>{-1, 2, 2}, average, 2);
  EXPECT_EQ(average, (std::vector<double>{4, 3, 4}));

  // The file engines take every value, not-a-number included.
  const SpectrumAverager file(10, 20, AveragingRule::EveryBin);
  std::vector<double> plain(1, 4.0);
  file.add(std::vector<float>{0}, plain, 1);
  EXPECT_EQ(plain[0], 2.0);
  file.add(std::vector<float>{nan}, plain, 2);
  EXPECT_TRUE(std::isnan(plain[0]));
}

TEST(SpectrumAveragerTest, AReMeasuredWeightIsLimitedToOne) {
  SpectrumAverager averager(10, 1000, AveragingRule::SkipInvalid);
  averager.setWeight(0.02);
  EXPECT_DOUBLE_EQ(averager.weight(), 0.02);
  averager.setWeight(3.0);
  EXPECT_DOUBLE_EQ(averager.weight(), 1.0);
}

}  // namespace
}  // namespace tolk
