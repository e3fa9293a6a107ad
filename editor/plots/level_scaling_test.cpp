#include "editor/plots/level_scaling.h"

#include <gtest/gtest.h>

namespace fseq {
namespace {

struct ReduceCase {
  int percent;
  int level;
  int expected;
};

class ReduceLevelTest : public testing::TestWithParam<ReduceCase> {};

TEST_P(ReduceLevelTest, ScalesAndRoundsTiesToEven) {
  const ReduceCase c = GetParam();
  FrameArray frames{};
  frames[4].voicedLevel(2) = c.level;
  frames[4].unvoicedLevel(7) = c.level;
  reduceLevel(frames, {1, 512}, c.percent, CurveSelection{});
  EXPECT_EQ(frames[4].voicedLevel(2), c.expected);
  EXPECT_EQ(frames[4].unvoicedLevel(7), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReduceLevelTest,
                         testing::Values(ReduceCase{80, 127, 102}, ReduceCase{80, 1, 1},
                                         ReduceCase{50, 5, 2},  // 2.5 rounds to the even 2
                                         ReduceCase{50, 7, 4},  // 3.5 rounds to the even 4
                                         ReduceCase{120, 100, 120},
                                         ReduceCase{120, 127, 127},  // 152 is held at 127
                                         ReduceCase{0, 90, 0}));

TEST(ReduceLevel, ChangesOnlyCheckedLevelsInTheRangeButLimitsAllFrames) {
  FrameArray frames{};
  for (FseqFrame& frame : frames) frame.voicedLevel(0) = frame.voicedLevel(1) = 100;
  frames[499].unvoicedLevel(0) = 200;  // outside the range, above 127
  CurveSelection selection;
  selection.voicedLevel[1] = false;
  reduceLevel(frames, {10, 20}, 50, selection);
  EXPECT_EQ(frames[9].voicedLevel(0), 50);
  EXPECT_EQ(frames[19].voicedLevel(0), 50);
  EXPECT_EQ(frames[20].voicedLevel(0), 100);
  EXPECT_EQ(frames[9].voicedLevel(1), 100);
  EXPECT_EQ(frames[499].unvoicedLevel(0), 127);
}

TEST(MaximizeLevel, ScalesTheLoudestLevelTo127) {
  FrameArray frames{};
  frames[10].voicedLevel(0) = 50;
  frames[11].unvoicedLevel(3) = 100;  // the peak, in an unvoiced level
  frames[12].voicedLevel(5) = 1;
  frames[40].voicedLevel(0) = 50;  // outside the range
  ASSERT_TRUE(maximizeLevel(frames, {11, 13}, CurveSelection{}));
  EXPECT_EQ(frames[10].voicedLevel(0), 64);  // 63.5 rounds to the even 64
  EXPECT_EQ(frames[11].unvoicedLevel(3), 127);
  EXPECT_EQ(frames[12].voicedLevel(5), 1);  // 1.27
  EXPECT_EQ(frames[40].voicedLevel(0), 50);
}

TEST(MaximizeLevel, PeakCountsEveryLevelButOnlyCheckedOnesChange) {
  FrameArray frames{};
  frames[0].voicedLevel(0) = 50;
  frames[0].voicedLevel(1) = 100;
  CurveSelection selection;
  selection.voicedLevel[1] = false;
  ASSERT_TRUE(maximizeLevel(frames, {1, 512}, selection));
  EXPECT_EQ(frames[0].voicedLevel(0), 64);
  EXPECT_EQ(frames[0].voicedLevel(1), 100);
}

TEST(MaximizeLevel, ARangeOfSilenceIsLeftAsItIs) {
  FrameArray frames{};
  frames[0].voicedLevel(0) = 90;  // outside the range
  frames[5].setVoiced(0, {15, 3});
  const FrameArray before = frames;
  EXPECT_FALSE(maximizeLevel(frames, {2, 100}, CurveSelection{}));
  EXPECT_EQ(frames, before);
}

}  // namespace
}  // namespace fseq
