#include "analyzer/export/image_composition.h"

#include <gtest/gtest.h>

#include "analyzer/dsp/test_wave.h"
#include "test_support/temp_dir.h"

namespace tolk {
namespace {

TEST(ResampleBilinear, SameSizeCopiesAndAGradientInterpolates) {
  QImage source(3, 2, QImage::Format_RGB32);
  source.setPixel(0, 0, qRgb(0, 0, 0));
  source.setPixel(1, 0, qRgb(100, 50, 10));
  source.setPixel(2, 0, qRgb(200, 100, 20));
  for (int x = 0; x < 3; ++x) source.setPixel(x, 1, qRgb(0, 0, 255));
  EXPECT_EQ(resampleBilinear(source, 3, 2), source);
  const QImage wide = resampleBilinear(source, 5, 2);
  EXPECT_EQ(wide.pixel(1, 0), qRgb(50, 25, 5));
  EXPECT_EQ(wide.pixel(4, 0), qRgb(200, 100, 20));
  const QImage tall = resampleBilinear(source, 3, 3);
  EXPECT_EQ(tall.pixel(0, 1), qRgb(0, 0, 127));  // 127.5 truncated
}

TEST(ComposeEntireImage, MarginPlusEveryColumnAndDualSideBySide) {
  test_support::TempDir dir;
  testing::writeTestWave(dir / "two.wav", 2, 48000, 96000, testing::testTone(8000, 1500, 48000));
  FileAnalysisRequest r;
  r.file = dir / "two.wav";
  r.scratchFolder = dir.path();
  r.displayWidthSeconds = 1;
  auto analysis = prepareFileAnalysis(r, ImageLayout{60, 760, 520, 20, 62, 270});
  ASSERT_TRUE(analysis.ok());
  const DisplayPalette palette(cbColorScale());
  TimeFrequencyImage image(analysis.value(), palette);
  const int columns = analysis.value().grid.columnCount;
  const QImage dual = composeEntireImage(image, analysis.value());
  EXPECT_EQ(dual.width(), 2 * (columns + 60));
  EXPECT_EQ(dual.height(), 520);
  analysis.value().channelSelect = ChannelSelect::Right;
  const QImage right = composeEntireImage(image, analysis.value());
  EXPECT_EQ(right.width(), columns + 60);
}

}  // namespace
}  // namespace tolk
