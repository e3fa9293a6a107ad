#include "analyzer/dsp/column_pipeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "analyzer/dsp/level_code.h"

namespace tolk {
namespace {

constexpr int kFft = 4096;

// A block of 16-bit frames; channel c of frame i is value(c, i).
template <class Value>
std::vector<std::uint8_t> pcm16Block(int channels, Value value) {
  std::vector<std::uint8_t> bytes;
  for (int i = 0; i < kFft; ++i) {
    for (int c = 0; c < channels; ++c) {
      const auto v = std::int16_t(std::lround(value(c, i)));
      bytes.push_back(std::uint8_t(v & 0xFF));
      bytes.push_back(std::uint8_t((v >> 8) & 0xFF));
    }
  }
  return bytes;
}

// A cosine of `amplitude` in the middle of bin `bin`.
auto tone(double amplitude, int bin) {
  return [=](int, int i) { return amplitude * std::cos(2 * M_PI * bin * i / kFft); };
}

// One bin per row across the whole spectrum, a window of one bin width.
ColumnSettings binRows(int rateHz) {
  ColumnSettings settings;
  settings.fftSize = kFft;
  settings.sampleRateHz = rateHz;
  settings.windowMs = float(1000.0 * kFft / rateHz);
  settings.resolutionTenths = 10;
  settings.rows = {FrequencyScale::Linear, kFft / 2, 0, rateHz / 2.0};
  return settings;
}

ChannelColumn runOne(const ColumnSettings& settings, const std::vector<std::uint8_t>& block,
                     SampleFormat format = SampleFormat::Pcm16) {
  auto pipeline = ColumnPipeline::create(settings);
  EXPECT_TRUE(pipeline);
  return pipeline->process({block.data(), format, 0.0})[0];
}

TEST(ColumnPipelineTest, SilenceGivesCodeZeroAndTheFloorLevel) {
  const auto block = pcm16Block(1, [](int, int) { return 0.0; });
  const ChannelColumn column = runOne(binRows(48000), block);
  EXPECT_EQ(column.totalLevelDb, -120.0f);
  EXPECT_EQ(column.peakMax, 0);
  EXPECT_EQ(column.peakMin, 0);
  ASSERT_EQ(column.rowLevels.size(), std::size_t(kFft / 2));
  for (const std::int16_t code : column.rowLevels) {
    ASSERT_EQ(code, 0);
    ASSERT_EQ(paletteIndex(code, 0, 120), 4);
  }
}

TEST(ColumnPipelineTest, AToneShowsAtItsBinWithTheWindowAndResolutionGains) {
  const auto block = pcm16Block(1, tone(10000, 300));
  const ChannelColumn column = runOne(binRows(48000), block);
  // |F| / N of a cosine is half its amplitude; the Hann window passes half of
  // that, and the resolution gain of one bin width is 10 * 10^-0.27.
  const double magnitude = 10000 / 2.0 * 0.5 * 10 * std::pow(10.0, -0.27);
  const double exactCode = 40 * std::log10(kFft * magnitude * magnitude / 48000);
  EXPECT_NEAR(column.rowLevels[300], exactCode, 1.0);
  EXPECT_LT(column.rowLevels[310], column.rowLevels[300] - 200);  // far from the tone
  EXPECT_NEAR(column.totalLevelDb, 20 * std::log10(10000 / std::sqrt(2.0)), 0.01);
  EXPECT_EQ(column.peakMax, 10000);  // the centre sample is a crest
}

TEST(ColumnPipelineTest, TheResponseTableAppliesOnlyAt48000Hz) {
  const std::vector<float> doubling(2048, 2.0f);
  for (const int rate : {44100, 48000, 96000}) {
    const auto block = pcm16Block(1, tone(5000, 200));
    ColumnSettings settings = binRows(rate);
    const ChannelColumn plain = runOne(settings, block);
    settings.responseTable = doubling;
    const ChannelColumn corrected = runOne(settings, block);
    // Twice the magnitude is four times the power: 6 dB, 24 codes.
    const int expectedStep = rate == 48000 ? 24 : 0;
    EXPECT_NEAR(corrected.rowLevels[200] - plain.rowLevels[200], expectedStep, 1) << rate;
  }
  // An all-zero table has not been measured: it changes nothing.
  const std::vector<float> unmeasured(2048, 0.0f);
  ColumnSettings settings = binRows(48000);
  const auto block = pcm16Block(1, tone(5000, 200));
  const ChannelColumn plain = runOne(settings, block);
  settings.responseTable = unmeasured;
  EXPECT_EQ(runOne(settings, block).rowLevels, plain.rowLevels);
}

TEST(ColumnPipelineTest, TheCalibrationGainRaisesLevelsAndTotalButNotThePeaks) {
  const auto block = pcm16Block(1, tone(1000, 100));
  ColumnSettings settings = binRows(48000);
  const ChannelColumn plain = runOne(settings, block);
  settings.splGain = 10.0;
  const ChannelColumn calibrated = runOne(settings, block);
  EXPECT_NEAR(calibrated.rowLevels[100] - plain.rowLevels[100], 80, 1);
  EXPECT_NEAR(calibrated.totalLevelDb - plain.totalLevelDb, 20.0f, 1e-3);
  EXPECT_EQ(calibrated.peakMax, plain.peakMax);
}

TEST(ColumnPipelineTest, TwentyFourBitInputMatchesSixteenBitInputOnItsScale) {
  const auto block16 = pcm16Block(1, tone(3000, 50));
  std::vector<std::uint8_t> block24;
  for (std::size_t i = 0; i < block16.size(); i += 2) {
    block24.push_back(0);  // the 16-bit value in the top two bytes
    block24.push_back(block16[i]);
    block24.push_back(block16[i + 1]);
  }
  const ColumnSettings settings = binRows(48000);
  EXPECT_EQ(runOne(settings, block24, SampleFormat::Pcm24).rowLevels,
            runOne(settings, block16).rowLevels);
}

TEST(ColumnPipelineTest, StereoChannelsRunSeparatelyAndShareTheColumnCount) {
  ColumnSettings settings = binRows(48000);
  settings.channels = 2;
  settings.averagingTimeMs = 30;  // three 10 ms columns are averaged
  auto pipeline = ColumnPipeline::create(settings);
  ASSERT_TRUE(pipeline);
  const auto loud = pcm16Block(
      2, [](int c, int i) { return c == 0 ? 20000.0 * std::cos(2 * M_PI * 64 * i / kFft) : 0.0; });
  // 6 dB of gain takes the crests beyond the 16-bit range.
  const auto& first = pipeline->process({loud.data(), SampleFormat::Pcm16, -6.0});
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[0].peakMax, 32750);  // clipped to 32767, limited for the strip
  EXPECT_EQ(first[1].peakMax, 0);
  EXPECT_EQ(first[1].totalLevelDb, -120.0f);
  const std::int16_t loudLevel = first[0].rowLevels[64];

