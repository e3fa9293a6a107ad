#include "editor/model/sysex_codec.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "editor/model/errors.h"

namespace fseq {
namespace {

using ::testing::HasSubstr;

std::vector<std::uint8_t> dumpOf(const FseqDocument& document, const UploadMixer& mixer = {}) {
  Report report;
  return LoadBuffers(document, mixer, report).bytes();
}

std::vector<std::string> textsOf(const Report& report) {
  std::vector<std::string> texts;
  for (const ReportLine& line : report) texts.push_back(line.text);
  return texts;
}

bool hasWarning(const Report& report, const std::string& part) {
  for (const ReportLine& line : report) {
    if (line.text.starts_with("Warning: ") && line.text.find(part) != std::string::npos) {
      return true;
    }
  }
  return false;
}

// A sequence with something different in every field, so a lost or swapped
// value shows up in a round trip.
FseqDocument sampleDocument(std::int32_t frameCount) {
  FseqDocument document;
  document.frameCount = frameCount;
  document.settings.fseqName = "Vowels";
  document.settings.loopStart = 17;
  document.settings.loopEnd = 300;
  document.settings.loopMode = LoopMode::Round;
  document.settings.speedAdjust = 99;
  document.settings.levelSensitivity = 5;
  document.settings.pitchMode = PitchMode::Fixed;
  document.settings.noteAssign = 72;
  document.settings.pitchTuning = -20;
  document.settings.startDelay = 33;
  document.settings.lastValidFrame = 250;
  for (int k = 1; k <= frameCount; ++k) {
    FseqFrame& frame = document.frame(k);
    frame.setPitch({12 + k % 3, (k * 7) % 128});
    for (int j = 0; j < kFormantCount; ++j) {
      frame.setVoiced(j, {14 + j % 6, (k + 13 * j) % 128});
      frame.voicedLevel(j) = (k + 11 * j) % 128;
      frame.setUnvoiced(j, {17 + j % 4, (3 * k + j) % 128});
      frame.unvoicedLevel(j) = (2 * k + 5 * j) % 128;
    }
  }
  return document;
}

TEST(SysexCodec, DefaultDocumentDumpsAsTheFullSizeMessage) {
  const FseqDocument document;
  Report report;
  const std::vector<std::uint8_t> bytes = LoadBuffers(document, {}, report).bytes();

  ASSERT_EQ(bytes.size(), 25643u);
  const std::vector<std::uint8_t> header(bytes.begin(), bytes.begin() + 41);
  const std::vector<std::uint8_t> expectedHeader = {
      0xF0, 0x43, 0x00, 0x5E, 0x10, 0x64, 0x60, 0x00, 0x00,  // start, address
      'f',  's',  'e',  'q',  ' ',  'N',  'a',  'm',         // first 8 characters of the name
      0,    0,    0,    0,    0,    0,    0,    0,           // reserved
      0x00, 0x00, 0x04, 0x00,                                // loop 0 … 512
      0,    0,    0,    0,    60,   63,   0,                 // mode … start delay
      0x03, 0x00, 0x00, 0x04, 0x00};                         // 512 frames, last valid 512
  EXPECT_EQ(header, expectedHeader);

  const std::vector<std::uint8_t> frame(bytes.begin() + 41, bytes.begin() + 91);
  std::vector<std::uint8_t> zeroFrame = {0x29, 0x00};
  zeroFrame.insert(zeroFrame.end(), 8, 0x29);
  zeroFrame.insert(zeroFrame.end(), 8, 0x00);
  zeroFrame.insert(zeroFrame.end(), 8, 0x7F);
  zeroFrame.insert(zeroFrame.end(), 8, 0x29);
  zeroFrame.insert(zeroFrame.end(), 8, 0x00);
  zeroFrame.insert(zeroFrame.end(), 8, 0x7F);
  EXPECT_EQ(frame, zeroFrame);

  // 1093 from the header plus 512 × 2729 from the frames leaves 69 modulo 128.
  EXPECT_EQ(bytes[25641], 0x3B);
  EXPECT_EQ(bytes[25642], 0xF7);
  EXPECT_THAT(textsOf(report), ::testing::ElementsAre(" ", "New CheckSum= 3B hex"));
}

TEST(SysexCodec, SettingsAreWrittenAsHighAndLowBytes) {
  FseqDocument document;
  document.settings.loopEnd = 300;
  document.settings.pitchTuning = -63;
  document.settings.lastValidFrame = 512;
  document.frameCount = 128;
  const std::vector<std::uint8_t> bytes = dumpOf(document);
  ASSERT_EQ(bytes.size(), 6443u);
  EXPECT_EQ(bytes[27], 0x02);
  EXPECT_EQ(bytes[28], 0x2C);
  EXPECT_EQ(bytes[34], 0x00);
  EXPECT_EQ(bytes[36], 0x00);
  EXPECT_EQ(bytes[39], 0x04);
  EXPECT_EQ(bytes[40], 0x00);
}

TEST(SysexCodec, FrameCountCodes) {
  const std::pair<std::int32_t, std::uint8_t> cases[] = {{128, 0}, {256, 1}, {384, 2}, {512, 3}};
  for (const auto& [frames, code] : cases) {
    FseqDocument document;
    document.frameCount = frames;
    const std::vector<std::uint8_t> bytes = dumpOf(document);
    EXPECT_EQ(bytes.size(), 43u + 50u * static_cast<std::size_t>(frames));
    EXPECT_EQ(bytes[36], code);
  }
}

TEST(SysexCodec, MixerScalesLevelsWithTiesToEvenAndClamps) {
  struct Case {
    std::int32_t level;
    std::int32_t voicedPercent;
    std::int32_t unvoicedPercent;
    std::uint8_t voicedByte;
    std::uint8_t unvoicedByte;
  };
  const Case cases[] = {
      {100, 50, 100, 77, 27},                             // 127 − 50 = 4D
      {100, 100, 150, 27, 0},                             // 127 − 150 is clamped to 0
      {5, 50, 50, 125, 125},                              // 2.5 rounds to 2
      {7, 50, 50, 123, 123},                              // 3.5 rounds to 4
      {127, 100, 100, 0, 0},  {-10, 100, 100, 127, 127},  // a level below 0 cannot pass silence
  };
  for (const Case& c : cases) {
    FseqDocument document;
    document.frame(1).voicedLevel(0) = c.level;
    document.frame(1).unvoicedLevel(0) = c.level;
    UploadMixer mixer;
    mixer.voicedPercent[0] = c.voicedPercent;
    mixer.unvoicedPercent = c.unvoicedPercent;
    const std::vector<std::uint8_t> bytes = dumpOf(document, mixer);
    EXPECT_EQ(bytes[41 + 18], c.voicedByte) << c.level << " at " << c.voicedPercent;
    EXPECT_EQ(bytes[41 + 42], c.unvoicedByte) << c.level << " at " << c.unvoicedPercent;
  }
}

TEST(SysexCodec, ChecksumMakesTheSumAMultipleOf128) {
  std::vector<std::uint8_t> header(41, 0);
  EXPECT_EQ(dumpChecksum(header, {}), 0x00);
  header[4] = 0x7F;
  header[5] = 0x01;  // sum 128
  EXPECT_EQ(dumpChecksum(header, {}), 0x00);
  header[0] = 0x55;  // bytes before offset 4 do not count
  const std::vector<std::uint8_t> frames = {0x05};
  EXPECT_EQ(dumpChecksum(header, frames), 0x7B);
}

TEST(SysexCodec, NameIsCutToEightCharactersAndKeptToDataBytes) {
  const std::pair<std::string, std::string> cases[] = {
      {"fseq Name", "fseq Nam"}, {"ah", "ah"}, {"Caf\xC3\xA9 ola", "Caf? ola"}, {"", ""}};
  for (const auto& [typed, stored] : cases) {
    FseqDocument document;
    document.settings.fseqName = typed;
    const std::vector<std::uint8_t> bytes = dumpOf(document);
    std::string name(bytes.begin() + 9, bytes.begin() + 17);
    EXPECT_EQ(name, stored + std::string(8 - stored.size(), '\0')) << typed;
    FseqDocument loaded;
    UploadMixer mixer;
    loadDump(bytes, loaded, mixer);
    EXPECT_EQ(loaded.settings.fseqName, stored);
  }
}

TEST(SysexCodec, WrittenDumpComesBackByteForByte) {
  for (std::int32_t frames : {128, 384, 512}) {
    const FseqDocument original = sampleDocument(frames);
    const std::vector<std::uint8_t> bytes = dumpOf(original);

    FseqDocument loaded;
    UploadMixer mixer;
    mixer.voicedPercent[3] = 20;
    loadDump(bytes, loaded, mixer);

    EXPECT_EQ(loaded.frameCount, frames);
    EXPECT_EQ(loaded.settings, original.settings);
    EXPECT_EQ(loaded.frames, original.frames);
    EXPECT_EQ(mixer, UploadMixer{});
    EXPECT_EQ(dumpOf(loaded), bytes);
  }
}

TEST(SysexCodec, LoadReportsHeaderCountsAndColouredFrames) {
  FseqDocument document = sampleDocument(128);
  const std::vector<std::uint8_t> bytes = dumpOf(document);
  FseqDocument loaded;
  loaded.currentFrame = 40;
  loaded.importedFrame = 7;
  UploadMixer mixer;
  const Report report = loadDump(bytes, loaded, mixer);

  ASSERT_EQ(report.size(), 6u + 2 * 128 + 1);
  EXPECT_THAT(report[0].text, ::testing::StartsWith("fseq Header: F0 43 00 5E 10 64 60 00 00 56 "));
  EXPECT_EQ(report[0].text.size(), std::string("fseq Header: ").size() + 41 * 3);
  EXPECT_EQ(report[1].text, "fseq Name: Vowels");
  EXPECT_EQ(report[2].text, "fseq Frames: 128");
  EXPECT_EQ(report[3].text, "---------------------");
  EXPECT_EQ(report[4].text, "Bytes Read: 6402");
  char stored[8];
  std::snprintf(stored, sizeof stored, "%02X", bytes[41 + 6400]);
  EXPECT_EQ(report[5].text, std::string("CheckSum= ") + stored + " hex");

  // Frame 1: pitch red, voiced high bytes black, low bytes blue, levels green.
  const ReportLine& voiced = report[6];
  EXPECT_EQ(voiced.text.size(), 26u * 3);
  EXPECT_EQ(voiced.text.substr(0, 6), "5D 1C ");  // pitch (13, 7)
  EXPECT_THAT(voiced.spans, ::testing::ElementsAre(ColorSpan{0, 6, ReportColor::Red},
                                                   ColorSpan{30, 24, ReportColor::Blue},
                                                   ColorSpan{54, 24, ReportColor::Green}));
  const ReportLine& unvoiced = report[7];
  EXPECT_EQ(unvoiced.text.size(), 24u * 3);
  EXPECT_THAT(unvoiced.spans, ::testing::ElementsAre(ColorSpan{24, 24, ReportColor::Blue},
                                                     ColorSpan{48, 24, ReportColor::Green}));
  EXPECT_EQ(report.back().text, std::string(stored) + " F7 ");
  EXPECT_TRUE(report.back().spans.empty());

  EXPECT_EQ(loaded.currentFrame, 1);
  EXPECT_EQ(loaded.importedFrame, 0);
}

TEST(SysexCodec, SettingsOutsideTheControlRangesAreClamped) {
  std::vector<std::uint8_t> bytes = dumpOf(FseqDocument{});
  bytes[25] = 0x04;  // loop start 600
  bytes[26] = 0x58;
  bytes[31] = 9;     // level sensitivity
  bytes[34] = 127;   // pitch tuning 64
  bytes[35] = 120;   // start delay
  bytes[39] = 0x7F;  // last valid frame 16383
  FseqDocument loaded;
  UploadMixer mixer;
  loadDump(bytes, loaded, mixer);
  EXPECT_EQ(loaded.settings.loopStart, 512);
  EXPECT_EQ(loaded.settings.levelSensitivity, 7);
  EXPECT_EQ(loaded.settings.pitchTuning, 63);
  EXPECT_EQ(loaded.settings.startDelay, 99);
  EXPECT_EQ(loaded.settings.lastValidFrame, 512);
}

TEST(SysexCodec, DamagedDumpsAreReadWithAWarning) {
  const std::vector<std::uint8_t> good = dumpOf(sampleDocument(128));
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::string warning;
    std::int32_t frameCount;
    int framesRead;
  };
  const auto changed = [&good](std::size_t offset, std::uint8_t value) {
    std::vector<std::uint8_t> bytes = good;
    bytes[offset] = value;
    return bytes;
  };
  std::vector<std::uint8_t> trailing = good;
  trailing.insert(trailing.end(), {0xF0, 0x43, 0x00});
  std::vector<std::uint8_t> bigCode = dumpOf(sampleDocument(512));
  bigCode[36] = 9;
  const std::vector<std::uint8_t> shortFile(good.begin(), good.begin() + 41 + 50 * 100 + 20);
  const std::vector<std::uint8_t> noChecksum(good.begin(), good.begin() + 41 + 50 * 128);

