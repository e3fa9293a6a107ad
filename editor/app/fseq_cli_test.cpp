#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "editor/app/cli_test_support.h"
#include "editor/model/file_operations.h"
#include "editor/model/frame_text.h"
#include "test_support/files.h"
#include "test_support/temp_dir.h"

namespace fseq {
namespace {

using test_support::readBytes;
using test_support::TempDir;
using ::testing::HasSubstr;
using ::testing::StartsWith;

FseqDocument movingFormants() {
  FseqDocument document;
  document.frameCount = 256;
  document.settings.fseqName = "Moving";
  document.settings.loopEnd = 200;
  for (int k = 1; k <= 256; ++k) {
    FseqFrame& frame = document.frame(k);
    frame.setPitch({13, 60 + k % 40});
    for (int j = 0; j < kFormantCount; ++j) {
      frame.setVoiced(j, {15 + j % 5, (k + 9 * j) % 128});
      frame.voicedLevel(j) = (3 * k + j) % 128;
      frame.setUnvoiced(j, {18 + j % 3, (2 * k + j) % 128});
      frame.unvoicedLevel(j) = (k + 4 * j) % 128;
    }
  }
  return document;
}

TEST(FseqCli, HelpAndWrongUsage) {
  const CliResult help = runCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_THAT(help.out, StartsWith("Usage: fseq-cli COMMAND"));
  EXPECT_THAT(help.out, HasSubstr("convert IN OUT"));

  const std::vector<std::vector<std::string>> wrong = {
      {}, {"play"}, {"dump"}, {"dump", "a", "b"}, {"convert", "a"}};
  for (const auto& args : wrong) {
    const CliResult result = runCli(args);
    EXPECT_EQ(result.status, 2) << ::testing::PrintToString(args);
    EXPECT_THAT(result.err, HasSubstr("Try 'fseq-cli --help'."));
    EXPECT_TRUE(result.out.empty());
  }
}

TEST(FseqCli, DumpPrintsTheLoadReportWithTheChecksumLineLast) {
  TempDir dir;
  saveSyxFile(dir / "new.syx", FseqDocument{}, UploadMixer{});
  const CliResult result = runCli({"dump", (dir / "new.syx").string()});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::vector<std::string> out = linesOf(result.out);
  ASSERT_EQ(out.size(), 6u + 2 * 512 + 1);
  EXPECT_THAT(out[0], StartsWith("fseq Header: F0 43 00 5E 10 64 60 00 00 66 73 65 71 "));
  EXPECT_EQ(out[1], "fseq Name: fseq Nam");
  EXPECT_EQ(out[2], "fseq Frames: 512");
  EXPECT_EQ(out[3], "---------------------");
  EXPECT_EQ(out[4], "Bytes Read: 25602");
  EXPECT_EQ(out[5], "CheckSum= 3B hex");
  EXPECT_EQ(out[6],
            "29 00 29 29 29 29 29 29 29 29 00 00 00 00 00 00 00 00 "
            "7F 7F 7F 7F 7F 7F 7F 7F ");
  EXPECT_EQ(out[7], "29 29 29 29 29 29 29 29 00 00 00 00 00 00 00 00 7F 7F 7F 7F 7F 7F 7F 7F ");
  EXPECT_EQ(out.back(), "3B F7 ");
}

TEST(FseqCli, ConvertingADumpToADumpKeepsEveryByte) {
  TempDir dir;
  saveSyxFile(dir / "a.syx", movingFormants(), UploadMixer{});
  const CliResult result = runCli({"convert", (dir / "a.syx").string(), (dir / "b.syx").string()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(readBytes(dir / "b.syx"), readBytes(dir / "a.syx"));
  const std::vector<std::string> out = linesOf(result.out);
  EXPECT_EQ(out[1], "fseq Name: Moving");
  EXPECT_EQ(out[out.size() - 2], "Text file b.syx saved.");
  EXPECT_EQ(out.back(), "Wrote 12802 Bytes");
}

TEST(FseqCli, DumpToTextAndBackKeepsLevelsAndFrequenciesWithinAStep) {
  TempDir dir;
  const FseqDocument original = movingFormants();
  saveSyxFile(dir / "a.syx", original, UploadMixer{});
  ASSERT_EQ(runCli({"convert", (dir / "a.syx").string(), (dir / "a.txt").string()}).status, 0);
  // A dump is recognised by its first byte whatever its name.
  std::filesystem::copy_file(dir / "a.syx", dir / "a.dump");
  const CliResult toText = runCli({"convert", (dir / "a.dump").string(), (dir / "c.txt").string()});
  ASSERT_EQ(toText.status, 0) << toText.err;
  EXPECT_EQ(test_support::readText(dir / "c.txt"), test_support::readText(dir / "a.txt"));

  const CliResult back = runCli({"convert", (dir / "a.txt").string(), (dir / "b.syx").string()});
  ASSERT_EQ(back.status, 0) << back.err;
  EXPECT_THAT(linesOf(back.out), ::testing::Contains("256 Frames Loaded"));

  FseqDocument loaded;
  UploadMixer mixer;
  loadSyxFile(dir / "b.syx", loaded, mixer);
  ASSERT_EQ(loaded.frameCount, 256);
  const auto step = [](FreqPair pair) { return pair.coarse * 128 + pair.fine; };
  for (int k = 1; k <= 256; ++k) {
    const FseqFrame& a = original.frame(k);
    const FseqFrame& b = loaded.frame(k);
    ASSERT_LE(std::abs(step(a.pitch()) - step(b.pitch())), 1) << "frame " << k;
    for (int j = 0; j < kFormantCount; ++j) {
      ASSERT_LE(std::abs(step(a.voiced(j)) - step(b.voiced(j))), 1) << "frame " << k;
      ASSERT_LE(std::abs(step(a.unvoiced(j)) - step(b.unvoiced(j))), 1) << "frame " << k;
      ASSERT_EQ(a.voicedLevel(j), b.voicedLevel(j));
      ASSERT_EQ(a.unvoicedLevel(j), b.unvoicedLevel(j));
    }
  }
}

TEST(FseqCli, FileErrorsNameTheFileAndWriteNothing) {
  TempDir dir;
  test_support::writeText(dir / "bad.txt",
                          std::string(kFrameTextHeader) + "\r\n100  200\r\n300  4x0\r\n");
  const std::string bad = (dir / "bad.txt").string();
  const CliResult badText = runCli({"convert", bad, (dir / "out.syx").string()});
  EXPECT_EQ(badText.status, 1);
  EXPECT_EQ(badText.err, "fseq-cli: " + bad + ": line 3: \"4x0\" is not a number\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "out.syx"));

  const std::string missing = (dir / "missing.syx").string();
  const CliResult noFile = runCli({"dump", missing});
  EXPECT_EQ(noFile.status, 1);
  EXPECT_EQ(noFile.err, "fseq-cli: " + missing + ": No such file or directory\n");

  saveSyxFile(dir / "a.syx", FseqDocument{}, UploadMixer{});
  const std::string unwritable = (dir / "no" / "such" / "folder.txt").string();
  const CliResult noFolder = runCli({"convert", (dir / "a.syx").string(), unwritable});
  EXPECT_EQ(noFolder.status, 1);
  EXPECT_EQ(noFolder.err, "fseq-cli: " + unwritable + ": No such file or directory\n");
}

}  // namespace
}  // namespace fseq
