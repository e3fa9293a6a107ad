#include <gtest/gtest.h>

#include "analyzer/audio/read_wave_header.h"
#include "analyzer/audio/recording_file.h"
#include "analyzer/audio/save_wave.h"
#include "analyzer/audio/wave_file_writer.h"
#include "analyzer/audio/wave_headers.h"
#include "analyzer/audio/wave_test_files.h"
#include "test_support/files.h"
#include "test_support/temp_dir.h"

namespace tolk {
namespace {

using testing::u16At;
using testing::u32At;

TEST(WaveHeadersTest, ExtensibleHeaderLayout) {
  ExtensibleWaveHeader header;
  header.channels = 2;
  header.sampleRateHz = 44100;
  header.bitsPerSample = 24;
  header.validBitsPerSample = 24;
  header.dataBytes = 600;
  const auto b = header.bytes();
  const std::vector<std::uint8_t> bytes(b.begin(), b.end());
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
  EXPECT_EQ(u32At(bytes, 4), 660u);
  EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 16), "WAVEfmt ");
  EXPECT_EQ(u32At(bytes, 16), 40u);
  EXPECT_EQ(u16At(bytes, 20), 0xFFFE);
  EXPECT_EQ(u16At(bytes, 22), 2);
  EXPECT_EQ(u32At(bytes, 24), 44100u);
  EXPECT_EQ(u32At(bytes, 28), 44100u * 6);
  EXPECT_EQ(u16At(bytes, 32), 6);
  EXPECT_EQ(u16At(bytes, 34), 24);
  EXPECT_EQ(u16At(bytes, 36), 22);
  EXPECT_EQ(u16At(bytes, 38), 24);
  EXPECT_EQ(u32At(bytes, 40), 3u);
  const std::vector<std::uint8_t> pcmGuid = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                             0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 44, bytes.begin() + 60), pcmGuid);
  EXPECT_EQ(std::string(bytes.begin() + 60, bytes.begin() + 64), "data");
  EXPECT_EQ(u32At(bytes, 64), 600u);

  header.channels = 1;
  header.sizesPending = true;
  const auto pending = header.bytes();
  const std::vector<std::uint8_t> p(pending.begin(), pending.end());
  EXPECT_EQ(u32At(p, 40), 4u);  // channel mask of one channel
  EXPECT_EQ(u32At(p, 4), 0u);
  EXPECT_EQ(u32At(p, 64), 0u);
}

TEST(WaveHeadersTest, PlainHeaderLayout) {
  PlainWaveHeader header;
  header.channels = 1;
  header.sampleRateHz = 22050;
  header.bitsPerSample = 16;
  header.dataBytes = 100;
  const auto b = header.bytes();
  const std::vector<std::uint8_t> bytes(b.begin(), b.end());
  ASSERT_EQ(bytes.size(), 46u);
  EXPECT_EQ(u32At(bytes, 4), 138u);
  EXPECT_EQ(u32At(bytes, 16), 18u);
  EXPECT_EQ(u16At(bytes, 20), 1);
  EXPECT_EQ(u16At(bytes, 22), 1);
  EXPECT_EQ(u32At(bytes, 24), 22050u);
  EXPECT_EQ(u32At(bytes, 28), 44100u);
  EXPECT_EQ(u16At(bytes, 32), 2);
  EXPECT_EQ(u16At(bytes, 34), 16);
  EXPECT_EQ(u16At(bytes, 36), 0);
  EXPECT_EQ(std::string(bytes.begin() + 38, bytes.begin() + 42), "data");
  EXPECT_EQ(u32At(bytes, 42), 100u);
}

TEST(RecordingFileTest, SizesStayZeroUntilTheCaptureStops) {
  test_support::TempDir dir;
  const auto target = dir / "take.wav";
  auto recording = RecordingFile::start(target, 2, 48000, 16);
  ASSERT_TRUE(recording.ok());
  ASSERT_TRUE(recording.value().append(std::vector<std::uint8_t>(400, 7)));
  ASSERT_TRUE(recording.value().append(std::vector<std::uint8_t>(40, 8)));
  EXPECT_EQ(recording.value().recordedBytes(), 440u);

  // Until then the file is the temporary one, with zero sizes and valid bits.
  const auto partial = test_support::readBytes(WaveFileWriter::temporaryPathFor(target));
  EXPECT_EQ(u32At(partial, 4), 0u);
  EXPECT_EQ(u32At(partial, 64), 0u);
  EXPECT_EQ(u16At(partial, 38), 0);
  EXPECT_FALSE(std::filesystem::exists(target));

  ASSERT_FALSE(recording.value().finish());
  const auto done = test_support::readBytes(target);
  ASSERT_EQ(done.size(), 68u + 440);
  EXPECT_EQ(u32At(done, 4), 500u);
  EXPECT_EQ(u32At(done, 64), 440u);
  EXPECT_EQ(u16At(done, 38), 0);
  EXPECT_EQ(done[68 + 439], 8);
  EXPECT_FALSE(std::filesystem::exists(WaveFileWriter::temporaryPathFor(target)));
  const auto reread = readWaveHeader(target, WaveReader::ScanFile, dir.path());
  ASSERT_TRUE(reread.ok());
  EXPECT_EQ(reread.value().info.dataBytes, 440u);
}

