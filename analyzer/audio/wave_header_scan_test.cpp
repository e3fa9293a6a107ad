#include "analyzer/audio/wave_header_scan.h"

#include <gtest/gtest.h>

#include "analyzer/audio/wave_test_files.h"

namespace tolk {
namespace {

using testing::WaveBytes;

std::variant<WaveFileInfo, WaveHeaderScanFailure> scan(const std::vector<std::uint8_t>& file) {
  return scanWaveHeader(file, file.size());
}

WaveFileInfo scanOk(const std::vector<std::uint8_t>& file) {
  const auto result = scan(file);
  EXPECT_TRUE(std::holds_alternative<WaveFileInfo>(result));
  return std::holds_alternative<WaveFileInfo>(result) ? std::get<WaveFileInfo>(result)
                                                      : WaveFileInfo{};
}

WaveHeaderScanFailure scanFailure(const std::vector<std::uint8_t>& file) {
  const auto result = scan(file);
  EXPECT_TRUE(std::holds_alternative<WaveHeaderScanFailure>(result));
  return std::holds_alternative<WaveHeaderScanFailure>(result)
             ? std::get<WaveHeaderScanFailure>(result)
             : WaveHeaderScanFailure::NoFmtChunk;
}

TEST(WaveHeaderScanTest, ReadsTheFormatAndFindsTheData) {
  const auto file = WaveBytes().fmt(1, 2, 44100, 16).data(std::vector<std::uint8_t>(400)).bytes();
  const WaveFileInfo info = scanOk(file);
  EXPECT_EQ(info.formatTag, 1);
  EXPECT_EQ(info.channels, 2);
  EXPECT_EQ(info.sampleRateHz, 44100u);
  EXPECT_EQ(info.bitsPerSample, 16);
  EXPECT_EQ(info.sourceBits, 16);
  EXPECT_EQ(info.dataOffset, 44u);
  EXPECT_EQ(info.dataBytes, 400u);
  EXPECT_EQ(info.fileBytes, file.size());
}

TEST(WaveHeaderScanTest, ChunkIdsAreFoundInAnyCaseWithoutRiffMarks) {
  const auto mixed = WaveBytes().fmt(1, 1, 8000, 16, "FmT ").data({1, 2}, "DaTa").bytes();
  EXPECT_EQ(scanOk(mixed).dataBytes, 2u);
  // No RIFF or WAVE marks in front: the search starts anywhere.
  auto headless = WaveBytes().fmt(1, 1, 8000, 16).data({1, 2, 3, 4}).bytes();
  headless.erase(headless.begin(), headless.begin() + 12);
  headless.insert(headless.begin(), {'j', 'u', 'n', 'k', '!'});
  EXPECT_EQ(scanOk(headless).dataOffset, 5u + 24 + 8);
}

TEST(WaveHeaderScanTest, OddLengthChunksAreSteppedOverByTheirStoredSize) {
  const auto file = WaveBytes()
                        .fmt(1, 1, 8000, 16)
                        .chunk("LIST", {'a', 'b', 'c'})
                        .data({9, 9, 9, 9, 9, 9})
                        .bytes();
  const WaveFileInfo info = scanOk(file);
  EXPECT_EQ(info.dataOffset, 12u + 24 + 11 + 8);
  EXPECT_EQ(info.dataBytes, 6u);
}

TEST(WaveHeaderScanTest, AFmtChunkAfterTheFirst8192BytesIsNotFound) {
  const auto file = WaveBytes()
                        .chunk("junk", std::vector<std::uint8_t>(8200))
                        .fmt(1, 1, 8000, 16)
                        .data({0, 0})
                        .bytes();
  EXPECT_EQ(scanFailure(file), WaveHeaderScanFailure::NoFmtChunk);
  EXPECT_EQ(scanFailure({}), WaveHeaderScanFailure::NoFmtChunk);
}

TEST(WaveHeaderScanTest, AChunkWalkThatLeavesTheSearchedBytesIsRefused) {
  // "data" would start at byte 8184.
  const auto late = WaveBytes()
                        .fmt(1, 1, 8000, 16)
                        .chunk("pad ", std::vector<std::uint8_t>(8184 - 36 - 8))
                        .data({0, 0})
                        .bytes();
  EXPECT_EQ(scanFailure(late), WaveHeaderScanFailure::WalkLeftHeader);
  // The same file one byte shorter before "data" is accepted.
  const auto inTime = WaveBytes()
                          .fmt(1, 1, 8000, 16)
                          .chunk("pad ", std::vector<std::uint8_t>(8183 - 36 - 8))
                          .data({0, 0})
                          .bytes();
  EXPECT_EQ(scanOk(inTime).dataOffset, 8191u);
  // A size that points far away, and a walk that never meets "data".
  const auto huge = WaveBytes().fmt(1, 1, 8000, 16).chunkWithSize("big ", 0xFFFFFFF0u, {1}).bytes();
  EXPECT_EQ(scanFailure(huge), WaveHeaderScanFailure::WalkLeftHeader);
  const auto noData = WaveBytes().fmt(1, 1, 8000, 16).bytes();
  EXPECT_EQ(scanFailure(noData), WaveHeaderScanFailure::WalkLeftHeader);
  // "fmt " so close to the end that its fields are not in the searched bytes.
  std::vector<std::uint8_t> tail(8180, 0);
  for (char c : std::string("fmt ")) tail.push_back(std::uint8_t(c));
  EXPECT_EQ(scanFailure(tail), WaveHeaderScanFailure::WalkLeftHeader);
}

TEST(WaveHeaderScanTest, ADataSizeBeyondTheEndOfTheFileIsCutToTheFile) {
  const auto file =
      WaveBytes().fmt(1, 1, 8000, 16).chunkWithSize("data", 1000000, {1, 2, 3, 4}).bytes();
  EXPECT_EQ(scanOk(file).dataBytes, 4u);
  // The data chunk's header is the last thing in the file.
  const auto empty = WaveBytes().fmt(1, 1, 8000, 16).chunkWithSize("data", 50, {}).bytes();
  EXPECT_EQ(scanOk(empty).dataBytes, 0u);
  auto cut = empty;
  cut.erase(cut.end() - 2, cut.end());  // even the size field is cut short
  EXPECT_EQ(scanOk(cut).dataBytes, 0u);
}

}  // namespace
}  // namespace tolk
