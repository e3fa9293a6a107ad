#include "analyzer/display/display_palette.h"

#include <gtest/gtest.h>

namespace tolk {
namespace {

QRgb rgbOf(const ColorPoint& p) {
  return qRgb(p.red, p.green, p.blue);
}

TEST(DisplayPalette, FixedEntriesThenTwentyStepsPerLevelSegment) {
  const ColorScale cb = cbColorScale();
  const DisplayPalette palette(cb);
  EXPECT_EQ(palette.color(0), rgbOf(cb.points[17]));
  EXPECT_EQ(palette.color(4), rgbOf(cb.points[13]));
  EXPECT_EQ(palette.color(5), rgbOf(cb.points[0]));
  EXPECT_EQ(palette.color(25), rgbOf(cb.points[1]));
  // Entry 15: halfway from (0, 0, 200) to (0, 50, 210).
  EXPECT_EQ(palette.color(15), qRgb(0, 25, 205));
  // The top of the scale stops halfway to point 12 and never reaches it.
  EXPECT_EQ(palette.color(235), qRgb(199, 80, 93));
  for (int i = 0; i < DisplayPalette::kSize; ++i) EXPECT_NE(palette.color(i), rgbOf(cb.points[12]));
}

TEST(ColorScale, GreyRampAndUserPalette) {
  const ColorScale bw = bwColorScale();
  EXPECT_EQ(bw.points[0], (ColorPoint{212, 212, 212}));
  EXPECT_EQ(bw.points[12], (ColorPoint{8, 8, 8}));
  EXPECT_EQ(bw.points[ColorScale::kBackground], (ColorPoint{255, 255, 255}));
  EXPECT_EQ(bw.points[ColorScale::kText], (ColorPoint{0, 0, 0}));
  EXPECT_EQ(loadPalette(PaletteChoice::BW, cbColorScale()), bw);
  ColorScale user = cbColorScale();
  user.points[3] = {1, 2, 3};
  EXPECT_EQ(loadPalette(PaletteChoice::User, user), user);
}

}  // namespace
}  // namespace tolk
