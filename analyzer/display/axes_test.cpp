#include "analyzer/display/axes.h"

#include <gtest/gtest.h>

namespace tolk {
namespace {

AxesContext context(double displaySeconds, int visibleColumns) {
  AxesContext c;
  c.layout = ImageLayout{60, 60 + visibleColumns, 500, 26, 59, 270};
  c.ch = 13;
  c.cw = 6;
  c.fontHeight = 11;
  c.imageWidth = c.layout.imageRight;
  c.msPerColumn = displaySeconds * 1000 / visibleColumns;
  c.lowBandLimit = 0;
  c.highBandLimit = 22050;
  return c;
}

QStringList texts(const std::vector<AxisLabel>& labels) {
  QStringList list;
  for (const AxisLabel& label : labels) list << label.text;
  return list;
}

TEST(Axes, TenSecondsOverSevenHundredPixelsAreLabelledEveryTwoSeconds) {
  const auto labels = timeLabels(context(10, 700), 1, LabelFont::Times);
  ASSERT_GE(labels.size(), 5u);
  EXPECT_EQ(labels[0].text, "0   sec");
  EXPECT_EQ(labels[1].text, "2   sec");
  EXPECT_EQ(labels[0].x, 60);
  EXPECT_EQ(labels[1].x, 200);
  EXPECT_EQ(labels[4].text, "8   sec");
}

TEST(Axes, ShortDisplaysUseMillisecondsAndScaledLabelsMoveWithTheScale) {
  const auto ms = timeLabels(context(0.1, 700), 1, LabelFont::Arial);
  ASSERT_GE(ms.size(), 2u);
  EXPECT_EQ(ms[1].text, "20  ms");
  EXPECT_EQ(timeStepSeconds(0.7 / 5 * 5), 0.1);
  const auto doubled = timeLabels(context(10, 700), 2, LabelFont::Arial);
  ASSERT_GE(doubled.size(), 2u);
  EXPECT_EQ(doubled[1].x, 400);
  // Time expansion by 10 labels a 10 s display as 1 s of real time.
  AxesContext expanded = context(10, 700);
  expanded.multiplier = 10;
  expanded.timeExpanded = true;
  EXPECT_EQ(timeLabels(expanded, 1, LabelFont::Arial)[1].text, "0.20 sec");
}

TEST(Axes, LinearFrequencyLabelsOfAWholeBandEveryFiveKilohertz) {
  const QStringList labels = texts(frequencyLabels(context(10, 700), 1));
  for (const char* label : {"5 kHz", "10 kHz", "15 kHz", "20 kHz"}) {
    EXPECT_TRUE(labels.contains(label)) << label << " in " << labels.join("|").toStdString();
  }
  EXPECT_EQ(frequencyStepHz(6000), 1000);
  EXPECT_EQ(frequencyStepHz(4), 1);
  AxesContext narrow = context(10, 700);
  narrow.highBandLimit = 400;
  EXPECT_TRUE(texts(frequencyLabels(narrow, 1)).contains("0.1 kHz"));
}

TEST(Axes, LogLabelsAreBareNumbersInsideTheBand) {
  AxesContext c = context(10, 700);
  c.freqScale = FrequencyScale::Log;
  c.lowBandLimit = 20;
  const QStringList labels = texts(frequencyLabels(c, 1));
  for (const char* label : {"100", "200", "1000", "5000", "10000"}) {
    EXPECT_TRUE(labels.contains(label)) << label;
  }
  EXPECT_FALSE(labels.contains("10"));
}

TEST(Axes, DrawingFillsTheMarginAndWritesTextInTheTextColour) {
  AxesContext c = context(10, 700);
  QImage image(760, 500, QImage::Format_RGB32);
  image.fill(Qt::blue);
  drawAxes(image, c, cbColorScale(), 1, LabelFont::Arial);
  EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 0));        // background of the margin
  EXPECT_EQ(image.pixel(400, 100), qRgb(0, 0, 255));  // the image itself is untouched
  int textPixels = 0;
  for (int y = 474; y < 500; ++y) {
    for (int x = 60; x < 760; ++x) textPixels += image.pixel(x, y) != qRgb(0, 0, 0);
  }
  EXPECT_GT(textPixels, 20);
}

TEST(Axes, FrequencyMarkersAreLinesInTheFreqMarkColourAtTheirRows) {
  AxesContext c = context(10, 700);
  c.displayMode = DisplayMode::Scroll1;
  c.highBandLimit = 4740;  // 474 rows of 10 Hz
  c.marker1Hz = 1000;
  c.marker2Hz = 9000;  // above the band: not drawn
  QImage image(760, 500, QImage::Format_RGB32);
  image.fill(Qt::white);
  drawAxes(image, c, cbColorScale(), 1, LabelFont::Arial);
  const QRgb red = qRgb(220, 0, 0);
  EXPECT_EQ(image.pixel(300, 474 - 100), red);
  EXPECT_EQ(image.pixel(700, 474 - 100), red);
  EXPECT_NE(image.pixel(300, 474 - 101), red);
  int redRows = 0;
  for (int y = 0; y < 474; ++y) redRows += image.pixel(300, y) == red;
  EXPECT_EQ(redRows, 1);
}

}  // namespace
}  // namespace tolk
