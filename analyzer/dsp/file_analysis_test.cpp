#include "analyzer/dsp/file_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "analyzer/dsp/analyze_file.h"
#include "analyzer/dsp/test_wave.h"
#include "test_support/temp_dir.h"

namespace tolk {
namespace {

using testing::smallLayout;
using testing::testTone;
using testing::writeTestWave;

class FileAnalysisTest : public ::testing::Test {
 protected:
  FileAnalysisRequest request(const std::filesystem::path& file) const {
    FileAnalysisRequest r;
    r.file = file;
    r.scratchFolder = dir_.path();
    return r;
  }
  test_support::TempDir dir_;
};

// Keeps the row levels of one channel of every column.
class RowRecorder : public ColumnSink {
 public:
  explicit RowRecorder(int channel) : channel_(channel) {}
  void column(int column, std::span<const ChannelColumn> channels, const ColumnPipeline&) override {
    columns.push_back(column);
    rows.push_back(channels[channel_].rowLevels);
  }
  std::vector<int> columns;
  std::vector<std::vector<std::int16_t>> rows;

 private:
  int channel_;
};

int loudestRow(const std::vector<std::int16_t>& rows) {
  return int(std::max_element(rows.begin(), rows.end()) - rows.begin());
}

TEST_F(FileAnalysisTest, AFileOfExactlyOneBlockIsTimeScaleTooSmall) {
  writeTestWave(dir_ / "short.wav", 1, 48000, 4096, testTone(1000, 1000, 48000));
  FileAnalysisRequest r = request(dir_ / "short.wav");
  r.fftSize = 4096;
  auto analysis = prepareFileAnalysis(r, smallLayout());
  ASSERT_FALSE(analysis.ok());
  EXPECT_EQ(analysis.error().message, "Time Scale Too Small");
}

TEST_F(FileAnalysisTest, BadSegmentsAreImproperBeginOrEnd) {
  writeTestWave(dir_ / "tone.wav", 1, 48000, 48000, testTone(1000, 1000, 48000));
  struct Case {
    double begin;
    std::optional<double> end;
  };
  for (const Case c : {Case{-1, std::nullopt}, Case{0.6, 0.5}, Case{2, std::nullopt}}) {
    FileAnalysisRequest r = request(dir_ / "tone.wav");
    r.beginSeconds = c.begin;
    r.endSeconds = c.end;
    auto analysis = prepareFileAnalysis(r, smallLayout());
    ASSERT_FALSE(analysis.ok()) << c.begin;
    EXPECT_EQ(analysis.error().message, "Improper Begin or End");
  }
  // An end beyond the data is limited to it.
  FileAnalysisRequest r = request(dir_ / "tone.wav");
  r.beginSeconds = 0.25;
  r.endSeconds = 30;
  auto analysis = prepareFileAnalysis(r, smallLayout());
  ASSERT_TRUE(analysis.ok());
  EXPECT_EQ(analysis.value().sound.frames(), 36000u);
  EXPECT_EQ(analysis.value().sound.beginMs, 250);
}

TEST_F(FileAnalysisTest, MissingAndForeignFilesGiveTheReadersMessages) {
  auto missing = prepareFileAnalysis(request(dir_ / "none.wav"), smallLayout());
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().message, "Cannot Open File");
  std::ofstream(dir_ / "text.wav") << "not a wave file at all";
  auto foreign = prepareFileAnalysis(request(dir_ / "text.wav"), smallLayout());
  ASSERT_FALSE(foreign.ok());
  EXPECT_EQ(foreign.error().message, "Unsupported wave file format");
}

TEST_F(FileAnalysisTest, SegmentBlockCarriesTheExtensibleHeader) {
  writeTestWave(dir_ / "stereo.wav", 2, 44100, 44100, testTone(1000, 500, 44100));
  auto analysis = prepareFileAnalysis(request(dir_ / "stereo.wav"), smallLayout());
  ASSERT_TRUE(analysis.ok());
  const auto& block = analysis.value().sound.block;
  ASSERT_EQ(block.size(), 68u + 44100 * 4);
  EXPECT_EQ(std::string(block.begin(), block.begin() + 4), "RIFF");
  EXPECT_EQ(block[20] | block[21] << 8, 0xFFFE);
  EXPECT_EQ(block[22], 2);
  EXPECT_EQ(std::string(block.begin() + 60, block.begin() + 64), "data");
}

TEST_F(FileAnalysisTest, UltrasoundFileIsAnalysedTimeExpanded) {
  writeTestWave(dir_ / "bat.wav", 1, 192000, 192000, testTone(8000, 40000, 192000));
  FileAnalysisRequest r = request(dir_ / "bat.wav");
  r.highBandLimitHz = 96000;
  r.displayWidthSeconds = 1;
  auto analysis = prepareFileAnalysis(r, smallLayout());
  ASSERT_TRUE(analysis.ok());
  const FileAnalysis& a = analysis.value();
  EXPECT_EQ(a.rate.multiplier, 4);
  EXPECT_EQ(a.rate.sampleRateHz, 48000);
  EXPECT_EQ(a.highBandLimit, 24000);
  // One real second shown as four seconds of analysis time over 700 columns.
  EXPECT_NEAR(a.grid.msPerColumn, 4000.0 / 700, 1e-4);
}

TEST_F(FileAnalysisTest, PureToneLightsTheExpectedRowInEveryColumn) {
  // 1500 Hz in a band of 0 ... 6000 Hz over 438 rows (Scroll 2): row 109.5.
  writeTestWave(dir_ / "tone.wav", 1, 48000, 48000, testTone(8000, 1500, 48000));
  FileAnalysisRequest r = request(dir_ / "tone.wav");
  r.displayWidthSeconds = 7;
  auto analysis = prepareFileAnalysis(r, smallLayout());
  ASSERT_TRUE(analysis.ok());
  const FileAnalysis& a = analysis.value();
  ASSERT_EQ(a.grid.rowCount, 438);
  RowRecorder recorder(0);
  ColumnSink* sinks[] = {&recorder};
  auto traces = runAnalyzeFile(a.sound, a.grid, a.columnSettings(a.grid.rowCount, 0),
                               a.gainAttenuationDb, a.levelMin, sinks);
  ASSERT_TRUE(traces.has_value());
  ASSERT_EQ(int(recorder.rows.size()), a.grid.columnCount);
  for (const auto& rows : recorder.rows) EXPECT_NEAR(loudestRow(rows), 109.5, 1);
  EXPECT_GT(traces->totalLevelDb[0][3], 70);  // 8000 peak: 20 log10(5657) = 75 dB
}

TEST_F(FileAnalysisTest, StereoChannelsKeepTheirOwnTonesAndTheStopRequestEndsTheRun) {
  writeTestWave(dir_ / "two.wav", 2, 48000, 48000, [](int c, std::size_t i) {
    return 8000 * std::cos(2 * M_PI * (c == 0 ? 1000 : 4000) * double(i) / 48000);
  });
  auto analysis = prepareFileAnalysis(request(dir_ / "two.wav"), smallLayout());
  ASSERT_TRUE(analysis.ok());
  const FileAnalysis& a = analysis.value();
  RowRecorder left(0);
  RowRecorder right(1);
  ColumnSink* sinks[] = {&left, &right};
  int calls = 0;
  auto traces = runAnalyzeFile(a.sound, a.grid, a.columnSettings(a.grid.rowCount, 0), 0, a.levelMin,
                               sinks, [&] { return ++calls == 5; });
  ASSERT_TRUE(traces.has_value());
  EXPECT_TRUE(traces->stopped);
  EXPECT_EQ(traces->columnsDone, 5);
  EXPECT_EQ(traces->totalLevelDb[0][6], float(a.levelMin));  // not reached
  const double rowsPerHz = a.grid.rowCount / 6000.0;
  EXPECT_NEAR(loudestRow(left.rows[4]), 1000 * rowsPerHz, 1.5);
  EXPECT_NEAR(loudestRow(right.rows[4]), 4000 * rowsPerHz, 1.5);
}

}  // namespace
}  // namespace tolk
