#include "editor/import/map_import.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "editor/import/map_log_fixture.h"

namespace fseq {
namespace {

using testing::kBinHz;
using testing::mapLogText;
using testing::VoiceMoment;
using testing::voiceRow;

// A voice whose first three formants glide across their bands, row by row.
VoiceMoment gliding(int row, int rows) {
  const double t = static_cast<double>(row) / (rows - 1);
  return {120 + 20 * t, {500 + 200 * t, 1000 + 400 * t, 1800 + 400 * t}};
}

std::vector<std::vector<int>> glidingRows(int rows) {
  std::vector<std::vector<int>> result;
  for (int r = 0; r < rows; ++r) result.push_back(voiceRow(gliding(r, rows), 743, kBinHz));
  return result;
}

struct Imported {
  MapImportOutcome result;
  FseqDocument document;
  UploadMixer mixer;
  SpectrumImportBuffer buffer;
};

Imported import(const std::string& text, double seconds, const ImportSettings& settings = {}) {
  Imported imported;
  imported.document.frame(3).voicedLevel(0) = 99;
  imported.document.settings.noteAssign = 30;
  imported.mixer.unvoicedPercent = 40;
  std::istringstream in(text);
  imported.result = importMap(readMapLog(in, seconds), "speech.txt", settings, imported.document,
                              imported.mixer, imported.buffer);
  return imported;
}

double hzOf(FreqPair pair) {
  return FreqValue2(pair.coarse, pair.fine);
}

std::vector<std::string> textsOf(const Report& report) {
  std::vector<std::string> texts;
  for (const ReportLine& line : report) texts.push_back(line.text);
  return texts;
}

TEST(MapImport, FramesFollowThePitchAndFormantsOfTheLog) {
  const Imported imported = import(mapLogText(10, 743, glidingRows(512)), 1.0);
  ASSERT_EQ(imported.result.framesRead, 512);
  for (int j = 1; j <= 512; j += 17) {
    SCOPED_TRACE("frame " + std::to_string(j));
    const VoiceMoment truth = gliding(j - 1, 512);
    const FseqFrame& frame = imported.document.frame(j);
    // Found on the log's points: within a point of the pitch, and within half
    // a harmonic spacing and a point of each formant.
    EXPECT_NEAR(hzOf(frame.pitch()), truth.pitchHz, kBinHz + 1);
    for (int k = 0; k < 3; ++k) {
      EXPECT_NEAR(hzOf(frame.voiced(k + 1)), truth.formantHz[k], truth.pitchHz / 2 + kBinHz)
          << "F" << k + 2;
      EXPECT_GT(frame.voicedLevel(k + 1), 0);
    }
  }
}

TEST(MapImport, EndsWithAWholeNewSequence) {
  const Imported imported = import(mapLogText(10, 743, glidingRows(600)), 5.3);
  EXPECT_EQ(imported.document.currentFrame, 512);
  EXPECT_EQ(imported.document.importedFrame, 512);
  EXPECT_EQ(imported.document.frameCount, 512);
  EXPECT_EQ(imported.document.settings, FseqSettings::afterClearAll());
  EXPECT_EQ(imported.mixer, UploadMixer{});

  const std::string dots(128, '.');
  EXPECT_THAT(
      textsOf(imported.result.outcome.report),
      ::testing::ElementsAre("Loading...", " ", "Importing Veltrix16 File Name: speech",
                             "Sample Timing: 10.0  Skip: 0.0 lines per Read.",
                             "Reading in Frequencies...", "Reading in Frame Levels...", dots,
                             "Block1", dots, "Block2", dots, "Block3", dots, "Block4", "Done."));
  // The buffer keeps the last frame's spectrum for the formant plot: 743
  // points, closed by 8005 Hz.
  EXPECT_EQ(imported.buffer.freq[743], 7994.2);
  EXPECT_EQ(imported.buffer.freq[744], 8005);
  EXPECT_EQ(imported.buffer.level[744], -100);
}

TEST(MapImport, AShortLogLeavesTheLastFramesSilent) {
  const Imported imported = import(mapLogText(10, 743, glidingRows(200)), 1.0);
  EXPECT_EQ(imported.result.framesRead, 200);
  // Frames past the log's end are silent, with no pitch; their formants keep
  // the last frequencies so the sound does not glide anywhere.
  const FseqFrame& last = imported.document.frame(200);
  for (int j : {201, 512}) {
    const FseqFrame& frame = imported.document.frame(j);
    EXPECT_EQ(frame.pitch(), (FreqPair{0, 0}));
    for (int k = 0; k < kFormantCount; ++k) {
      EXPECT_EQ(frame.voicedLevel(k), 0);
      EXPECT_EQ(frame.unvoicedLevel(k), 0);
      EXPECT_EQ(frame.voiced(k), last.voiced(k));
      EXPECT_EQ(frame.unvoiced(k), last.unvoiced(k));
    }
  }
  const std::vector<std::string> report = textsOf(imported.result.outcome.report);
  EXPECT_THAT(report, ::testing::Contains("Block1"));
  EXPECT_THAT(report, ::testing::Not(::testing::Contains("Block2")));
  EXPECT_EQ(report[report.size() - 2], std::string(72, '.'));
  EXPECT_EQ(report.back(), "Done.");
}

TEST(MapImport, ASilentFormantKeepsTheFrequencyItHadBeforeFallingSilent) {
  std::vector<std::vector<int>> rows = glidingRows(512);
  // Frames 10 … 20 (rows 9 … 19) lose everything in band 4 (1500 … 2300 Hz).
  for (int r = 9; r <= 19; ++r) {
    for (int k = 0; k < 743; ++k) {
      const double hz = k * kBinHz + kBinHz / 2;
      if (hz > 1400 && hz < 2400)
        rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)] = -95;
    }
  }
  const Imported imported = import(mapLogText(10, 743, rows), 1.0);
  const FseqFrame& before = imported.document.frame(9);
  ASSERT_GT(before.voicedLevel(3), 0);
  for (int j = 10; j <= 20; ++j) {
    EXPECT_EQ(imported.document.frame(j).voicedLevel(3), 0) << j;
    EXPECT_EQ(imported.document.frame(j).voiced(3), before.voiced(3)) << j;
    EXPECT_EQ(imported.document.frame(j).unvoiced(3), before.unvoiced(3)) << j;
  }
  EXPECT_GT(imported.document.frame(21).voicedLevel(3), 0);
}

TEST(MapImport, SeparateBandsApplyToTheImportedFrames) {
  ImportSettings settings;
  settings.separateBands = true;
  settings.differenceThreshold = 10;
  const Imported imported = import(mapLogText(10, 743, glidingRows(512)), 1.0, settings);
  for (int j = 1; j <= 512; j += 50) {
    for (int k = 0; k < 8; ++k) {
      const FseqFrame& frame = imported.document.frame(j);
      EXPECT_TRUE(frame.voicedLevel(k) == 0 || frame.unvoicedLevel(k) == 0) << j << " F" << k + 1;
    }
  }
}

}  // namespace
}  // namespace fseq
