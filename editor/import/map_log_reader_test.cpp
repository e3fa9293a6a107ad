#include "editor/import/map_log_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "editor/import/map_log_fixture.h"
#include "editor/model/errors.h"

namespace fseq {
namespace {

using ::testing::HasSubstr;
using testing::mapLogText;

MapLog read(const std::string& text, double seconds) {
  std::istringstream in(text);
  return readMapLog(in, seconds);
}

std::vector<std::vector<int>> numberedRows(int rows, int columns) {
  std::vector<std::vector<int>> result;
  for (int r = 0; r < rows; ++r) result.push_back(std::vector<int>(columns, -r));
  return result;
}

// The rows the frames take, found line by line as the import steps through
// the log: acc passes one line at a time while it is above 0.
std::array<double, kMaxFrames> framesRowsLineByLine(double skip) {
  std::array<double, kMaxFrames> rows{};
  double line = 0;
  double acc = 0;
  for (double& row : rows) {
    while (acc > 0) {
      line += 1;
      acc -= 1;
    }
    acc += skip;
    row = line;
    line += 1;
  }
  return rows;
}

TEST(MapLogReader, SkipArithmetic) {
  EXPECT_DOUBLE_EQ(mapSkipLines(5.3, 10), 5300.0 / 5120 - 0.99);  // 0.045
  EXPECT_DOUBLE_EQ(mapSkipLines(1.0, 10), 1000.0 / 5120 - 0.99);  // −0.795

  for (double skip : {0.045, 4.2, -0.795, 0.5, 2.999, 1.0}) {
    EXPECT_EQ(mapFrameRows(skip), framesRowsLineByLine(skip)) << skip;
  }
  // 4.2: frame 2 is the seventh line, five being passed over.
  EXPECT_EQ(mapFrameRows(4.2)[1], 6);
  // 1.0 s at 10 ms: nothing is passed over.
  EXPECT_EQ(mapFrameRows(mapSkipLines(1.0, 10))[511], 511);
  // 5.3 s at 10 ms: about one line in 22 is passed over, so the 512 frames
  // cover the 530 lines of 5.3 s.
  const auto rows = mapFrameRows(mapSkipLines(5.3, 10));
  EXPECT_EQ(rows[0], 0);
  EXPECT_EQ(rows[1], 2);
  EXPECT_NEAR(rows[511], 530, 5);
}

TEST(MapLogReader, ReadsTimeStepFrequenciesAndTheRowsTheFramesTake) {
  const MapLog log = read(mapLogText(10, 743, numberedRows(600, 743)), 5.3);
  EXPECT_EQ(log.timeStepMs, 10);
  EXPECT_DOUBLE_EQ(log.skipLines, mapSkipLines(5.3, 10));
  ASSERT_EQ(log.freqHz.size(), 743u);
  EXPECT_EQ(log.freqHz.front(), 5.4);
  EXPECT_EQ(log.freqHz.back(), 7994.2);
  const auto rows = mapFrameRows(log.skipLines);
  for (std::size_t j = 0; j < kMaxFrames; ++j) {
    ASSERT_TRUE(log.frameRows[j].has_value()) << j;
    ASSERT_EQ(log.frameRows[j]->size(), 743u);
    ASSERT_EQ(log.frameRows[j]->front(), -rows[j]) << "frame " << j + 1;
  }
}

TEST(MapLogReader, FramesPastTheEndOfTheLogHaveNoRow) {
  const MapLog log = read(mapLogText(10, 100, numberedRows(100, 100)), 1.0);
  EXPECT_TRUE(log.frameRows[99].has_value());
  EXPECT_FALSE(log.frameRows[100].has_value());
  EXPECT_FALSE(log.frameRows[511].has_value());
}

TEST(MapLogReader, BadLogsAreRefusedWithTheLine) {
  const std::string good = mapLogText(10, 20, numberedRows(5, 20));
  const auto replaced = [&good](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  std::string wide = "Freq, ";
  for (int k = 0; k < 930; ++k) wide += std::to_string(k) + ".5 Hz, ";
  std::string tooWide = good;
  tooWide.replace(tooWide.find("Freq, "),
                  tooWide.find("\r\n", tooWide.find("Freq, ")) - tooWide.find("Freq, "), wide);

  struct Case {
    const char* name;
    std::string text;
    const char* message;
  };
  const Case cases[] = {
      {"time step zero", replaced("10.00 msec", "0.00 msec"),
       "line 7: the time step 0.00 is not a positive number of milliseconds"},
      {"time step not a number", replaced("10.00 msec", "ten msec"),
       "line 7: \"ten\" is not a number"},
      {"level not a number", replaced("Time 20 msec, -2, ", "Time 20 msec, x2, "),
       "line 14: \"x2\" is not a number"},
      {"frequency not a number", replaced("5.4 Hz", "5.4x Hz"),
       "line 11: \"5.4x\" is not a number"},
      {"no frequency line", replaced("Freq, ", "Hz, "),
       "line 11: the frequency line does not start with \"Freq\""},
      {"too many columns", tooWide, "the log has 930 frequency columns; at most 929"},
      {"ends early", good.substr(0, good.find("Comma")),
       "ends at line 7, before the frequency line"},
      {"empty", "", "ends at line 0, before the time step"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      read(c.text, 5.3);
      ADD_FAILURE() << "accepted";
    } catch (const FormatError& error) {
      EXPECT_THAT(error.what(), HasSubstr(c.message));
    }
  }
}

}  // namespace
}  // namespace fseq
