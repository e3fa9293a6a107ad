#include "analyzer/export/bmp_writer.h"

#include <gtest/gtest.h>

#include "test_support/files.h"
#include "test_support/temp_dir.h"

namespace tolk {
namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

TEST(BmpWriter, HeaderAndPaddedBottomUpRows) {
  QImage image(1001, 3, QImage::Format_RGB32);
  image.fill(qRgb(10, 20, 30));
  image.setPixel(0, 0, qRgb(1, 2, 3));  // top left
  const auto bytes = bmpBytes(image);
  ASSERT_EQ(bytes.size(), 58u + 3004u * 3);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(u32(bytes, 2), bytes.size());
  EXPECT_EQ(u32(bytes, 10), 58u);
  EXPECT_EQ(u32(bytes, 14), 40u);
  EXPECT_EQ(u32(bytes, 18), 1001u);
  EXPECT_EQ(u32(bytes, 22), 3u);
  EXPECT_EQ(bytes[26] | bytes[27] << 8, 1);
  EXPECT_EQ(bytes[28] | bytes[29] << 8, 24);
  for (std::size_t at : {30u, 34u, 38u, 42u, 46u, 50u, 54u}) EXPECT_EQ(u32(bytes, at), 0u);
  // The first stored row is the bottom one: blue, green, red.
  EXPECT_EQ(bytes[58], 30);
  EXPECT_EQ(bytes[60], 10);
  EXPECT_EQ(bytes[58 + 3003], 0);  // padding
  const std::size_t top = 58 + 2 * 3004;
  EXPECT_EQ(bytes[top], 3);
  EXPECT_EQ(bytes[top + 2], 1);
}

TEST(BmpWriter, WritesTheFileAndLoadsBack) {
  test_support::TempDir dir;
  QImage image(17, 5, QImage::Format_RGB32);
  image.fill(qRgb(200, 100, 50));
  ASSERT_FALSE(writeBmp(dir / "a.bmp", image).has_value());
  QImage loaded(QString::fromStdString((dir / "a.bmp").string()));
  ASSERT_FALSE(loaded.isNull());
  EXPECT_EQ(loaded.pixel(16, 4), qRgb(200, 100, 50));
}

}  // namespace
}  // namespace tolk
