#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolk::testing {

// Builds the bytes of small wave files for the tests, chunk by chunk.
class WaveBytes {
 public:
  // Starts with "RIFF" <size filled in by bytes()> "WAVE".
  WaveBytes();

  WaveBytes& chunk(const std::string& id, const std::vector<std::uint8_t>& body);
  // A chunk header whose size field says `storedSize`, followed by `body`.
  WaveBytes& chunkWithSize(const std::string& id, std::uint32_t storedSize,
                           const std::vector<std::uint8_t>& body);
  WaveBytes& fmt(std::uint16_t formatTag, std::uint16_t channels, std::uint32_t sampleRateHz,
                 std::uint16_t bitsPerSample, const std::string& id = "fmt ");
  WaveBytes& data(const std::vector<std::uint8_t>& samples, const std::string& id = "data");
  WaveBytes& raw(const std::vector<std::uint8_t>& bytes);

  std::vector<std::uint8_t> bytes() const;

 private:
  std::vector<std::uint8_t> bytes_;
};

std::vector<std::uint8_t> floatSamples(const std::vector<float>& values);
std::vector<std::uint8_t> sixteenBitSamples(const std::vector<std::int16_t>& values);
// Little-endian readers for checking written files.
std::uint32_t u32At(const std::vector<std::uint8_t>& bytes, std::size_t pos);
std::uint16_t u16At(const std::vector<std::uint8_t>& bytes, std::size_t pos);
// The signed 24-bit sample at byte `pos`.
int s24At(const std::vector<std::uint8_t>& bytes, std::size_t pos);

}  // namespace tolk::testing
