#include "editor/plots/smoothing.h"

#include <gtest/gtest.h>

namespace fseq {
namespace {

class ConstantPairTest : public testing::TestWithParam<FreqPair> {};

TEST_P(ConstantPairTest, SmoothingAConstantFrequencyLeavesItUnchanged) {
  FrameArray frames{};
  for (FseqFrame& frame : frames) {
    frame.setVoiced(3, GetParam());
    frame.setUnvoiced(6, GetParam());
  }
  const FrameArray before = frames;
  for (int strength : {20, 85, 99}) smoothFreqs(frames, {1, 512}, strength, CurveSelection{});
  EXPECT_EQ(frames, before);
}

INSTANTIATE_TEST_SUITE_P(Pairs, ConstantPairTest,
                         testing::Values(FreqPair{0, 1}, FreqPair{13, 111}, FreqPair{17, 24},
                                         FreqPair{18, 65}, FreqPair{20, 127}, FreqPair{21, 127}));

TEST(SmoothLevels, LeavesAConstantCurveUnchanged) {
  FrameArray frames{};
  for (FseqFrame& frame : frames) frame.voicedLevel(0) = frame.unvoicedLevel(7) = 77;
  const FrameArray before = frames;
  smoothLevels(frames, {1, 512}, 85, CurveSelection{});
  EXPECT_EQ(frames, before);
}

TEST(SmoothLevels, RunsInPlaceWithTheStrengthsCoefficients) {
  // Strength 99: b = 0.01, c = 0.2475; frames 8 and 9 already hold smoothed
  // values when frame 10 is computed.
  FrameArray frames{};
  frames[9].voicedLevel(0) = 100;
  smoothLevels(frames, {1, 512}, 99, CurveSelection{});
  EXPECT_EQ(frames[7].voicedLevel(0), 25);   // 0.2475 × 100 = 24.75
  EXPECT_EQ(frames[8].voicedLevel(0), 31);   // 0.2475 × (24.75 + 100) = 30.88
  EXPECT_EQ(frames[9].voicedLevel(0), 15);   // 1 + 0.2475 × (24.75 + 30.88) = 14.77
  EXPECT_EQ(frames[10].voicedLevel(0), 11);  // 0.2475 × (30.88 + 14.77) = 11.30
}

TEST(Smoothing, NeverChangesTheTwoFramesAtEachEnd) {
  FrameArray frames{};
  for (int f : {1, 2, 3, 510, 511, 512}) {
    frames[f - 1].voicedLevel(0) = 100;
    frames[f - 1].setVoiced(0, {18, 10});
  }
  smoothLevels(frames, {1, 512}, 99, CurveSelection{});
  smoothFreqs(frames, {1, 512}, 99, CurveSelection{});
  for (int f : {1, 2, 511, 512}) {
    EXPECT_EQ(frames[f - 1].voicedLevel(0), 100) << f;
    EXPECT_EQ(frames[f - 1].voiced(0), (FreqPair{18, 10})) << f;
  }
  EXPECT_NE(frames[2].voicedLevel(0), 100);
  EXPECT_NE(frames[509].voiced(0), (FreqPair{18, 10}));
}

TEST(Smoothing, ChangesOnlyCheckedCurvesInTheRange) {
  FrameArray frames{};
  for (int f = 1; f <= 512; ++f) {
    const int level = f % 2 == 0 ? 100 : 0;
    frames[f - 1].voicedLevel(0) = frames[f - 1].voicedLevel(1) = level;
    frames[f - 1].setUnvoiced(0, f % 2 == 0 ? FreqPair{18, 0} : FreqPair{16, 0});
    frames[f - 1].setUnvoiced(1, f % 2 == 0 ? FreqPair{18, 0} : FreqPair{16, 0});
  }
  const FrameArray before = frames;
  CurveSelection selection;
  selection.voicedLevel[1] = false;
  selection.unvoicedFreq[1] = false;
  smoothLevels(frames, {100, 200}, 85, selection);
  smoothFreqs(frames, {100, 200}, 85, selection);
  for (int f = 1; f <= 512; ++f) {
    const bool inside = f >= 100 && f <= 200;
    EXPECT_EQ(frames[f - 1].voicedLevel(0) != before[f - 1].voicedLevel(0), inside) << f;
    EXPECT_EQ(frames[f - 1].unvoiced(0) != before[f - 1].unvoiced(0), inside) << f;
    EXPECT_EQ(frames[f - 1].voicedLevel(1), before[f - 1].voicedLevel(1)) << f;
    EXPECT_EQ(frames[f - 1].unvoiced(1), before[f - 1].unvoiced(1)) << f;
  }
}

TEST(FrameRange, ASingleFrameStandsForTheWholeSequence) {
  EXPECT_EQ(FrameRange({7, 7}).orWholeWhenSingle().start, 1);
  EXPECT_EQ(FrameRange({7, 7}).orWholeWhenSingle().end, 512);
  EXPECT_EQ(FrameRange({7, 9}).orWholeWhenSingle().start, 7);
  EXPECT_EQ(FrameRange({7, 9}).orWholeWhenSingle().end, 9);
}

}  // namespace
}  // namespace fseq
