#include "editor/plots/formant_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "editor/plots/plot_colors.h"

namespace fseq {
namespace {

constexpr FreqPair k1995Hz{18, 23};  // FreqValue shows "1995"

FseqFrame silentFrame() {
  FseqFrame frame;
  for (int k = 0; k < kFormantCount; ++k) {
    frame.setVoiced(k, {21, 127});  // far right, where no curve point is drawn
    frame.setUnvoiced(k, {21, 127});
  }
  return frame;
}

QImage draw(const FseqFrame& frame, const ImportSettings& settings = {},
            const SpectrumImportBuffer* spectrum = nullptr, const UploadMixer& mixer = {}) {
  return drawFormantPlot({frame, mixer, settings, spectrum});
}

std::vector<QPoint> pixelsOf(const QImage& image, const QColor& colour) {
  std::vector<QPoint> found;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) == colour) found.emplace_back(x, y);
    }
  }
  return found;
}

TEST(FormantPlot, ImageHasThePlotsGeometry) {
  const QImage image = draw(silentFrame());
  EXPECT_EQ(image.size(), QSize(kFormantPlotWidth, kFormantPlotHeight));
  EXPECT_EQ(image.pixelColor(500, 100), plot_colors::kNavy);
  EXPECT_EQ(image.pixelColor(93 * 3 + 30, 100), plot_colors::kBlue);  // the 3 kHz line
  EXPECT_EQ(image.pixelColor(500, 168), plot_colors::kBlue);          // the middle line
  EXPECT_EQ(image.pixelColor(53, 308), plot_colors::kHotLight);       // a grid dot
  EXPECT_EQ(image.pixelColor(500, 345), QColor(Qt::white));
}

TEST(FormantPlot, A1995HzFormantPeaksAtX216) {
  FseqFrame frame = silentFrame();
  frame.setVoiced(0, k1995Hz);
  frame.voicedLevel(0) = 127;
  EXPECT_EQ(formantPeakX0(k1995Hz), 186);

  // The highest points of the curve are x = 214 … 218 at y = 10.
  const auto segments = formantCurveSegments(186, 50, 0.1, 127 * 100);
  std::vector<QPoint> highest;
  for (const QLine& line : segments) {
    if (line.p2().y() == 10) highest.push_back(line.p2());
  }
  EXPECT_EQ(highest, (std::vector<QPoint>{{214, 10}, {215, 10}, {216, 10}, {217, 10}, {218, 10}}));

  // In the image the curve's top row is centred on x = 216.
  const std::vector<QPoint> lime = pixelsOf(draw(frame), plot_colors::kLime);
  ASSERT_FALSE(lime.empty());
  const int top = std::min_element(lime.begin(), lime.end(), [](QPoint a, QPoint b) {
                    return a.y() < b.y();
                  })->y();
  int left = kFormantPlotWidth, right = 0;
  for (QPoint p : lime) {
    if (p.y() != top) continue;
    left = std::min(left, p.x());
    right = std::max(right, p.x());
  }
  EXPECT_NEAR((left + right) / 2.0, 216, 0.5);
  EXPECT_NEAR(top, 10, 1);  // level 127 at mix 100 reaches the top of the plot
}

TEST(FormantPlot, CurvesStartAtTheirStartPoint) {
  // A wide curve is drawn from its start point to its first point.
  const auto voiced = formantCurveSegments(186, 50, 0.00085, 127 * 100);
  ASSERT_FALSE(voiced.empty());
  EXPECT_EQ(voiced.front().p1(), QPoint(136, 329));
  EXPECT_EQ(voiced.front().p2(), QPoint(31, 39));
  EXPECT_EQ(formantCurveSegments(186, 35, 0.00085, 127 * 100).front().p1(), QPoint(151, 329));
  // The lowest frequency starts at x = 32 and shows only its right half.
  EXPECT_EQ(formantPeakX0({0, 0}), 0);
  const auto lowest = formantCurveSegments(0, 50, 0.00085, 127 * 100);
  EXPECT_EQ(lowest.front().p1(), QPoint(32, 329));
  EXPECT_EQ(lowest.front().p2(), QPoint(31, 10));

  FseqFrame frame = silentFrame();
  frame.setVoiced(0, k1995Hz);
  frame.voicedLevel(0) = 127;
  ImportSettings wide;
  wide.formantBandwidth[0] = 80;
  EXPECT_EQ(draw(frame, wide).pixelColor(136, 329), plot_colors::kLime);
}

