#pragma once

#include <cstdint>

namespace tolk {

inline constexpr std::uint16_t kWaveFormatPcm = 1;
inline constexpr std::uint16_t kWaveFormatFloat = 3;
inline constexpr std::uint16_t kWaveFormatExtensible = 0xFFFE;

// What readWaveHeader learns about a wave file.
struct WaveFileInfo {
  std::uint16_t formatTag = 0;
  std::uint16_t channels = 0;
  std::uint32_t sampleRateHz = 0;
  std::uint16_t bitsPerSample = 0;
  std::uint32_t dataOffset = 0;  // file offset of the first sample byte
  // The "data" chunk size, cut to what the file holds after dataOffset.
  std::uint32_t dataBytes = 0;
  std::uint64_t fileBytes = 0;
  // Bit depth on disk: 8 or 32 when the file was converted to mod.wav,
  // otherwise bitsPerSample.
  std::uint16_t sourceBits = 0;
};

}  // namespace tolk
