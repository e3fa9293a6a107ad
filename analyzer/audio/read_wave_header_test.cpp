#include "analyzer/audio/read_wave_header.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analyzer/audio/wave_test_files.h"
#include "test_support/files.h"
#include "test_support/temp_dir.h"

namespace tolk {
namespace {

using testing::WaveBytes;

class ReadWaveHeaderTest : public ::testing::Test {
 protected:
  std::filesystem::path write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const auto file = dir_ / name;
    test_support::writeBytes(file, bytes);
    return file;
  }
  WaveResult<WaveHeaderResult> read(const std::filesystem::path& file, WaveReader reader) {
    return readWaveHeader(file, reader, scratch());
  }
  std::filesystem::path scratch() const { return dir_.path(); }

  test_support::TempDir dir_;
};

TEST_F(ReadWaveHeaderTest, SixteenAndTwentyFourBitFilesAreReadAsTheyAre) {
  const auto pcm = write("a.wav", WaveBytes().fmt(1, 2, 48000, 16).data({1, 2, 3, 4}).bytes());
  const auto ext = write("b.wav", WaveBytes().fmt(0xFFFE, 1, 96000, 24).data({1, 2, 3}).bytes());
  for (const auto reader : {WaveReader::ScanFile, WaveReader::AnalyzeFile}) {
    const auto a = read(pcm, reader);
    ASSERT_TRUE(a.ok());
    EXPECT_EQ(a.value().soundFile, pcm);
    EXPECT_EQ(a.value().info.sourceBits, 16);
    const auto b = read(ext, reader);
    ASSERT_TRUE(b.ok());
    EXPECT_EQ(b.value().info.bitsPerSample, 24);
    EXPECT_EQ(b.value().info.dataBytes, 3u);
  }
}

struct RefusalCase {
  std::string name;
  std::vector<std::uint8_t> bytes;
  std::string scanFileMessage;
  std::string analyzeFileMessage;  // empty: accepted
};

TEST_F(ReadWaveHeaderTest, EachReaderRefusesWithItsOwnMessage) {
  const std::string unsupported = "Unsupported wave file format";
  const std::string notPcm = "File is not PCM Wave Format";
  auto noFmt = WaveBytes().chunk("junk", std::vector<std::uint8_t>(8200)).fmt(1, 1, 8000, 16);
  const std::vector<RefusalCase> cases = {
      {"no fmt", noFmt.data({0, 0}).bytes(), notPcm, unsupported},
      {"walk", WaveBytes().fmt(1, 1, 8000, 16).bytes(), notPcm, unsupported},
      {"tag 2", WaveBytes().fmt(2, 1, 8000, 16).data({0, 0}).bytes(), unsupported, unsupported},
      {"192 kHz", WaveBytes().fmt(1, 1, 192000, 16).data({0, 0}).bytes(),
       "Sampling rate greater than 96 kHz. Use 'Analyze File' instead.", ""},
      {"3 channels", WaveBytes().fmt(1, 3, 8000, 16).data({0, 0}).bytes(), unsupported,
       unsupported},
      {"0 channels", WaveBytes().fmt(1, 0, 8000, 16).data({0, 0}).bytes(), unsupported,
       unsupported},
      {"0 Hz", WaveBytes().fmt(1, 1, 0, 16).data({0, 0}).bytes(), unsupported, unsupported},
      {"32-bit integer", WaveBytes().fmt(1, 1, 8000, 32).data({0, 0, 0, 0}).bytes(), unsupported,
       unsupported},
      {"12-bit", WaveBytes().fmt(1, 1, 8000, 12).data({0, 0}).bytes(), unsupported, unsupported},
      {"64-bit float", WaveBytes().fmt(3, 1, 8000, 64).data(std::vector<std::uint8_t>(8)).bytes(),
       unsupported, unsupported},
      {"16-bit float", WaveBytes().fmt(3, 1, 8000, 16).data({0, 0}).bytes(), unsupported,
       unsupported},
  };
  for (const RefusalCase& c : cases) {
    const auto file = write("case.wav", c.bytes);
    const auto scan = read(file, WaveReader::ScanFile);
    ASSERT_FALSE(scan.ok()) << c.name;
    EXPECT_EQ(scan.error(), (WaveError{c.scanFileMessage, "Veltrix"})) << c.name;
    const auto analyze = read(file, WaveReader::AnalyzeFile);
    if (c.analyzeFileMessage.empty()) {
      EXPECT_TRUE(analyze.ok()) << c.name;
    } else {
      ASSERT_FALSE(analyze.ok()) << c.name;
      EXPECT_EQ(analyze.error().message, c.analyzeFileMessage) << c.name;
    }
  }
}

TEST_F(ReadWaveHeaderTest, AMissingFileCannotBeOpened) {
  const auto missing = scratch() / "missing.wav";
  EXPECT_EQ(read(missing, WaveReader::ScanFile).error(), (WaveError{"Cannot Open File"}));
  EXPECT_EQ(read(missing, WaveReader::AnalyzeFile).error(), (WaveError{"Cannot Open File"}));
  EXPECT_EQ(read(missing, WaveReader::CalibrationTone).error(),
            (WaveError{"Recording Not Available", "ZORE-Z"}));
}

TEST_F(ReadWaveHeaderTest, TheCalibrationToneOnlyNeedsItsChunks) {
  const auto noFmt = write("n.wav", std::vector<std::uint8_t>(100, 'x'));
  EXPECT_EQ(read(noFmt, WaveReader::CalibrationTone).error(),
            (WaveError{"File may not be PCM Wave Format", "ZORE-Z"}));
  const auto walk = write("w.wav", WaveBytes().fmt(1, 1, 8000, 16).bytes());
  EXPECT_EQ(read(walk, WaveReader::CalibrationTone).error().message,
            "File may not be PCM Wave Format");
  const auto odd = write("o.wav", WaveBytes().fmt(2, 4, 192000, 32).data({0, 0}).bytes());
  const auto tone = read(odd, WaveReader::CalibrationTone);
  ASSERT_TRUE(tone.ok());
  EXPECT_EQ(tone.value().info.channels, 4);
  EXPECT_EQ(tone.value().soundFile, odd);
}

TEST_F(ReadWaveHeaderTest, EightBitFilesAreConvertedToSixteenBitModWav) {
  std::vector<std::uint8_t> samples(1000, 100);
  samples[0] = 128;
  samples[1] = 0;
  samples[2] = 255;
  const auto file = write("eight.wav", WaveBytes().fmt(1, 1, 22050, 8).data(samples).bytes());
  const auto result = read(file, WaveReader::ScanFile);
  ASSERT_TRUE(result.ok());
  const WaveHeaderResult& header = result.value();
  EXPECT_EQ(header.soundFile, scratch() / "mod.wav");
  EXPECT_EQ(header.info.sourceBits, 8);
  EXPECT_EQ(header.info.bitsPerSample, 16);
  EXPECT_EQ(header.info.formatTag, 0xFFFE);
  EXPECT_EQ(header.info.sampleRateHz, 22050u);
  EXPECT_EQ(header.info.dataBytes, 2000u);
  const auto mod = test_support::readBytes(header.soundFile);
  ASSERT_EQ(mod.size(), 68u + 2000);
  EXPECT_EQ(std::int16_t(testing::u16At(mod, 68)), 0);
  EXPECT_EQ(std::int16_t(testing::u16At(mod, 70)), -32768);
  EXPECT_EQ(std::int16_t(testing::u16At(mod, 72)), 32512);
  EXPECT_EQ(std::int16_t(testing::u16At(mod, 74)), (100 - 128) * 256);
  EXPECT_EQ(testing::u16At(mod, 38), 16);  // valid bits
  EXPECT_FALSE(std::filesystem::exists(scratch() / "mod.wav.part"));
}

TEST_F(ReadWaveHeaderTest, FloatFilesAreConvertedToTwentyFourBitModWavWithClipping) {
  std::vector<float> values(1000, 0.25f);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const std::vector<float> special = {0.5f, -0.5f, 1.0f, -1.0f, 3.0f, -7.0f, nan, 1e-9f};
  std::copy(special.begin(), special.end(), values.begin());
  const auto file = write(
      "float.wav", WaveBytes().fmt(3, 2, 48000, 32).data(testing::floatSamples(values)).bytes());
  const auto result = read(file, WaveReader::AnalyzeFile);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.value().info.sourceBits, 32);
  EXPECT_EQ(result.value().info.bitsPerSample, 24);
  EXPECT_EQ(result.value().info.channels, 2);
  EXPECT_EQ(result.value().info.dataBytes, 3000u);
  const auto mod = test_support::readBytes(result.value().soundFile);
  ASSERT_EQ(mod.size(), 68u + 3000);
  EXPECT_EQ(testing::u16At(mod, 32), 6);  // block align
  const int expected[] = {4194304, -4194304, 8388607, -8388608, 8388607, -8388608, 0, 0};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(testing::s24At(mod, 68 + 3 * i), expected[i]) << i;
  EXPECT_EQ(testing::s24At(mod, 68 + 3 * 999), 2097152);
}

TEST_F(ReadWaveHeaderTest, AConversionThatCannotWriteModWavCannotReadTheFile) {
  const auto file = write("eight.wav", WaveBytes().fmt(1, 1, 8000, 8).data({1, 2}).bytes());
  const auto result = readWaveHeader(file, WaveReader::ScanFile, scratch() / "no such folder");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error().message, "Cannot Read Wave File");
}

}  // namespace
}  // namespace tolk
