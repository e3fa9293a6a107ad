#include "analyzer/audio/wave_headers.h"

#include <cstring>

namespace tolk {

namespace {

// Writes little-endian fields one after another.
class FieldWriter {
 public:
  explicit FieldWriter(std::uint8_t* out) : out_(out) {}

  void id(const char* text) {
    std::memcpy(out_, text, 4);
    out_ += 4;
  }
  void u16(std::uint32_t value) { bytes(value, 2); }
  void u32(std::uint32_t value) { bytes(value, 4); }
  void raw(const std::uint8_t* data, std::size_t count) {
    std::memcpy(out_, data, count);
    out_ += count;
  }

 private:
  void bytes(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) *out_++ = std::uint8_t(value >> (8 * i));
  }
  std::uint8_t* out_;
};

// KSDATAFORMAT_SUBTYPE_PCM as stored in the file.
constexpr std::uint8_t kPcmSubFormat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                            0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

void writeFormatFields(FieldWriter& out, std::uint16_t formatTag, std::uint16_t channels,
                       std::uint32_t sampleRateHz, std::uint16_t bitsPerSample) {
  const std::uint32_t bytesPerSample = bitsPerSample / 8u;
  out.u16(formatTag);
  out.u16(channels);
  out.u32(sampleRateHz);
  out.u32(sampleRateHz * bytesPerSample * channels);
  out.u16(channels * bytesPerSample);
  out.u16(bitsPerSample);
}

}  // namespace

std::array<std::uint8_t, ExtensibleWaveHeader::kBytes> ExtensibleWaveHeader::bytes() const {
  std::array<std::uint8_t, kBytes> header{};
  FieldWriter out(header.data());
  out.id("RIFF");
  out.u32(sizesPending ? 0 : dataBytes + 60);
  out.id("WAVE");
  out.id("fmt ");
  out.u32(40);
  writeFormatFields(out, 0xFFFE, channels, sampleRateHz, bitsPerSample);
  out.u16(22);
  out.u16(validBitsPerSample);
  out.u32(channels == 2 ? 3 : 4);
  out.raw(kPcmSubFormat, sizeof kPcmSubFormat);
  out.id("data");
  out.u32(sizesPending ? 0 : dataBytes);
  return header;
}

std::array<std::uint8_t, PlainWaveHeader::kBytes> PlainWaveHeader::bytes() const {
  std::array<std::uint8_t, kBytes> header{};
  FieldWriter out(header.data());
  out.id("RIFF");
  out.u32(dataBytes + 38);
  out.id("WAVE");
  out.id("fmt ");
  out.u32(18);
  writeFormatFields(out, 1, channels, sampleRateHz, bitsPerSample);
  out.u16(0);
  out.id("data");
  out.u32(dataBytes);
  return header;
}

}  // namespace tolk
