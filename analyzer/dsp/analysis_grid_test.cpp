#include "analyzer/dsp/analysis_grid.h"

#include <gtest/gtest.h>

#include "analyzer/dsp/image_layout.h"
#include "analyzer/dsp/resolution_rules.h"
#include "analyzer/dsp/ultrasound_rule.h"

namespace tolk {
namespace {

TEST(AnalysisGrid, ColumnsStepByTheTimePerColumnAndTheLastBlockEndsInside) {
  // 1 s at 48000 Hz, 10 ms per column: 480 frames a step.
  auto grid = makeAnalysisGrid(48000, 1, 48000, 4096, 10, 100);
  ASSERT_TRUE(grid.ok());
  EXPECT_DOUBLE_EQ(grid.value().framesPerColumn, 480);
  EXPECT_EQ(grid.value().columnCount, 91);  // round((48000 - 4096) / 480) = round(91.47)
  EXPECT_EQ(grid.value().columnStartFrame(0), 0u);
  EXPECT_EQ(grid.value().columnStartFrame(1), 480u);
  const std::size_t last = grid.value().columnStartFrame(grid.value().columnCount - 1);
  EXPECT_LE(last + 4096, 48000u);
}

TEST(AnalysisGrid, StereoStepsCountSingleChannelSamplesAndStartOnWholeFrames) {
  // 10.01 ms at 44100 Hz: 441.441 frames, 882.882 values a column.
  auto grid = makeAnalysisGrid(44100, 2, 44100, 1024, 10.01, 50);
  ASSERT_TRUE(grid.ok());
  EXPECT_NEAR(grid.value().valuesPerColumn, 882.882, 1e-9);
  EXPECT_EQ(grid.value().columnStartFrame(1), 441u);   // round(882.882) = 883 values
  EXPECT_EQ(grid.value().columnStartFrame(3), 1324u);  // round(2648.646) = 2649 values
}

TEST(AnalysisGrid, TooFewSamplesOrTooShortAStepIsTimeScaleTooSmall) {
  struct Case {
    std::size_t frames;
    double msPerColumn;
  };
  for (const Case c : {Case{4096, 10}, Case{4000, 10}, Case{48000, 0.001}}) {
    auto grid = makeAnalysisGrid(c.frames, 1, 48000, 4096, c.msPerColumn, 100);
    ASSERT_FALSE(grid.ok()) << c.frames << " frames, " << c.msPerColumn << " ms";
    EXPECT_EQ(grid.error().message, "Time Scale Too Small");
  }
}

TEST(UltrasoundRule, ExactBaseRatesWinElseTheRateOver48kRounded) {
  struct Case {
    int fileRateHz;
    int multiplier;
    int analysisRateHz;
  };
  for (const Case c : {Case{44100, 1, 44100}, Case{96000, 1, 96000}, Case{192000, 4, 48000},
                       Case{250000, 5, 50000}, Case{352800, 8, 44100}, Case{500000, 10, 50000}}) {
    auto rate = analysisRateFor(c.fileRateHz);
    ASSERT_TRUE(rate.ok()) << c.fileRateHz;
    EXPECT_EQ(rate.value().multiplier, c.multiplier) << c.fileRateHz;
    EXPECT_EQ(rate.value().sampleRateHz, c.analysisRateHz) << c.fileRateHz;
  }
  auto tooHigh = analysisRateFor(1100000);
  ASSERT_FALSE(tooHigh.ok());
  EXPECT_EQ(tooHigh.error().message, "Sampling Rate Out of Range");
}

TEST(ResolutionRules, AutomaticScrollResolutionAndItsFftSize) {
  // Band 0 ... 6000 Hz, 400 rows, 10 ms per column at 48000 Hz.
  const float a = automaticResolutionHz(FrequencyScale::Linear, 0, 6000, 48000, 10, 400);
  EXPECT_FLOAT_EQ(a, 15);
  const ResolutionChoice choice = automaticResolution(a, 48000);
  EXPECT_EQ(choice.fftSize, 4096);
  EXPECT_EQ(choice.resolutionTenths, 13);
  EXPECT_FLOAT_EQ(automaticResolutionHz(FrequencyScale::Log, 20, 24000, 48000, 10, 400), 20);
  EXPECT_EQ(fftSizeForResolution(48000, 20), 4096);
  // A short time step asks for a coarse resolution, never above rate * 10 / 512.
  EXPECT_FLOAT_EQ(automaticResolutionHz(FrequencyScale::Linear, 0, 6000, 48000, 0.05, 400), 937.5f);
}

TEST(ResolutionRules, AGivenResolutionStaysWithinOneToTenBinWidths) {
  struct Case {
    float givenHz;
    float resolutionHz;
    int tenths;
  };
  // 4096 points at 40960 Hz: bins of 10 Hz.
  for (const Case c : {Case{5, 10, 10}, Case{25, 25, 25}, Case{500, 100, 100}}) {
    const ResolutionChoice choice = manualResolution(4096, c.givenHz, 40960);
    EXPECT_FLOAT_EQ(choice.freqResolutionHz, c.resolutionHz) << c.givenHz;
    EXPECT_EQ(choice.resolutionTenths, c.tenths) << c.givenHz;
  }
}

TEST(ImageLayout, DualHalvesTheVisibleColumnsAndDoublesTheTimePerColumn) {
  ImageLayout layout;
  layout.imageLeft = 60;
  layout.imageRight = 760;
  EXPECT_EQ(visibleColumns(layout, false), 700);
  EXPECT_EQ(visibleColumns(layout, true), 320);
  EXPECT_NEAR(msPerColumnFor(7, layout, false), 10, 1e-6);
  EXPECT_NEAR(msPerColumnFor(6.4, layout, true), 20, 1e-6);
}

}  // namespace
}  // namespace tolk