  const Case cases[] = {
      {"foreign start", changed(1, 0x41), "does not begin with F0 43 xx 5E", 128, 128},
      {"wrong checksum", changed(41 + 6400, 0x00), "differs from the computed", 128, 128},
      {"missing F7", changed(41 + 6401, 0x00), "does not end with F7 (found 00 hex)", 128, 128},
      {"trailing bytes", trailing, "3 bytes after the end of the message were ignored", 128, 128},
      {"frame count code", bigCode, "frame count code 9 is not 0 to 3", 512, 512},
      {"short file", shortFile, "only 100 of the 128 frames", 128, 100},
      {"no checksum", noChecksum, "ends before the checksum and F7", 128, 128},
  };
  const FseqDocument expected = sampleDocument(512);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FseqDocument loaded = sampleDocument(512);
    UploadMixer mixer;
    const Report report = loadDump(c.bytes, loaded, mixer);
    EXPECT_TRUE(hasWarning(report, c.warning));
    EXPECT_EQ(loaded.frameCount, c.frameCount);
    EXPECT_THAT(textsOf(report),
                ::testing::Contains("fseq Frames: " + std::to_string(c.frameCount)));
    for (int k = 1; k <= c.frameCount; ++k) {
      if (k > c.framesRead) {
        ASSERT_EQ(loaded.frame(k), FseqFrame{}) << "frame " << k;
      }
    }
    if (c.frameCount == 128) {
      EXPECT_EQ(loaded.frame(200), expected.frame(200)) << "frames past the count are kept";
    }
  }
}

TEST(SysexCodec, AnUndamagedDumpHasNoWarnings) {
  FseqDocument loaded;
  UploadMixer mixer;
  const Report report = loadDump(dumpOf(sampleDocument(256)), loaded, mixer);
  for (const ReportLine& line : report) EXPECT_FALSE(line.text.starts_with("Warning"));
}

TEST(SysexCodec, ContentShorterThanAHeaderIsRefusedAndChangesNothing) {
  FseqDocument document = sampleDocument(256);
  document.currentFrame = 9;
  UploadMixer mixer;
  mixer.unvoicedPercent = 120;
  const FseqDocument before = document;
  const std::vector<std::uint8_t> bytes(40, 0xF0);
  try {
    loadDump(bytes, document, mixer);
    FAIL() << "a 40-byte file was accepted";
  } catch (const FormatError& error) {
    EXPECT_THAT(error.what(), HasSubstr("40 bytes"));
  }
  EXPECT_EQ(document.frames, before.frames);
  EXPECT_EQ(document.settings, before.settings);
  EXPECT_EQ(document.currentFrame, 9);
  EXPECT_EQ(mixer.unvoicedPercent, 120);
}

}  // namespace
}  // namespace fseq
