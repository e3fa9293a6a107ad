#include "analyzer/dsp/test_wave.h"

#include <cmath>
#include <fstream>
#include <stdexcept>

#include "analyzer/audio/wave_headers.h"

namespace tolk::testing {

void writeTestWave(const std::filesystem::path& file, int channels, int sampleRateHz,
                   std::size_t frames, const std::function<double(int, std::size_t)>& value) {
  ExtensibleWaveHeader header;
  header.channels = std::uint16_t(channels);
  header.sampleRateHz = std::uint32_t(sampleRateHz);
  header.dataBytes = std::uint32_t(frames * channels * 2);
  const auto head = header.bytes();
  std::vector<char> bytes(head.begin(), head.end());
  for (std::size_t i = 0; i < frames; ++i) {
    for (int c = 0; c < channels; ++c) {
      const auto v = std::int16_t(std::lround(value(c, i)));
      bytes.push_back(char(v & 0xFF));
      bytes.push_back(char((v >> 8) & 0xFF));
    }
  }
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::function<double(int, std::size_t)> testTone(double amplitude, double frequencyHz,
                                                 int sampleRateHz) {
  return [=](int, std::size_t i) {
    return amplitude * std::cos(2 * M_PI * frequencyHz * double(i) / sampleRateHz);
  };
}

ImageLayout smallLayout() {
  ImageLayout layout;
  layout.imageLeft = 60;
  layout.imageRight = 760;
  layout.imageHeight = 520;
  layout.timeAxisHeight = 20;
  layout.stripHeight = 62;
  layout.scopePoints = 270;
  return layout;
}

}  // namespace tolk::testing
