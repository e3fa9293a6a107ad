#include "analyzer/dsp/sample_scaling.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace tolk {

int bytesPerSample(SampleFormat format) {
  return format == SampleFormat::Pcm16 ? 2 : 3;
}

double inputGain(double gainAttenuationDb) {
  return std::pow(10.0, -gainAttenuationDb / 20.0);
}

void scaleSamples(const std::uint8_t* firstSample, std::size_t frameBytes, SampleFormat format,
                  double gain, std::span<float> out) {
  const std::uint8_t* in = firstSample;
  if (format == SampleFormat::Pcm16) {
    // Plain loads of the little-endian samples let the compiler vectorise the loop.
    static_assert(std::endian::native == std::endian::little);
    const std::size_t count = out.size();
    for (std::size_t i = 0; i < count; ++i) {
      std::int16_t value;
      std::memcpy(&value, in + i * frameBytes, sizeof value);
      out[i] = float(std::min(std::max(value * gain, -32767.0), 32767.0));
    }
  } else {
    // The 24-bit value times 256 / 65536: the 16-bit scale with 8 more bits.
    const double scale = gain / 256.0;
    for (float& sample : out) {
      // The three bytes go to the top of an int so the shift keeps the sign.
      const auto value = std::int32_t(std::uint32_t(in[0] << 8 | in[1] << 16 | in[2] << 24)) >> 8;
      sample = float(value * scale);
      in += frameBytes;
    }
  }
}

}  // namespace tolk
