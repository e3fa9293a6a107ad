#include "analyzer/display/window_geometry.h"

#include <gtest/gtest.h>

#include <QFontInfo>

namespace tolk {
namespace {

TEST(WindowGeometry, EightHundredPixelsWideUsesAnElevenPixelFont) {
  const WindowGeometry g = layoutWindow(800, 600);
  EXPECT_EQ(g.fontHeight, 11);
  EXPECT_GT(g.cw, 3);
  EXPECT_GE(g.ch, 11);
  EXPECT_EQ(g.imageHeight, 600 - 7 * g.ch);
  EXPECT_EQ(g.imageLeft, 10 * g.cw);
  EXPECT_EQ(g.timeAxisHeight, 2 * g.ch);
  EXPECT_EQ(g.scroll1Rows, g.imageHeight - 2 * g.ch);
  EXPECT_EQ(g.stripHeight, g.scroll1Rows / 8);
  EXPECT_EQ(g.scroll2Rows, g.scroll1Rows - g.stripHeight);
  EXPECT_EQ(g.scopePlotWidth, (800 - 22 * g.cw) / 2);
  EXPECT_EQ(g.imageRight, 800 - g.scrollBarThickness);
  EXPECT_EQ(layoutWindow(1600, 1200).fontHeight, 22);
}

TEST(WindowGeometry, LabelFontsResolveToTheLiberationFamilies) {
  EXPECT_EQ(QFontInfo(labelFont(LabelFont::Arial, 20)).family(), "Liberation Sans");
  EXPECT_EQ(QFontInfo(labelFont(LabelFont::Times, 20)).family(), "Liberation Serif");
  EXPECT_EQ(QFontInfo(labelFont(LabelFont::Courier, 20)).family(), "Liberation Mono");
}

}  // namespace
}  // namespace tolk