TEST(WaveFileWriterTest, AnAbandonedWriteLeavesThePreviousFileAlone) {
  test_support::TempDir dir;
  const auto target = dir / "keep.wav";
  test_support::writeBytes(target, {1, 2, 3});
  {
    auto writer = WaveFileWriter::create(target, std::vector<std::uint8_t>(68));
    ASSERT_TRUE(writer.ok());
    ASSERT_TRUE(writer.value().append(std::vector<std::uint8_t>(10)));
  }
  EXPECT_EQ(test_support::readBytes(target), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_FALSE(std::filesystem::exists(WaveFileWriter::temporaryPathFor(target)));

  const auto nowhere = WaveFileWriter::create(dir / "missing" / "x.wav", {});
  ASSERT_FALSE(nowhere.ok());
  EXPECT_EQ(nowhere.error().message, "Cannot Open File");
}

TEST(SaveWaveTest, AnalysedSoundUpTo48000HzGetsAPlainHeader) {
  test_support::TempDir dir;
  ExtensibleWaveHeader held;
  held.channels = 1;
  held.sampleRateHz = 48000;
  held.bitsPerSample = 16;
  const std::vector<std::uint8_t> samples(101, 5);
  ASSERT_FALSE(saveAnalysedWave(dir / "s.wav", held, samples, 1));
  const auto file = test_support::readBytes(dir / "s.wav");
  ASSERT_EQ(file.size(), 46u + 101);
  EXPECT_EQ(u32At(file, 16), 18u);
  EXPECT_EQ(u32At(file, 42), 101u);
  EXPECT_EQ(file.back(), 5);
}

TEST(SaveWaveTest, FasterSoundKeepsTheHeldHeaderScaledAndWholeFrames) {
  test_support::TempDir dir;
  ExtensibleWaveHeader held;
  held.channels = 2;
  held.sampleRateHz = 96000;
  held.bitsPerSample = 24;
  held.validBitsPerSample = 24;
  const std::vector<std::uint8_t> samples(100, 9);  // 16 frames of 6 bytes and 4 more
  ASSERT_FALSE(saveAnalysedWave(dir / "u.wav", held, samples, 2));
  const auto file = test_support::readBytes(dir / "u.wav");
  ASSERT_EQ(file.size(), 68u + 96);
  EXPECT_EQ(u32At(file, 4), 156u);
  EXPECT_EQ(u32At(file, 24), 192000u);
  EXPECT_EQ(u32At(file, 28), 192000u * 6);
  EXPECT_EQ(u32At(file, 64), 96u);
}

TEST(SaveWaveTest, ACaptureIsCopiedOverTheChosenFile) {
  test_support::TempDir dir;
  ExtensibleWaveHeader header;
  const std::vector<std::uint8_t> samples = {1, 0, 2, 0};
  header.dataBytes = 4;
  ASSERT_FALSE(writeWaveFile(dir / "temp.wav", header, samples));
  test_support::writeBytes(dir / "chosen.wav", {42});
  ASSERT_FALSE(saveCapturedWave(dir / "temp.wav", dir / "chosen.wav"));
  EXPECT_EQ(test_support::readBytes(dir / "chosen.wav"), test_support::readBytes(dir / "temp.wav"));
  EXPECT_EQ(test_support::readBytes(dir / "chosen.wav").size(), 72u);
  EXPECT_EQ(saveCapturedWave(dir / "gone.wav", dir / "x.wav"), WaveError{"Cannot Open File"});
  EXPECT_EQ(saveAnalysedWave(dir / "no" / "x.wav", header, samples, 1),
            WaveError{"Cannot Open File"});
}

}  // namespace
}  // namespace tolk
