#include "analyzer/logs/map_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "analyzer/dsp/file_analysis.h"
#include "analyzer/dsp/test_wave.h"
#include "test_support/files.h"
#include "test_support/temp_dir.h"

namespace tolk {
namespace {

std::vector<std::string> values(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t end; (end = line.find(", ", start)) != std::string::npos; start = end + 2) {
    fields.push_back(line.substr(start, end - start));
  }
  EXPECT_EQ(start, line.size()) << "a value without its trailing comma";
  return fields;
}

class MapLogTest : public ::testing::Test {
 protected:
  // A 1000 Hz tone at 44100 Hz, 4096 points, 0 ... 8000 Hz, 10 ms columns.
  std::vector<std::string> logTone() {
    testing::writeTestWave(dir_ / "tone.wav", 1, 44100, 44100,
                           testing::testTone(8000, 1000, 44100));
    FileAnalysisRequest request;
    request.file = dir_ / "tone.wav";
    request.scratchFolder = dir_.path();
    request.highBandLimitHz = 8000;
    request.fftSize = 4096;
    request.displayWidthSeconds = 7;
    const ImageLayout layout = testing::smallLayout();
    auto prepared = prepareFileAnalysis(request, layout);
    EXPECT_TRUE(prepared.ok());
    const FileAnalysis& a = prepared.value();
    EXPECT_NEAR(a.grid.msPerColumn, 10, 1e-6);
    MapLogHeader header{{"/music/tone.wav", 44100, 4096, 0, 8000, false}, 0, a.grid.msPerColumn};
    auto writer = MapLogWriter::create(dir_ / "map.txt", header, 0);
    EXPECT_TRUE(writer.ok());
    ColumnSink* sinks[] = {&writer.value()};
    EXPECT_TRUE(runAnalyzeFile(a.sound, a.grid, a.columnSettings(a.grid.rowCount, 0), 0, 0, sinks)
                    .has_value());
    EXPECT_FALSE(writer.value().finish().has_value());
    return test_support::crlfLines(test_support::readText(dir_ / "map.txt"));
  }
  test_support::TempDir dir_;
};

TEST_F(MapLogTest, HeaderFrequenciesAndRowsAreLaidOutAsTheEditorReadsThem) {
  const auto lines = logTone();
  ASSERT_GT(lines.size(), 24u);
  EXPECT_EQ(lines[0], "Veltrix 15 Data");
  EXPECT_EQ(lines[1], "/music/tone.wav");
  EXPECT_EQ(lines[2], "44100 Hz Sampling Rate");
  EXPECT_EQ(lines[3], "4096 Point FFT");
  EXPECT_EQ(lines[4], "FFT Points 0 to 743 Recorded");
  EXPECT_EQ(lines[5], "0 msec Sample Start");
  EXPECT_EQ(lines[6], "10.00 msec Time Step");
  EXPECT_EQ(lines[7], "Comma Delimited Values");
  EXPECT_EQ(lines[8], "Relative Spectrum Level in Decibels/Hz vs. Time and Frequency");
  EXPECT_EQ(lines[9], "");
  const auto frequencies = values(lines[10]);
  ASSERT_EQ(frequencies.size(), 744u);  // "Freq" and 743 points
  EXPECT_EQ(frequencies[0], "Freq");
  EXPECT_EQ(frequencies[1], "5.4 Hz");
  EXPECT_EQ(frequencies[743], "7994.2 Hz");
  EXPECT_EQ(lines[23].rfind("Time 120 msec, ", 0), 0u);
  for (std::size_t row = 11; row < lines.size(); ++row) {
    ASSERT_EQ(values(lines[row]).size(), 744u) << "row " << row;
  }
}

TEST_F(MapLogTest, PureToneSitsInItsPointOfEveryRow) {
  const auto lines = logTone();
  for (std::size_t row = 11; row < lines.size(); ++row) {
    auto fields = values(lines[row]);
    std::vector<int> levels;
    for (std::size_t k = 1; k < fields.size(); ++k) levels.push_back(std::stoi(fields[k]));
    const auto peak = std::max_element(levels.begin(), levels.end()) - levels.begin();
    EXPECT_EQ(peak, 93) << "row " << row;  // 1000 Hz / 10.77 Hz per point
    EXPECT_LT(levels[300], levels[93] - 40);
  }
}

TEST(TextFileWriter, AnUnfinishedWriteLeavesThePreviousFile) {
  test_support::TempDir dir;
  test_support::writeText(dir / "log.txt", "old");
  {
    auto writer = TextFileWriter::create(dir / "log.txt");
    ASSERT_TRUE(writer.ok());
    writer.value().write("new");
  }
  EXPECT_EQ(test_support::readText(dir / "log.txt"), "old");
  EXPECT_FALSE(std::filesystem::exists(dir / "log.txt.part"));
  auto missingFolder = TextFileWriter::create(dir / "none" / "log.txt");
  ASSERT_FALSE(missingFolder.ok());
  EXPECT_EQ(missingFolder.error().message, "Cannot Open File");
}

}  // namespace
}  // namespace tolk