TEST(FormantPlot, PointsBelowTheFloorMoveThePenWithoutDrawing) {
  // Narrow curve: its first point is far below the plot, so drawing starts
  // at the last point under the floor, not at the start point.
  const auto segments = formantCurveSegments(186, 50, 0.1, 127 * 100);
  ASSERT_FALSE(segments.empty());
  EXPECT_GE(segments.front().p1().y(), 329);
  EXPECT_GT(segments.front().p1().x(), 136);
  for (const QLine& line : segments) EXPECT_LT(line.p2().y(), 329);
  EXPECT_LE(segments.back().p2().x(), 960);
}

TEST(FormantPlot, MixerSetsTheCurveHeights) {
  const auto full = formantCurveSegments(300, 50, 0.1, 127 * 100);
  const auto half = formantCurveSegments(300, 50, 0.1, 127 * 50);
  auto topOf = [](const std::vector<QLine>& lines) {
    int top = 400;
    for (const QLine& line : lines) top = std::min(top, line.p2().y());
    return top;
  };
  EXPECT_EQ(topOf(full), 10);
  EXPECT_EQ(topOf(half), 170);
}

TEST(FormantPlot, CurveCoefficientsByBandwidth) {
  const std::pair<int, double> cases[] = {
      {0, 0.1},    {15, 0.1},   {16, 0.07},  {25, 0.07},  {26, 0.05},    {35, 0.05},
      {36, 0.04},  {45, 0.04},  {46, 0.038}, {48, 0.038}, {49, 0.036},   {50, 0.036},
      {51, 0.034}, {54, 0.034}, {55, 0.021}, {59, 0.021}, {60, 0.0083},  {64, 0.0083},
      {65, 0.005}, {69, 0.005}, {70, 0.003}, {79, 0.003}, {80, 0.00085}, {99, 0.00085}};
  for (const auto& [bandwidth, coefficient] : cases) {
    EXPECT_EQ(formantCurveCoefficient(bandwidth), coefficient) << bandwidth;
  }
}

TEST(FormantPlot, FormantsAbove10100HzAreReportedOffScreen) {
  FseqFrame frame;
  EXPECT_FALSE(hasFormantOffScreen(frame));
  frame.setUnvoiced(5, FreqSettings(10000));
  EXPECT_FALSE(hasFormantOffScreen(frame));
  frame.setUnvoiced(5, FreqSettings(10200));
  EXPECT_TRUE(hasFormantOffScreen(frame));
  // The message is written in black at (475, 50), on white.
  auto darkPixels = [](const QImage& image) {
    int count = 0;
    for (int x = 475; x < 800; ++x) {
      for (int y = 50; y < 66; ++y) {
        const QColor c = image.pixelColor(x, y);
        count += std::max({c.red(), c.green(), c.blue()}) < 80 ? 1 : 0;
      }
    }
    return count;
  };
  EXPECT_GT(darkPixels(draw(frame)), 50);
  EXPECT_EQ(darkPixels(draw(FseqFrame{})), 0);
}

TEST(FormantPlot, SpectrumIsDrawnOnlyWhenGiven) {
  SpectrumImportBuffer spectrum;
  spectrum.level.fill(-65.0);
  spectrum.smoothed.fill(-80.0);
  ImportSettings settings;
  settings.noiseLevelBias = 10;

  const QImage without = draw(silentFrame(), settings);
  EXPECT_EQ(without.pixelColor(500, 170), plot_colors::kNavy);
  EXPECT_EQ(without.pixelColor(500, 193), plot_colors::kNavy);

  const QImage with = draw(silentFrame(), settings, &spectrum);
  EXPECT_EQ(with.pixelColor(500, 170), plot_colors::kHotLight);  // −65 dB
  EXPECT_EQ(with.pixelColor(500, 193), plot_colors::kGrey);      // −80 dB + 10 dB bias
  EXPECT_EQ(with.pixelColor(961, 170), plot_colors::kNavy);      // cut at x = 960
}

TEST(FormantPlot, ClickReadouts) {
  struct Case {
    int x, y;
    std::int64_t freq, vol, level;
  };
  const Case cases[] = {{30, 10, 0, -30, 127}, {775, 328, 8000, -100, 0}, {123, 170, 998, -65, 63}};
  for (const Case& c : cases) {
    const FormantReadout readout = formantReadoutAt(c.x, c.y);
    EXPECT_EQ(readout.freqHz, c.freq) << c.x << "," << c.y;
    EXPECT_EQ(readout.volDb, c.vol) << c.x << "," << c.y;
    EXPECT_EQ(readout.level, c.level) << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace fseq
