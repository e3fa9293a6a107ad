#include "editor/model/frame_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>

#include "editor/model/errors.h"
#include "test_support/files.h"

namespace fseq {
namespace {

using ::testing::HasSubstr;

// Frame text with the given number of data lines; each line's values follow
// from its frame number so shifted or lost frames show.
std::string textWithFrames(int frames) {
  std::string text = std::string(kFrameTextHeader) + "\r\n";
  for (int k = 1; k <= frames; ++k) {
    text += std::to_string(100 + k);
    for (int j = 0; j < 8; ++j) text += "  " + std::to_string(500 * (j + 1));
    for (int j = 0; j < 8; ++j) text += "  " + std::to_string((k + j) % 128);
    for (int j = 0; j < 8; ++j) text += "  " + std::to_string(3000 + 100 * j);
    for (int j = 0; j < 8; ++j) text += "  " + std::to_string((2 * k + j) % 128);
    text += "\r\n";
  }
  return text;
}

std::vector<std::string> textsOf(const Report& report) {
  std::vector<std::string> texts;
  for (const ReportLine& line : report) texts.push_back(line.text);
  return texts;
}

TEST(FrameText, ZeroDocumentIsWrittenAsLowestFrequenciesAndZeroLevels) {
  FseqDocument document;
  document.frameCount = 128;
  const std::vector<std::string> lines = test_support::crlfLines(frameText(document));
  ASSERT_EQ(lines.size(), 129u);
  EXPECT_EQ(lines[0], kFrameTextHeader);
  std::string zeroLine = "0.007";
  for (int i = 0; i < 8; ++i) zeroLine += "  0.007";
  for (int i = 0; i < 8; ++i) zeroLine += "  0";
  for (int i = 0; i < 8; ++i) zeroLine += "  0.007";
  for (int i = 0; i < 8; ++i) zeroLine += "  0";
  for (std::size_t i = 1; i < lines.size(); ++i) ASSERT_EQ(lines[i], zeroLine) << "line " << i + 1;
}

TEST(FrameText, ValuesAreWrittenInColumnOrder) {
  FseqDocument document;
  document.frameCount = 128;
  FseqFrame& frame = document.frame(2);
  frame.setPitch({13, 111});
  frame.setVoiced(0, {17, 24});
  frame.voicedLevel(7) = 99;
  frame.setUnvoiced(7, {5, 0});
  frame.unvoicedLevel(0) = 12;
  const std::vector<std::string> lines = test_support::crlfLines(frameText(document));
  std::istringstream values(lines[2]);
  std::vector<std::string> columns{std::istream_iterator<std::string>(values), {}};
  ASSERT_EQ(columns.size(), 33u);
  EXPECT_EQ(columns[0], "100.4");
  EXPECT_EQ(columns[1], "1003");
  EXPECT_EQ(columns[16], "99");
  EXPECT_EQ(columns[24], "0.215");
  EXPECT_EQ(columns[25], "12");
}

TEST(FrameText, FrameCountAndSettingsFollowTheNumberOfLines) {
  struct Case {
    int lines;
    std::int32_t frameCount;
    std::int32_t loaded;
    std::vector<std::string> tail;  // the report after the line of dots
  };
  const Case cases[] = {
      {300, 256, 300, {"300 Frames Loaded"}},
      {100, 128, 100, {"100 Frames Loaded", "Warning, only 100 Frames were loaded."}},
      {128, 128, 128, {"128 Frames Loaded"}},
      {512, 512, 512, {"512 Frames Loaded"}},
      {600, 512, 512, {"512 Frames Loaded", "Warning, only 512 of 600 Frames were loaded."}},
      {0, 128, 0, {"0 Frames Loaded", "Warning, only 0 Frames were loaded."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    FseqDocument document;
    document.importedFrame = 5;
    document.settings = FseqSettings::afterClearAll();
    document.settings.loopMode = LoopMode::Round;
    const Report report = loadFrameText(textWithFrames(c.lines), "speech.txt", document);

    std::vector<std::string> expected = {"Loading File Name: speech",
                                         std::string(static_cast<std::size_t>(c.loaded), '.')};
    expected.insert(expected.end(), c.tail.begin(), c.tail.end());
    EXPECT_EQ(textsOf(report), expected);
    EXPECT_EQ(document.frameCount, c.frameCount);
    EXPECT_EQ(document.importedFrame, 0);
    FseqSettings settings;
    settings.fseqName = "speech";
    settings.lastValidFrame = c.loaded;
    settings.loopEnd = c.loaded;
    settings.noteAssign = 62;
    EXPECT_EQ(document.settings, settings);
  }
}

TEST(FrameText, LoadedFramesReplaceOnlyTheirOwnSlots) {
  FseqDocument document;
  document.frame(4).voicedLevel(2) = 77;
  loadFrameText(textWithFrames(3), "a.txt", document);
  EXPECT_EQ(document.frame(1).pitch(), FreqSettings(101));
  EXPECT_EQ(document.frame(3).voiced(7), FreqSettings(4000));
  EXPECT_EQ(document.frame(3).voicedLevel(1), 4);
  EXPECT_EQ(document.frame(3).unvoiced(2), FreqSettings(3200));
  EXPECT_EQ(document.frame(3).unvoicedLevel(7), 13);
  EXPECT_EQ(document.frame(4).voicedLevel(2), 77);
}

TEST(FrameText, NumbersMayBeSeparatedAnyWayAndWrittenInAnyNotation) {
  std::string text = "any header\n";
  text += "\t+1.0e2 500 600 700 800 900 1000 1100 1200\r\n";  // a line may stop early
  text += "1 2 3 4 5 6 7 8   3000 3100 3200 3300 3400 3500 3600 3700";
  text += "  0 0 0 0 0 0 0 +9  these words are ignored\n";
  text += "\n\n";
  FseqDocument document;
  const Report report = loadFrameText(text, "x.txt", document);
  EXPECT_THAT(textsOf(report), ::testing::Contains("1 Frames Loaded"));
  EXPECT_EQ(document.frame(1).pitch(), FreqSettings(100));
  EXPECT_EQ(document.frame(1).voicedLevel(0), 1);
  EXPECT_EQ(document.frame(1).unvoiced(7), FreqSettings(3700));
  EXPECT_EQ(document.frame(1).unvoicedLevel(7), 9);
}

TEST(FrameText, AShortLineShiftsTheFramesAfterIt) {
  std::string text = textWithFrames(3);
  // Drop the last value of frame 1: its frame takes frame 2's first value.
  const std::size_t lineEnd = text.find("\r\n", text.find("\r\n") + 2);
  const std::size_t lastValue = text.rfind("  ", lineEnd);
  text.erase(lastValue, lineEnd - lastValue);
  FseqDocument document;
  const Report report = loadFrameText(text, "x.txt", document);
  EXPECT_THAT(textsOf(report), ::testing::Contains("2 Frames Loaded"));
  EXPECT_EQ(document.frame(1).unvoicedLevel(7), 102) << "frame 2's pitch read as a level";
  EXPECT_EQ(document.frame(2).pitch(), FreqSettings(103));
}

TEST(FrameText, AnIncompleteLastFrameIsFilledWithZeros) {
  std::string text = textWithFrames(1) + "250  600  700\r\n";
  FseqDocument document;
  document.frame(2).voicedLevel(0) = 50;
  const Report report = loadFrameText(text, "x.txt", document);
  EXPECT_THAT(textsOf(report),
              ::testing::Contains("Warning: the last frame has only 3 of 33 values; the others "
                                  "were set to 0."));
  EXPECT_EQ(document.frame(2).pitch(), FreqSettings(250));
  EXPECT_EQ(document.frame(2).voiced(2), (FreqPair{0, 0}));
  EXPECT_EQ(document.frame(2).voicedLevel(0), 0);
}

TEST(FrameText, ABadValueNamesItsLineAndChangesNothing) {
  struct Case {
    const char* name;
    int line;
    std::string bad;
    int column;  // 0-based column the bad token replaces
    const char* problem;
  };
  const Case cases[] = {
      {"word for a frequency", 3, "abc", 4, "\"abc\" is not a number"},
      {"comma in a frequency", 2, "12,5", 0, "\"12,5\" is not a number"},
      {"fraction for a level", 4, "12.5", 10, "\"12.5\" is not a whole number"},
      {"infinite frequency", 5, "inf", 20, "\"inf\" is not a number"},
      {"huge level", 3, "99999999999", 30, "is out of range"},
      {"past the 512th frame", 601, "x", 0, "\"x\" is not a number"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines = test_support::crlfLines(textWithFrames(700));
    std::istringstream values(lines[static_cast<std::size_t>(c.line - 1)]);
    std::vector<std::string> columns{std::istream_iterator<std::string>(values), {}};
    columns[static_cast<std::size_t>(c.column)] = c.bad;
    std::string line;
    for (const std::string& column : columns) line += (line.empty() ? "" : "  ") + column;
    lines[static_cast<std::size_t>(c.line - 1)] = line;
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";

    FseqDocument document;
    document.frameCount = 384;
    document.importedFrame = 3;
    document.frame(1).voicedLevel(0) = 42;
    document.settings.noteAssign = 70;
    const FseqDocument before = document;
    try {
      loadFrameText(text, "bad.txt", document);
      FAIL() << "bad value accepted";
    } catch (const FormatError& error) {
      EXPECT_THAT(error.what(), HasSubstr("line " + std::to_string(c.line) + ": "));
      EXPECT_THAT(error.what(), HasSubstr(c.problem));
    }
    EXPECT_EQ(document.frames, before.frames);
    EXPECT_EQ(document.frameCount, 384);
    EXPECT_EQ(document.settings, before.settings);
  }
}

TEST(FrameText, SavedTextLoadsBackWithLevelsExactAndFrequenciesWithinOneFineStep) {
  FseqDocument original;
  original.frameCount = 256;
  for (int k = 1; k <= 256; ++k) {
    FseqFrame& frame = original.frame(k);
    frame.setPitch({10 + k % 8, (k * 5) % 128});
    for (int j = 0; j < kFormantCount; ++j) {
      frame.setVoiced(j, {13 + j, (k * 3 + j) % 128});
      frame.voicedLevel(j) = (k + j) % 128;
      frame.setUnvoiced(j, {16 + j % 6, (k + 17 * j) % 128});
      frame.unvoicedLevel(j) = (k * 7 + j) % 128;
    }
  }
  FseqDocument loaded;
  loadFrameText(frameText(original), "round.txt", loaded);
  ASSERT_EQ(loaded.frameCount, 256);

  const auto fineSteps = [](FreqPair pair) { return pair.coarse * 128 + pair.fine; };
  const auto near = [&](FreqPair written, FreqPair read) {
    const int difference = fineSteps(read) - fineSteps(written);
    return difference >= -1 && difference <= 1;
  };
  for (int k = 1; k <= 256; ++k) {
    const FseqFrame& a = original.frame(k);
    const FseqFrame& b = loaded.frame(k);
    ASSERT_TRUE(near(a.pitch(), b.pitch())) << "frame " << k;
    for (int j = 0; j < kFormantCount; ++j) {
      ASSERT_TRUE(near(a.voiced(j), b.voiced(j))) << "frame " << k << " F" << j + 1;
      ASSERT_TRUE(near(a.unvoiced(j), b.unvoiced(j))) << "frame " << k << " UF" << j + 1;
      ASSERT_EQ(a.voicedLevel(j), b.voicedLevel(j));
      ASSERT_EQ(a.unvoicedLevel(j), b.unvoicedLevel(j));
    }
  }
}

}  // namespace
}  // namespace fseq
