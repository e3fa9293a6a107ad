#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

#include "editor/app/cli_test_support.h"
#include "editor/import/map_log_fixture.h"
#include "editor/model/file_operations.h"
#include "test_support/files.h"
#include "test_support/temp_dir.h"

namespace fseq {
namespace {

using test_support::TempDir;
using ::testing::Contains;
using ::testing::HasSubstr;
using testing::kBinHz;

// A Linear slice log of 743 points at 44100 Hz and 4096 points, with a floor
// and a few louder points.
std::string sliceLog(std::vector<std::pair<double, double>> peaks) {
  std::string text =
      "Veltrix 15 Data\r\n/home/singer/ah.wav\r\n44100 Hz Sampling Rate\r\n"
      "10.77 Hz Frequency Resolution\r\n-22 dB Total SPL\r\n1500 msec Event Time\r\n"
      "Relative Spectrum Level in Decibels/Hz\r\n\r\nNum   Hz       dB\r\n\r\n";
  for (int i = 0; i < 743; ++i) {
    const double hz = i * kBinHz + kBinHz / 2;
    double db = 20;
    for (const auto& [peakHz, peakDb] : peaks) {
      if (std::abs(hz - peakHz) < kBinHz / 2) db = peakDb;
    }
    char row[64];
    std::snprintf(row, sizeof row, "%-6d%-9.2f%-2.1f\r\n", i, hz, db);
    text += row;
  }
  return text;
}

FseqDocument loaded(const std::filesystem::path& file) {
  FseqDocument document;
  UploadMixer mixer;
  loadSyxFile(file, document, mixer);
  return document;
}

double hzOf(FreqPair pair) {
  return FreqValue2(pair.coarse, pair.fine);
}

TEST(CliImport, MapLogBecomesASequenceThatFollowsTheVoice) {
  TempDir dir;
  std::vector<std::vector<int>> rows;
  const auto voice = [](int row) {
    const double t = row / 529.0;
    return testing::VoiceMoment{110 + 30 * t, {450 + 250 * t, 1100 + 300 * t, 1900 + 300 * t}};
  };
  for (int r = 0; r < 530; ++r) rows.push_back(testing::voiceRow(voice(r), 743, kBinHz));
  test_support::writeText(dir / "speech.txt", testing::mapLogText(10, 743, rows));

  const CliResult result =
      runCli({"import-map", (dir / "speech.txt").string(), (dir / "speech.syx").string()});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::vector<std::string> out = linesOf(result.out);
  EXPECT_THAT(out, Contains("Sample Timing: 10.0  Skip: 0.0 lines per Read."));
  EXPECT_THAT(out, Contains("Done."));
  EXPECT_EQ(out.back(), "Wrote 25602 Bytes");
  EXPECT_EQ(test_support::readBytes(dir / "speech.syx").size(), 25643u);

  // 5.3 s over 512 frames: frame j takes about row 1.035 × (j − 1).
  const FseqDocument document = loaded(dir / "speech.syx");
  for (int j = 1; j <= 512; j += 31) {
    SCOPED_TRACE("frame " + std::to_string(j));
    const testing::VoiceMoment truth = voice(static_cast<int>(std::lround((j - 1) * 1.035)));
    const FseqFrame& frame = document.frame(j);
    EXPECT_NEAR(hzOf(frame.pitch()), truth.pitchHz, kBinHz + 2);
    for (int k = 0; k < 3; ++k) {
      EXPECT_NEAR(hzOf(frame.voiced(k + 1)), truth.formantHz[k], truth.pitchHz / 2 + kBinHz + 2);
    }
  }
}

TEST(CliImport, SliceFillsTheChosenFrameOfTheBaseSequence) {
  TempDir dir;
  test_support::writeText(dir / "ah.txt", sliceLog({{130, 60}, {700, 55}, {1200, 50}}));
  FseqDocument base;
  base.frameCount = 256;
  base.frame(5).voicedLevel(0) = 77;
  saveSyxFile(dir / "base.syx", base, UploadMixer{});

  const CliResult result =
      runCli({"import-slice", (dir / "ah.txt").string(), (dir / "out.syx").string(), "--base",
              (dir / "base.syx").string(), "--frame", "600"});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::vector<std::string> out = linesOf(result.out);
  EXPECT_EQ(out[1], "Importing Veltrix16 File Name: ah");
  EXPECT_EQ(out[5], "Pitch:134.58 hz");  // the point whose centre lies nearest 130 Hz
  const FseqDocument document = loaded(dir / "out.syx");
  EXPECT_EQ(document.frameCount, 256);
  EXPECT_EQ(document.frame(256).pitch(), FreqSettings(12 * kBinHz + kBinHz / 2));
  EXPECT_EQ(document.frame(5).voicedLevel(0), 77);
  EXPECT_EQ(document.frame(1).pitch(), base.frame(1).pitch());
}

TEST(CliImport, SettingsOptionsReachTheSearch) {
  TempDir dir;
  // A loud point at 1500 Hz and a quieter one at 900 Hz: the pitch search
  // reaches 1500 Hz only if its maximum could pass 1000 Hz, which it cannot.
  test_support::writeText(dir / "s.txt", sliceLog({{900, 50}, {1500, 60}}));
  const std::string in = (dir / "s.txt").string();
  const std::string out = (dir / "s.syx").string();
  EXPECT_THAT(linesOf(runCli({"import-slice", in, out, "--pitch-max", "2000"}).out),
              Contains("Pitch:899.01 hz"));

  // Specific frequencies with a narrow range find what lies in each band.
  const CliResult specific = runCli({"import-slice", in, out, "--specific",
                                     "250,900,1000,1500,2500,3500,5000,7000", "--range", "30"});
  ASSERT_EQ(specific.status, 0) << specific.err;
  EXPECT_THAT(specific.out, HasSubstr("VFreq2: 899.01 hz"));
  EXPECT_THAT(specific.out, HasSubstr("VFreq4: 1501.94 hz"));

  ASSERT_EQ(runCli({"import-slice", in, out, "--separate", "10"}).status, 0);
  const FseqDocument separated = loaded(dir / "s.syx");
  for (int k = 0; k < kFormantCount; ++k) {
    EXPECT_TRUE(separated.frame(1).voicedLevel(k) == 0 || separated.frame(1).unvoicedLevel(k) == 0);
  }
}

TEST(CliImport, DenseAudacityExportIsImportedWithAdviceOnStandardError) {
  TempDir dir;
  std::string text = "Frequency (Hz)\tLevel (dB)\n";
  for (int i = 1; i <= 4096; ++i) text += std::to_string(i * 44100.0 / 8192) + "\t-60\n";
  test_support::writeText(dir / "a.txt", text);
  const std::string file = (dir / "a.txt").string();
  const CliResult result = runCli({"import-audacity", file, (dir / "a.syx").string()});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "fseq-cli: " + file +
                            ": Re-export the file from Audacity using a lower \"Size\" setting.\n");
  EXPECT_TRUE(std::filesystem::exists(dir / "a.syx"));
}

TEST(CliImport, WrongUsageAndBadFiles) {
  TempDir dir;
  test_support::writeText(dir / "s.txt", sliceLog({}));
  std::string map = testing::mapLogText(0, 10, {{-40, -40}});
  test_support::writeText(dir / "zero.txt", map);
  const std::string slice = (dir / "s.txt").string();
  const std::string out = (dir / "o.syx").string();

  const std::vector<std::vector<std::string>> usage = {
      {"import-slice", slice},
      {"import-slice", slice, out, "--frame", "first"},
      {"import-slice", slice, out, "--bands", "1,2,3,4,5,6,7"},
      {"import-slice", slice, out, "--bands", "1,2,3,4,5,6,7,8,9"},
      {"import-slice", slice, out, "--bands", "1,2,3,4,5,6,7,8", "--specific", "1,2,3,4,5,6,7,8"},
      {"import-slice", slice, out, "--seconds", "3"},
      {"import-map", slice, out, "--seconds", "five"},
      {"import-map", slice, out, "--separate"},
  };
  for (const auto& args : usage) {
    const CliResult result = runCli(args);
    EXPECT_EQ(result.status, 2) << ::testing::PrintToString(args);
    EXPECT_THAT(result.err, HasSubstr("Try 'fseq-cli --help'."));
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "o.syx"));

  const std::string zero = (dir / "zero.txt").string();
  const CliResult badStep = runCli({"import-map", zero, out});
  EXPECT_EQ(badStep.status, 1);
  EXPECT_EQ(badStep.err, "fseq-cli: " + zero +
                             ": line 7: the time step 0.00 is not a positive number of "
                             "milliseconds\n");
  const CliResult missing = runCli({"import-audacity", (dir / "none.txt").string(), out});
  EXPECT_EQ(missing.status, 1);
  EXPECT_THAT(missing.err, HasSubstr("No such file or directory"));
  EXPECT_FALSE(std::filesystem::exists(dir / "o.syx"));
}

}  // namespace
}  // namespace fseq
