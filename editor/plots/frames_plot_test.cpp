#include "editor/plots/frames_plot.h"

#include <gtest/gtest.h>

#include "editor/plots/plot_colors.h"

namespace fseq {
namespace {

CurveSelection nothingShown() {
  CurveSelection curves;
  curves.voicedFreq.fill(false);
  curves.voicedLevel.fill(false);
  curves.unvoicedFreq.fill(false);
  curves.unvoicedLevel.fill(false);
  curves.pitch = false;
  return curves;
}

// Draws a document with only the given curves.
QImage draw(const FseqDocument& document, const CurveSelection& curves, MaxFreq maxFreq,
            const UploadMixer& mixer = {}, FramesPlotSelection selection = {}) {
  return drawFramesPlot({document, mixer, curves, maxFreq, selection});
}

// The rows of column x that have the colour.
std::vector<int> rowsOf(const QImage& image, int x, const QColor& color) {
  std::vector<int> rows;
  for (int y = 0; y < image.height(); ++y) {
    if (image.pixelColor(x, y) == color) rows.push_back(y);
  }
  return rows;
}

TEST(FramesPlot, ImageHasThePlotsGeometry) {
  const QImage image = draw(FseqDocument{}, nothingShown(), MaxFreq::Hz6000);
  EXPECT_EQ(image.size(), QSize(kFramesPlotWidth, kFramesPlotHeight));
  EXPECT_EQ(image.pixelColor(500, 100), plot_colors::kNavy);
  EXPECT_EQ(image.pixelColor(5, 100), plot_colors::kHotLight);
  EXPECT_EQ(image.pixelColor(2, 100), plot_colors::kWindow);
}

struct FrequencyCase {
  MaxFreq maxFreq;
  bool voiced;
  int expectedY;
};

class FrequencyRowTest : public testing::TestWithParam<FrequencyCase> {};

TEST_P(FrequencyRowTest, A6000HzFormantLiesOnItsScalesRow) {
  const FrequencyCase c = GetParam();
  constexpr FreqPair k6000Hz{19, 98};  // 5987.8 Hz, the nearest pair to 6000 Hz
  FseqDocument document;
  CurveSelection curves = nothingShown();
  for (FseqFrame& frame : document.frames) {
    c.voiced ? frame.setVoiced(2, k6000Hz) : frame.setUnvoiced(2, k6000Hz);
  }
  (c.voiced ? curves.voicedFreq : curves.unvoicedFreq)[2] = true;
  const QImage image = draw(document, curves, c.maxFreq);
  const QColor colour = c.voiced ? plot_colors::kLime : plot_colors::kGreen;
  EXPECT_EQ(rowsOf(image, frameX(100), colour), std::vector<int>{c.expectedY});
}

INSTANTIATE_TEST_SUITE_P(Scales, FrequencyRowTest,
                         testing::Values(FrequencyCase{MaxFreq::Hz6000, false, 17},
                                         FrequencyCase{MaxFreq::Hz15000, false, 137},
                                         FrequencyCase{MaxFreq::Hz10000, false, 97},
                                         FrequencyCase{MaxFreq::Hz8000, false, 67},
                                         FrequencyCase{MaxFreq::Hz6000, true, 15}));

TEST(FramesPlot, PitchIsDrawnInRedFromRow217) {
  FseqDocument document;
  for (FseqFrame& frame : document.frames) frame.setPitch(FreqSettings(1500));
  CurveSelection curves = nothingShown();
  curves.pitch = true;
  const QImage image = draw(document, curves, MaxFreq::Hz6000);
  EXPECT_EQ(rowsOf(image, frameX(300), plot_colors::kRed), std::vector<int>{167});
}

TEST(FramesPlot, LevelCurvesFollowTheMixer) {
  FseqDocument document;
  for (FseqFrame& frame : document.frames) frame.voicedLevel(0) = frame.unvoicedLevel(4) = 100;
  CurveSelection curves = nothingShown();
  curves.voicedLevel[0] = curves.unvoicedLevel[4] = true;
  UploadMixer mixer;
  EXPECT_EQ(rowsOf(draw(document, curves, MaxFreq::Hz6000, mixer), 400, plot_colors::kYellow),
            std::vector<int>{247});
  mixer.voicedPercent[0] = 50;
  mixer.unvoicedPercent = 150;
  const QImage mixed = draw(document, curves, MaxFreq::Hz6000, mixer);
  EXPECT_EQ(rowsOf(mixed, 400, plot_colors::kYellow), std::vector<int>{297});
  EXPECT_EQ(rowsOf(mixed, 400, plot_colors::kOrange), std::vector<int>{197});
  EXPECT_EQ(document.frame(1).voicedLevel(0), 100);
}

TEST(FramesPlot, AFormantAtZeroHzLeavesAGap) {
  FseqDocument document;
  for (FseqFrame& frame : document.frames) frame.setUnvoiced(0, FreqSettings(3000));
  document.frame(200).setUnvoiced(0, {0, 0});
  CurveSelection curves = nothingShown();
  curves.unvoicedFreq[0] = true;
  const QImage image = draw(document, curves, MaxFreq::Hz6000);
  EXPECT_EQ(rowsOf(image, frameX(199), plot_colors::kGreen), std::vector<int>{117});
  for (int x = frameX(199) + 1; x < frameX(201); ++x) {
    EXPECT_TRUE(rowsOf(image, x, plot_colors::kGreen).empty()) << x;
  }
  EXPECT_EQ(rowsOf(image, frameX(201), plot_colors::kGreen), std::vector<int>{117});
}

TEST(FramesPlot, CurvesEndAtTheFrameCount) {
  FseqDocument document;
  document.frameCount = 128;
  for (FseqFrame& frame : document.frames) frame.voicedLevel(0) = 50;
  CurveSelection curves = nothingShown();
  curves.voicedLevel[0] = true;
  const QImage image = draw(document, curves, MaxFreq::Hz6000);
  EXPECT_EQ(rowsOf(image, frameX(128), plot_colors::kYellow), std::vector<int>{297});
  EXPECT_TRUE(rowsOf(image, frameX(129), plot_colors::kYellow).empty());
}

TEST(FramesPlot, SelectionIsABlueBandUnderTheCurves) {
  const FramesPlotSelection selection{10, 20, true};
  const QImage shown = draw(FseqDocument{}, nothingShown(), MaxFreq::Hz6000, {}, selection);
  EXPECT_EQ(shown.pixelColor(frameX(10), 300), plot_colors::kBlue);
  EXPECT_EQ(shown.pixelColor(frameX(20), 6), plot_colors::kBlue);
  EXPECT_EQ(shown.pixelColor(frameX(21), 300), plot_colors::kNavy);
  const QImage hidden = draw(FseqDocument{}, nothingShown(), MaxFreq::Hz6000, {}, {10, 20, false});
  EXPECT_EQ(hidden.pixelColor(frameX(15), 300), plot_colors::kNavy);
}

TEST(FramesPlotGeometry, FrameUnderTheMouse) {
  const std::pair<int, int> cases[] = {{1030, 512}, {6, 1}, {0, 1},
                                       {7, 1},      {9, 2}, {10, 2},  // 2.5 rounds to the even 2
                                       {12, 4},                       // 3.5 rounds to the even 4
                                       {1039, 512}};
  for (const auto& [x, frame] : cases) EXPECT_EQ(frameAtX(x), frame) << x;
}

TEST(FramesPlotGeometry, ClickReadouts) {
  EXPECT_EQ(framesPlotReadout(17, MaxFreq::Hz6000).freqHz, 6000);
  EXPECT_EQ(framesPlotReadout(137, MaxFreq::Hz15000).freqHz, 6000);
  EXPECT_EQ(framesPlotReadout(217, MaxFreq::Hz6000).freqHz, 0);
  EXPECT_FALSE(framesPlotReadout(217, MaxFreq::Hz6000).level);
  EXPECT_EQ(framesPlotReadout(218, MaxFreq::Hz6000).level, 129);
  EXPECT_EQ(framesPlotReadout(347, MaxFreq::Hz6000).level, 0);
  const FramesPlotReadout below = framesPlotReadout(348, MaxFreq::Hz6000);
  EXPECT_FALSE(below.freqHz || below.level);
}

TEST(FramesPlotGeometry, HighestFrequencyOfTheFirstFrame) {
  FseqDocument document;
  document.frame(1).setPitch({13, 111});       // 100.38 Hz
  document.frame(1).setUnvoiced(7, {17, 24});  // 1002.7 Hz
  document.frame(2).setVoiced(0, {20, 24});    // another frame does not count
  EXPECT_EQ(highestFrequencyOfFirstFrame(document), 1003);
}

}  // namespace
}  // namespace fseq