  const auto quiet = pcm16Block(2, [](int, int) { return 0.0; });
  pipeline->process({quiet.data(), SampleFormat::Pcm16, -6.0});
  EXPECT_EQ(pipeline->columnsProcessed(), 2);
  // The average of one loud and one silent column is half the magnitude: -6 dB.
  const double halfPower = pipeline->powerDensity(0, 64);
  EXPECT_NEAR(levelCode(halfPower), loudLevel - 24, 1);
  EXPECT_EQ(pipeline->powerDensity(1, 64), 0.0);
}

TEST(ColumnPipelineTest, AReMeasuredWeightActsOnTheNextColumn) {
  ColumnSettings settings = binRows(48000);
  settings.averagingTimeMs = 1000;  // 100 columns of arithmetic mean
  auto pipeline = ColumnPipeline::create(settings);
  ASSERT_TRUE(pipeline);
  const auto loud = pcm16Block(1, tone(8000, 32));
  const auto quiet = pcm16Block(1, [](int, int) { return 0.0; });
  pipeline->process({loud.data(), SampleFormat::Pcm16, 0.0});
  const double loudPower = pipeline->powerDensity(0, 32);
  pipeline->averager().setWeight(1.0);  // the live engine measured that it lags
  pipeline->process({quiet.data(), SampleFormat::Pcm16, 0.0});
  EXPECT_GT(loudPower, 0.0);
  EXPECT_EQ(pipeline->powerDensity(0, 32), 0.0);  // replaced, not averaged
}

TEST(ColumnPipelineTest, AnUnusableWindowEndsTheRun) {
  ColumnSettings settings = binRows(48000);
  settings.fftSize = 1000;
  EXPECT_FALSE(ColumnPipeline::create(settings));
}

}  // namespace
}  // namespace tolk
