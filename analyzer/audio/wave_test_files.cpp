#include "analyzer/audio/wave_test_files.h"

#include <cstring>

namespace tolk::testing {

namespace {

void appendU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

void appendU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(std::uint8_t(value));
  out.push_back(std::uint8_t(value >> 8));
}

}  // namespace

WaveBytes::WaveBytes() {
  raw({'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'});
}

WaveBytes& WaveBytes::chunkWithSize(const std::string& id, std::uint32_t storedSize,
                                    const std::vector<std::uint8_t>& body) {
  bytes_.insert(bytes_.end(), id.begin(), id.end());
  appendU32(bytes_, storedSize);
  return raw(body);
}

WaveBytes& WaveBytes::chunk(const std::string& id, const std::vector<std::uint8_t>& body) {
  return chunkWithSize(id, std::uint32_t(body.size()), body);
}

WaveBytes& WaveBytes::fmt(std::uint16_t formatTag, std::uint16_t channels,
                          std::uint32_t sampleRateHz, std::uint16_t bitsPerSample,
                          const std::string& id) {
  std::vector<std::uint8_t> body;
  const std::uint32_t frameBytes = channels * ((bitsPerSample + 7u) / 8u);
  appendU16(body, formatTag);
  appendU16(body, channels);
  appendU32(body, sampleRateHz);
  appendU32(body, sampleRateHz * frameBytes);
  appendU16(body, frameBytes);
  appendU16(body, bitsPerSample);
  return chunk(id, body);
}

WaveBytes& WaveBytes::data(const std::vector<std::uint8_t>& samples, const std::string& id) {
  return chunk(id, samples);
}

WaveBytes& WaveBytes::raw(const std::vector<std::uint8_t>& bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

std::vector<std::uint8_t> WaveBytes::bytes() const {
  std::vector<std::uint8_t> out = bytes_;
  const auto riffSize = std::uint32_t(out.size() - 8);
  for (int i = 0; i < 4; ++i) out[4 + i] = std::uint8_t(riffSize >> (8 * i));
  return out;
}

std::vector<std::uint8_t> floatSamples(const std::vector<float>& values) {
  std::vector<std::uint8_t> out(values.size() * 4);
  std::memcpy(out.data(), values.data(), out.size());
  return out;
}

std::vector<std::uint8_t> sixteenBitSamples(const std::vector<std::int16_t>& values) {
  std::vector<std::uint8_t> out;
  for (const std::int16_t v : values) appendU16(out, std::uint16_t(v));
  return out;
}

std::uint32_t u32At(const std::vector<std::uint8_t>& bytes, std::size_t pos) {
  return std::uint32_t(bytes.at(pos)) | (std::uint32_t(bytes.at(pos + 1)) << 8) |
         (std::uint32_t(bytes.at(pos + 2)) << 16) | (std::uint32_t(bytes.at(pos + 3)) << 24);
}

std::uint16_t u16At(const std::vector<std::uint8_t>& bytes, std::size_t pos) {
  return std::uint16_t(bytes.at(pos) | (bytes.at(pos + 1) << 8));
}

int s24At(const std::vector<std::uint8_t>& bytes, std::size_t pos) {
  const int value = bytes.at(pos) | (bytes.at(pos + 1) << 8) | (bytes.at(pos + 2) << 16);
  return value >= (1 << 23) ? value - (1 << 24) : value;
}

}  // namespace tolk::testing
