#include "analyzer/dsp/time_slice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analyzer/dsp/test_wave.h"
#include "test_support/temp_dir.h"

namespace tolk {
namespace {

using testing::smallLayout;
using testing::writeTestWave;

class TimeSliceTest : public ::testing::Test {
 protected:
  FileAnalysis analyse(int channels, int averagingMs, ChannelSelect select) {
    // 1000 Hz for the first second, 3000 Hz for the second.
    writeTestWave(dir_ / "steps.wav", channels, 48000, 96000, [](int, std::size_t i) {
      const double f = i < 48000 ? 1000 : 3000;
      return 8000 * std::cos(2 * M_PI * f * double(i) / 48000);
    });
    FileAnalysisRequest r;
    r.file = dir_ / "steps.wav";
    r.scratchFolder = dir_.path();
    r.averagingTimeMs = averagingMs;
    r.channelSelect = select;
    r.displayWidthSeconds = 7;
    auto analysis = prepareFileAnalysis(r, smallLayout());
    EXPECT_TRUE(analysis.ok());
    return analysis.value();
  }
  test_support::TempDir dir_;
};

int loudestPoint(const std::vector<std::int16_t>& levels) {
  return int(std::max_element(levels.begin(), levels.end()) - levels.begin());
}

TEST_F(TimeSliceTest, WithoutAveragingTheSecondBeforeTheMomentIsAveraged) {
  const FileAnalysis a = analyse(1, 0, ChannelSelect::Dual);
  auto span = timeSliceSpan(a, 1500);
  ASSERT_TRUE(span.ok());
  EXPECT_EQ(span.value().endByte, 144000u);
  EXPECT_EQ(span.value().startByte, 48000u);
  EXPECT_EQ(span.value().columns, 100);
  auto slice = computeTimeSlice(a, 1500, 270);
  ASSERT_TRUE(slice.ok());
  const auto& levels = slice.value().pointLevels[0];
  ASSERT_EQ(levels.size(), 270u);
  // Half the second holds 1000 Hz and half 3000 Hz: both show.
  EXPECT_GT(levels[45], levels[100]);
  EXPECT_GT(levels[135], levels[100]);
  EXPECT_EQ(slice.value().eventMs, 1500);
}

TEST_F(TimeSliceTest, AveragingTimeSetsTheSpan) {
  const FileAnalysis a = analyse(1, 200, ChannelSelect::Dual);
  auto span = timeSliceSpan(a, 1500);
  ASSERT_TRUE(span.ok());
  EXPECT_EQ(span.value().startByte, 124800u);
  EXPECT_EQ(span.value().columns, 20);
  auto slice = computeTimeSlice(a, 1500, 270);
  ASSERT_TRUE(slice.ok());
  EXPECT_NEAR(loudestPoint(slice.value().pointLevels[0]), 3000 * 270 / 6000.0, 1.5);
}

TEST_F(TimeSliceTest, RefusedForTheLastBlockAndForDual) {
  const FileAnalysis mono = analyse(1, 0, ChannelSelect::Dual);
  auto late = computeTimeSlice(mono, 1950, 270);
  ASSERT_FALSE(late.ok());
  EXPECT_EQ(late.error().message, "Time Slice Needs One FFT Block Inside the Analysed Segment");
  const FileAnalysis dual = analyse(2, 0, ChannelSelect::Dual);
  auto refused = computeTimeSlice(dual, 1000, 270);
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error().message, "Time Slice Not Available With Dual Channels");
  const FileAnalysis right = analyse(2, 0, ChannelSelect::Right);
  EXPECT_TRUE(computeTimeSlice(right, 1000, 270).ok());
}

}  // namespace
}  // namespace tolk
