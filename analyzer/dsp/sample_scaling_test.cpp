#include "analyzer/dsp/sample_scaling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tolk {
namespace {

std::vector<std::uint8_t> pcm16(const std::vector<int>& values) {
  std::vector<std::uint8_t> bytes;
  for (const int v : values) {
    bytes.push_back(std::uint8_t(v & 0xFF));
    bytes.push_back(std::uint8_t((v >> 8) & 0xFF));
  }
  return bytes;
}

std::vector<std::uint8_t> pcm24(const std::vector<int>& values) {
  std::vector<std::uint8_t> bytes;
  for (const int v : values) {
    for (int i = 0; i < 3; ++i) bytes.push_back(std::uint8_t((v >> (8 * i)) & 0xFF));
  }
  return bytes;
}

TEST(SampleScalingTest, SixteenBitSamplesTakeTheGainAndAreClipped) {
  const auto bytes = pcm16({32767, -32768, 1000, -1000});
  std::vector<float> out(4);
  scaleSamples(bytes.data(), 2, SampleFormat::Pcm16, inputGain(-6), out);
  EXPECT_EQ(out[0], 32767.0f);  // boosted by 6 dB, clipped
  EXPECT_EQ(out[1], -32767.0f);
  EXPECT_NEAR(out[2], 1995.26f, 0.01f);
  EXPECT_NEAR(out[3], -1995.26f, 0.01f);
  scaleSamples(bytes.data(), 2, SampleFormat::Pcm16, inputGain(0), out);
  EXPECT_EQ(out[1], -32767.0f);  // even without gain
  EXPECT_EQ(out[2], 1000.0f);
}

TEST(SampleScalingTest, TwentyFourBitSamplesAreScaledToSixteenBitsWithoutClipping) {
  const auto bytes = pcm24({8388607, -8388608, 256, -256});
  std::vector<float> out(4);
  scaleSamples(bytes.data(), 3, SampleFormat::Pcm24, inputGain(-6), out);
  const double sixDb = std::pow(10.0, 0.3);
  EXPECT_NEAR(out[0], 8388607 / 256.0 * sixDb, 0.01);
  EXPECT_NEAR(out[1], -32768 * sixDb, 0.01);
  EXPECT_NEAR(out[2], sixDb, 1e-4);
  EXPECT_NEAR(out[3], -sixDb, 1e-4);
}

TEST(SampleScalingTest, OneChannelIsTakenFromInterleavedFrames) {
  const auto bytes = pcm16({1, -1, 2, -2, 3, -3});  // left, right, left, right...
  std::vector<float> right(3);
  scaleSamples(bytes.data() + 2, 4, SampleFormat::Pcm16, 1.0, right);
  EXPECT_EQ(right, (std::vector<float>{-1, -2, -3}));
}

}  // namespace
}  // namespace tolk
