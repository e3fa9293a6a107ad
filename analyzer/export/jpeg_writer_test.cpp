#include "analyzer/export/jpeg_writer.h"

#include <gtest/gtest.h>

#include "test_support/temp_dir.h"

namespace tolk {
namespace {

TEST(JpegWriter, StreamIsJfifWithTheDensityFields) {
  QImage image(300, 200, QImage::Format_RGB32);
  image.fill(qRgb(220, 0, 0));
  JpegDensity density;
  density.unit = JpegDensity::Unit::Centimeters;
  density.dpcm = 120;
  EXPECT_EQ(density.dotsPerInch(), 305);
  const auto stream = jpegBytes(image, 90, density);
  ASSERT_TRUE(stream.has_value());
  ASSERT_GT(stream->size(), 20u);
  EXPECT_EQ((*stream)[0], 0xFF);
  EXPECT_EQ((*stream)[1], 0xD8);
  EXPECT_EQ(std::string(stream->begin() + 6, stream->begin() + 10), "JFIF");
  EXPECT_EQ((*stream)[13], 1);  // dots per inch
  EXPECT_EQ((*stream)[14] << 8 | (*stream)[15], 305);
  EXPECT_EQ((*stream)[stream->size() - 2], 0xFF);
  EXPECT_EQ((*stream)[stream->size() - 1], 0xD9);
}

TEST(JpegWriter, ColoursSurviveTheRoundTripThroughManyWorkingBuffers) {
  test_support::TempDir dir;
  QImage image(2000, 1200, QImage::Format_RGB32);
  image.fill(qRgb(30, 60, 200));
  ASSERT_FALSE(writeJpeg(dir / "a.jpg", image, 95, {}).has_value());
  QImage loaded(QString::fromStdString((dir / "a.jpg").string()));
  ASSERT_EQ(loaded.size(), image.size());
  const QRgb p = loaded.pixel(1000, 600);
  EXPECT_NEAR(qRed(p), 30, 3);
  EXPECT_NEAR(qGreen(p), 60, 3);
  EXPECT_NEAR(qBlue(p), 200, 3);
}

}  // namespace
}  // namespace tolk
