#include "editor/plots/time_edits.h"

#include <gtest/gtest.h>

#include <vector>

#include "editor/plots/section_undo.h"

namespace fseq {
namespace {

// Frames whose pitch fine value is their original number, so every test can
// say which old frame landed where.
FseqDocument numberedFrames() {
  FseqDocument document;
  for (int f = 1; f <= kMaxFrames; ++f) document.frame(f).setPitch({1, f});
  return document;
}

int origin(const FseqDocument& document, int frame) {
  return document.frame(frame).pitch().fine;
}

// The old frame numbers found at frames from … to.
std::vector<int> origins(const FseqDocument& document, int from, int to) {
  std::vector<int> found;
  for (int f = from; f <= to; ++f) found.push_back(origin(document, f));
  return found;
}

TEST(DeleteSection, ClosesUpTheRangeAndRepeatsTheLastFrame) {
  FseqDocument document = numberedFrames();
  deleteSection(document.frames, {10, 20});
  EXPECT_EQ(origins(document, 8, 11), (std::vector<int>{8, 9, 20, 21}));
  EXPECT_EQ(origin(document, 502), 512);
  EXPECT_EQ(origins(document, 503, 512), std::vector<int>(10, 512));
}

TEST(SmearRight, RepeatsTheFirstFrameAndPushesTheRestRight) {
  FseqDocument document = numberedFrames();
  smearRight(document.frames, {10, 13});
  EXPECT_EQ(origins(document, 9, 15), (std::vector<int>{9, 10, 10, 10, 10, 11, 12}));
  EXPECT_EQ(origin(document, 512), 509);  // frames 510 … 512 were pushed out
}

TEST(ExpandSection, RepeatsEachFrameFactorTimesAndMovesTheRestRight) {
  FseqDocument document = numberedFrames();
  document.frameCount = 128;
  EXPECT_EQ(expandSection(document, {10, 12}, 2), 14);
  EXPECT_EQ(origins(document, 9, 16), (std::vector<int>{9, 10, 10, 11, 11, 12, 13, 14}));
  EXPECT_EQ(document.frameCount, 512);
}

TEST(ExpandSection, ByThreeStretchesToThreeTimesTheLength) {
  FseqDocument document = numberedFrames();
  EXPECT_EQ(expandSection(document, {100, 102}, 3), 106);
  EXPECT_EQ(origins(document, 100, 107),
            (std::vector<int>{100, 100, 100, 101, 101, 101, 102, 103}));
}

TEST(ExpandSection, IsCutAtFrame512) {
  FseqDocument document = numberedFrames();
  EXPECT_EQ(expandSection(document, {500, 510}, 4), 512);
  EXPECT_EQ(origins(document, 500, 512),
            (std::vector<int>{500, 500, 500, 500, 501, 501, 501, 501, 502, 502, 502, 502, 503}));
  EXPECT_EQ(origins(document, 1, 499), origins(numberedFrames(), 1, 499));
}

TEST(ExpandSection, WithAnEmptyRangeOnlySetsTheFrameCount) {
  FseqDocument document = numberedFrames();
  document.frameCount = 256;
  EXPECT_EQ(expandSection(document, {40, 40}, 2), 40);
  EXPECT_EQ(document.frameCount, 512);
  EXPECT_EQ(document.frames, numberedFrames().frames);
}

TEST(CompressSection, SqueezesTheRangeAndClosesUpTheRest) {
  FseqDocument document = numberedFrames();
  EXPECT_EQ(compressSection(document.frames, {10, 20}, 2), 15);
  // Frame 10 + round(k / 2) takes old frame 10 + k for k = 2 … 10 (ties to
  // even, the last one written wins), then frames 20 … 512 move 5 places left.
  EXPECT_EQ(origins(document, 10, 16), (std::vector<int>{10, 12, 15, 16, 19, 20, 21}));
  EXPECT_EQ(origin(document, 507), 512);
  EXPECT_EQ(origins(document, 508, 512), std::vector<int>(5, 512));
}

TEST(CompressSection, ARangeNoLongerThanTheFactorMovesNothing) {
  FseqDocument document = numberedFrames();
  EXPECT_EQ(compressSection(document.frames, {10, 13}, 3), 10);
  EXPECT_EQ(document.frames, numberedFrames().frames);
}

TEST(TimeEdits, DoNothingWhenTheRangeIsEmptyOrReversed) {
  for (FrameRange range : {FrameRange{30, 30}, FrameRange{30, 20}}) {
    FseqDocument document = numberedFrames();
    deleteSection(document.frames, range);
    smearRight(document.frames, range);
    EXPECT_EQ(compressSection(document.frames, range, 2), range.end);
    EXPECT_EQ(document.frames, numberedFrames().frames);
  }
}

TEST(SectionUndo, UndoTwiceEqualsUndoOnce) {
  FseqDocument document = numberedFrames();
  saveUndo(document);
  deleteSection(document.frames, {1, 100});
  undoSectionEdit(document);
  const auto once = document.frames;
  undoSectionEdit(document);
  EXPECT_EQ(document.frames, once);
  EXPECT_EQ(document.frames, numberedFrames().frames);
}

}  // namespace
}  // namespace fseq
