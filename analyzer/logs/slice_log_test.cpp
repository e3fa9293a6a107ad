#include "analyzer/logs/slice_log.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_support/files.h"
#include "test_support/temp_dir.h"

namespace tolk {
namespace {

SliceLogContent content(FrequencyScale scale, const std::vector<std::int16_t>& levels) {
  SliceLogContent c;
  c.source.soundFilePath = "/music/ah.wav";
  c.source.sampleRateHz = 44100;
  c.source.fftSize = 4096;
  c.scale = scale;
  c.source.lowBandLimitHz = scale == FrequencyScale::Linear ? 0 : 100;
  c.source.highBandLimitHz = scale == FrequencyScale::Linear ? 8000 : 22050;
  c.totalLevelDb = 71;
  c.eventTimeMs = 1500;
  c.scopeLevels = levels;
  return c;
}

TEST(SliceLog, LinearRowsNumberEveryPointWithItsCentreAndLevel) {
  std::vector<std::int16_t> levels(270);
  for (int j = 0; j < 270; ++j) levels[j] = std::int16_t(-j);
  levels[4] = -182;  // point 12: round(270 * 129.2 / 8000) = 4
  const auto lines = test_support::crlfLines(sliceLogText(content(FrequencyScale::Linear, levels)));
  ASSERT_EQ(lines.size(), 10u + 743u);
  EXPECT_EQ(lines[0], "Veltrix 15 Data");
  EXPECT_EQ(lines[3], "10.77 Hz Frequency Resolution");
  EXPECT_EQ(lines[4], "71 dB Total SPL");
  EXPECT_EQ(lines[5], "1500 msec Event Time");
  EXPECT_EQ(lines[6], "Relative Spectrum Level in Decibels/Hz");
  EXPECT_EQ(lines[8], "Num   Hz       dB");
  EXPECT_EQ(lines[10], "0     5.38     0.0");
  EXPECT_EQ(lines[22], "12    134.58   -45.5");
  EXPECT_EQ(lines.back().substr(0, 6), "742   ");
}

TEST(SliceLog, LogRowsSkipRepeatedFrequenciesAndThirdOctaveRowsNameTheBands) {
  std::vector<std::int16_t> levels(270, 200);
  const auto log = test_support::crlfLines(sliceLogText(content(FrequencyScale::Log, levels)));
  EXPECT_EQ(log[3], "Log Frequency Scale");
  EXPECT_EQ(log[8], "Hz        dB");
  EXPECT_EQ(log[10], "100       50.0");
  EXPECT_EQ(log.back(), "22050     50.0");
  for (std::size_t i = 11; i < log.size(); ++i)
    EXPECT_NE(log[i].substr(0, 10), log[i - 1].substr(0, 10));

  const auto third =
      test_support::crlfLines(sliceLogText(content(FrequencyScale::ThirdOctave, levels)));
  EXPECT_EQ(third[3], "1/3 Octave Frequency Scale");
  // 3 log2(100) = 19.93: the first band starts at 2^(20/3) = 101.6 Hz.
  EXPECT_EQ(third[10], "102       50.0");
  EXPECT_EQ(third.size(), 10u + 24u);  // bands 20 ... 43, up to 20.6 kHz
}

TEST(SliceLog, WrittenFileHasTheSameBytes) {
  test_support::TempDir dir;
  std::vector<std::int16_t> levels(100, -8);
  const SliceLogContent c = content(FrequencyScale::Linear, levels);
  ASSERT_FALSE(writeSliceLog(dir / "slice.txt", c).has_value());
  EXPECT_EQ(test_support::readText(dir / "slice.txt"), sliceLogText(c));
}

}  // namespace
}  // namespace tolk
