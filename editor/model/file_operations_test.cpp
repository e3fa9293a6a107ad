#include "editor/model/file_operations.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "editor/model/errors.h"
#include "editor/model/frame_text.h"
#include "test_support/files.h"
#include "test_support/temp_dir.h"

namespace fseq {
namespace {

using test_support::readBytes;
using test_support::TempDir;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<std::string> textsOf(const Report& report) {
  std::vector<std::string> texts;
  for (const ReportLine& line : report) texts.push_back(line.text);
  return texts;
}

std::vector<std::string> folderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(FileOperations, SaveSyxWritesTheDumpAndReportsIt) {
  TempDir dir;
  const Report report = saveSyxFile(dir / "new.syx", FseqDocument{}, UploadMixer{});
  EXPECT_EQ(readBytes(dir / "new.syx").size(), 25643u);
  EXPECT_THAT(textsOf(report), ElementsAre(" ", "New CheckSum= 3B hex", "Text file new.syx saved.",
                                           "Wrote 25602 Bytes"));
}

TEST(FileOperations, SaveTextWritesTheFramesAndReportsIt) {
  TempDir dir;
  FseqDocument document;
  document.frameCount = 128;
  const Report report = saveTextFile(dir / "frames.txt", document);
  EXPECT_EQ(test_support::readText(dir / "frames.txt"), frameText(document));
  EXPECT_THAT(textsOf(report), ElementsAre(" ", "Text file frames.txt saved."));
}

TEST(FileOperations, LoadsReadWhatSavesWrote) {
  TempDir dir;
  FseqDocument original;
  original.frameCount = 256;
  original.settings.fseqName = "Choir";
  original.frame(3).setVoiced(1, {17, 24});
  original.frame(3).voicedLevel(1) = 90;
  saveSyxFile(dir / "choir.syx", original, UploadMixer{});
  saveTextFile(dir / "choir.txt", original);

  FseqDocument fromSyx;
  UploadMixer mixer;
  const Report syxReport = loadSyxFile(dir / "choir.syx", fromSyx, mixer);
  EXPECT_EQ(syxReport[1].text, "fseq Name: Choir");
  EXPECT_EQ(fromSyx.frames, original.frames);

  FseqDocument fromText;
  const Report textReport = loadTextFile(dir / "choir.txt", fromText);
  EXPECT_EQ(textReport[0].text, "Loading File Name: choir");
  EXPECT_EQ(fromText.frameCount, 256);
  // "1003" lies just above (17, 24) and reads back as the next step up.
  EXPECT_EQ(fromText.frame(3).voiced(1), (FreqPair{17, 25}));
  EXPECT_EQ(fromText.frame(3).voicedLevel(1), 90);
}

TEST(FileOperations, SavingOverAFileReplacesItAndKeepsItsPermissions) {
  TempDir dir;
  test_support::writeText(dir / "seq.syx", "old");
  ASSERT_EQ(::chmod((dir / "seq.syx").c_str(), 0640), 0);
  saveSyxFile(dir / "seq.syx", FseqDocument{}, UploadMixer{});
  EXPECT_EQ(readBytes(dir / "seq.syx").size(), 25643u);
  EXPECT_EQ(std::filesystem::status(dir / "seq.syx").permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
  EXPECT_THAT(folderEntries(dir.path()), ElementsAre("seq.syx"));
}

TEST(FileOperations, AFailedSaveLeavesNoTraceAndKeepsWhatWasThere) {
  TempDir dir;
  // A folder where the file should go cannot be replaced by the new file.
  std::filesystem::create_directory(dir / "taken.txt");
  test_support::writeText(dir / "taken.txt" / "keep", "kept");
  try {
    saveTextFile(dir / "taken.txt", FseqDocument{});
    FAIL() << "saving over a folder succeeded";
  } catch (const FileError& error) {
    EXPECT_EQ(error.file(), dir / "taken.txt");
    EXPECT_FALSE(error.reason().empty());
  }
  EXPECT_EQ(test_support::readText(dir / "taken.txt" / "keep"), "kept");
  EXPECT_THAT(folderEntries(dir.path()), ElementsAre("taken.txt"));

  EXPECT_THROW(saveSyxFile(dir / "missing" / "a.syx", FseqDocument{}, UploadMixer{}), FileError);
}

TEST(FileOperations, UnreadableOrInvalidFilesChangeNothing) {
  TempDir dir;
  test_support::writeText(dir / "bad.txt", std::string(kFrameTextHeader) + "\r\n100 x\r\n");
  test_support::writeText(dir / "tiny.syx", "F0");

  FseqDocument document;
  document.frame(1).voicedLevel(0) = 12;
  UploadMixer mixer;
  const auto expectFailure = [&](auto&& load, const std::filesystem::path& file,
                                 const std::string& reason) {
    try {
      load();
      ADD_FAILURE() << file << " was accepted";
    } catch (const FileError& error) {
      EXPECT_EQ(error.file(), file);
      EXPECT_THAT(error.reason(), HasSubstr(reason));
    }
    EXPECT_EQ(document.frame(1).voicedLevel(0), 12);
    EXPECT_EQ(document.frameCount, 512);
  };
  expectFailure([&] { loadTextFile(dir / "bad.txt", document); }, dir / "bad.txt",
                "line 2: \"x\" is not a number");
  expectFailure([&] { loadTextFile(dir / "none.txt", document); }, dir / "none.txt",
                "No such file or directory");
  expectFailure([&] { loadSyxFile(dir / "tiny.syx", document, mixer); }, dir / "tiny.syx",
                "fewer than the 41 bytes");
  expectFailure([&] { loadSyxFile(dir.path(), document, mixer); }, dir.path(), "directory");
}

}  // namespace
}  // namespace fseq
