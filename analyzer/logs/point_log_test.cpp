#include "analyzer/logs/point_log.h"

#include <gtest/gtest.h>

#include "test_support/files.h"
#include "test_support/temp_dir.h"

namespace tolk {
namespace {

TEST(PointLog, NewFileGetsTheHeaderAndAnExistingOneAnEmptyLine) {
  test_support::TempDir dir;
  auto first = PointLogWriter::open(dir / "points.txt", "/music/ah.wav", 48000, 4096);
  ASSERT_TRUE(first.ok());
  first.value().addPoint(1250, 730, -23.4);
  ASSERT_FALSE(first.value().finish().has_value());
  const std::string header =
      "Veltrix 15 Data\r\n/music/ah.wav\r\n48000 Hz Sampling Rate\r\n4096 Point FFT\r\n\r\n"
      "Time (msec),  Freq (Hz),    Level (dB)\r\n\r\n";
  const std::string row = "1250          730           -23           \r\n";
  ASSERT_EQ(row.size(), 44u);
  EXPECT_EQ(test_support::readText(dir / "points.txt"), header + row);

  auto second = PointLogWriter::open(dir / "points.txt", "/music/other.wav", 44100, 1024);
  ASSERT_TRUE(second.ok());
  second.value().addPoint(5, 12000, 3.6);
  ASSERT_FALSE(second.value().finish().has_value());
  EXPECT_EQ(test_support::readText(dir / "points.txt"),
            header + row + "\r\n" + "5             12000         4             \r\n");
}

}  // namespace
}  // namespace tolk
