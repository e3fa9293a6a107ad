#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tolk {

// The 68-byte header of every wave file Tolk writes (and of its in-memory
// sound blocks): RIFF, WAVE, an extensible fmt chunk with the PCM sub-format,
// then the data chunk's header. Byte rate and block alignment follow from the
// channels, rate and width.
struct ExtensibleWaveHeader {
  static constexpr std::size_t kBytes = 68;

  std::uint16_t channels = 1;
  std::uint32_t sampleRateHz = 48000;
  std::uint16_t bitsPerSample = 16;
  std::uint16_t validBitsPerSample = 16;  // 0 in a recording file
  std::uint32_t dataBytes = 0;
  // While a recording is being written the RIFF size and the data size are
  // stored as 0; finishing the file writes the real sizes.
  bool sizesPending = false;

  std::array<std::uint8_t, kBytes> bytes() const;
};

// The 46-byte header of "Save Wave" for analysed sound at 48000 Hz or less:
// a plain PCM fmt chunk of 18 bytes.
struct PlainWaveHeader {
  static constexpr std::size_t kBytes = 46;

  std::uint16_t channels = 1;
  std::uint32_t sampleRateHz = 48000;
  std::uint16_t bitsPerSample = 16;
  std::uint32_t dataBytes = 0;

  std::array<std::uint8_t, kBytes> bytes() const;
};

}  // namespace tolk
