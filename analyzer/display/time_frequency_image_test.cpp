#include "analyzer/display/time_frequency_image.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analyzer/dsp/test_wave.h"
#include "test_support/temp_dir.h"

namespace tolk {
namespace {

class TimeFrequencyImageTest : public ::testing::Test {
 protected:
  FileAnalysis analyse(int channels, DisplayMode mode) {
    testing::writeTestWave(dir_ / "tone.wav", channels, 48000, 48000,
                           testing::testTone(8000, 1500, 48000));
    FileAnalysisRequest r;
    r.file = dir_ / "tone.wav";
    r.scratchFolder = dir_.path();
    r.displayMode = mode;
    r.displayWidthSeconds = 7;
    r.channelSelect = ChannelSelect::Dual;
    auto analysis = prepareFileAnalysis(r, ImageLayout{60, 760, 520, 20, 62, 270});
    EXPECT_TRUE(analysis.ok());
    return analysis.value();
  }
  test_support::TempDir dir_;
};

TEST_F(TimeFrequencyImageTest, ToneIsDrawnInItsRowAndTheBackgroundElsewhere) {
  const FileAnalysis a = analyse(1, DisplayMode::Scroll1);
  const DisplayPalette palette(cbColorScale());
  TimeFrequencyImage image(a, palette);
  ColumnSink* sinks[] = {&image};
  ASSERT_TRUE(runAnalyzeFile(a.sound, a.grid, a.columnSettings(a.grid.rowCount, 0), 0, 0, sinks));
  const QImage& img = image.image();
  EXPECT_EQ(img.height(), 520);
  EXPECT_EQ(img.width() % 4, 0);
  // 1500 Hz of 0 ... 6000 Hz over 500 rows: row 125 counted up from y = 499.
  const int x = 60 + 10;
  int brightest = 0;
  for (int y = 0; y < 500; ++y) {
    if (qGray(img.pixel(x, y)) > qGray(img.pixel(x, brightest))) brightest = y;
  }
  EXPECT_NEAR(brightest, 500 - 125 - 1, 2);
  EXPECT_EQ(img.pixel(60 + a.grid.columnCount + 2, 200), palette.color(4));
}

TEST_F(TimeFrequencyImageTest, DualStereoDoublesTheHeightAndScroll2DrawsTheWaveform) {
  const FileAnalysis a = analyse(2, DisplayMode::Scroll2);
  const DisplayPalette palette(cbColorScale());
  TimeFrequencyImage image(a, palette);
  ColumnSink* sinks[] = {&image};
  ASSERT_TRUE(runAnalyzeFile(a.sound, a.grid, a.columnSettings(a.grid.rowCount, 0), 0, 0, sinks));
  EXPECT_EQ(image.image().height(), 2 * 520);
  EXPECT_EQ(image.channelTop(0), 520);
  EXPECT_EQ(image.channelTop(1), 0);
  // The strip's middle carries the waveform line, its lower edge entry 2.
  for (const int top : {0, 520}) {
    EXPECT_EQ(image.image().pixel(70, top + 31), palette.color(DisplayPalette::kWaveform));
    EXPECT_EQ(image.image().pixel(70, top + 62), palette.color(DisplayPalette::kStripEdge));
  }
}

}  // namespace
}  // namespace tolk
