#include "analyzer/dsp/analysis_window.h"

#include <gtest/gtest.h>

namespace tolk {
namespace {

constexpr int kRate = 48000;
constexpr int kFft = 4096;

float windowMsForBinWidths(double binWidths) {
  return float(1000.0 / (binWidths * kRate / kFft));
}

// Checks the raised cosine of 2h samples centred on N/2 and zeros elsewhere.
void expectCentredHann(const AnalysisWindow& window) {
  const auto c = window.coefficients();
  const int n = window.fftSize();
  const int half = window.windowLength() / 2;
  EXPECT_DOUBLE_EQ(c[n / 2], 1.0);
  EXPECT_NEAR(c[n / 2 - half], 0.0, 1e-12);
  EXPECT_NEAR(c[n / 2 - half / 2], 0.5, 1e-3);
  for (int i = 1; i < half; ++i) ASSERT_NEAR(c[n / 2 + i], c[n / 2 - i], 1e-12) << i;
  for (int i = 0; i < n / 2 - half; ++i) ASSERT_EQ(c[i], 0.0) << i;
  for (int i = n / 2 + half; i < n; ++i) ASSERT_EQ(c[i], 0.0) << i;
}

TEST(AnalysisWindowTest, OneBinWidthGivesAWindowOfAboutTheWholeBlock) {
  auto window = buildAnalysisWindow(kFft, kRate, windowMsForBinWidths(1));
  ASSERT_TRUE(window);
  EXPECT_GE(window->windowLength(), kFft - 2);
  EXPECT_LE(window->windowLength(), kFft);
  expectCentredHann(*window);
  EXPECT_EQ(window->work().size(), std::size_t(kFft));
}

TEST(AnalysisWindowTest, TenBinWidthsGiveATenthOfTheBlockZeroPaddedOnBothSides) {
  const auto window = buildAnalysisWindow(kFft, kRate, windowMsForBinWidths(10));
  ASSERT_TRUE(window);
  EXPECT_GE(window->windowLength(), kFft / 10 - 1);
  EXPECT_LE(window->windowLength(), kFft / 10);
  expectCentredHann(*window);
}

TEST(AnalysisWindowTest, AWindowLongerThanTheBlockIsCutToTheBlock) {
  const auto window = buildAnalysisWindow(512, kRate, 1000.0f);
  ASSERT_TRUE(window);
  EXPECT_EQ(window->windowLength(), 512);
  expectCentredHann(*window);
}

TEST(AnalysisWindowTest, SizesAndRatesOutsideTheAnalysisRangeAreRefused) {
  EXPECT_FALSE(buildAnalysisWindow(256, kRate, 10));
  EXPECT_FALSE(buildAnalysisWindow(32768, kRate, 10));
  EXPECT_FALSE(buildAnalysisWindow(1000, kRate, 10));
  EXPECT_FALSE(buildAnalysisWindow(kFft, 0, 10));
  EXPECT_FALSE(buildAnalysisWindow(kFft, kRate, 0));
  EXPECT_TRUE(buildAnalysisWindow(16384, kRate, 10));
}

}  // namespace
}  // namespace tolk
