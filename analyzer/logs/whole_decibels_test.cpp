#include "analyzer/logs/whole_decibels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "analyzer/dsp/rounding.h"

namespace tolk {
namespace {

TEST(WholeDecibels, AgreesWithTheRoundedLogarithmEverywhere) {
  const WholeDecibels decibels;
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-45, 45);
  for (int n = 0; n < 200000; ++n) {
    const double power = std::pow(10.0, exponent(random));
    ASSERT_EQ(decibels.level(power), roundToInt(10 * std::log10(power))) << power;
  }
  // Right at the steps between levels, and the powers around them.
  for (int level = -60; level <= 60; ++level) {
    const double step = std::pow(10.0, (level - 0.5) / 10);
    for (const double power : {std::nextafter(step, 0.0), step, std::nextafter(step, 1e300)}) {
      EXPECT_EQ(decibels.level(power), roundToInt(10 * std::log10(power))) << power;
    }
  }
  EXPECT_EQ(decibels.level(0), 0);
  EXPECT_EQ(decibels.level(-1), 0);
  EXPECT_EQ(decibels.level(std::nan("")), 0);
  EXPECT_EQ(decibels.level(1e-60), -600);
}

}  // namespace
}  // namespace tolk
